#include "instruments/oscilloscope_line.h"

#include "instruments/environment_line.h"
#include "instruments/joined_line.h"

namespace OscilloscopeLine {

std::optional<Values> parse(const QByteArray &line)
{
    const qsizetype start = line.indexOf("$0:");
    if (start < 0)
        return std::nullopt;
    // A channel key twice after "$0:" is a cut line run into the next.
    static const JoinedLine::Keys keys{
        {QLatin1String("$0:"), QLatin1String("$1:"), QLatin1String("$2:"), QLatin1String("$3:")},
        QLatin1String(";"), Qt::CaseSensitive, true};
    if (JoinedLine::isJoined(QString::fromLatin1(line.mid(start)), keys))
        return std::nullopt;
    Values values{0.0, 0.0, 0.0, 0.0};
    for (int k = 0; k < 4; ++k) {
        const QByteArray key = "$" + QByteArray::number(k) + ":";
        const qsizetype at = line.indexOf(key, start);
        if (at < 0)
            break;
        const qsizetype from = at + key.size();
        qsizetype end = line.indexOf(';', from);
        if (end < 0)
            end = line.size();
        values[k] = EnvironmentLine::toDecimal(line.mid(from, end - from));
    }
    return values;
}

} // namespace OscilloscopeLine
