#include "terminals/send_queue.h"

#include <QIODevice>

SendQueue::Outcome SendQueue::write(QIODevice *device, const QByteArray &bytes)
{
    Outcome out;
    out.waiting = device->bytesToWrite();
    if (out.waiting > 0 && out.waiting + bytes.size() > kLimit) {
        out.result = Result::Full;
        return out;
    }
    if (bytes.isEmpty())
        return out;
    const qint64 written = device->write(bytes);
    if (written != bytes.size()) {
        out.result = Result::Failed;
        out.error = device->errorString();
    }
    return out;
}
