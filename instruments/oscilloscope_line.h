#ifndef OSCILLOSCOPE_LINE_H
#define OSCILLOSCOPE_LINE_H

#include <QByteArray>
#include <array>
#include <optional>

// One line of the oscilloscope board, "$0:v;$1:v;$2:v;$3:v;" (CR LF already
// removed), turned into its four channel values.
namespace OscilloscopeLine {

using Values = std::array<double, 4>;

// Nothing when the line has no "$0:"; text before it is ignored.  A missing
// channel key leaves it and the later channels at 0, and so does a value
// that is no finite number.  Nothing either for two lines run together.
[[nodiscard]] std::optional<Values> parse(const QByteArray &line);

} // namespace OscilloscopeLine

#endif // OSCILLOSCOPE_LINE_H
