#ifndef CRYPTY_TEXT_H
#define CRYPTY_TEXT_H

#include <QString>

// Hex digits as the nibbles the cipher panel packs into key and data
// bytes.  Only the low eight bits of count are used.  Stops at the first
// character that is not 0-9, A-F or a-f and returns false (the nibbles
// before it are written); true for a count of 0.
bool CharToHex(const char *text, unsigned char *nibbles, unsigned char count);

// Writes count / 2 bytes as upper-case digit pairs, high nibble first:
// count characters (count rounded down to even), no terminator.  Nothing
// when count is below 2.
bool HexToChar(char *text, const unsigned char *bytes, unsigned char count);

namespace CryptyText {

enum class DesMode { Single = 0, TwoKey = 1, ThreeKey = 2 };

enum class DesCheck {
    Ok,
    // Empty field, or a length that does not fit the mode.
    BadLength,
    // A character in key or data that is not a hex digit.
    NotHexDigit,
};

struct DesOutcome
{
    DesCheck check = DesCheck::Ok;
    // 16 upper-case hex digits when check is Ok.
    QString result;
};

// One block through DES, two-key or three-key triple DES, no chaining.
// mode is the combo index; key must be 16, 32 or 48 digits for modes
// 0, 1, 2 and data 16 digits.
DesOutcome desBlock(int mode, const QString &key, const QString &data, bool decrypt);

// Text as UTF-8, standard Base64 with padding, no line breaks.
QString base64Encode(const QString &text);

// Lenient decoding: characters outside the alphabet are skipped and a run
// of "=" closes the piece before it, so pasted pieces each decode on their
// own.  The bytes are read as UTF-8 (bad sequences become U+FFFD).
QString base64Decode(const QString &text);
QByteArray base64DecodeBytes(const QByteArray &base64);

} // namespace CryptyText

#endif // CRYPTY_TEXT_H
