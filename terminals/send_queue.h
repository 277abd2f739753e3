#ifndef SEND_QUEUE_H
#define SEND_QUEUE_H

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// What the user sends goes through here to a port or socket.  A device that
// takes nothing must not make the program hold its sends without end: while
// earlier bytes still wait in the device's write buffer, a send that would
// take them past kLimit is refused whole, so what does arrive later is
// exactly the accepted sends, in order.  An idle device takes any one send,
// however large, so at most one send plus kLimit ever waits.
namespace SendQueue {

constexpr qint64 kLimit = 1024 * 1024;

enum class Result {
    Accepted, // all bytes are on their way
    Full,     // earlier bytes still wait and this send would pass kLimit; nothing written
    Failed,   // the device refused the write (error says why)
};

struct Outcome
{
    Result result = Result::Accepted;
    qint64 waiting = 0; // bytes waiting in the device before this send
    QString error;
};

// Writes bytes whole or not at all.
Outcome write(QIODevice *device, const QByteArray &bytes);

} // namespace SendQueue

#endif // SEND_QUEUE_H
