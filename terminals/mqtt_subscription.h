#ifndef MQTT_SUBSCRIPTION_H
#define MQTT_SUBSCRIPTION_H

#include "terminals/mqtt_topic_filter.h"

#include <QObject>

// One SUBSCRIBE in flight or answered: Pending until the broker's SUBACK
// grants it (Subscribed, with the granted QoS) or refuses it (Refused).
class MqttSubscription : public QObject
{
    Q_OBJECT
public:
    enum SubscriptionState { Pending, Subscribed, Refused };
    Q_ENUM(SubscriptionState)

    MqttSubscription(const MqttTopicFilter &filter, quint16 packetId, QObject *parent = nullptr);

    MqttTopicFilter topic() const { return m_filter; }
    quint16 packetId() const { return m_packetId; }
    SubscriptionState state() const { return m_state; }
    quint8 grantedQos() const { return m_qos; }

    // Called by the client when the broker answers.
    void setAnswer(SubscriptionState state, quint8 grantedQos);

signals:
    void stateChanged(MqttSubscription::SubscriptionState state);

private:
    MqttTopicFilter m_filter;
    quint16 m_packetId;
    SubscriptionState m_state = Pending;
    quint8 m_qos = 0;
};

#endif // MQTT_SUBSCRIPTION_H
