#ifndef IMU_LINE_H
#define IMU_LINE_H

#include <QString>
#include <QVector3D>

// The IMU board's quaternion text, "W:0.71,X:0,Y:0.71,Z:0": the first match
// anywhere in the (simplified) text counts, the rest is ignored.  Lines in
// the text that are two readings run together are passed over.
namespace ImuLine {

struct Reading
{
    bool matched = false;
    double w = 0.0, x = 0.0, y = 0.0, z = 0.0;
    bool okW = false, okX = false, okY = false, okZ = false;
    // Roll, pitch and yaw in degrees: about X, Y and Z.
    QVector3D euler;
    // All four numbers read, finite as floats, and not all zero: a
    // quaternion that can be normalised into a rotation.
    bool usable = false;
};

[[nodiscard]] Reading parse(const QString &text);

} // namespace ImuLine

#endif // IMU_LINE_H
