#include "positioning/ucs2_text.h"

#include "terminals/hex_digit.h"

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

QString decode(const QString &hex)
{
    const qsizetype units = hex.size() / 4;
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        // Strict digits: a sign, blank or "0x" is no number here.
        char16_t value = 0;
        for (qsizetype k = 0; k < 4; ++k) {
            const int d = hexDigitValue(hex.at(i * 4 + k).unicode());
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
