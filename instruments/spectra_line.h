#ifndef SPECTRA_LINE_H
#define SPECTRA_LINE_H

#include <QColor>
#include <QString>
#include <QStringView>
#include <optional>

// The spectral boards print one channel per line, "F3:512" CR LF.  Decoding
// a line, the chip code of the type combo and the colour of a wavelength
// live here, apart from the widgets, so they can be checked line by line.
namespace SpectraLine {

struct Reading
{
    int channel = -1; // 0-17
    double value = 0; // the integer / 1000.0
};

// Channel index of an exact name ("F1" to "F18", "NIR", "FXL", "FZ", "FY"),
// -1 for anything else.
[[nodiscard]] int channelIndex(QStringView name);

// One line without its CR LF; nothing unless it is a known name, a single
// ':' and a base-10 integer that fits 32 bits.
[[nodiscard]] std::optional<Reading> parse(const QString &line);

// "AS7341" 0, "AS7343" 1, "AS7265X" 2, anything else 255.
[[nodiscard]] unsigned char chipCode(const QString &typeText);

// The colour under the spectrum curve at a wavelength in nanometres.
[[nodiscard]] QColor wavelengthColor(double nm);

} // namespace SpectraLine

#endif // SPECTRA_LINE_H
