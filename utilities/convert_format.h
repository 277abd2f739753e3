#ifndef CONVERT_FORMAT_H
#define CONVERT_FORMAT_H

#include <QString>

// How the converter's groups read the typed amount and write the result.
namespace ConvertFormat {

// "." is the decimal point whatever the user's locale, blanks around the
// number are allowed, digit grouping is not.  Text that is no number, the
// empty text, and numbers too large for a double ("1e400") count as 0.
[[nodiscard]] double parseAmount(const QString &text);

// Fixed notation with the given decimals, trailing zeros trimmed (and the
// point with them).  A negative value that rounds to zero shows "0".
[[nodiscard]] QString fixed(double value, int decimals);

// General notation with six significant digits, untrimmed (data sizes).
[[nodiscard]] QString general(double value);

} // namespace ConvertFormat

#endif // CONVERT_FORMAT_H
