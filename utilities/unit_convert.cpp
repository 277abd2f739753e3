#include "utilities/unit_convert.h"

#include "utilities/convert_format.h"

namespace UnitConvert {

int indexOf(Quantity q, const QString &key)
{
    const Table t = table(q);
    for (int i = 0; i < t.count; ++i)
        if (key == QString::fromUtf8(t.units[i].key))
            return i;
    return -1;
}

double toBase(Quantity q, const QString &key, double value)
{
    const int i = indexOf(q, key);
    return i < 0 ? 0.0 : table(q).units[i].into(value);
}

double fromBase(Quantity q, const QString &key, double value)
{
    const int i = indexOf(q, key);
    return i < 0 ? 0.0 : table(q).units[i].outOf(value);
}

QString formatResult(Quantity q, double value)
{
    switch (q) {
    case Quantity::Lengths:
    case Quantity::Mass:
    case Quantity::Area:
        return ConvertFormat::fixed(value, 15);
    case Quantity::DataStorage:
        return ConvertFormat::general(value);
    default:
        return ConvertFormat::fixed(value, 10);
    }
}

} // namespace UnitConvert
