#ifndef MQTT_TOPIC_FILTER_H
#define MQTT_TOPIC_FILTER_H

#include <QString>

// A subscription pattern: "+" stands for one whole level, "#" for the rest
// of the topic and only as the last level.
class MqttTopicFilter
{
public:
    MqttTopicFilter() = default;
    MqttTopicFilter(const QString &filter) : m_filter(filter) {}
    MqttTopicFilter(const char *filter) : m_filter(QString::fromUtf8(filter)) {}

    QString filter() const { return m_filter; }
    [[nodiscard]] bool isValid() const;

private:
    QString m_filter;
};

#endif // MQTT_TOPIC_FILTER_H
