#include "instruments/imu_line.h"

#include <QLocale>
#include <QQuaternion>
#include <QRegularExpression>
#include <cmath>

namespace ImuLine {

Reading parse(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        "W:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*X:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*Y:\\s*(-?\\d+\\.?\\d*)\\s*,\\s*Z:\\s*(-?\\d+\\.?\\d*)"));

    Reading r;
    const QRegularExpressionMatch m = pattern.match(text.simplified());
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
    // Four hundred digits read as a double but not as a float; a zero
    // quaternion has no direction.  Either would turn the cuboid into NaN.
    const bool finite = std::isfinite(q.scalar()) && std::isfinite(q.x()) && std::isfinite(q.y())
                        && std::isfinite(q.z());
    const double length = finite ? std::sqrt(double(q.scalar()) * q.scalar() + double(q.x()) * q.x()
                                             + double(q.y()) * q.y() + double(q.z()) * q.z())
                                 : 0.0;
    r.usable = r.okW && r.okX && r.okY && r.okZ && finite && length > 0.0 && std::isfinite(length);
    return r;
}

} // namespace ImuLine
