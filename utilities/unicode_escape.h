#ifndef UNICODE_ESCAPE_H
#define UNICODE_ESCAPE_H

#include <QString>

// Text as the hex values of its UTF-16 code units and back: four upper-case
// digits per unit, each led by "\U" when the prefix is on.  A character
// beyond the BMP gives its two surrogates.
namespace UnicodeEscape {

QString toEscapes(const QString &text, bool prefix);

// With the prefix on, every "\U" and then every "\u" is removed first.
// The rest is cut into groups of four characters, line breaks included; a
// short tail is dropped.  Each group is read as QString::toInt does in
// base 16 and gives the low 16 bits as one unit, or U+0000 when it is not
// a number.
QString fromEscapes(const QString &text, bool prefix);

} // namespace UnicodeEscape

#endif // UNICODE_ESCAPE_H
