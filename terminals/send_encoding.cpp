#include "terminals/send_encoding.h"

#include <QRegularExpression>

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

bool isSerialHexToken(const QString &token)
{
    static const QRegularExpression prefixed(QStringLiteral("^0x[0-9a-fA-F]+$"));
    static const QRegularExpression bare(QStringLiteral("^[0-9a-fA-F]+$"));
    if (token.startsWith(QLatin1String("0x")))
        return prefixed.match(token).hasMatch();
    return bare.match(token).hasMatch();
}

bool serialHexBytes(const QString &text, QByteArray *bytes)
{
    static const QRegularExpression separators(QStringLiteral("[, ]+"));
    QString tokens = text.trimmed();
    tokens.replace(separators, QStringLiteral(" "));
    QByteArray out;
    for (const QString &part : tokens.split(QLatin1Char(' '), Qt::KeepEmptyParts)) {
        if (part.isEmpty())
            continue;
        bool ok = false;
        const qulonglong value = QString(part).remove(QStringLiteral("0x")).toULongLong(&ok, 16);
        if (!isSerialHexToken(part) || !ok || value > 0xFFFFFFFFULL)
            return false;
        out.append(char(value & 0xFF));
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
