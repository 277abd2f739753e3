// Floods the UDP and TCP tabs from peer threads on 127.0.0.1 and reports what
// arrived, the worst lateness of a 10 ms GUI timer and the memory in use.
//
//   bench_network_flood [--quiet] [--udp-seconds N] [--udp-rate R] [--tcp-mb M] [--more]
//
// The window starts as a fresh install's (no settings file) or, with
// --quiet, with the quiet test settings.  UDP runs twice: with its tab in
// front and behind the "Convert" tab.  Defaults are short (3 s at one
// datagram per ms, 10 MB); a full UDP run is --udp-seconds 40 --udp-rate 2.
// CPU is given for the GUI thread, for the whole process less the peer
// thread that sends, and for that sender apart: its share is the
// benchmark's own.  Idle is taken once the window has settled after start-up.
// Run it under a display (xvfb-run).
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QLCDNumber>
#include <QLineEdit>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QEventLoop>
#include <QTimer>
#include <QTextBlock>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <sys/ioctl.h>
#include "instruments/gl_check.h"

using namespace kesptest;

namespace {

long rssKiB()
{
    return long(rssMB() * 1024);
}

// Datagrams the kernel dropped on the sockets bound to `port` (a full
// receive buffer), from /proc/net/udp and udp6.
qint64 udpDrops(quint16 port)
{
    qint64 drops = 0;
    const QByteArray hexPort = ':' + QByteArray::number(port, 16).toUpper().rightJustified(4, '0');
    for (const char *table : {"/proc/net/udp", "/proc/net/udp6"}) {
        QFile f(QString::fromLatin1(table));
        if (!f.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : f.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 12 && fields.at(1).endsWith(hexPort))
                drops += fields.last().toLongLong();
        }
    }
    return drops;
}

void press(QPushButton *button)
{
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
}

// Takes what a receive counter shows and zeroes it, so totals beyond its
// five digits can be summed.  Called right after every read of the tab.
struct Harvest
{
    QLCDNumber *counter;
    qint64 total = 0;
    bool saturated = false;
    void operator()()
    {
        const int v = counter->intValue();
        if (v >= 99999)
            saturated = true;
        if (v) {
            total += v;
            counter->display(0);
        }
    }
};

struct Phase
{
    const char *name;
    qint64 sent = 0;
    qint64 received = 0;
    qint64 worstLateMs = 0;
    long rssStart = 0, rssEnd = 0;
    long rssQuarter[3] = {0, 0, 0};
    bool saturated = false;
    double seconds = 0;
    double guiCpu = 0, processCpu = 0, senderCpu = 0; // processCpu without senderCpu
};

void report(const Phase &p, const char *unit)
{
    std::printf("%-4s sent %lld %s, received %lld %s (%s), worst 10 ms timer lateness %lld ms, "
                "RSS start/25%%/50%%/75%%/end %ld/%ld/%ld/%ld/%ld KiB, %.1f s, CPU GUI thread %.2f s "
                "(%.2f cores), whole process less the sender %.2f s (%.2f cores), sender %.2f s (%.2f cores)%s\n",
                p.name, (long long)p.sent, unit, (long long)p.received, unit,
                p.sent == p.received ? "nothing lost" : "LOSS", (long long)p.worstLateMs, p.rssStart,
                p.rssQuarter[0], p.rssQuarter[1], p.rssQuarter[2], p.rssEnd, p.seconds, p.guiCpu,
                p.guiCpu / p.seconds, p.processCpu, p.processCpu / p.seconds, p.senderCpu, p.senderCpu / p.seconds,
                p.saturated ? " [counter saturated: count not exact]" : "");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption udpSeconds("udp-seconds", "UDP flood length in seconds (one datagram per ms).", "s", "3");
    QCommandLineOption udpRate("udp-rate", "UDP datagrams per millisecond (1, 2, 4, ...).", "n", "1");
    QCommandLineOption tcpMb("tcp-mb", "TCP stream size in MB.", "mb", "10");
    QCommandLineOption verboseOption("verbose", "Print each new worst lateness as it happens.");
    parser.addOption(udpSeconds);
    parser.addOption(udpRate);
    parser.addOption(tcpMb);
    parser.addOption(verboseOption);
    QCommandLineOption moreOption("more", "Open the \"More\" tab (and so the web engine) first.");
    parser.addOption(moreOption);
    parser.process(app);
    const int seconds = qMax(1, parser.value(udpSeconds).toInt());
    const int rate = qBound(1, parser.value(udpRate).toInt(), 1000);
    const bool verbose = parser.isSet(verboseOption);
    const qint64 tcpBytes = qMax<qint64>(1, parser.value(tcpMb).toLongLong()) * 1024 * 1024;

    MainWindow w;
    QElapsedTimer sinceShown;
    sinceShown.start();
    w.show();
    (void)QTest::qWaitForWindowExposed(&w);
    auto *tabs = w.findChild<QTabWidget *>("tabWidget");
    if (parser.isSet(moreOption)) {
        tabs->setCurrentWidget(w.findChild<QWidget *>("tab_2"));
        spin(3000);
    }
    // Idle is what the window does once its start-up work is over.
    settle();
    const QByteArray when = QString::asprintf("Before the floods (More %s, settled %.1f s after showing)",
                                              parser.isSet(moreOption) ? "opened" : "never opened",
                                              sinceShown.elapsed() / 1000.0)
                                .toUtf8();
    reportIdle(when.constData());
    StallProbe probe;

    // --- UDP: 16-byte datagrams at the given rate, with the UDP tab in
    // front and again behind another tab ("Convert" where it exists).
    auto runUdp = [&](const char *name, QWidget *front) {
        tabs->setCurrentWidget(front);
        const quint16 port = freeUdpPort();
        w.findChild<QLineEdit *>("UDPSenderPortlineEdit")->setText(QString::number(port));
        press(w.findChild<QPushButton *>("UDPopencompushButton"));
        tabs->setCurrentWidget(front);
        Harvest harvest{w.findChild<QLCDNumber *>("UDPrecvbyteslcdNumber")};
        harvest.counter->display(0);
        // The counter moves once per paint tick, far below its 99999 stop.
        QTimer harvestTimer;
        QObject::connect(&harvestTimer, &QTimer::timeout, [&] { harvest(); });
        harvestTimer.start(10);

        Phase p{name};
        const qint64 count = qint64(seconds) * 1000 * rate;
        std::atomic<qint64> sent{0};
        std::atomic<double> senderCpu{0};
        std::atomic<bool> done{false};
        const qint64 drops0 = udpDrops(port);
        p.rssStart = rssKiB();
        probe.start();
        const double gui0 = threadCpuSeconds();
        const double process0 = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        std::thread peer([&] {
            const double cpu0 = threadCpuSeconds();
            QUdpSocket s;
            const auto step = std::chrono::microseconds(1000 / rate);
            auto next = std::chrono::steady_clock::now();
            for (qint64 i = 0; i < count; ++i) {
                const QByteArray d = QByteArray::number(i).rightJustified(15, '0') + '\n';
                if (s.writeDatagram(d, QHostAddress::LocalHost, port) == d.size())
                    ++sent;
                next += step;
                std::this_thread::sleep_until(next);
            }
            senderCpu = threadCpuSeconds() - cpu0;
            done = true;
        });
        // A real event loop: spinning on processEvents would cost the GUI
        // thread more than the tab does.  It runs on for 3 s after the
        // stream stopped, to see the CPU go back to idle.
        QEventLoop loop;
        QTimer check;
        qint64 doneAt = -1;
        double cpuAtDone = 0, cpuAt1s = -1, cpuAt3s = -1;
        QObject::connect(&check, &QTimer::timeout, [&] {
            for (int q = 0; q < 3; ++q)
                if (!p.rssQuarter[q] && clock.elapsed() > seconds * 250 * (q + 1))
                    p.rssQuarter[q] = rssKiB();
            if (!done)
                return;
            if (doneAt < 0) {
                doneAt = clock.elapsed();
                cpuAtDone = processCpuSeconds();
                p.seconds = doneAt / 1000.0;
                p.guiCpu = threadCpuSeconds() - gui0;
                p.senderCpu = senderCpu;
                p.processCpu = cpuAtDone - process0 - p.senderCpu;
            }
            if (cpuAt1s < 0 && clock.elapsed() >= doneAt + 1000)
                cpuAt1s = processCpuSeconds();
            if (clock.elapsed() >= doneAt + 3000) {
                cpuAt3s = processCpuSeconds();
                loop.quit();
            }
        });
        check.start(10);
        loop.exec();
        peer.join();
        harvest();
        probe.stop();
        p.worstLateMs = probe.worstLatenessMs();
        p.rssEnd = rssKiB();
        p.sent = sent;
        p.received = harvest.total / 16;
        p.saturated = harvest.saturated;
        report(p, "datagrams");
        std::printf("     %d datagrams/ms, kernel dropped %lld; after the stream: whole process %.2f cores in the "
                    "first second, %.2f cores in the two after\n",
                    rate, (long long)(udpDrops(port) - drops0), cpuAt1s - cpuAtDone, (cpuAt3s - cpuAt1s) / 2);
        std::fflush(stdout);
        press(w.findChild<QPushButton *>("UDPopencompushButton"));
    };
    runUdp("UDP", w.findChild<QWidget *>("udp"));
    QWidget *convert = nullptr;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == QLatin1String("Convert"))
            convert = tabs->widget(i);
    if (convert)
        runUdp("UDP behind Convert", convert);
    else
        std::printf("UDP behind Convert: skipped, the \"Convert\" tab is off\n");

    // --- TCP: a stream without line feeds, as fast as the peer can write.
    {
        tabs->setCurrentWidget(w.findChild<QWidget *>("tcp"));
        const quint16 port = freeTcpPort();
        w.findChild<QComboBox *>("TCP_comboBox")->setCurrentText("TCP Server");
        w.findChild<QLineEdit *>("TCPServerPortlineEdit")->setText(QString::number(port));
        press(w.findChild<QPushButton *>("TCPopencompushButton"));
        Phase p{"TCP"};
        QByteArray pattern;
        for (int i = 0; i < 64 * 1024; ++i)
            pattern += char('a' + i % 26);
        std::atomic<qint64> sent{0};
        std::atomic<double> senderCpu{0};
        std::atomic<bool> done{false};
        p.rssStart = rssKiB();
        probe.start();
        const double gui0 = threadCpuSeconds();
        const double process0 = processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        std::thread peer([&] {
            const double cpu0 = threadCpuSeconds();
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (!s.waitForConnected(5000)) {
                done = true;
                return;
            }
            while (sent < tcpBytes) {
                const qint64 n = qMin<qint64>(pattern.size(), tcpBytes - sent);
                const qint64 w = s.write(pattern.constData(), n);
                if (w <= 0 || !s.waitForBytesWritten(10000))
                    break;
                sent += w;
            }
            while (s.bytesToWrite() > 0 && s.waitForBytesWritten(10000)) {
            }
            senderCpu = threadCpuSeconds() - cpu0;
            done = true;
            s.waitForDisconnected(15000);
        });
        // What the tab has taken from its socket: everything that arrived
        // minus what still waits in the socket's and the kernel's buffers.
        QTcpSocket *link = nullptr;
        auto unread = [&]() -> qint64 {
            if (!link)
                return tcpBytes;
            int kernel = 0;
            ioctl(int(link->socketDescriptor()), FIONREAD, &kernel);
            return link->bytesAvailable() + kernel;
        };
        qint64 lastWorst = 0;
        while (!done || unread() > 0) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (!link)
                for (QTcpSocket *s : w.findChildren<QTcpSocket *>())
                    if (s->localPort() == port)
                        link = s;
            if (probe.worstLatenessMs() > lastWorst + 10) {
                lastWorst = probe.worstLatenessMs();
                if (verbose)
                    std::printf("  lateness %lld ms at %.2f s, %lld bytes sent\n", (long long)lastWorst,
                                clock.elapsed() / 1000.0, (long long)sent.load());
            }
            for (int q = 0; q < 3; ++q)
                if (!p.rssQuarter[q] && sent - unread() > tcpBytes / 4 * (q + 1))
                    p.rssQuarter[q] = rssKiB();
            if (clock.elapsed() > 300000)
                break;
        }
        p.sent = sent;
        p.received = sent - unread();
        // What was taken from the socket shows with the next paint tick.
        // The stream has no line feeds, so the view breaks it every 1024
        // characters from its start: its last block is the stream's tail.
        const qint64 lastLine = sent % 1024 ? sent % 1024 : 1024;
        QByteArray tailBytes;
        for (qint64 i = sent - lastLine; i < sent; ++i)
            tailBytes += char('a' + (i % pattern.size()) % 26);
        auto *view = w.findChild<QPlainTextEdit *>("TCP_StrTextBrowser");
        const bool tailShown = waitFor([&] {
            return view->document()->lastBlock().text() == QString::fromLatin1(tailBytes);
        }, 60000);
        probe.stop();
        p.guiCpu = threadCpuSeconds() - gui0;
        p.senderCpu = senderCpu;
        p.processCpu = processCpuSeconds() - process0 - p.senderCpu;
        p.seconds = clock.elapsed() / 1000.0;
        p.worstLateMs = probe.worstLatenessMs();
        p.rssEnd = rssKiB();
        // The last text shown must be the stream's last bytes.
        const QString shown = w.findChild<QPlainTextEdit *>("TCP_StrTextBrowser")->toPlainText().remove('\n');
        const qint64 tail = qMin<qint64>(4096, sent);
        const qint64 from = sent - tail;
        QByteArray expected;
        for (qint64 i = from; i < sent; ++i)
            expected += char('a' + (i % pattern.size()) % 26);
        const bool tailOk = shown.endsWith(QString::fromLatin1(expected));
        report(p, "bytes");
        std::printf("TCP last %lld bytes shown %s; the whole stream shown %s\n", (long long)tail,
                    tailOk ? "intact" : "DIFFERENT", tailShown ? "within the time above" : "NOT within 60 s");
        press(w.findChild<QPushButton *>("TCPopencompushButton"));
        peer.join();
    }
    std::printf("Peak RSS %.0f MB\n", peakRssMB());
    return 0;
}
