#ifndef RATE_FEED_H
#define RATE_FEED_H

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QVariant>

// The daily euro reference-rate feed: where it lives, how its bytes turn
// into rates, the table used when no readable feed arrives, and when a
// start of the converter should download it.  No widgets, no settings.
namespace RateFeed {

struct Rate
{
    QString code;
    double rate = 0; // units of the currency per euro
};

struct Parsed
{
    QList<Rate> rates;        // in feed order, repeats kept (the last wins when stored)
    bool readerError = false; // the XML reader stopped on an error (cut, empty, not XML)
};

// Where the feed is fetched from.  Tests point it at a server on 127.0.0.1
// before building the converter.
extern QString address;

// A transfer that takes longer than this, or whose body grows past
// maxBodyBytes, is dropped as a failed download.  Tests shorten the time.
extern int timeoutMs;
constexpr qint64 maxBodyBytes = 1024 * 1024;

// The settings group the rates live in, and the marker written after
// every parse.
inline const char kGroup[] = "ExchangeRates";
inline const char kEndKey[] = "END";
inline const char kLastOpenedKey[] = "lastOpenedDateTime";

// Only finite rates above zero mean anything: a zero or negative rate
// would turn every amount of that currency into 0 or nonsense.
[[nodiscard]] bool usableRate(double rate);

// Reads every start element "Cube" with a non-empty "currency" attribute;
// its "rate" ("." as decimal point) is kept when usable, otherwise the
// element is passed over so an older good rate stays in place.
[[nodiscard]] Parsed parse(const QByteArray &data);

// The 30 rates stored when no readable feed arrives, in table order.
[[nodiscard]] const QList<Rate> &builtInRates();

// A start downloads when the stored last start is missing, holds no
// date-time, or falls on any other calendar day than today.
[[nodiscard]] bool needsUpdate(const QVariant &lastOpened, const QDate &today);

} // namespace RateFeed

#endif // RATE_FEED_H
