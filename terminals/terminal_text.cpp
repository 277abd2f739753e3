#include "terminals/terminal_text.h"

#include <algorithm>
#include <cstring>

namespace TerminalText {

namespace {

// The hex views' line rule for one more byte: true when its line ends
// after it (a line feed in the serial style, or a full line).
inline bool endsHexLine(char c, bool serial, int &bytesOnLine)
{
    ++bytesOnLine;
    if ((serial && c == '\n') || bytesOnLine >= kMaxHexBytesPerLine) {
        bytesOnLine = 0;
        return true;
    }
    return false;
}

} // namespace

QString hex(const QByteArray &bytes, HexStyle style, int &bytesOnLine)
{
    static const char lower[] = "0123456789abcdef";
    static const char upper[] = "0123456789ABCDEF";
    const bool serial = style == HexStyle::Serial;
    const char *digits = serial ? lower : upper;
    const qsizetype perByte = serial ? 5 : 6;

    // Written through a pointer into a buffer of the largest size needed:
    // appending character by character costs more than the rest together.
    QString out(bytes.size() * (perByte + 1), Qt::Uninitialized);
    QChar *p = out.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *p++ = QLatin1Char('0');
        *p++ = QLatin1Char('x');
        *p++ = QLatin1Char(digits[b >> 4]);
        *p++ = QLatin1Char(digits[b & 0x0F]);
        *p++ = QLatin1Char(',');
        if (!serial)
            *p++ = QLatin1Char(' ');
        if (endsHexLine(c, serial, bytesOnLine))
            *p++ = QLatin1Char('\n');
    }
    out.truncate(p - out.constData());
    return out;
}

int hexLineBreaks(const QByteArray &bytes, HexStyle style, int &bytesOnLine)
{
    int breaks = 0;
    if (style == HexStyle::Network) {
        const qint64 total = bytesOnLine + bytes.size();
        breaks = int(total / kMaxHexBytesPerLine);
        bytesOnLine = int(total % kMaxHexBytesPerLine);
        return breaks;
    }
    for (const char c : bytes)
        breaks += endsHexLine(c, true, bytesOnLine);
    return breaks;
}

qsizetype afterHexLines(const QByteArray &bytes, HexStyle style, int bytesOnLine, int lines)
{
    const bool serial = style == HexStyle::Serial;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (endsHexLine(bytes.at(i), serial, bytesOnLine) && --lines == 0)
            return i + 1;
    return bytes.size();
}

QString wrapLines(QStringView text, int &column, int maxChars, QList<int> *softLines, int *breaks)
{
    QString out(text.size() + text.size() / maxChars + 1, Qt::Uninitialized);
    QChar *p = out.data();
    const QChar *in = text.constData();
    const QChar *end = in + text.size();
    int lines = 0;
    // Copies runs up to the next line feed or the line's limit at once.
    while (in < end) {
        const QChar *feed = in;
        const QChar *limit = in + qMax(0, maxChars - column);
        while (feed < end && feed < limit && *feed != QLatin1Char('\n'))
            ++feed;
        const qsizetype run = feed - in;
        std::memcpy(p, in, size_t(run) * sizeof(QChar));
        p += run;
        column += int(run);
        in = feed;
        if (in == end)
            break;
        if (*in == QLatin1Char('\n')) {
            *p++ = *in++;
            column = 0;
            ++lines;
            continue;
        }
        // At the limit: a low surrogate stays with its high half.
        if (in->isLowSurrogate()) {
            *p++ = *in++;
            ++column;
            continue;
        }
        if (softLines)
            softLines->append(lines);
        *p++ = QLatin1Char('\n');
        column = 0;
        ++lines;
    }
    out.truncate(p - out.constData());
    if (breaks)
        *breaks = lines;
    return out;
}

bool startsBlock(QChar c)
{
    return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

QString breaksAsLineFeeds(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), startsBlock))
        return text;
    QString out(text.size(), Qt::Uninitialized);
    QChar *p = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!startsBlock(c)) {
            *p++ = c;
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        *p++ = QLatin1Char('\n');
    }
    out.truncate(p - out.constData());
    return out;
}

bool gbkLeadAfter(bool leadBefore, QByteArrayView bytes)
{
    bool lead = leadBefore;
    for (const char c : bytes) {
        const auto b = uchar(c);
        lead = !lead && b >= 0x81 && b <= 0xFE;
    }
    return lead;
}

QString stamp(const QDateTime &when)
{
    return stamp(when.time());
}

QString stamp(const QTime &when)
{
    const int parts[4] = {when.hour(), when.minute(), when.second(), when.msec()};
    QString out(14, Qt::Uninitialized);
    QChar *p = out.data();
    *p++ = QLatin1Char('[');
    for (int i = 0; i < 4; ++i) {
        if (i == 3)
            *p++ = QLatin1Char('.');
        else if (i > 0)
            *p++ = QLatin1Char(':');
        const int v = parts[i];
        if (i == 3)
            *p++ = QLatin1Char(char('0' + v / 100));
        *p++ = QLatin1Char(char('0' + v / 10 % 10));
        *p++ = QLatin1Char(char('0' + v % 10));
    }
    *p++ = QLatin1Char(']');
    return out;
}

double addToCounter(double current, qint64 n, bool *saturated)
{
    const double value = current + double(n);
    const bool over = value > 99999.0;
    if (saturated)
        *saturated = over;
    return over ? 99999.0 : value;
}

} // namespace TerminalText
