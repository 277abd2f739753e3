#include "instruments/spectra_line.h"

#include <QStringList>
#include <QtGlobal>

namespace SpectraLine {

int channelIndex(QStringView name)
{
    struct Name
    {
        const char16_t *text;
        int index;
    };
    static const Name names[] = {
        {u"F1", 0},   {u"F2", 1},   {u"F3", 2},   {u"F4", 3},   {u"F5", 4},   {u"F6", 5},
        {u"F7", 6},   {u"F8", 7},   {u"NIR", 8},  {u"F9", 8},   {u"FXL", 9},  {u"F10", 9},
        {u"FZ", 10},  {u"F11", 10}, {u"FY", 11},  {u"F12", 11}, {u"F13", 12}, {u"F14", 13},
        {u"F15", 14}, {u"F16", 15}, {u"F17", 16}, {u"F18", 17},
    };
    for (const Name &n : names)
        if (name == QStringView(n.text))
            return n.index;
    return -1;
}

std::optional<Reading> parse(const QString &line)
{
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0 || line.indexOf(QLatin1Char(':'), colon + 1) >= 0)
        return std::nullopt;
    const QString digits = line.mid(colon + 1);
    // toInt stops quietly at a NUL: "1\0" "0" would read as 1.
    if (digits.contains(QChar(0)))
        return std::nullopt;
    bool ok = false;
    const int number = digits.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    const int channel = channelIndex(QStringView(line).left(colon));
    if (channel < 0)
        return std::nullopt;
    return Reading{channel, number / 1000.0};
}

unsigned char chipCode(const QString &typeText)
{
    if (typeText == QLatin1String("AS7341"))
        return 0;
    if (typeText == QLatin1String("AS7343"))
        return 1;
    if (typeText == QLatin1String("AS7265X"))
        return 2;
    return 255;
}

QColor wavelengthColor(double nm)
{
    double r = 128, g = 128, b = 128;
    if (nm >= 380 && nm < 440) {
        r = 150 - 70 * (nm - 380) / 60;
        g = 0;
        b = 255;
    } else if (nm >= 440 && nm < 490) {
        r = 0;
        g = 180 * (nm - 440) / 50;
        b = 255;
    } else if (nm >= 490 && nm < 510) {
        const double t = 75 * (nm - 490) / 20;
        r = 0;
        g = 180 + t;
        b = 255 - t;
    } else if (nm >= 510 && nm < 580) {
        r = 255 * (nm - 510) / 70;
        g = 255;
        b = 0;
    } else if (nm >= 580 && nm < 645) {
        r = 255;
        g = 255 - 205 * (nm - 580) / 65;
        b = 0;
    } else if (nm >= 645 && nm < 750) {
        const double t = nm - 645;
        r = 255 - 127 * t / 105;
        g = 50 - 50 * t / 105;
        b = g;
    } else if (nm >= 750 && nm <= 940) {
        const double t = nm - 750;
        r = 128 + 32 * t / 190;
        g = 160 * t / 190;
        b = g;
    }
    return QColor(int(r), int(g), int(b), 255);
}

} // namespace SpectraLine
