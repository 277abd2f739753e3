#ifndef ENVIRONMENT_LINE_H
#define ENVIRONMENT_LINE_H

#include <QByteArray>

// One line of the environment board ("Humidity:45.5%", "CO2:400ppm", ...,
// CR LF already removed) turned into the reading it carries.
namespace EnvironmentLine {

enum class Reading { None, Humidity, Temperature, Barometer, Ultraviolet, CO2, TVOC };

struct Result
{
    Reading reading = Reading::None;
    // 0 when the value text is no number (decimal readings) or no 32-bit
    // integer (the others); never NaN or infinite.
    double value = 0.0;
};

// The first key of the board's fixed order that the line holds decides the
// reading; its value is the text after the key up to the reading's unit.
// A line holding two keys is two readings run together: None.
[[nodiscard]] Result parse(const QByteArray &line);

// Conversions of the value texts: a finite decimal number, or a base-10
// integer within 32 bits; 0 otherwise.
[[nodiscard]] double toDecimal(const QByteArray &text);
[[nodiscard]] int toInteger(const QByteArray &text);

} // namespace EnvironmentLine

#endif // ENVIRONMENT_LINE_H
