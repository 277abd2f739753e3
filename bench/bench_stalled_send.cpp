// Keep Send into a device and a peer that never read: what the program holds
// and its memory over time, and what the status says.
//
//   bench_stalled_send [--quiet] [--seconds=40]
//   bench_stalled_send [--quiet] --whole=5000000
//
// Serial: 1000 bytes every 10 ms into a socat pty whose far end is open and
// never read.  TCP client: 5000 bytes every 10 ms to a loopback server that
// accepts and never reads.  Every 5 s: RSS, the bytes waiting in the TCP
// socket, and the status line.  At the end the far end reads again and the
// bytes it gets are counted.
//
// --whole: instead, one send of about that many bytes from the send box to a
// pty whose far end reads (in a thread of its own) and to a loopback server
// that reads: whether it arrived byte for byte, the time from the press to
// the last byte, and the peak RSS meanwhile.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QFile>
#include <QLineEdit>
#include <QMutex>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <atomic>
#include <cstdio>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace kesptest;

namespace {

void keepSend(MainWindow &w, const char *box, const char *keep, const char *interval, const char *button, int size)
{
    child<QPlainTextEdit>(w, box)->setPlainText(QString(size, QLatin1Char('k')));
    child<QCheckBox>(w, keep)->setChecked(true);
    child<QSpinBox>(w, interval)->setValue(10);
    press(w, button);
}

void watch(MainWindow &w, int seconds, const std::function<qint64()> &waiting)
{
    std::printf("%6s %8s %10s  %s\n", "t_s", "rss_MB", "waiting_B", "status");
    for (int t = 0; t <= seconds; t += 5) {
        if (t > 0)
            spin(5000);
        std::printf("%6d %8.1f %10lld  %s\n", t, rssMB(), (long long)waiting(), qPrintable(status(w)));
        std::fflush(stdout);
    }
}

// Starts a new peak-memory period (Linux: writing 5 to clear_refs resets VmHWM).
void resetPeak()
{
    QFile f("/proc/self/clear_refs");
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Lines of 1000 bytes on the wire, each numbered, so a lost, doubled or
// reordered line shows; the serial box sends every line end as CR LF, the
// TCP box only the last.
QByteArray numberedLines(qint64 bytes, bool serial)
{
    QByteArray out;
    const qint64 lines = qMax<qint64>(1, bytes / 1000);
    for (qint64 i = 0; i < lines; ++i)
        out += QByteArray::number(i).rightJustified(998, '.') + (serial || i == lines - 1 ? "\r\n" : ".\n");
    return out;
}

// Puts `wire` in the send box, presses Send and waits until `arrived`
// (filled elsewhere) holds as much; prints the figures.
void sendWhole(MainWindow &w, const char *box, const char *button, const QByteArray &wire,
               const std::function<QByteArray()> &arrived)
{
    QElapsedTimer t;
    t.start();
    child<QPlainTextEdit>(w, box)->setPlainText(QString::fromLatin1(wire).remove(QLatin1Char('\r')));
    const qint64 fillMs = t.elapsed();
    spin(500);
    const double before = rssMB();
    resetPeak();
    t.restart();
    press(w, button);
    const QString said = status(w);
    waitFor([&] { return arrived().size() >= wire.size(); }, 120000);
    const qint64 ms = t.elapsed();
    spin(300);
    const QByteArray got = arrived();
    std::printf("%lld bytes sent, %lld arrived, %s; %lld ms from the press to the last byte (%.1f MB/s)\n"
                "RSS %.1f MB before, peak %.1f MB during; box filled in %lld ms; status \"%s\"\n",
                (long long)wire.size(), (long long)got.size(), got == wire ? "whole, byte for byte" : "NOT WHOLE",
                (long long)ms, wire.size() / 1e6 / qMax<qint64>(1, ms) * 1000, before, peakRssMB(),
                (long long)fillMs, qPrintable(said));
    std::fflush(stdout);
}

// The TCP tab as a client of `server` on loopback; the server's end.
QTcpSocket *startTcpClient(MainWindow &w, QTcpServer &server)
{
    server.listen(QHostAddress::LocalHost);
    child<QComboBox>(w, "TCP_comboBox")->setCurrentText("TCP Client");
    child<QLineEdit>(w, "TCPclientIPlineEdit")->setText("127.0.0.1");
    child<QLineEdit>(w, "TCPclientPortlineEdit")->setText(QString::number(server.serverPort()));
    press(w, "TCPopencompushButton");
    waitFor([&] { return server.hasPendingConnections(); });
    return server.nextPendingConnection();
}

void wholeSends(MainWindow &w, qint64 bytes)
{
    {
        PtyPair pty;
        const int fd = pty.farFd();
        choosePort(w, "portNameComboBox", pty.deviceA());
        press(w, "opencompushButton");
        std::printf("\nSerial, one send into a device that reads (%s)\n", qPrintable(status(w)));
        QByteArray got;
        QMutex lock;
        std::atomic<bool> stop{false};
        std::thread reader([&] {
            char buf[65536];
            pollfd p{fd, POLLIN, 0};
            while (!stop) {
                if (::poll(&p, 1, 50) <= 0)
                    continue;
                const ssize_t n = ::read(fd, buf, sizeof buf);
                if (n > 0) {
                    QMutexLocker locked(&lock);
                    got.append(buf, n);
                }
            }
        });
        sendWhole(w, "sendMsgtextEdit", "sendmsgBtn", numberedLines(bytes, true), [&] {
            QMutexLocker locked(&lock);
            return got;
        });
        stop = true;
        reader.join();
        press(w, "opencompushButton");
    }
    {
        QTcpServer server;
        QTcpSocket *peer = startTcpClient(w, server);
        QByteArray got;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [&] { got += peer->readAll(); });
        spin(200);
        std::printf("\nTCP client, one send to a server that reads\n");
        sendWhole(w, "TCPsendMsgtextEdit", "TCPsendmsgBtn", numberedLines(bytes, false), [&] { return got; });
        press(w, "TCPopencompushButton");
    }
}

} // namespace

int main(int argc, char **argv)
{
    auto home = startBenchmark(argc, argv);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption secondsOption("seconds", "Length of each stall in seconds.", "s", "40");
    parser.addOption(secondsOption);
    QCommandLineOption wholeOption("whole", "One send of about this many bytes into far ends that read.", "bytes");
    parser.addOption(wholeOption);
    parser.process(app);
    const int seconds = qMax(5, parser.value(secondsOption).toInt());

    MainWindow w;
    showSettled(w);
    if (parser.isSet(wholeOption)) {
        wholeSends(w, parser.value(wholeOption).toLongLong());
        return 0;
    }

    // --- Serial: the far end is open and never read.
    {
        PtyPair pty;
        const int fd = pty.farFd();
        choosePort(w, "portNameComboBox", pty.deviceA());
        press(w, "opencompushButton");
        std::printf("\nSerial Keep Send, 1000 B every 10 ms, device never reads (%s)\n", qPrintable(status(w)));
        keepSend(w, "sendMsgtextEdit", "obocheckBox", "delayspinBox", "sendmsgBtn", 1000);
        watch(w, seconds, [] { return qint64(-1); });
        qint64 got = 0;
        char buf[65536];
        QElapsedTimer quiet;
        quiet.start();
        press(w, "sendmsgBtn"); // Pause
        while (quiet.elapsed() < 1000) {
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) {
                got += n;
                quiet.restart();
            } else {
                spin(5);
            }
        }
        std::printf("after Pause the device read %lld bytes\n", (long long)got);
        press(w, "opencompushButton");
    }

    // --- TCP client: the server accepts and never reads.
    {
        QTcpServer server;
        QTcpSocket *peer = startTcpClient(w, server);
        peer->setReadBufferSize(4096);
        QTcpSocket *program = nullptr;
        for (QTcpSocket *s : w.findChildren<QTcpSocket *>())
            if (s->state() == QAbstractSocket::ConnectedState)
                program = s;
        std::printf("\nTCP client Keep Send, 5000 B every 10 ms, server never reads\n");
        keepSend(w, "TCPsendMsgtextEdit", "TCPobocheckBox", "TCPdelayspinBox", "TCPsendmsgBtn", 5000);
        watch(w, seconds, [&] { return program ? program->bytesToWrite() : -1; });
        press(w, "TCPsendmsgBtn"); // Pause
        peer->setReadBufferSize(0);
        qint64 got = 0;
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < 1000) {
            const QByteArray b = peer->readAll();
            if (!b.isEmpty()) {
                got += b.size();
                quiet.restart();
            }
            spin(5);
        }
        std::printf("after Pause the server read %lld bytes\n", (long long)got);
    }
    return 0;
}
