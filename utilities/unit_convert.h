#ifndef UNIT_CONVERT_H
#define UNIT_CONVERT_H

#include <QString>

// The converter's 21 unit tables (generated into unit_tables.cpp from
// tools/convert_units.txt) and the lookup every unit group goes through.
namespace UnitConvert {

enum class Quantity {
    Lengths, Area, Volume, Mass, Force, Torque, Pressure, Energy, Power, Time, Speed,
    Temperature, Angle, Capacitance, Resistance, Conductance, Inductance, Current, Charge,
    Magnetic, DataStorage
};

// A unit by its key ("km", "µm", "UK fl oz"): its value into the group's
// base unit and out of it, each evaluated exactly as written in the table.
struct Unit
{
    const char *key; // UTF-8
    double (*into)(double);
    double (*outOf)(double);
};

struct Table
{
    const Unit *units;
    int count;
};

[[nodiscard]] Table table(Quantity q);
[[nodiscard]] const char *name(Quantity q);

// Keys compare code point by code point: "M" is no "m", "µ" (U+00B5) no
// "μ" (U+03BC).  Index -1 when the group has no such key.
[[nodiscard]] int indexOf(Quantity q, const QString &key);

// A key the group does not know gives 0.
[[nodiscard]] double toBase(Quantity q, const QString &key, double value);
[[nodiscard]] double fromBase(Quantity q, const QString &key, double value);

// The group's result text: 15 decimals for lengths, masses and areas, six
// significant digits for data sizes, 10 decimals for the rest.
[[nodiscard]] QString formatResult(Quantity q, double value);

} // namespace UnitConvert

#endif // UNIT_CONVERT_H
