#ifndef SEND_ENCODING_H
#define SEND_ENCODING_H

#include <QByteArray>
#include <QString>

// How the terminals turn their send box and port fields into bytes and
// numbers.  No widgets here, so the rules can be checked as tables.
namespace SendEncoding {

// Bytes for one send.  A final line feed becomes CR LF (inner ones stay).
// Hex mode: every non-hex character is skipped and digits pair up from the
// end, an unpaired first digit standing alone; "0x"/"0X" prefixes are
// dropped first so the hex view's own text can be sent back.  Text mode:
// the local 8-bit encoding.
QByteArray encode(const QString &text, bool hex);

// A port field before anything is started with it: a decimal number
// 1..65535, or 0 too where the system may choose the port (there an empty
// field or one without a number also gives 0).  False for a number out of
// range: a wrapped number would quietly start on some other port.
[[nodiscard]] bool portField(const QString &text, bool systemChooses, quint16 *port);

// The BLE write dialog's hex data.  Pieces split at commas and blanks; a
// piece with "0x"/"0X" is one byte, skipped when it is no number or above
// 0xFF (as the value line's hex-to-text form skips it); a bare piece is
// read as digit pairs, an unpaired first digit standing alone.
[[nodiscard]] QByteArray bleHexBytes(const QString &text);

// The serial terminal's hex tokens: "0x" followed by hex digits, or bare hex
// digits (the "0x" prefix is case-sensitive).
bool isSerialHexToken(const QString &token);

// The serial terminal's send box in hex mode: tokens separated by runs of
// commas and blanks, each sending its bytes, two digits a byte and an odd
// first digit alone (AA55 sends AA 55, 0x1FF sends 01 FF).  False on a
// malformed token; then nothing is to be sent.
bool serialHexBytes(const QString &text, QByteArray *bytes);

// The serial terminal's send box as text: UTF-8, line feeds sent as CR LF.
QByteArray serialTextBytes(const QString &text);

} // namespace SendEncoding

#endif // SEND_ENCODING_H
