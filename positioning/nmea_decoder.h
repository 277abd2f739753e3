#ifndef NMEA_DECODER_H
#define NMEA_DECODER_H

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <cstdint>

// UTC time of the newest RMC sentence.
struct nmea_msg
{
    uint8_t hour = 0;
    uint8_t minute = 0;
    uint8_t second = 0;
};

// What the decoders found in the sentences so far: the texts of the "GPS
// information" labels (a null text was never written), the fix state as a
// flag rather than as a label text, and the position with its sign.
struct NmeaReadout
{
    enum Field {
        Utc, Latitude, LatitudeHemisphere, Longitude, LongitudeHemisphere, FixState,
        SatellitesUsed, Altitude, Pdop, Hdop, Vdop, Speed, GpsInView, BeidouInView,
        FieldCount
    };
    QString text[FieldCount];
    bool fix = false;                // GGA quality 1-5
    bool positionUpdated = false;    // an RMC position came while fixed
    double latitude = 0;             // signed degrees, south negative
    double longitude = 0;            // signed degrees, west negative
    uint32_t changed = 0;            // bit per Field written since the caller last cleared it
};

namespace Nmea {

enum class Kind { Other, RMC, GSV, GGA, GSA, VTG };

// Sentence type by the first of "RMC", "GSV", "GGA", "GSA", "VTG" that the
// text holds anywhere; the talker does not matter.
[[nodiscard]] Kind kind(QByteArrayView sentence);

// Field n: after the n-th comma up to the next ',' or '*' (or the line end),
// at most 95 characters of it; empty when missing.
[[nodiscard]] QByteArray field(QByteArrayView sentence, int n);

// A decimal number with '.' as decimal point read from the front of the
// field; empty, non-numeric and non-finite fields read as 0.
[[nodiscard]] double number(QByteArrayView field);

// "%1" in general notation: at most 6 significant digits.
[[nodiscard]] QString general(double v);

// ddmm.mmmm (or dddmm.mmmm) to degrees.
[[nodiscard]] double degrees(double v);

// Decoders: each writes its labels into the readout.  The fix-state label
// texts come from the caller, so a translated "Yes" is still a fix.
void rmc(QByteArrayView sentence, nmea_msg *msg, NmeaReadout *out);
void gsv(QByteArrayView sentence, NmeaReadout *out);
void gga(QByteArrayView sentence, NmeaReadout *out, const QString &yes, const QString &no);
void gsa(QByteArrayView sentence, NmeaReadout *out);
void vtg(QByteArrayView sentence, NmeaReadout *out);

// Dispatches one checked sentence; returns its kind.
Kind decode(QByteArrayView sentence, nmea_msg *msg, NmeaReadout *out, const QString &yes, const QString &no);

// The map gets a new position at most every 11 seconds: true when a fix
// waits and 11 s passed since the last push (0: never pushed).
[[nodiscard]] bool pushDue(bool positionUpdated, qint64 nowSecs, qint64 lastPushSecs);

} // namespace Nmea

#endif // NMEA_DECODER_H
