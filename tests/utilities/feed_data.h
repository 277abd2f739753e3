#ifndef FEED_DATA_H
#define FEED_DATA_H

// Documents shaped like the published rate feed.

#include "utilities/rate_feed.h"

#include <QByteArray>
#include <QList>
#include <QPair>

namespace feedtest {

inline QByteArray feed(const QList<QPair<QByteArray, QByteArray>> &rates)
{
    QByteArray doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
                     "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
                     "\t<gesmes:subject>Reference rates</gesmes:subject>\n"
                     "\t<gesmes:Sender><gesmes:name>European Central Bank</gesmes:name></gesmes:Sender>\n"
                     "\t<Cube>\n\t\t<Cube time=\"2026-12-04\">\n";
    for (const auto &[code, rate] : rates)
        doc += "\t\t\t<Cube currency=\"" + code + "\" rate=\"" + rate + "\"/>\n";
    return doc + "\t\t</Cube>\n\t</Cube>\n</gesmes:Envelope>\n";
}

// All 30 currencies with rates unlike the built-in ones, so a test can tell
// a download from the fallback.
inline QList<QPair<QByteArray, QByteArray>> fullRates()
{
    QList<QPair<QByteArray, QByteArray>> out;
    for (const RateFeed::Rate &r : RateFeed::builtInRates())
        out.append({r.code.toLatin1(), QByteArray::number(r.rate * 2 + 0.5, 'g', 10)});
    return out;
}

} // namespace feedtest

#endif // FEED_DATA_H
