// Written by tools/gen_convert_form.py from tools/convert_units.txt; edit those, not this.
#include "utilities/unit_convert.h"

#include <iterator>

namespace UnitConvert {

namespace {

const Unit kLengths[] = {
    {"km", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"m", [](double x) { return x; }, [](double x) { return x; }},
    {"dm", [](double x) { return x / 10; }, [](double x) { return x * 10; }},
    {"cm", [](double x) { return x / 100; }, [](double x) { return x * 100; }},
    {"mm", [](double x) { return x / 1000; }, [](double x) { return x * 1000; }},
    {"µm", [](double x) { return x / 1e6; }, [](double x) { return x * 1e6; }},
    {"nm", [](double x) { return x / 1e9; }, [](double x) { return x * 1e9; }},
    {"Å", [](double x) { return x / 1e10; }, [](double x) { return x * 1e10; }},
    {"pm", [](double x) { return x * 1e-12; }, [](double x) { return x * 1e12; }},
    {"mi", [](double x) { return x * 1609.34; }, [](double x) { return x / 1609.34; }},
    {"ft", [](double x) { return x * 0.3048; }, [](double x) { return x / 0.3048; }},
    {"in", [](double x) { return x * 0.0254; }, [](double x) { return x / 0.0254; }},
    {"mil", [](double x) { return x * 2.54e-5; }, [](double x) { return x / 2.54e-5; }},
    {"M", [](double x) { return x * 1852; }, [](double x) { return x / 1852; }},
    {"yd", [](double x) { return x * 0.9144; }, [](double x) { return x / 0.9144; }},
    {"au", [](double x) { return x * 1.496e8 * 1000; }, [](double x) { return x / 1.496e11; }},
    {"ly", [](double x) { return x * 9.461e15; }, [](double x) { return x / 9.461e15; }},
    {"ls", [](double x) { return x * 299792458; }, [](double x) { return x / 299792458; }},
    {"pc", [](double x) { return x * 3.0857e16; }, [](double x) { return x / 3.0857e16; }},
};

const Unit kArea[] = {
    {"km²", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"m²", [](double x) { return x; }, [](double x) { return x; }},
    {"cm²", [](double x) { return x * 0.0001; }, [](double x) { return x / 0.0001; }},
    {"mm²", [](double x) { return x * 1e-6; }, [](double x) { return x / 1e-6; }},
    {"in²", [](double x) { return x * 0.00064516; }, [](double x) { return x / 0.00064516; }},
    {"ft²", [](double x) { return x * 0.092903; }, [](double x) { return x / 0.092903; }},
    {"yd²", [](double x) { return x * 0.836127; }, [](double x) { return x / 0.836127; }},
    {"mi²", [](double x) { return x * 2589990; }, [](double x) { return x / 2589990; }},
    {"ha", [](double x) { return x * 10000; }, [](double x) { return x / 10000; }},
    {"ac", [](double x) { return x * 4046.86; }, [](double x) { return x / 4046.86; }},
    {"a", [](double x) { return x * 100; }, [](double x) { return x / 100; }},
};

const Unit kVolume[] = {
    {"m³", [](double x) { return x; }, [](double x) { return x; }},
    {"dm³", [](double x) { return x / 1000; }, [](double x) { return x * 1000; }},
    {"cm³", [](double x) { return x / 1e6; }, [](double x) { return x * 1e6; }},
    {"mm³", [](double x) { return x / 1e9; }, [](double x) { return x * 1e9; }},
    {"in³", [](double x) { return x * 1.63871e-5; }, [](double x) { return x / 1.63871e-5; }},
    {"ft³", [](double x) { return x * 0.0283168; }, [](double x) { return x / 0.0283168; }},
    {"L", [](double x) { return x / 1000; }, [](double x) { return x * 1000; }},
    {"mL", [](double x) { return x / 1e6; }, [](double x) { return x * 1e6; }},
    {"cup", [](double x) { return x * 0.236588 / 1000; }, [](double x) { return x * 1000 / 0.236588; }},
    {"UK gal", [](double x) { return x * 4.54609 / 1000; }, [](double x) { return x * 1000 / 4.54609; }},
    {"UK pt", [](double x) { return x * 0.568261 / 1000; }, [](double x) { return x * 1000 / 0.568261; }},
    {"UK fl oz", [](double x) { return x * 0.0284131 / 1000; }, [](double x) { return x * 1000 / 0.0284131; }},
    {"UK oz", [](double x) { return x * 0.0283495 / 1000; }, [](double x) { return x * 1000 / 0.0283495; }},
    {"US gal", [](double x) { return x * 3.78541 / 1000; }, [](double x) { return x * 1000 / 3.78541; }},
    {"US pt", [](double x) { return x * 0.473176 / 1000; }, [](double x) { return x * 1000 / 0.473176; }},
    {"US fl oz", [](double x) { return x * 0.0295735 / 1000; }, [](double x) { return x * 1000 / 0.0295735; }},
    {"US oz", [](double x) { return x * 0.0283495 / 1000; }, [](double x) { return x * 1000 / 0.0283495; }},
    {"tbsp", [](double x) { return x * 0.0147868 / 1000; }, [](double x) { return x * 1000 / 0.0147868; }},
};

const Unit kMass[] = {
    {"ng", [](double x) { return x / 1e12; }, [](double x) { return x * 1e12; }},
    {"µg", [](double x) { return x / 1e9; }, [](double x) { return x * 1e9; }},
    {"mg", [](double x) { return x / 1e6; }, [](double x) { return x * 1e6; }},
    {"cg", [](double x) { return x / 1e5; }, [](double x) { return x * 1e5; }},
    {"g", [](double x) { return x / 1000; }, [](double x) { return x * 1000; }},
    {"kg", [](double x) { return x; }, [](double x) { return x; }},
    {"t", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"lb", [](double x) { return x * 0.453592; }, [](double x) { return x / 0.453592; }},
    {"st", [](double x) { return x * 6.35029; }, [](double x) { return x / 6.35029; }},
    {"oz", [](double x) { return x * 0.0283495; }, [](double x) { return x / 0.0283495; }},
    {"ozt", [](double x) { return x * 0.0311035; }, [](double x) { return x / 0.0311035; }},
    {"dwt", [](double x) { return x * 0.00155517; }, [](double x) { return x / 0.00155517; }},
    {"ct", [](double x) { return x * 0.0002; }, [](double x) { return x / 0.0002; }},
    {"u", [](double x) { return x * 1.66054e-27; }, [](double x) { return x / 1.66054e-27; }},
};

const Unit kForce[] = {
    {"N", [](double x) { return x; }, [](double x) { return x; }},
    {"dyn", [](double x) { return x / 100000; }, [](double x) { return x * 100000; }},
    {"lbf", [](double x) { return x * 4.44822; }, [](double x) { return x / 4.44822; }},
    {"kgf", [](double x) { return x * 9.80665; }, [](double x) { return x / 9.80665; }},
    {"pdl", [](double x) { return x * 0.138255; }, [](double x) { return x / 0.138255; }},
};

const Unit kTorque[] = {
    {"N·m", [](double x) { return x; }, [](double x) { return x; }},
    {"dyn·cm", [](double x) { return x / 1e7; }, [](double x) { return x * 1e7; }},
    {"lbf·ft", [](double x) { return x / 0.737562; }, [](double x) { return x * 0.737562; }},
    {"kgf·m", [](double x) { return x * 9.80665; }, [](double x) { return x / 9.80665; }},
    {"pdl·m", [](double x) { return x * 0.138255; }, [](double x) { return x / 0.138255; }},
};

const Unit kPressure[] = {
    {"mPa", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"Pa", [](double x) { return x; }, [](double x) { return x; }},
    {"hPa", [](double x) { return x * 100; }, [](double x) { return x * 0.01; }},
    {"kPa", [](double x) { return x * 1000; }, [](double x) { return x * 0.001; }},
    {"GPa", [](double x) { return x * 1e9; }, [](double x) { return x * 1e-9; }},
    {"bar", [](double x) { return x * 100000; }, [](double x) { return x * 1e-5; }},
    {"pz", [](double x) { return x * 1000; }, [](double x) { return x * 0.001; }},
    {"psi", [](double x) { return x * 6894.76; }, [](double x) { return x / 6894.76; }},
    {"kpsi", [](double x) { return x * 6894.76 * 1000; }, [](double x) { return x / 6894760; }},
    {"atm", [](double x) { return x * 101325; }, [](double x) { return x / 101325; }},
    {"at", [](double x) { return x * 98066.5; }, [](double x) { return x / 98066.5; }},
    {"torr", [](double x) { return x * 133.322; }, [](double x) { return x / 133.322; }},
    {"mmHg", [](double x) { return x * 133.322; }, [](double x) { return x / 133.322; }},
    {"mHg", [](double x) { return x * 133322; }, [](double x) { return x / 133322; }},
    {"cmHg", [](double x) { return x * 1333.22; }, [](double x) { return x / 1333.22; }},
    {"inHg", [](double x) { return x * 3386.39; }, [](double x) { return x / 3386.39; }},
    {"mmH2O", [](double x) { return x * 9.80665; }, [](double x) { return x / 9.80665; }},
    {"cmH2O", [](double x) { return x * 98.0665; }, [](double x) { return x / 98.0665; }},
    {"mH2O", [](double x) { return x * 9806.65; }, [](double x) { return x / 9806.65; }},
    {"inH2O", [](double x) { return x * 249.088; }, [](double x) { return x / 249.088; }},
};

const Unit kEnergy[] = {
    {"J", [](double x) { return x; }, [](double x) { return x; }},
    {"kJ", [](double x) { return x * 1000; }, [](double x) { return x * 0.001; }},
    {"MJ", [](double x) { return x * 1e6; }, [](double x) { return x * 1e-6; }},
    {"W·h", [](double x) { return x * 3600; }, [](double x) { return x / 3600; }},
    {"kW·h", [](double x) { return x * 3600000; }, [](double x) { return x / 3600000; }},
    {"erg", [](double x) { return x * 1e-7; }, [](double x) { return x * 1e7; }},
    {"kpm", [](double x) { return x * 9.80665; }, [](double x) { return x / 9.80665; }},
    {"btu", [](double x) { return x * 1055.06; }, [](double x) { return x / 1055.06; }},
    {"ft·lbf", [](double x) { return x * 1.35582; }, [](double x) { return x / 1.35582; }},
    {"cal", [](double x) { return x * 4.184; }, [](double x) { return x / 4.184; }},
    {"eV", [](double x) { return x * 1.60218e-19; }, [](double x) { return x / 1.60218e-19; }},
};

const Unit kPower[] = {
    {"W", [](double x) { return x; }, [](double x) { return x; }},
    {"kW", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"MW", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"GW", [](double x) { return x * 1e9; }, [](double x) { return x / 1e9; }},
    {"BTU/h", [](double x) { return x * 0.293071; }, [](double x) { return x / 0.293071; }},
    {"BTU/min", [](double x) { return x * 17.5843; }, [](double x) { return x / 17.5843; }},
    {"BTU/s", [](double x) { return x * 1055.06; }, [](double x) { return x / 1055.06; }},
    {"ft·lbf/s", [](double x) { return x * 1.35582; }, [](double x) { return x / 1.35582; }},
    {"hp", [](double x) { return x * 735.499; }, [](double x) { return x / 735.499; }},
    {"mhp", [](double x) { return x * 745.6998715822702; }, [](double x) { return x / 745.6998715822702; }},
    {"ehp", [](double x) { return x * 746; }, [](double x) { return x / 746; }},
    {"bhp", [](double x) { return x * 9809.5; }, [](double x) { return x / 9809.5; }},
};

const Unit kTime[] = {
    {"c", [](double x) { return x * 3153600000; }, [](double x) { return x / 3153600000; }},
    {"a", [](double x) { return x * 31536000; }, [](double x) { return x / 31536000; }},
    {"m", [](double x) { return x * 2628000; }, [](double x) { return x / 2628000; }},
    {"w", [](double x) { return x * 604800; }, [](double x) { return x / 604800; }},
    {"d", [](double x) { return x * 86400; }, [](double x) { return x / 86400; }},
    {"h", [](double x) { return x * 3600; }, [](double x) { return x / 3600; }},
    {"min", [](double x) { return x * 60; }, [](double x) { return x / 60; }},
    {"s", [](double x) { return x; }, [](double x) { return x; }},
    {"ms", [](double x) { return x / 1000; }, [](double x) { return x * 1000; }},
    {"μs", [](double x) { return x / 1e6; }, [](double x) { return x * 1e6; }},
    {"ns", [](double x) { return x / 1e9; }, [](double x) { return x * 1e9; }},
    {"fs", [](double x) { return x / 1e15; }, [](double x) { return x * 1e15; }},
    {"as", [](double x) { return x / 1e18; }, [](double x) { return x * 1e18; }},
};

const Unit kSpeed[] = {
    {"m/s", [](double x) { return x; }, [](double x) { return x; }},
    {"m/min", [](double x) { return x / 60; }, [](double x) { return x * 60; }},
    {"m/h", [](double x) { return x / 3600; }, [](double x) { return x * 3600; }},
    {"km/min", [](double x) { return x / 0.06; }, [](double x) { return x * 0.06; }},
    {"km/h", [](double x) { return x / 3.6; }, [](double x) { return x * 3.6; }},
    {"ft/s", [](double x) { return x * 0.3048; }, [](double x) { return x / 0.3048; }},
    {"ft/min", [](double x) { return x * 0.3048 / 60; }, [](double x) { return x / (0.3048 / 60); }},
    {"ft/h", [](double x) { return x * 0.3048 / 3600; }, [](double x) { return x / (0.3048 / 3600); }},
    {"mi/min", [](double x) { return x * 1609.34 / 60; }, [](double x) { return x / (1609.34 / 60); }},
    {"mi/h", [](double x) { return x * 1609.34 / 3600; }, [](double x) { return x / (1609.34 / 3600); }},
    {"knot", [](double x) { return x * 1852 / 3600; }, [](double x) { return x / (1852.0 / 3600); }},
};

const Unit kTemperature[] = {
    {"°C", [](double x) { return x; }, [](double x) { return x; }},
    {"°F", [](double x) { return (x - 32) * 5 / 9; }, [](double x) { return x * 9 / 5 + 32; }},
    {"K", [](double x) { return x - 273.15; }, [](double x) { return x + 273.15; }},
    {"°Ré", [](double x) { return x * 5 * 0.25; }, [](double x) { return x * 4 / 5; }},
    {"°Rø", [](double x) { return (x - 7.5) * 40 / 21; }, [](double x) { return x * 21 / 40 + 7.5; }},
    {"°De", [](double x) { return 100 - (x + x) / 3; }, [](double x) { return (100 - x) * 3 * 0.5; }},
    {"°R", [](double x) { return (x - 491.67) * 5 / 9; }, [](double x) { return x * 9 / 5 + 491.67; }},
    {"°N", [](double x) { return x * 100 / 33; }, [](double x) { return x * 33 / 100; }},
};

const Unit kAngle[] = {
    {"°", [](double x) { return x; }, [](double x) { return x; }},
    {"radian", [](double x) { return x * 57.29577951308232; }, [](double x) { return x * 0.017453292519943295; }},
    {"arcminute", [](double x) { return x / 60; }, [](double x) { return x * 60; }},
    {"arcsecond", [](double x) { return x / 3600; }, [](double x) { return x * 3600; }},
    {"circle", [](double x) { return x * 360; }, [](double x) { return x / 360; }},
    {"1/2circle", [](double x) { return x * 180; }, [](double x) { return x / 180; }},
    {"1/4circle", [](double x) { return x * 90; }, [](double x) { return x / 90; }},
    {"angular mil", [](double x) { return x * 0.05625; }, [](double x) { return x * (160.0 / 9); }},
    {"¯", [](double x) { return x / 0.0889; }, [](double x) { return x * 0.0889; }},
};

const Unit kCapacitance[] = {
    {"F", [](double x) { return x; }, [](double x) { return x; }},
    {"μF", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"nF", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"pF", [](double x) { return x * 1e-12; }, [](double x) { return x * 1e12; }},
};

const Unit kResistance[] = {
    {"Ω", [](double x) { return x; }, [](double x) { return x; }},
    {"kΩ", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"MΩ", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"GΩ", [](double x) { return x * 1e9; }, [](double x) { return x / 1e9; }},
};

const Unit kConductance[] = {
    {"nS", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"µS", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"mS", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"S", [](double x) { return x; }, [](double x) { return x; }},
    {"kS", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"MS", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"GS", [](double x) { return x * 1e9; }, [](double x) { return x / 1e9; }},
};

const Unit kInductance[] = {
    {"nH", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"µH", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"mH", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"H", [](double x) { return x; }, [](double x) { return x; }},
    {"kH", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"MH", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"GH", [](double x) { return x * 1e9; }, [](double x) { return x / 1e9; }},
};

const Unit kCurrent[] = {
    {"A", [](double x) { return x; }, [](double x) { return x; }},
    {"kA", [](double x) { return x * 1000; }, [](double x) { return x / 1000; }},
    {"MA", [](double x) { return x * 1e6; }, [](double x) { return x / 1e6; }},
    {"GA", [](double x) { return x * 1e9; }, [](double x) { return x / 1e9; }},
    {"mA", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"µA", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"nA", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"pA", [](double x) { return x * 1e-12; }, [](double x) { return x * 1e12; }},
};

const Unit kCharge[] = {
    {"C", [](double x) { return x; }, [](double x) { return x; }},
    {"nC", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"µC", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"mC", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"kC", [](double x) { return x * 1000; }, [](double x) { return x * 0.001; }},
    {"MC", [](double x) { return x * 1e6; }, [](double x) { return x * 1e-6; }},
    {"GC", [](double x) { return x * 1e9; }, [](double x) { return x * 1e-9; }},
    {"Fr", [](double x) { return x * 3.3356e-10; }, [](double x) { return x / 3.3356e-10; }},
    {"nFr", [](double x) { return x * 3.3356e-19; }, [](double x) { return x / 3.3356e-19; }},
    {"µFr", [](double x) { return x * 3.3356e-16; }, [](double x) { return x / 3.3356e-16; }},
    {"mFr", [](double x) { return x * 3.3356e-13; }, [](double x) { return x / 3.3356e-13; }},
    {"kFr", [](double x) { return x * 3.3356e-7; }, [](double x) { return x / 3.3356e-7; }},
    {"MFr", [](double x) { return x * 0.00033356; }, [](double x) { return x / 0.00033356; }},
    {"GF", [](double x) { return x * 0.33356; }, [](double x) { return x / 0.33356; }},
    {"e", [](double x) { return x * 1.6022e-19; }, [](double x) { return x / 1.6022e-19; }},
    {"Ah", [](double x) { return x * 3600; }, [](double x) { return x / 3600; }},
};

const Unit kMagnetic[] = {
    {"T", [](double x) { return x; }, [](double x) { return x; }},
    {"MT", [](double x) { return x * 1e6; }, [](double x) { return x * 1e-6; }},
    {"kT", [](double x) { return x * 1000; }, [](double x) { return x * 0.001; }},
    {"mT", [](double x) { return x * 0.001; }, [](double x) { return x * 1000; }},
    {"µT", [](double x) { return x * 1e-6; }, [](double x) { return x * 1e6; }},
    {"nT", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"pT", [](double x) { return x * 1e-12; }, [](double x) { return x * 1e12; }},
    {"G", [](double x) { return x * 0.0001; }, [](double x) { return x * 10000; }},
    {"Wb/m²", [](double x) { return x; }, [](double x) { return x; }},
    {"Wb/cm²", [](double x) { return x * 10000; }, [](double x) { return x * 0.0001; }},
    {"γ", [](double x) { return x * 1e-9; }, [](double x) { return x * 1e9; }},
    {"Mx/m²", [](double x) { return x * 1e-8; }, [](double x) { return x * 1e8; }},
    {"Mx/cm²", [](double x) { return x * 0.0001; }, [](double x) { return x * 10000; }},
};

const Unit kDataStorage[] = {
    {"Bit", [](double x) { return x; }, [](double x) { return x; }},
    {"kBit", [](double x) { return x * 1024; }, [](double x) { return x * 0x1p-10; }},
    {"Mbit", [](double x) { return x * 1024 * 1024; }, [](double x) { return x * 0x1p-20; }},
    {"GBit", [](double x) { return x * 1024 * 1024 * 1024; }, [](double x) { return x * 0x1p-30; }},
    {"TBit", [](double x) { return x * 1024 * 1024 * 1024 * 1024; }, [](double x) { return x * 0x1p-40; }},
    {"PBit", [](double x) { return x * 0x1p50; }, [](double x) { return x * 0x1p-50; }},
    {"EBit", [](double x) { return x * 0x1p60; }, [](double x) { return x * 0x1p-60; }},
    {"B", [](double x) { return x * 8; }, [](double x) { return x * 0.125; }},
    {"kB", [](double x) { return x * 1024 * 8; }, [](double x) { return x * 0x1p-13; }},
    {"MB", [](double x) { return x * 1024 * 1024 * 8; }, [](double x) { return x * 0x1p-23; }},
    {"GB", [](double x) { return x * 1024 * 1024 * 1024 * 8; }, [](double x) { return x * 0x1p-33; }},
    {"TB", [](double x) { return x * 1024 * 1024 * 1024 * 1024 * 8; }, [](double x) { return x * 0x1p-43; }},
    {"PB", [](double x) { return x * 0x1p50 * 8; }, [](double x) { return x * 0x1p-50 * 0.125; }},
    {"EB", [](double x) { return x * 0x1p60 * 8; }, [](double x) { return x * 0x1p-60 * 0.125; }},
};

} // namespace

Table table(Quantity q)
{
    switch (q) {
    case Quantity::Lengths:
        return {kLengths, int(std::size(kLengths))};
    case Quantity::Area:
        return {kArea, int(std::size(kArea))};
    case Quantity::Volume:
        return {kVolume, int(std::size(kVolume))};
    case Quantity::Mass:
        return {kMass, int(std::size(kMass))};
    case Quantity::Force:
        return {kForce, int(std::size(kForce))};
    case Quantity::Torque:
        return {kTorque, int(std::size(kTorque))};
    case Quantity::Pressure:
        return {kPressure, int(std::size(kPressure))};
    case Quantity::Energy:
        return {kEnergy, int(std::size(kEnergy))};
    case Quantity::Power:
        return {kPower, int(std::size(kPower))};
    case Quantity::Time:
        return {kTime, int(std::size(kTime))};
    case Quantity::Speed:
        return {kSpeed, int(std::size(kSpeed))};
    case Quantity::Temperature:
        return {kTemperature, int(std::size(kTemperature))};
    case Quantity::Angle:
        return {kAngle, int(std::size(kAngle))};
    case Quantity::Capacitance:
        return {kCapacitance, int(std::size(kCapacitance))};
    case Quantity::Resistance:
        return {kResistance, int(std::size(kResistance))};
    case Quantity::Conductance:
        return {kConductance, int(std::size(kConductance))};
    case Quantity::Inductance:
        return {kInductance, int(std::size(kInductance))};
    case Quantity::Current:
        return {kCurrent, int(std::size(kCurrent))};
    case Quantity::Charge:
        return {kCharge, int(std::size(kCharge))};
    case Quantity::Magnetic:
        return {kMagnetic, int(std::size(kMagnetic))};
    case Quantity::DataStorage:
        return {kDataStorage, int(std::size(kDataStorage))};
    }
    return {nullptr, 0};
}

const char *name(Quantity q)
{
    switch (q) {
    case Quantity::Lengths:
        return "Lengths";
    case Quantity::Area:
        return "Area";
    case Quantity::Volume:
        return "Volume";
    case Quantity::Mass:
        return "Mass";
    case Quantity::Force:
        return "Force";
    case Quantity::Torque:
        return "Torque";
    case Quantity::Pressure:
        return "Pressure";
    case Quantity::Energy:
        return "Energy";
    case Quantity::Power:
        return "Power";
    case Quantity::Time:
        return "Time";
    case Quantity::Speed:
        return "Speed";
    case Quantity::Temperature:
        return "Temperature";
    case Quantity::Angle:
        return "Angle";
    case Quantity::Capacitance:
        return "Capacitance";
    case Quantity::Resistance:
        return "Resistance";
    case Quantity::Conductance:
        return "Conductance";
    case Quantity::Inductance:
        return "Inductance";
    case Quantity::Current:
        return "Current";
    case Quantity::Charge:
        return "Charge";
    case Quantity::Magnetic:
        return "Magnetic";
    case Quantity::DataStorage:
        return "DataStorage";
    }
    return "";
}

} // namespace UnitConvert
