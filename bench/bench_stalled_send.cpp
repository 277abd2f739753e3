// Keep Send into a device and a peer that never read: what the program holds
// and its memory over time, and what the status says.
//
//   bench_stalled_send [--quiet] [--seconds=40]
//
// Serial: 1000 bytes every 10 ms into a socat pty whose far end is open and
// never read.  TCP client: 5000 bytes every 10 ms to a loopback server that
// accepts and never reads.  Every 5 s: RSS, the bytes waiting in the TCP
// socket, and the status line.  At the end the far end reads again and the
// bytes it gets are counted.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <cstdio>
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

} // namespace

int main(int argc, char **argv)
{
    auto home = startBenchmark(argc, argv);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption secondsOption("seconds", "Length of each stall in seconds.", "s", "40");
    parser.addOption(secondsOption);
    parser.process(app);
    const int seconds = qMax(5, parser.value(secondsOption).toInt());

    MainWindow w;
    showSettled(w);

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
        server.listen(QHostAddress::LocalHost);
        child<QComboBox>(w, "TCP_comboBox")->setCurrentText("TCP Client");
        child<QLineEdit>(w, "TCPclientIPlineEdit")->setText("127.0.0.1");
        child<QLineEdit>(w, "TCPclientPortlineEdit")->setText(QString::number(server.serverPort()));
        press(w, "TCPopencompushButton");
        waitFor([&] { return server.hasPendingConnections(); });
        QTcpSocket *peer = server.nextPendingConnection();
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
