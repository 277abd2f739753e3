#ifndef CIE_LINE_H
#define CIE_LINE_H

#include <QString>

// One line of the colour sensor board, "CIEX:0.31270;CIEY:0.32900;LUX:120.5;
// CCT:6504", read leniently: keys in any case and order, blanks around
// everything, one trailing comma, other keys ignored.
namespace CieLine {

struct Reading
{
    double x = 0.0;
    double y = 0.0;
    double lux = 0.0;
    double cct = 0.0;
    // Two readings run together by a board reset: nothing to plot.
    bool joined = false;
};

// Unreadable numbers, non-finite ones included, give x 0, y -1 (no marker),
// lux -0.0 and cct -1.  A line without any key reads as all zeros.
[[nodiscard]] Reading parse(const QString &line);

// A finite decimal number with a full stop, whatever the system locale.
[[nodiscard]] bool toNumber(const QString &text, double *value);

} // namespace CieLine

#endif // CIE_LINE_H
