#include "instruments/environment_line.h"

#include "instruments/joined_line.h"

#include <QString>
#include <QtMath>

namespace EnvironmentLine {

namespace {

struct Row
{
    Reading reading;
    const char *key;
    const char *unit; // end marker before the line end
    bool decimal;
};

const Row kRows[] = {
    {Reading::Humidity, "Humidity:", "%", true},
    {Reading::Temperature, "Temperature:", "C", true},
    {Reading::Barometer, "Barometer:", "Pa", false},
    {Reading::Ultraviolet, "Ultraviolet:", "", false},
    {Reading::CO2, "CO2:", "ppm", false},
    {Reading::TVOC, "TVOC:", "ppb", false},
};

} // namespace

double toDecimal(const QByteArray &text)
{
    bool ok = false;
    const double v = QString::fromUtf8(text).toDouble(&ok);
    // "nan", "inf" and overflowing exponents are no readings.
    return ok && qIsFinite(v) ? v : 0.0;
}

int toInteger(const QByteArray &text)
{
    bool ok = false;
    const int v = QString::fromUtf8(text).toInt(&ok, 10);
    return ok ? v : 0;
}

Result parse(const QByteArray &line)
{
    // Each line carries one reading: a second key is the next line run in.
    static const JoinedLine::Keys keys = [] {
        JoinedLine::Keys k;
        for (const Row &row : kRows)
            k.names.append(QLatin1String(row.key));
        return k;
    }();
    if (JoinedLine::isJoined(QString::fromLatin1(line), keys))
        return {};
    for (const Row &row : kRows) {
        const qsizetype at = line.indexOf(row.key);
        if (at < 0)
            continue;
        const qsizetype from = at + qsizetype(qstrlen(row.key));
        qsizetype end = *row.unit ? line.indexOf(row.unit, from) : -1;
        if (end < 0)
            end = line.size();
        const QByteArray text = line.mid(from, end - from);
        Result r;
        r.reading = row.reading;
        r.value = row.decimal ? toDecimal(text) : double(toInteger(text));
        return r;
    }
    return {};
}

} // namespace EnvironmentLine
