#include "utilities/crypty_text.h"

#include "utilities/des_block.h"

#include <QByteArray>

bool CharToHex(const char *text, unsigned char *nibbles, unsigned char count)
{
    for (int i = 0; i < count; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            nibbles[i] = static_cast<unsigned char>(c - '0');
        else if (c >= 'A' && c <= 'F')
            nibbles[i] = static_cast<unsigned char>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            nibbles[i] = static_cast<unsigned char>(c - 'a' + 10);
        else
            return false;
    }
    return true;
}

bool HexToChar(char *text, const unsigned char *bytes, unsigned char count)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int i = 0; i < count / 2; ++i) {
        text[2 * i] = digits[bytes[i] >> 4];
        text[2 * i + 1] = digits[bytes[i] & 0x0F];
    }
    return true;
}

namespace CryptyText {

namespace {

bool packHex(const QString &text, unsigned char *bytes)
{
    // Latin-1 turns anything beyond it (full-width digits too) into '?',
    // which the digit check refuses.
    const QByteArray latin = text.toLatin1();
    unsigned char nibbles[48];
    if (latin.size() > 48 || !CharToHex(latin.constData(), nibbles, static_cast<unsigned char>(latin.size())))
        return false;
    for (int i = 0; i < latin.size() / 2; ++i)
        bytes[i] = static_cast<unsigned char>(nibbles[2 * i] << 4 | nibbles[2 * i + 1]);
    return true;
}

} // namespace

DesOutcome desBlock(int mode, const QString &key, const QString &data, bool decrypt)
{
    DesOutcome out;
    if (key.isEmpty() || data.isEmpty() || mode < 0 || mode > 2 || data.size() != 16
        || key.size() != 16 * (mode + 1)) {
        out.check = DesCheck::BadLength;
        return out;
    }
    unsigned char keyBytes[24];
    unsigned char block[8];
    if (!packHex(key, keyBytes) || !packHex(data, block)) {
        out.check = DesCheck::NotHexDigit;
        return out;
    }
    using BlockOp = void (*)(unsigned char *, unsigned char *, const unsigned char *);
    static const BlockOp encrypt[] = {One_DES_IV_Encrypt_Block, Two_DES_IV_Encrypt_Block,
                                      Three_DES_IV_Encrypt_Block};
    static const BlockOp decode[] = {One_DES_IV_Decode_Block, Two_DES_IV_Decode_Block,
                                     Three_DES_IV_Decode_Block};
    (decrypt ? decode : encrypt)[mode](nullptr, block, keyBytes);

    // HexToChar writes no terminator: the text is built from exactly 16.
    char digits[16];
    HexToChar(digits, block, 16);
    out.result = QString::fromLatin1(digits, 16);
    return out;
}

QString base64Encode(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toBase64());
}

static bool inAlphabet(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' || c == '/';
}

QByteArray base64DecodeBytes(const QByteArray &base64)
{
    // Qt's lenient decoder skips "=" like any other stray character and so
    // carries bits across the end of a padded piece; cut the input at each
    // run of "=" and decode the pieces one by one instead.
    QByteArray out;
    out.reserve(base64.size() / 4 * 3 + 3);
    QByteArray piece;
    piece.reserve(qMin<qsizetype>(base64.size(), 4096));
    auto flush = [&] {
        if (!piece.isEmpty())
            out += QByteArray::fromBase64(piece);
        piece.clear();
    };
    for (const char c : base64) {
        if (inAlphabet(c))
            piece += c;
        else if (c == '=')
            flush();
    }
    flush();
    return out;
}

QString base64Decode(const QString &text)
{
    return QString::fromUtf8(base64DecodeBytes(text.toUtf8()));
}

} // namespace CryptyText
