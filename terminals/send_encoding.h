#ifndef SEND_ENCODING_H
#define SEND_ENCODING_H

#include <QByteArray>
#include <QString>

// How the network terminals turn their send box and port fields into bytes
// and numbers.  No widgets here, so the rules can be checked as tables.
namespace SendEncoding {

// Bytes for one send.  A final line feed becomes CR LF (inner ones stay).
// Hex mode: every non-hex character is skipped and digits pair up from the
// end, an unpaired first digit standing alone; "0x"/"0X" prefixes are
// dropped first so the hex view's own text can be sent back.  Text mode:
// the local 8-bit encoding.
QByteArray encode(const QString &text, bool hex);

// Port field as the open steps read it: base 10, 0 when not a number or
// outside the signed 32-bit range, then the low 16 bits.
quint16 portFromText(const QString &text);

// Strict form for a destination: a decimal number 1..65535, or false.
bool destinationPort(const QString &text, quint16 *port);

} // namespace SendEncoding

#endif // SEND_ENCODING_H
