#include "instruments/oscilloscope_line.h"

#include "instruments/environment_line.h"

namespace OscilloscopeLine {

std::optional<Values> parse(const QByteArray &line)
{
    static const char *const keys[4] = {"$0:", "$1:", "$2:", "$3:"};
    const qsizetype start = line.indexOf(keys[0]);
    if (start < 0)
        return std::nullopt;
    // The board starts each line again at "$0:", so a line cut by a reset
    // and run into the next holds a channel key twice.
    qsizetype at[4];
    for (int k = 0; k < 4; ++k) {
        at[k] = line.indexOf(keys[k], start);
        if (at[k] >= 0 && line.indexOf(keys[k], at[k] + 3) >= 0)
            return std::nullopt;
    }
    Values values{0.0, 0.0, 0.0, 0.0};
    for (int k = 0; k < 4 && at[k] >= 0; ++k) {
        const qsizetype from = at[k] + 3;
        qsizetype end = line.indexOf(';', from);
        if (end < 0)
            end = line.size();
        values[k] = EnvironmentLine::toDecimal(line.mid(from, end - from));
    }
    return values;
}

} // namespace OscilloscopeLine
