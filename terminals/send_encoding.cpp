#include "terminals/send_encoding.h"

#include "terminals/hex_digit.h"

#include <QRegularExpression>

#include <algorithm>

namespace SendEncoding {

QByteArray encode(const QString &text, bool hex)
{
    QString body = text;
    if (body.endsWith(QLatin1Char('\n'))) {
        body.chop(1);
        body += QLatin1String("\r\n");
    }
    if (!hex)
        return body.toLocal8Bit();

    // A 0x not preceded by a hex digit is a prefix; "10x2" keeps its digits.
    static const QRegularExpression prefix(QStringLiteral("(?<![0-9A-Fa-f])0[xX]"));
    body.remove(prefix);
    return QByteArray::fromHex(body.toLatin1());
}

bool portField(const QString &text, bool systemChooses, quint16 *port)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+$"));
    const QString body = text.trimmed();
    if (!number.match(body).hasMatch()) {
        // Where the system may choose, a field without a number asks it to.
        if (!systemChooses)
            return false;
        *port = 0;
        return true;
    }
    bool ok = false;
    const qlonglong value = body.toLongLong(&ok, 10);
    if (!ok || value < (systemChooses ? 0 : 1) || value > 65535)
        return false;
    *port = quint16(value);
    return true;
}

QByteArray bleHexBytes(const QString &text)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    static const QRegularExpression digits(QStringLiteral("^[0-9a-fA-F]+$"));
    QByteArray out;
    for (const QString &piece : text.split(separators, Qt::SkipEmptyParts)) {
        if (piece.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            const QString number = piece.mid(2);
            bool ok = false;
            const uint value = number.toUInt(&ok, 16);
            if (ok && digits.match(number).hasMatch() && value <= 0xFF)
                out.append(char(value));
        } else {
            out.append(QByteArray::fromHex(piece.toLatin1()));
        }
    }
    return out;
}

namespace {

// Hex digits only, as "^[0-9a-fA-F]+$" takes them: its "$" also matches
// before a final line feed.  By hand, as a megabyte of pasted hex is a
// million tokens, and a match each cost a second.
bool hexDigits(QStringView text)
{
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return !text.isEmpty()
        && std::all_of(text.begin(), text.end(), [](QChar c) { return hexDigitValue(c.unicode()) >= 0; });
}

QStringView withoutPrefix(QStringView token)
{
    return token.startsWith(QLatin1String("0x")) ? token.mid(2) : token;
}

} // namespace

bool isSerialHexToken(const QString &token)
{
    return hexDigits(withoutPrefix(token));
}

bool serialHexBytes(const QString &text, QByteArray *bytes)
{
    // Tokens are the runs between commas and blanks.  Each must be hex
    // digits, read two to a byte as the network terminals read them, an
    // odd first digit standing alone: a frame typed without blanks goes
    // out whole.
    const QStringView all = QStringView(text).trimmed();
    const auto separator = [](QChar c) { return c == QLatin1Char(',') || c == QLatin1Char(' '); };
    QByteArray out;
    out.reserve(all.size() / 2);
    for (qsizetype at = 0; at < all.size();) {
        if (separator(all.at(at))) {
            ++at;
            continue;
        }
        const qsizetype end = std::find_if(all.begin() + at, all.end(), separator) - all.begin();
        QStringView digits = withoutPrefix(all.mid(at, end - at));
        at = end;
        if (!hexDigits(digits))
            return false;
        if (digits.endsWith(QLatin1Char('\n')))
            digits.chop(1);
        qsizetype i = 0;
        if (digits.size() % 2) {
            out.append(char(hexDigitValue(digits.front().unicode())));
            i = 1;
        }
        for (; i < digits.size(); i += 2)
            out.append(char(16 * hexDigitValue(digits.at(i).unicode()) + hexDigitValue(digits.at(i + 1).unicode())));
    }
    *bytes = out;
    return true;
}

QByteArray serialTextBytes(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace("\n", "\r\n");
    bytes.replace("\r\r\n", "\r\n");
    return bytes;
}

} // namespace SendEncoding
