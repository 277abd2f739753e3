#include "positioning/ucs2_text.h"

namespace Ucs2Text {

QString encode(const QString &text)
{
    static const char digits[] = "0123456789abcdef";
    QString hex;
    hex.reserve(text.size() * 4);
    for (const QChar unit : text) {
        const char16_t u = unit.unicode();
        for (int shift = 12; shift >= 0; shift -= 4)
            hex.append(QLatin1Char(digits[(u >> shift) & 0xF]));
    }
    return hex;
}

static int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

QString decode(const QString &hex)
{
    const qsizetype units = hex.size() / 4;
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        // Strict digits: a sign, blank or "0x" is no number here.
        char16_t value = 0;
        for (qsizetype k = 0; k < 4; ++k) {
            const int d = hexValue(hex.at(i * 4 + k));
            if (d < 0) {
                value = 0;
                break;
            }
            value = char16_t((value << 4) | d);
        }
        text.append(QChar(value));
    }
    return text;
}

} // namespace Ucs2Text
