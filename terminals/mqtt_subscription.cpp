#include "terminals/mqtt_subscription.h"

MqttSubscription::MqttSubscription(const MqttTopicFilter &filter, quint16 packetId, QObject *parent)
    : QObject(parent)
    , m_filter(filter)
    , m_packetId(packetId)
{
}

void MqttSubscription::setAnswer(SubscriptionState state, quint8 grantedQos)
{
    m_qos = grantedQos;
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}
