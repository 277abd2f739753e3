#include "positioning/position_line.h"

#include <cmath>

namespace PositionLine {

std::optional<Fix> parse(const QString &line)
{
    static const QString latKey = QStringLiteral("Latitude:");
    static const QString lonKey = QStringLiteral("Longitude:");
    static const QString sepKey = QStringLiteral(",Longitude:");
    const qsizetype lat = line.indexOf(latKey);
    const qsizetype lon = line.indexOf(lonKey);
    if (lat < 0 || lon < 0)
        return std::nullopt;
    const qsizetype latStart = lat + latKey.size();
    const qsizetype sep = line.indexOf(sepKey, latStart);
    Fix fix;
    fix.latitude = (sep < 0 ? line.mid(latStart) : line.mid(latStart, sep - latStart)).trimmed();
    QString longitude = line.mid(lon + lonKey.size());
    longitude.remove(QLatin1String("\r\n"));
    longitude.remove(QLatin1Char('\n'));
    fix.longitude = longitude.trimmed();
    return fix;
}

std::optional<double> number(const QString &text)
{
    if (text.isEmpty() || text.size() > 64)
        return std::nullopt;
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

Check check(const Fix &fix)
{
    const auto lat = number(fix.latitude);
    const auto lon = number(fix.longitude);
    if (!lat || !lon)
        return Check::NotNumber;
    if (std::abs(*lat) > 90 || std::abs(*lon) > 180)
        return Check::OutOfRange;
    return Check::Ok;
}

bool isNull(const Fix &fix)
{
    const auto lat = number(fix.latitude);
    const auto lon = number(fix.longitude);
    return lat && lon && *lat == 0 && *lon == 0;
}

QByteArray record(const QString &latitude, const QString &longitude)
{
    return "Latitude:" + latitude.toUtf8() + ",Longitude:" + longitude.toUtf8() + "\r\n";
}

QList<QByteArray> LineBuffer::feed(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', from);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        if (!m_skipping) {
            if (m_pending.size() + (end - from) > maxLine) {
                m_skipping = true;
                m_pending.clear();
                m_pending.squeeze();
                ++m_dropped;
            } else {
                m_pending.append(bytes.constData() + from, end - from);
            }
        }
        if (lf < 0)
            break;
        if (!m_skipping) {
            if (m_pending.endsWith('\r'))
                m_pending.chop(1);
            lines.append(m_pending);
        }
        m_pending.clear();
        m_skipping = false;
        from = lf + 1;
    }
    return lines;
}

std::optional<Segment> ReplayChain::add(const Fix &fix)
{
    if (!m_previous) {
        m_previous = fix;
        return std::nullopt;
    }
    const Fix previous = *m_previous;
    m_previous = fix;
    if (m_drawn && fix == previous)
        return std::nullopt;
    m_drawn = true;
    return Segment{previous, fix};
}

} // namespace PositionLine
