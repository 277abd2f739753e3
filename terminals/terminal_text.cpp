#include "terminals/terminal_text.h"

namespace TerminalText {

QString hex(const QByteArray &bytes, HexStyle style, int &bytesOnLine)
{
    static const char lower[] = "0123456789abcdef";
    static const char upper[] = "0123456789ABCDEF";
    const bool serial = style == HexStyle::Serial;
    const char *digits = serial ? lower : upper;

    QString out;
    out.reserve(bytes.size() * (serial ? 5 : 6) + bytes.size() / kMaxHexBytesPerLine + 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += QLatin1Char('0');
        out += QLatin1Char('x');
        out += QLatin1Char(digits[b >> 4]);
        out += QLatin1Char(digits[b & 0x0F]);
        out += QLatin1Char(',');
        if (!serial)
            out += QLatin1Char(' ');
        ++bytesOnLine;
        if ((serial && b == 0x0A) || bytesOnLine >= kMaxHexBytesPerLine) {
            out += QLatin1Char('\n');
            bytesOnLine = 0;
        }
    }
    return out;
}

QString wrapLines(const QString &text, int &column, int maxChars)
{
    QString out;
    out.reserve(text.size() + text.size() / maxChars + 1);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n')) {
            out += c;
            column = 0;
            continue;
        }
        if (column >= maxChars && !c.isLowSurrogate()) {
            out += QLatin1Char('\n');
            column = 0;
        }
        out += c;
        ++column;
    }
    return out;
}

QString stamp(const QDateTime &when)
{
    return when.toString(QStringLiteral("[hh:mm:ss.zzz]"));
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
