#ifndef JOINED_LINE_H
#define JOINED_LINE_H

#include <QLatin1String>
#include <QList>
#include <QStringView>

// A board that resets in the middle of a line sends no line end, so the cut
// line runs straight into the next one: "CIEX:0.64;CIEY:0.3CIEX:0.30;...",
// "W:1,X:0,Y:0,Z:0W:0.71,...".  Read as one line it mixes two readings into
// values nobody measured.  Each line parser decides by its own format what
// such a join looks like; these are the key tests they share.  All of them
// look at a key's length of text, never further, so a line costs time in
// proportion to its length.
namespace JoinedLine {

struct Keys
{
    QList<QLatin1String> names;
    Qt::CaseSensitivity cs = Qt::CaseSensitive;
};

// The index of the key that `text` begins with, or -1.
[[nodiscard]] int keyAtStart(QStringView text, const Keys &keys);
// The index of the key that `text` ends with, or -1.
[[nodiscard]] int keyAtEnd(QStringView text, const Keys &keys);

} // namespace JoinedLine

#endif // JOINED_LINE_H
