#ifndef TERMINAL_TEXT_H
#define TERMINAL_TEXT_H

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTime>

// Text forms of received bytes shared by the serial, UDP and TCP terminals.
namespace TerminalText {

enum class HexStyle {
    Serial,  // "0x%1," lower-case, a line break after every 0x0A
    Network  // "0x%1, " upper-case, no line break of its own
};

// Longest line a receive view is given: past it a line is broken, so no
// text block grows without end (appending to a huge block is quadratic).
constexpr int kMaxLineChars = 1024;
constexpr int kMaxHexBytesPerLine = 32;

// Hex form of `bytes`.  `bytesOnLine` carries how many bytes the view's last
// line already holds; a line break is added whenever a line reaches
// kMaxHexBytesPerLine bytes, and the count is updated.
QString hex(const QByteArray &bytes, HexStyle style, int &bytesOnLine);

// Line breaks that hex() adds to `bytes`, with bytesOnLine updated the
// same way, without making the text.
int hexLineBreaks(const QByteArray &bytes, HexStyle style, int &bytesOnLine);

// Offset just past the byte that ends the n-th line hex() makes of `bytes`,
// the first line already holding bytesOnLine bytes; the size when fewer.
qsizetype afterHexLines(const QByteArray &bytes, HexStyle style, int bytesOnLine, int lines);

// Breaks `text`, which continues a line already `column` characters long,
// so that no line exceeds maxChars; updates column.  Surrogate pairs stay
// together.  softLines, when given, receives the index of each line that
// ends in an added break (lines counted by line feed in the result), and
// breaks the number of line feeds in the result.
QString wrapLines(QStringView text, int &column, int maxChars = kMaxLineChars,
                  QList<int> *softLines = nullptr, int *breaks = nullptr);

// Whether a text document starts a new block at `c` as it does at a line
// feed: "\r", U+2029 and the frame marks U+FDD0 and U+FDD1.
bool startsBlock(QChar c);

// `text` with every mark at which a text document starts a new block
// ("\r\n" and each character startsBlock() names) made one line feed, so
// that its lines counted by line feed are the view's blocks.
QString breaksAsLineFeeds(const QString &text);

// Whether a GBK stream ends amid a two-byte character after `bytes`, given
// whether it did before them.
[[nodiscard]] bool gbkLeadAfter(bool leadBefore, QByteArrayView bytes);

// "[hh:mm:ss.zzz]"
QString stamp(const QDateTime &when);
QString stamp(const QTime &when);

// Counter rule of the terminals: the shown value grows by n and stops at
// 99999.  Returns the new value.
double addToCounter(double current, qint64 n, bool *saturated);

} // namespace TerminalText

#endif // TERMINAL_TEXT_H
