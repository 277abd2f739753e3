#include "tests/support/fake_port.h"

#include "terminals/thread_serial.h"

#include <QThread>

namespace kesptest {

// QSerialPort's own open, close, reads, writes and waits go to a real
// descriptor; these are virtual, so a subclass can stand in for the device.
// Its error() stays NoError: the program learns of a broken device from
// errorOccurred, as it does from a real one.

FakePort::FakePort(QObject *parent)
    : QSerialPort(parent)
{
    m_clock.start();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        deliverDue();
        schedule();
    });
}

FakePort::~FakePort()
{
    // Closed here, so QSerialPort's destructor has no descriptor to close.
    if (isOpen())
        close();
}

void FakePort::failOpen(const QString &reason)
{
    m_failOpen = reason;
}

void FakePort::feed(const QByteArray &bytes, int afterMs)
{
    Event e;
    e.due = m_clock.elapsed() + afterMs;
    e.bytes = bytes;
    add(e);
}

// Events stay in the order they are due; those due together, in the order
// they were scripted.
void FakePort::add(const Event &e)
{
    qsizetype at = m_events.size();
    while (at > 0 && m_events.at(at - 1).due > e.due)
        --at;
    m_events.insert(at, e);
    schedule();
}

void FakePort::feedInPieces(const QByteArray &bytes, int pieceSize, int gapMs)
{
    for (qsizetype at = 0, n = 0; at < bytes.size(); at += pieceSize, ++n)
        feed(bytes.mid(at, pieceSize), int(n) * gapMs);
}

void FakePort::breakOff(const QString &reason, int afterMs)
{
    Event e;
    e.due = m_clock.elapsed() + afterMs;
    e.breaks = true;
    e.reason = reason;
    add(e);
}

void FakePort::setStalled(bool stalled)
{
    m_stall = stalled;
    if (!stalled && !m_stalled.isEmpty()) {
        const QByteArray held = m_stalled;
        m_stalled.clear();
        leave(held);
    }
}

bool FakePort::open(OpenMode mode)
{
    if (!m_failOpen.isEmpty()) {
        setErrorString(m_failOpen);
        return false;
    }
    ++opens;
    m_broken = false;
    const bool ok = QIODevice::open(mode);
    schedule();
    return ok;
}

void FakePort::close()
{
    m_timer.stop();
    QIODevice::close();
}

qint64 FakePort::bytesAvailable() const
{
    return m_in.size() + QIODevice::bytesAvailable();
}

qint64 FakePort::bytesToWrite() const
{
    return m_stalled.size();
}

bool FakePort::waitForReadyRead(int msecs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (!isOpen() || m_broken)
            return false;
        const bool got = deliverDue();
        schedule();
        if (got)
            return true;
        if (m_broken)
            return false;
        const qint64 next = untilNext();
        // No time limit: up to the next scripted event, if there is one.
        const qint64 left = msecs < 0 ? (next < 0 ? 0 : next + 1) : msecs - waited.elapsed();
        if (left <= 0)
            return false;
        QThread::msleep(quint64(next < 0 ? left : qBound<qint64>(1, next, left)));
    }
}

bool FakePort::waitForBytesWritten(int msecs)
{
    if (m_stalled.isEmpty())
        return false;
    QThread::msleep(quint64(qMax(0, msecs)));
    return false;
}

qint64 FakePort::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin<qint64>(maxSize, m_in.size());
    memcpy(data, m_in.constData(), size_t(n));
    m_in.remove(0, n);
    return n;
}

qint64 FakePort::writeData(const char *data, qint64 maxSize)
{
    if (m_broken)
        return -1;
    const QByteArray bytes(data, maxSize);
    if (m_stall)
        m_stalled += bytes;
    else
        leave(bytes);
    return maxSize;
}

void FakePort::leave(const QByteArray &bytes)
{
    written += bytes;
    // Like a driver, the port reports its bytes gone from the event loop.
    QTimer::singleShot(0, this, [this, n = bytes.size()] {
        if (isOpen())
            emit bytesWritten(n);
    });
    if (onWrite)
        onWrite(this, bytes);
}

bool FakePort::deliverDue()
{
    if (!isOpen())
        return false;
    bool got = false;
    const qint64 now = m_clock.elapsed();
    while (!m_events.isEmpty() && m_events.first().due <= now && !m_broken) {
        const Event e = m_events.takeFirst();
        if (e.breaks) {
            m_broken = true;
            setErrorString(e.reason);
            emit errorOccurred(QSerialPort::ResourceError);
        } else {
            m_in += e.bytes;
            got = true;
        }
    }
    if (got)
        emit readyRead();
    return got;
}

void FakePort::schedule()
{
    const qint64 next = untilNext();
    if (next < 0 || !isOpen() || m_broken)
        m_timer.stop();
    else
        m_timer.start(int(next));
}

qint64 FakePort::untilNext() const
{
    if (m_events.isEmpty())
        return -1;
    return qMax<qint64>(0, m_events.first().due - m_clock.elapsed());
}

FakePortHook::FakePortHook(std::function<void(FakePort *)> setUp)
    : m_setUp(std::move(setUp))
{
    ThreadSerial::setPortHook([this]() -> QSerialPort * {
        auto *port = new FakePort;
        if (m_setUp)
            m_setUp(port);
        ports.append(port);
        return port;
    });
}

FakePortHook::~FakePortHook()
{
    ThreadSerial::setPortHook({});
}

} // namespace kesptest
