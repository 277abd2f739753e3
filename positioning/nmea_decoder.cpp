#include "positioning/nmea_decoder.h"

#include <cmath>
#include <limits>

namespace Nmea {

namespace {

constexpr int kFieldChars = 95;

// Reads the number at the front of the field; false when there is none or
// it is not finite ("nan", "inf", "1e999").
bool readNumber(QByteArrayView f, double *value)
{
    qsizetype i = 0;
    const qsizetype n = f.size();
    if (i < n && (f[i] == '+' || f[i] == '-'))
        ++i;
    const qsizetype digitsFrom = i;
    while (i < n && f[i] >= '0' && f[i] <= '9')
        ++i;
    qsizetype digits = i - digitsFrom;
    if (i < n && f[i] == '.') {
        ++i;
        const qsizetype from = i;
        while (i < n && f[i] >= '0' && f[i] <= '9')
            ++i;
        digits += i - from;
    }
    if (digits == 0)
        return false;
    if (i < n && (f[i] == 'e' || f[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < n && (f[j] == '+' || f[j] == '-'))
            ++j;
        const qsizetype from = j;
        while (j < n && f[j] >= '0' && f[j] <= '9')
            ++j;
        if (j > from)
            i = j;
    }
    bool ok = false;
    const double v = QByteArray(f.data(), i).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

void set(NmeaReadout *out, NmeaReadout::Field f, const QString &text)
{
    out->text[f] = text;
    out->changed |= 1u << f;
}

// Latitude or longitude field into its label: empty for an empty field,
// unchanged for one that holds no number.
bool coordinate(QByteArrayView f, NmeaReadout *out, NmeaReadout::Field label, double *deg)
{
    if (f.isEmpty()) {
        set(out, label, QString());
        return false;
    }
    double v = 0;
    if (!readNumber(f, &v))
        return false;
    *deg = degrees(v);
    set(out, label, QString::number(*deg, 'f', 7));
    return true;
}

} // namespace

Kind kind(QByteArrayView s)
{
    if (s.contains("RMC"))
        return Kind::RMC;
    if (s.contains("GSV"))
        return Kind::GSV;
    if (s.contains("GGA"))
        return Kind::GGA;
    if (s.contains("GSA"))
        return Kind::GSA;
    if (s.contains("VTG"))
        return Kind::VTG;
    return Kind::Other;
}

QByteArray field(QByteArrayView s, int n)
{
    qsizetype i = 0;
    for (int commas = 0; commas < n; ++i) {
        if (i >= s.size())
            return {};
        if (s[i] == ',')
            ++commas;
    }
    qsizetype end = i;
    while (end < s.size() && s[end] != ',' && s[end] != '*' && s[end] != '\r' && s[end] != '\n' && s[end] != '\0')
        ++end;
    return QByteArray(s.data() + i, qMin<qsizetype>(end - i, kFieldChars));
}

double number(QByteArrayView f)
{
    double v = 0;
    return readNumber(f, &v) ? v : 0.0;
}

QString general(double v)
{
    return QString::number(v, 'g', 6);
}

double degrees(double v)
{
    const double d = std::trunc(v / 100);
    return d + (v - 100 * d) / 60;
}

void rmc(QByteArrayView s, nmea_msg *msg, NmeaReadout *out)
{
    // A time that is no hhmmss (negative, huge) reads as 0.
    const double tv = number(field(s, 1));
    const qint64 t = tv >= 0 && tv <= double(std::numeric_limits<int32_t>::max()) ? qint64(tv) : 0;
    msg->hour = uint8_t(t / 10000);
    msg->minute = uint8_t((t / 100) % 100);
    msg->second = uint8_t(t % 100);
    set(out, NmeaReadout::Utc, QStringLiteral("%1:%2:%3").arg(msg->hour).arg(msg->minute).arg(msg->second));

    const QByteArray ns = field(s, 4);
    if (!ns.isEmpty() && (ns[0] == 'N' || ns[0] == 'S'))
        set(out, NmeaReadout::LatitudeHemisphere, QString(QLatin1Char(ns[0])));
    const QByteArray ew = field(s, 6);
    if (!ew.isEmpty() && (ew[0] == 'E' || ew[0] == 'W'))
        set(out, NmeaReadout::LongitudeHemisphere, QString(QLatin1Char(ew[0])));
    if (!out->fix)
        return;

    double lat = 0, lon = 0;
    const bool hasLat = coordinate(field(s, 3), out, NmeaReadout::Latitude, &lat);
    const bool hasLon = coordinate(field(s, 5), out, NmeaReadout::Longitude, &lon);
    if (!hasLat || !hasLon)
        return;
    // The labels stay unsigned; the map needs the sign.
    const bool south = out->text[NmeaReadout::LatitudeHemisphere] == QLatin1String("S");
    const bool west = out->text[NmeaReadout::LongitudeHemisphere] == QLatin1String("W");
    out->latitude = south ? -lat : lat;
    out->longitude = west ? -lon : lon;
    out->positionUpdated = true;
}

void gsv(QByteArrayView s, NmeaReadout *out)
{
    const QString inView = general(number(field(s, 3)));
    if (s.contains("PGSV"))
        set(out, NmeaReadout::GpsInView, inView);
    else if (s.contains("DGSV") || s.contains("BGSV"))
        set(out, NmeaReadout::BeidouInView, inView);
}

void gga(QByteArrayView s, NmeaReadout *out, const QString &yes, const QString &no)
{
    const double q = number(field(s, 6));
    // 1 GPS, 2 DGPS, 3 PPS, 4 RTK fixed, 5 RTK float are all positions.
    out->fix = q >= 1 && q < 6;
    set(out, NmeaReadout::FixState, out->fix ? yes : no);
    set(out, NmeaReadout::SatellitesUsed, general(number(field(s, 7))));
    set(out, NmeaReadout::Altitude, general(number(field(s, 9))) + QStringLiteral(" m"));
}

void gsa(QByteArrayView s, NmeaReadout *out)
{
    set(out, NmeaReadout::Pdop, general(number(field(s, 15))));
    set(out, NmeaReadout::Hdop, general(number(field(s, 16))));
    set(out, NmeaReadout::Vdop, general(number(field(s, 17))));
}

void vtg(QByteArrayView s, NmeaReadout *out)
{
    set(out, NmeaReadout::Speed, general(number(field(s, 7))) + QStringLiteral(" km/h"));
}

Kind decode(QByteArrayView s, nmea_msg *msg, NmeaReadout *out, const QString &yes, const QString &no)
{
    const Kind k = kind(s);
    switch (k) {
    case Kind::RMC: rmc(s, msg, out); break;
    case Kind::GSV: gsv(s, out); break;
    case Kind::GGA: gga(s, out, yes, no); break;
    case Kind::GSA: gsa(s, out); break;
    case Kind::VTG: vtg(s, out); break;
    case Kind::Other: break;
    }
    return k;
}

bool pushDue(bool positionUpdated, qint64 nowSecs, qint64 lastPushSecs)
{
    return positionUpdated && nowSecs - lastPushSecs >= 11;
}

} // namespace Nmea
