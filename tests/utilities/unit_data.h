#ifndef UNIT_DATA_H
#define UNIT_DATA_H

// tools/convert_units.txt as the tests read it, and the exact results the
// converter must show for a set of hand-checked conversions.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

namespace unitdata {

struct UnitRow
{
    QString group, text, key, zh, reference;
    double tolerance = 3e-5;
};

struct GroupRow
{
    QString name, baseKey, reference;
    QList<UnitRow> units;
};

inline QList<GroupRow> read()
{
    QList<GroupRow> groups;
    QFile f(QStringLiteral(KESP_SOURCE_DIR "/tools/convert_units.txt"));
    if (!f.open(QIODevice::ReadOnly))
        return groups;
    for (const QString &line : QString::fromUtf8(f.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QStringList c = line.split(QStringLiteral(" | "));
        for (QString &cell : c)
            cell = cell.trimmed();
        if (c[0] == QLatin1String("group")) {
            groups.append({c[1], c[2], c[3], {}});
            continue;
        }
        UnitRow u{groups.last().name, c[1], c[2], c[5], c[6]};
        if (c.size() > 7)
            u.tolerance = c[7].section('#', 0, 0).trimmed().toDouble();
        groups.last().units.append(u);
    }
    return groups;
}

struct Case
{
    const char *group, *amount, *from, *to, *shown;
};

// Keys, not item texts.  One per group at least; the first of each group is
// the one the widget test types.
inline const QList<Case> &cases()
{
    static const QList<Case> all = {
        {"Lengths", "1", "mm", "mil", "39.370078740157481"},
        {"Lengths", "1", "in", "mm", "25.399999999999999"},
        {"Lengths", "1", "ft", "in", "12.000000000000002"},
        {"Lengths", "1", "yd", "ft", "3"},
        {"Lengths", "1", "mi", "km", "1.60934"},
        {"Lengths", "1", "m", "ls", "0.000000003335641"},
        {"Lengths", "1", "ls", "m", "299792458"},
        {"Lengths", "1", "pc", "ly", "3.261494556600782"},
        {"Lengths", "1", "au", "km", "149600000"},
        {"Lengths", "1", "km", "m", "1000"},
        {"Lengths", "1", "M", "m", "1852"},
        {"Lengths", "2.50", "m", "m", "2.5"},
        {"Lengths", " 2.50 ", "m", "m", "2.5"},
        {"Lengths", "abc", "m", "m", "0"},
        {"Lengths", "", "m", "km", "0"},
        {"Lengths", "1,5", "m", "m", "0"},
        {"Lengths", "1e400", "m", "m", "0"},
        {"Lengths", "inf", "m", "m", "0"},
        {"Lengths", "nan", "m", "m", "0"},
        {"Lengths", "-0.0000000000000001", "m", "m", "0"},
        {"Lengths", "0.0000000000000004", "m", "m", "0"},
        {"Lengths", "1", "μm", "m", "0"}, // Greek mu: no such length
        {"Lengths", "1,000", "m", "m", "0"},
        {"Lengths", "-2.5e3", "km", "m", "-2500000"},
        {"Lengths", "-1e400", "m", "m", "0"},
        {"Mass", "1", "ozt", "g", "31.1035"},
        {"Mass", "1", "g", "ct", "5"},
        {"Area", "1", "ac", "m²", "4046.860000000000127"},
        {"Area", "1", "ha", "a", "100"},
        {"Volume", "1", "UK gal", "L", "4.54609"},
        {"Volume", "1", "L", "UK gal", "0.2199692483"},
        {"Volume", "1", "cup", "mL", "236.588"},
        {"Volume", "1", "m³", "L", "1000"},
        {"Volume", "0.00000000006", "m³", "m³", "0.0000000001"},
        {"Volume", "0.00000000004", "m³", "m³", "0"},
        {"Volume", "-0.00000000004", "m³", "m³", "0"},
        {"Force", "1", "lbf", "kgf", "0.4535922053"},
        {"Torque", "1", "N·m", "lbf·ft", "0.737562"},
        {"Torque", "1", "dyn·cm", "N·m", "0.0000001"},
        {"Torque", "1", "N·m", "dyn·cm", "10000000"},
        {"Time", "1", "a", "d", "365"},
        {"Time", "1", "m", "d", "30.4166666667"},
        {"Time", "1", "c", "a", "100"},
        {"Time", "1", "as", "s", "0"},
        {"Time", "1", "µs", "s", "0"}, // micro sign: Time spells it with mu
        {"Speed", "1", "km/h", "m/s", "0.2777777778"},
        {"Speed", "1", "knot", "km/h", "1.852"},
        {"Speed", "1", "km/min", "km/h", "60"},
        {"Speed", "1", "mi/h", "km/h", "1.60934"},
        {"Speed", "1", "m/s", "km/min", "0.06"},
        {"Temperature", "100", "°C", "°F", "212"},
        {"Temperature", "1", "°F", "°C", "-17.2222222222"},
        {"Temperature", "0", "K", "°C", "-273.15"},
        {"Temperature", "0", "°C", "°De", "150"},
        {"Temperature", "100", "°C", "°De", "0"},
        {"Temperature", "0", "°C", "°Rø", "7.5"},
        {"Temperature", "0", "°C", "°R", "491.67"},
        {"Temperature", "100", "°C", "°N", "33"},
        {"Temperature", "80", "°Ré", "°C", "100"},
        {"Temperature", "32", "°F", "K", "273.15"},
        {"Temperature", "", "°C", "°F", "32"},
        {"Temperature", "5", "°X", "°F", "32"}, // unknown source: 0 °C read in the target
        {"Pressure", "1", "atm", "kPa", "101.325"},
        {"Pressure", "1", "bar", "psi", "14.5037680789"},
        {"Pressure", "1", "kpsi", "psi", "1000"},
        {"Pressure", "1", "cmH2O", "mmH2O", "10"},
        {"Pressure", "1", "inH2O", "Pa", "249.088"},
        {"Pressure", "1", "torr", "mmHg", "1"},
        {"Energy", "1", "kW·h", "MJ", "3.6"},
        {"Energy", "1", "eV", "J", "0"},
        {"Power", "1", "mhp", "W", "745.6998715823"},
        {"Power", "1", "W", "BTU/h", "3.4121424501"},
        {"Capacitance", "1", "μF", "nF", "1000"},
        {"Capacitance", "1", "µF", "nF", "0"}, // micro sign: Capacitance spells it with mu
        {"Resistance", "4700", "Ω", "kΩ", "4.7"},
        {"Conductance", "1", "kS", "mS", "1000000"},
        {"Conductance", "1", "MS", "S", "1000000"},
        {"Conductance", "1", "mS", "S", "0.001"},
        {"Inductance", "1", "mH", "µH", "1000"},
        {"Current", "1", "µA", "nA", "1000"},
        {"Current", "1", "MA", "mA", "1000000000"},
        {"Charge", "1", "Ah", "C", "3600"},
        {"Charge", "1", "C", "e", "6241418050181001216"},
        {"Charge", "1", "e", "e", "1"},
        {"Charge", "1", "MFr", "C", "0.00033356"},
        {"Charge", "1", "nFr", "Fr", "0.000000001"},
        {"Charge", "1", "Fr", "nFr", "1000000000"},
        {"Magnetic", "1", "T", "G", "10000"},
        {"Magnetic", "1", "G", "mT", "0.1"},
        {"Magnetic", "1", "γ", "nT", "1"},
        {"Angle", "1", "circle", "°", "360"},
        {"Angle", "1", "1/4circle", "°", "90"},
        {"Angle", "1", "radian", "°", "57.2957795131"},
        {"Angle", "1", "°", "angular mil", "17.7777777778"},
        {"Angle", "1", "¯", "°", "11.2485939258"},
        {"DataStorage", "1", "kB", "Bit", "8192"},
        {"DataStorage", "1", "B", "Bit", "8"},
        {"DataStorage", "1", "kB", "B", "1024"},
        {"DataStorage", "1", "MB", "kB", "1024"},
        {"DataStorage", "1", "EB", "Bit", "9.22337e+18"},
        {"DataStorage", "1234567", "Bit", "Bit", "1.23457e+06"},
        {"DataStorage", "1", "GB", "Bit", "8.58993e+09"},
        {"DataStorage", "1", "Bit", "kB", "0.00012207"},
        {"DataStorage", "-0", "Bit", "Bit", "0"},
    };
    return all;
}

} // namespace unitdata

#endif // UNIT_DATA_H
