#include "utilities/unicode_escape.h"

namespace UnicodeEscape {

QString toEscapes(const QString &text, bool prefix)
{
    QString out;
    out.reserve(text.size() * (prefix ? 6 : 4));
    for (const QChar unit : text) {
        if (prefix)
            out += QLatin1String("\\U");
        static const char digits[] = "0123456789ABCDEF";
        const char16_t u = unit.unicode();
        for (int shift = 12; shift >= 0; shift -= 4)
            out += QLatin1Char(digits[(u >> shift) & 0xF]);
    }
    return out;
}

QString fromEscapes(const QString &text, bool prefix)
{
    QString digits = text;
    if (prefix) {
        digits.remove(QLatin1String("\\U"), Qt::CaseSensitive);
        digits.remove(QLatin1String("\\u"), Qt::CaseSensitive);
    }
    QString out;
    out.reserve(digits.size() / 4);
    for (qsizetype i = 0; i + 4 <= digits.size(); i += 4) {
        bool ok = false;
        const int value = QStringView(digits).mid(i, 4).toInt(&ok, 16);
        out += QChar(ok ? static_cast<char16_t>(value & 0xFFFF) : char16_t(0));
    }
    return out;
}

} // namespace UnicodeEscape
