#ifndef MQTT_TOPIC_NAME_H
#define MQTT_TOPIC_NAME_H

#include <QMetaType>
#include <QString>

// The topic a message is published to: no wildcards, at most 65535 bytes
// of UTF-8, at least one character.
class MqttTopicName
{
public:
    MqttTopicName() = default;
    MqttTopicName(const QString &name) : m_name(name) {}
    MqttTopicName(const char *name) : m_name(QString::fromUtf8(name)) {}

    QString name() const { return m_name; }
    [[nodiscard]] bool isValid() const;

    bool operator==(const MqttTopicName &other) const { return m_name == other.m_name; }

private:
    QString m_name;
};

Q_DECLARE_METATYPE(MqttTopicName)

#endif // MQTT_TOPIC_NAME_H
