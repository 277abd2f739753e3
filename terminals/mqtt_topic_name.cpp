#include "terminals/mqtt_topic_name.h"

bool MqttTopicName::isValid() const
{
    if (m_name.isEmpty() || m_name.toUtf8().size() > 0xffff)
        return false;
    return !m_name.contains(QLatin1Char('+')) && !m_name.contains(QLatin1Char('#'))
           && !m_name.contains(QChar(0));
}
