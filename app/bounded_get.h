#ifndef BOUNDED_GET_H
#define BOUNDED_GET_H

#include <QByteArray>
#include <QNetworkReply>
#include <QString>

// One HTTP GET for the small files the program fetches (the version file,
// the rate feed).  A server may send without end or not at all, so every
// caller gives a bound on the body and a time limit; past either the reply
// is dropped and nothing more is read.
namespace BoundedGet {

enum class Outcome {
    Finished, // the reply ended, see error
    TooLarge, // the body grew past the bound
    TimedOut, // the time limit ran out
    Left,     // the wait ended early: the thread or the program is quitting
};

struct Reply
{
    Outcome outcome = Outcome::Left;
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body; // the whole body when Finished, error pages included; empty otherwise
};

// Runs a local event loop in the calling thread until the reply ends, the
// body passes maxBytes, timeoutMs pass, or the thread's loops are told to
// quit (QThread::quit, QCoreApplication::quit).
Reply get(const QString &address, qint64 maxBytes, int timeoutMs);

} // namespace BoundedGet

#endif // BOUNDED_GET_H
