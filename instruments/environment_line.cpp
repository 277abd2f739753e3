#include "instruments/environment_line.h"

#include <QString>
#include <QtMath>

#include <algorithm>
#include <iterator>

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

QList<Result> parse(const QByteArray &line)
{
    QList<Result> out;
    for (const Row &row : kRows) {
        const qsizetype at = line.indexOf(row.key);
        if (at < 0)
            continue;
        const qsizetype from = at + qsizetype(qstrlen(row.key));
        qsizetype end = *row.unit ? line.indexOf(row.unit, from) : -1;
        if (end < 0)
            end = line.size();
        // A value that runs into a key ("Humidity:4Humidity:45.5%") is a
        // reading cut by a reset and the next one run in: no value at all.
        // A key right where the unit was found is no unit either: the C of
        // "Temperature:2CO2:400ppm" starts the next line's key.
        const bool cut = std::any_of(std::begin(kRows), std::end(kRows), [&](const Row &other) {
            const qsizetype next = line.indexOf(other.key, from);
            return next >= 0 && next <= end;
        });
        if (cut)
            continue;
        const QByteArray text = line.mid(from, end - from);
        out.append({row.reading, row.decimal ? toDecimal(text) : double(toInteger(text))});
    }
    return out;
}

} // namespace EnvironmentLine
