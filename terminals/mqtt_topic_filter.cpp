#include "terminals/mqtt_topic_filter.h"

#include <QStringList>

bool MqttTopicFilter::isValid() const
{
    if (m_filter.isEmpty() || m_filter.toUtf8().size() > 0xffff || m_filter.contains(QChar(0)))
        return false;
    const QStringList levels = m_filter.split(QLatin1Char('/'));
    for (int i = 0; i < levels.size(); ++i) {
        const QString &level = levels.at(i);
        if (level.contains(QLatin1Char('#')) && (level.size() != 1 || i != levels.size() - 1))
            return false;
        if (level.contains(QLatin1Char('+')) && level.size() != 1)
            return false;
    }
    return true;
}
