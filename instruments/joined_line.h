#ifndef JOINED_LINE_H
#define JOINED_LINE_H

#include <QLatin1String>
#include <QList>
#include <QStringView>

// A board that resets in the middle of a line sends no line end, so the cut
// line runs straight into the next one: "CIEX:0.64;CIEY:0.3CIEX:0.30;...",
// "Humidity:4Humidity:45.5%".  Read as one line it mixes two readings into
// values nobody measured, so such a line is no reading at all.  The line
// parsers share this one decision.
namespace JoinedLine {

struct Keys
{
    QList<QLatin1String> names; // what the parser looks for
    QLatin1String separators;   // what ends an item; none: the line is one item
    Qt::CaseSensitivity cs = Qt::CaseSensitive;
    bool once = false;          // a key may come only once in a line
};

// True when one item holds two keys, or a key behind the start of a key
// ("CIECIEX:"), or, with `once`, a key comes twice.
[[nodiscard]] bool isJoined(QStringView line, const Keys &keys);

} // namespace JoinedLine

#endif // JOINED_LINE_H
