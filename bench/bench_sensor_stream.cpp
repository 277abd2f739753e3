// Feeds the "Oscilloscope" and "Environment" tabs from the fake sensor board
// (tests/instruments/fake_sensor_board.py) through a pty and reports how
// well they keep up.
//
//   bench_sensor_stream [--seconds=30] [--long-lines] [--parsers]
//
// For each tab, paced at the byte rate of 256000 baud for the given time and
// then the same number of lines unpaced: lines sent and applied, time until
// the last line shows against the board's sending time, GUI-thread CPU per
// line against a bare QSerialPort draining the same stream, worst lateness
// of a 10 ms GUI timer, and RSS every 5 s.
//
// --long-lines: instead, one 65000-byte line without separators per tab
// (a board at the wrong baud rate, or one that sends no line ends, feeds
// such lines), and the worst lateness of a 10 ms timer until it is taken.
// --parsers: instead, the line parsers' own cost per typical line.
#include "app/mainwindow.h"
#include "instruments/cie_line.h"
#include "instruments/environment_line.h"
#include "instruments/imu_line.h"
#include "instruments/oscilloscope_line.h"
#include "instruments/mwave_view.h"
#include "instruments/ultraviolet.h"
#include "tests/support/kesp_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSerialPort>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QEventLoop>
#include <QTest>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include "instruments/gl_check.h"

using kesptest::rssMB;
using kesptest::threadCpuSeconds;

struct Run
{
    qint64 sent = 0;
    qint64 applied = 0;
    double boardSeconds = 0;
    double shownSeconds = 0;
    double cpu = 0;
    double processCpu = 0; // all threads
    qint64 worstLateMs = 0;
    QList<double> rss;
};

// Runs the board with `args`, the event loop working, until it is done and
// applied() reaches what it sent (or 10 s pass without progress).
static Run feed(const QStringList &args, int linesPerItem, const std::function<qint64()> &applied)
{
    Run r;
    QProcess board;
    kesptest::StallProbe probe;
    probe.start();
    const double cpu0 = threadCpuSeconds();
    const double processCpu0 = kesptest::processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    board.start(QStringLiteral("python3"), args);
    board.waitForStarted(5000);
    qint64 nextRss = 5000;
    qint64 last = -1;
    QElapsedTimer idle;
    idle.start();
    // A real event loop, so the CPU figure holds the tab's work and not a
    // polling loop's.
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (clock.elapsed() >= nextRss) {
            r.rss << rssMB();
            nextRss += 5000;
        }
        const qint64 now = applied();
        if (now != last) {
            last = now;
            idle.restart();
        }
        if (board.state() == QProcess::NotRunning && r.sent == 0) {
            const QList<QByteArray> out = board.readAllStandardOutput().trimmed().split('\n');
            const QJsonObject done = QJsonDocument::fromJson(out.last()).object();
            r.sent = qMax<qint64>(1, done["done"].toInteger());
            r.boardSeconds = done["seconds"].toDouble();
        }
        if ((r.sent > 0 && now * linesPerItem >= r.sent) || idle.elapsed() > 10000)
            loop.quit();
    });
    check.start(5);
    loop.exec();
    check.stop();
    r.shownSeconds = clock.elapsed() / 1000.0;
    r.cpu = threadCpuSeconds() - cpu0;
    r.processCpu = kesptest::processCpuSeconds() - processCpu0;
    probe.stop();
    r.worstLateMs = probe.worstLatenessMs();
    r.applied = last * linesPerItem;
    r.rss << rssMB();
    return r;
}

static void report(const char *what, const char *pacing, const Run &tab, const Run &bare)
{
    QStringList rss;
    for (double v : tab.rss)
        rss << QString::number(v, 'f', 0);
    std::printf("%-13s %-8s %8lld %8lld %9.2f %9.2f %7.3f %10.1f %12.1f %10.1f %8lld  %s\n", what, pacing, tab.sent,
                tab.applied, tab.boardSeconds, tab.shownSeconds, tab.shownSeconds / qMax(0.001, tab.boardSeconds),
                tab.cpu / qMax<qint64>(1, tab.applied) * 1e6, tab.processCpu / qMax<qint64>(1, tab.applied) * 1e6, bare.cpu / qMax<qint64>(1, bare.sent) * 1e6,
                qint64(tab.worstLateMs), qPrintable(rss.join(' ')));
    std::fflush(stdout);
}

// Nanoseconds per call of `parse` on `line`, over about half a second.
template <typename Parse>
static double nsPerLine(const Parse &parse)
{
    QElapsedTimer t;
    t.start();
    qint64 n = 0;
    while (t.elapsed() < 500) {
        for (int i = 0; i < 1000; ++i)
            parse();
        n += 1000;
    }
    return double(t.nsecsElapsed()) / double(n);
}

static void reportParsers()
{
    const QByteArray env = "Humidity:45.5%";
    const QByteArray osc = "$0:12.5;$1:-3.25;$2:99.0;$3:0.5;";
    const QString cie = QStringLiteral("CIEX:0.31270;CIEY:0.32900;LUX:120.5000;CCT:6504.0000\r\n");
    const QString imu = QStringLiteral("W:0.7071068,X:0.7071068,Y:0,Z:0");
    double sink = 0;
    std::printf("%-13s %10s\n", "parser", "ns/line");
    std::printf("%-13s %10.0f\n", "Environment", nsPerLine([&] { sink += EnvironmentLine::parse(env).size(); }));
    std::printf("%-13s %10.0f\n", "Oscilloscope", nsPerLine([&] { sink += (*OscilloscopeLine::parse(osc))[0]; }));
    std::printf("%-13s %10.0f\n", "CIE", nsPerLine([&] { sink += CieLine::parse(cie).x; }));
    std::printf("%-13s %10.0f\n", "IMU", nsPerLine([&] { sink += ImuLine::parse(imu).w; }));
    if (sink == 0.5)
        std::printf("\n");
}

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    double seconds = 30;
    bool longLines = false;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--seconds=")) {
            seconds = arg.mid(10).toDouble();
        } else if (arg == "--long-lines") {
            longLines = true;
        } else if (arg == "--parsers") {
            reportParsers();
            return 0;
        } else {
            std::fprintf(stderr, "usage: bench_sensor_stream [--seconds=30] [--long-lines] [--parsers]\n");
            return 2;
        }
    }
    const QString script = QStringLiteral(KESP_FAKE_BOARD);
    kesptest::PtyPair pty;
    if (!pty.isReady()) {
        std::fprintf(stderr, "socat pty pair not available\n");
        return 1;
    }
    pty.farFd(); // keeps the far end alive between board runs
    MainWindow w;
    w.show();
    auto *tabs = w.findChild<QTabWidget *>("tabWidget");
    auto openTab = [&](const char *button, const char *combo) {
        auto *open = w.findChild<QAbstractButton *>(button);
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(open))
                tabs->setCurrentIndex(i);
        auto *ports = w.findChild<QComboBox *>(combo);
        ports->addItem(pty.deviceA());
        ports->setCurrentIndex(ports->count() - 1);
        QTest::mousePress(open, Qt::LeftButton);
        QTest::mouseRelease(open, Qt::LeftButton);
        return w.statusBar()->currentMessage() == "Serial opened";
    };
    auto closeTab = [&](const char *button) {
        auto *open = w.findChild<QAbstractButton *>(button);
        QTest::mousePress(open, Qt::LeftButton);
        QTest::mouseRelease(open, Qt::LeftButton);
    };
    // A bare port draining the same stream: the floor of what reading costs.
    auto bareRun = [&](const QStringList &args) {
        QSerialPort port(pty.deviceA());
        port.setBaudRate(256000);
        Run r;
        if (!port.open(QIODevice::ReadWrite))
            return r;
        qint64 lines = 0;
        bool cr = false;
        QObject::connect(&port, &QSerialPort::readyRead, [&] {
            for (char c : port.readAll()) {
                if (cr && c == '\n')
                    ++lines;
                cr = c == '\r';
            }
        });
        r = feed(args, 1, [&] { return lines; });
        r.sent = lines;
        return r;
    };

    kesptest::spin(300);
    if (longLines) {
        struct Long
        {
            const char *tab;
            const char *prefix; // of the Open button and port combo
            QByteArray repeated;
            QByteArray head = {}; // once, before the repeated text
        };
        const Long cases[] = {{"IMU", "imu", "W:"},           {"IMU", "imu", "7", "W:"},
                              {"CIE", "CIE", "CIEX"},         {"Environment", "ENV", "CO2:"},
                              {"Environment", "ENV", "Humidity:"}, {"Oscilloscope", "OSC", "$0:"}};
        std::printf("%-13s %-10s %8s %12s\n", "tab", "repeated", "bytes", "worst_ms");
        for (const Long &c : cases) {
            const QByteArray button = QByteArray(c.prefix) + "opencompushButton";
            if (!openTab(button.constData(), (QByteArray(c.prefix) + "portNameComboBox").constData())) {
                std::fprintf(stderr, "could not open the %s tab\n", c.tab);
                return 1;
            }
            QByteArray line = c.head;
            while (line.size() + c.repeated.size() <= 65000)
                line += c.repeated;
            kesptest::spin(200);
            kesptest::StallProbe probe;
            probe.start();
            if (!pty.writeFar(line + "\r\n")) {
                std::fprintf(stderr, "could not write the line\n");
                return 1;
            }
            // The second spin lets the probe tick once after a stall that
            // ended the first.
            kesptest::spin(1500);
            kesptest::spin(300);
            probe.stop();
            closeTab(button.constData());
            std::printf("%-13s %-10s %8lld %12lld\n", c.tab, (c.head + c.repeated).constData(), qlonglong(line.size()),
                        qlonglong(probe.worstLatenessMs()));
            std::fflush(stdout);
        }
        return 0;
    }
    kesptest::reportIdle("Before streaming");
    std::printf("%-13s %-8s %8s %8s %9s %9s %7s %10s %12s %10s %8s  %s\n", "tab", "pacing", "sent", "applied",
                "board_s", "shown_s", "ratio", "gui_us/line", "process_us/line", "bare_us", "worst_ms", "RSS_MB every 5 s, end");

    // 256000 baud is 25600 bytes/s: about 640 oscilloscope lines (40 bytes)
    // or 1700 environment lines (15 bytes) a second.
    const int oscRate = 640;
    const int envRate = 1700;
    const int oscLines = int(oscRate * seconds);
    const int envSets = int(envRate * seconds / 6);
    bool ok = true;

    if (!openTab("OSCopencompushButton", "OSCportNameComboBox")) {
        std::fprintf(stderr, "could not open the oscilloscope tab\n");
        return 1;
    }
    auto *chart = w.findChild<MWaveView *>()->chart();
    auto *series = static_cast<QLineSeries *>(chart->series().at(0));
    for (const bool paced : {true, false}) {
        const double x0 = series->count() ? series->points().last().x() : 0;
        const QStringList args{script, pty.deviceB(), "osc", "--sets", QString::number(oscLines), "--seed", "5",
                               "--rate", QString::number(paced ? oscRate : 0)};
        const Run tab = feed(args, 1, [&] {
            return series->count() ? qint64(series->points().last().x() - x0) : 0;
        });
        closeTab("OSCopencompushButton");
        const Run bare = bareRun(args);
        openTab("OSCopencompushButton", "OSCportNameComboBox");
        ok = ok && tab.applied == tab.sent;
        report("Oscilloscope", paced ? "paced" : "unpaced", tab, bare);
    }
    closeTab("OSCopencompushButton");

    if (!openTab("ENVopencompushButton", "ENVportNameComboBox")) {
        std::fprintf(stderr, "could not open the environment tab\n");
        return 1;
    }
    auto *uvGrid = w.findChild<QGridLayout *>("ultraviolet_gridLayout");
    auto *uv = qobject_cast<Ultraviolet *>(uvGrid->itemAtPosition(0, 0)->widget());
    qint64 uvReadings = 0;
    QObject::connect(uv, &Ultraviolet::valueChanged, [&] { ++uvReadings; });
    for (const bool paced : {true, false}) {
        const qint64 before = uvReadings;
        const QStringList args{script, pty.deviceB(), "env", "--sets", QString::number(envSets), "--seed", "6",
                               "--rate", QString::number(paced ? envRate : 0)};
        // One ultraviolet reading per set of six lines.
        const Run tab = feed(args, 6, [&] { return uvReadings - before; });
        closeTab("ENVopencompushButton");
        const Run bare = bareRun(args);
        openTab("ENVopencompushButton", "ENVportNameComboBox");
        ok = ok && tab.applied == tab.sent;
        report("Environment", paced ? "paced" : "unpaced", tab, bare);
    }
    return ok ? 0 : 1;
}
