// Streams register dumps from the fake I2C bridge
// (tests/instruments/fake_i2c_bridge.py) through a pty into the "i2cdump"
// tab, back to back at the byte rate of 256000 baud (about 97 dumps a
// second), and reports how well the tab keeps up.
//
//   bench_i2c_dump [--seconds=30]
//
// Dumps sent and applied, GUI-thread CPU per dump against a bare QSerialPort
// draining the same stream in the same run, worst lateness of a 10 ms GUI
// timer, and RSS every 5 s.
#include "app/mainwindow.h"
#include "instruments/i2c_frame_codec.h"
#include "instruments/vexmora_i2c_tools.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>
#include <functional>
#include "instruments/gl_check.h"

// One dump frame is 262 bytes; 256000 baud carries 25600 bytes a second.
static const double kPeriod = 262.0 / 25600.0;

struct Run
{
    int sent = 0;
    qint64 applied = 0;
    double cpu = 0;
    double processCpu = 0; // all threads
    qint64 worstLateMs = 0;
    QList<double> rss;
};

// Starts the bridge (after the near end is open), lets `begin` start the
// stream, runs the event loop for the given time, lets `end` stop it, and
// collects the figures; applied() counts the dumps taken in.
static Run stream(const QString &device, const QString &log, double seconds, const std::function<void()> &begin,
                  const std::function<void()> &end, const std::function<qint64()> &applied)
{
    Run r;
    QProcess bridge;
    bridge.start("python3", {KESP_FAKE_BRIDGE, device, log, "--period", QString::number(kPeriod, 'f', 6)});
    bridge.waitForStarted(5000);
    kesptest::spin(500);
    kesptest::StallProbe probe;
    probe.start();
    const double cpu0 = kesptest::threadCpuSeconds();
    const double processCpu0 = kesptest::processCpuSeconds();
    begin();
    QEventLoop loop;
    QTimer rss;
    QObject::connect(&rss, &QTimer::timeout, [&] { r.rss << kesptest::rssMB(); });
    rss.start(5000);
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
    end();
    kesptest::spin(1000); // the dumps still on the way
    r.cpu = kesptest::threadCpuSeconds() - cpu0;
    r.processCpu = kesptest::processCpuSeconds() - processCpu0;
    probe.stop();
    r.worstLateMs = probe.worstLatenessMs();
    bridge.terminate();
    bridge.waitForFinished(5000);
    r.sent = QJsonDocument::fromJson(bridge.readAllStandardOutput())["dumps"].toInt();
    r.applied = applied();
    r.rss << kesptest::rssMB();
    return r;
}

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    double seconds = 30;
    for (const QString &arg : app.arguments().mid(1)) {
        if (!arg.startsWith("--seconds=")) {
            std::fprintf(stderr, "usage: bench_i2c_dump [--seconds=30]\n");
            return 2;
        }
        seconds = arg.mid(10).toDouble();
    }
    kesptest::PtyPair pty;
    if (!pty.isReady()) {
        std::fprintf(stderr, "socat pty pair not available\n");
        return 1;
    }
    const QString log = home->path() + "/bridge.log";
    MainWindow w;
    w.show();
    kesptest::child<QTabWidget>(w, "tabWidget")->setCurrentWidget(kesptest::child<QWidget>(w, "i2cdump"));
    auto *tools = w.findChild<vexmora_i2c_tools *>();
    kesptest::choosePort(w, "i2cdumpportNameComboBox", pty.deviceA());
    kesptest::press(w, "i2cdumpopencompushButton");
    if (kesptest::status(w) != "Serial opened" || !tools) {
        std::fprintf(stderr, "the i2cdump tab did not open the pty\n");
        return 1;
    }
    kesptest::spin(300);
    kesptest::reportIdle("Before streaming");
    const Run tab = stream(
        pty.deviceB(), log, seconds,
        [&] {
            kesptest::child<QComboBox>(*tools, "comboBox")->setCurrentIndex(0x3c);
            kesptest::press(w, "i2cdump_stop_pushButton");
        },
        [&] { kesptest::press(w, "i2cdump_stop_pushButton"); }, [&] { return tools->dumpsApplied(); });
    kesptest::press(w, "i2cdumpopencompushButton");

    // A bare port reading the same stream: the floor of what reading costs.
    QSerialPort port(pty.deviceA());
    port.setBaudRate(256000);
    if (!port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "bare port did not open\n");
        return 1;
    }
    qint64 bytes = 0;
    QObject::connect(&port, &QSerialPort::readyRead, [&] { bytes += port.readAll().size(); });
    const Run bare = stream(
        pty.deviceB(), log, seconds, [&] { port.write(I2CFrameCodec::startStream()); },
        [&] { port.write(I2CFrameCodec::stopStream()); }, [&] { return bytes / 262; });

    auto line = [](const char *what, const Run &r) {
        QStringList rss;
        for (double v : r.rss)
            rss << QString::number(v, 'f', 0);
        std::printf("%-8s %7d %8lld %10.3f %12.3f %9lld  %s\n", what, r.sent, r.applied,
                    r.cpu / qMax<qint64>(1, r.applied) * 1e3, r.processCpu / qMax<qint64>(1, r.applied) * 1e3,
                    r.worstLateMs, qPrintable(rss.join(' ')));
    };
    std::printf("%-8s %7s %8s %10s %12s %9s  %s\n", "reader", "sent", "applied", "gui_ms/dump", "process_ms/dump", "worst_ms", "RSS_MB every 5 s, end");
    line("i2cdump", tab);
    line("bare", bare);
    return tab.applied == tab.sent ? 0 : 1;
}
