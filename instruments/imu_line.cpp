#include "instruments/imu_line.h"

#include "instruments/joined_line.h"

#include <QLocale>
#include <QQuaternion>
#include <QRegularExpression>
#include <cmath>

namespace ImuLine {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// "Z:0" cut from "Z:0.5" and run into the next line's "W:" would match as
// a whole reading: such a line goes, and the next one gets its turn.  Only
// the Z number can be cut this way, as the pattern wants a comma after the
// others.  Whatever else follows a quaternion ("Z:0;YAW:90") is the board's.
bool zRunsIntoKey(const QString &line)
{
    static const JoinedLine::Keys keys{
        {QLatin1String("W:"), QLatin1String("X:"), QLatin1String("Y:"), QLatin1String("Z:")}};
    const qsizetype size = line.size();
    for (qsizetype p = line.indexOf(QLatin1String("Z:")); p >= 0; p = line.indexOf(QLatin1String("Z:"), p)) {
        p += 2;
        while (p < size && line.at(p).isSpace())
            ++p;
        if (p < size && line.at(p) == QLatin1Char('-'))
            ++p;
        const qsizetype digits = p;
        while (p < size && isDigit(line.at(p)))
            ++p;
        if (p == digits)
            continue;
        if (p < size && line.at(p) == QLatin1Char('.'))
            ++p;
        while (p < size && isDigit(line.at(p)))
            ++p;
        if (JoinedLine::keyAtStart(QStringView(line).mid(p), keys) >= 0)
            return true;
    }
    return false;
}

} // namespace

Reading parse(const QString &text)
{
    // The board's pattern "W:\s*(-?\d+\.?\d*)\s*,\s*X:..." with possessive
    // quantifiers.  A number can only be followed by a blank, a comma or the
    // end, so giving back a digit or the point never leads to a match; not
    // trying it keeps a long run of digits linear instead of quadratic.
    static const QRegularExpression pattern(QStringLiteral(
        "W:\\s*+(-?+\\d++\\.?+\\d*+)\\s*+,\\s*+X:\\s*+(-?+\\d++\\.?+\\d*+)\\s*+,\\s*+"
        "Y:\\s*+(-?+\\d++\\.?+\\d*+)\\s*+,\\s*+Z:\\s*+(-?+\\d++\\.?+\\d*+)"));

    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.removeIf(zRunsIntoKey);

    Reading r;
    const QRegularExpressionMatch m = pattern.match(lines.join(QLatin1Char(' ')).simplified());
    if (!m.hasMatch())
        return r;
    r.matched = true;
    const QLocale c = QLocale::c();
    r.w = c.toDouble(m.capturedView(1), &r.okW);
    r.x = c.toDouble(m.capturedView(2), &r.okX);
    r.y = c.toDouble(m.capturedView(3), &r.okY);
    r.z = c.toDouble(m.capturedView(4), &r.okZ);

    const QQuaternion q(float(r.w), float(r.x), float(r.y), float(r.z));
    r.euler = q.toEulerAngles();
    // Four hundred digits read as a double but not as a float; a zero (or
    // vanishingly short) quaternion has no direction and normalises to
    // zero.  Either would turn the cuboid into nothing.
    const float length = q.length();
    r.usable = r.okW && r.okX && r.okY && r.okZ && std::isfinite(length) && !qFuzzyIsNull(length);
    return r;
}

} // namespace ImuLine
