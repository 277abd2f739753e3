#ifndef UCS2_TEXT_H
#define UCS2_TEXT_H

#include <QString>

// Texts as the modem takes them in UCS2 mode: every UTF-16 unit as four
// lower-case hex digits ("abc" is "006100620063"; a character beyond the
// basic plane is its two surrogate units).
namespace Ucs2Text {

[[nodiscard]] QString encode(const QString &text);

// Reads four digits at a time, any length.  A group that is not four hex
// digits reads as U+0000; a trailing group of fewer than four digits is
// dropped.  Lone surrogates pass through as the units they are.
[[nodiscard]] QString decode(const QString &hex);

} // namespace Ucs2Text

#endif // UCS2_TEXT_H
