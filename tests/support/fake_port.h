#ifndef FAKE_PORT_H
#define FAKE_PORT_H

// A scripted serial device for the cases a pty cannot play: the port that
// ThreadSerial opens is a FakePort, and the test decides when bytes arrive
// (in pieces, late), what answers a command, whether the open fails, when
// the device breaks off in the middle of a stream and whether writes stall.
// Everything else (settings, the holder, the panels) is the real code.

#include <QElapsedTimer>
#include <QList>
#include <QPointer>
#include <QSerialPort>
#include <QTimer>
#include <functional>

namespace kesptest {

class FakePort : public QSerialPort
{
    Q_OBJECT

public:
    explicit FakePort(QObject *parent = nullptr);
    ~FakePort() override;

    // The next open fails with this reason, as a busy or missing device does.
    void failOpen(const QString &reason = QStringLiteral("Permission denied"));
    // The bytes arrive afterMs from now (0: on the next event-loop pass or
    // the next wait for data).
    void feed(const QByteArray &bytes, int afterMs = 0);
    // The bytes arrive as pieces of pieceSize bytes, gapMs apart.
    void feedInPieces(const QByteArray &bytes, int pieceSize, int gapMs);
    // The device breaks off afterMs from now, as an unplugged one does: a
    // resource error, and nothing is read or written any more.
    void breakOff(const QString &reason = QStringLiteral("Input/output error"), int afterMs = 0);
    // Stalled, writes are taken but never leave the port; unstalling lets
    // them go.
    void setStalled(bool stalled);

    // Called with every write that leaves the port: a device's answer.
    std::function<void(FakePort *port, const QByteArray &bytes)> onWrite;
    // Everything that left the port, in order.
    QByteArray written;
    int opens = 0;

    bool open(OpenMode mode) override;
    void close() override;
    qint64 bytesAvailable() const override;
    qint64 bytesToWrite() const override;
    bool waitForReadyRead(int msecs) override;
    bool waitForBytesWritten(int msecs) override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 maxSize) override;

private:
    struct Event
    {
        qint64 due = 0;
        QByteArray bytes;
        bool breaks = false;
        QString reason;
    };
    // Hands over every event that is due; true when bytes came.
    bool deliverDue();
    void add(const Event &e);
    void schedule();
    qint64 untilNext() const;
    void leave(const QByteArray &bytes);

    QElapsedTimer m_clock;
    QTimer m_timer;
    QList<Event> m_events;
    QByteArray m_in;
    QByteArray m_stalled;
    bool m_stall = false;
    bool m_broken = false;
    QString m_failOpen;
};

// While it lives, every port ThreadSerial opens is a FakePort, first given
// to setUp (a script); the ports made are kept in `ports`.
class FakePortHook
{
public:
    explicit FakePortHook(std::function<void(FakePort *)> setUp = {});
    ~FakePortHook();
    QList<QPointer<FakePort>> ports;
    FakePort *last() const { return ports.isEmpty() ? nullptr : ports.last().data(); }

private:
    std::function<void(FakePort *)> m_setUp;
};

} // namespace kesptest

#endif // FAKE_PORT_H
