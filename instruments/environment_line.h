#ifndef ENVIRONMENT_LINE_H
#define ENVIRONMENT_LINE_H

#include <QByteArray>
#include <QList>

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

// Every reading whose key the line holds, in the board's fixed order, each
// once: the value is the text after the key's first place up to the
// reading's unit (the line's end when there is none after it).  A reading
// whose value runs into a key is left out.
[[nodiscard]] QList<Result> parse(const QByteArray &line);

// Conversions of the value texts: a finite decimal number, or a base-10
// integer within 32 bits; 0 otherwise.
[[nodiscard]] double toDecimal(const QByteArray &text);
[[nodiscard]] int toInteger(const QByteArray &text);

} // namespace EnvironmentLine

#endif // ENVIRONMENT_LINE_H
