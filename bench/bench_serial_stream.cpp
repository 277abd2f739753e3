// Streams data through a pty into the "Serial Debug" terminal and reports
// how fast and how smoothly it is shown.
//
//   bench_serial_stream [--quiet] [--sizes=1,10,100] [--paced-sizes=2] [--no-paced] [--no-unpaced]
//                       [--no-stamps] [--hex] [--hidden] [--more] [--paints] [--kind=text|binary]
//
// The window starts as a fresh install's (no settings file) or, with
// --quiet, with the quiet test settings.  Sizes are in MB (default 1;
// --paced-sizes sets the paced ones apart).  For each size: paced at the
// byte rate of 1152000 baud and unpaced, text (a line feed every 64 bytes)
// and binary (--kind= one of them), time stamps off and on (--no-stamps: off only).  Reported: time until the last byte is shown,
// bytes/s, GUI-thread CPU seconds per MB, worst lateness of a 10 ms GUI
// timer, and RSS after every 10 MB shown.  --hidden keeps the window off
// screen, which leaves out the cost of painting; --more opens the "More" tab
// (and so the web engine) first; --hex shows the hex view beside the
// text view; --paints lists the widgets repainted most
// in each row.  CPU is given for the GUI thread and for the
// whole process (all threads, GL included) less the benchmark's own writer
// thread.  bench_serial_reference runs a reference terminal on the same data.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "bench/serial_stream_data.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLCDNumber>
#include <QMap>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextDocument>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QEventLoop>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include "instruments/gl_check.h"

// Counts the paint events of every widget: which ones repaint while data
// streams in.
class PaintCounter : public QObject
{
public:
    QMap<QString, int> counts;
    bool eventFilter(QObject *o, QEvent *e) override
    {
        if (e->type() == QEvent::Paint && o->isWidgetType()) {
            QString name = QString::fromLatin1(o->metaObject()->className());
            QObject *named = o;
            while (named && named->objectName().isEmpty())
                named = named->parent();
            if (named)
                name += ' ' + named->objectName();
            ++counts[name];
        }
        return false;
    }
    void print()
    {
        QList<QPair<int, QString>> top;
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            top << qMakePair(it.value(), it.key());
        std::sort(top.begin(), top.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
        for (int i = 0; i < qMin(12, int(top.size())); ++i)
            std::printf("    %6d paints  %s\n", top.at(i).first, qPrintable(top.at(i).second));
        counts.clear();
    }
};

struct Result
{
    double seconds = 0;
    qint64 shown = 0;
    double cpuPerMB = 0;
    double processCpuPerMB = 0;
    qint64 worstLateMs = 0;
    QList<double> rss;
};

static Result runOne(MainWindow &w, kesptest::PtyPair &pty, const QByteArray &data, bool paced, bool stamps)
{
    w.findChild<QCheckBox *>("showtime_checkBox")->setChecked(stamps);
    QTest::mousePress(w.findChild<QAbstractButton *>("cleandatapushButton"), Qt::LeftButton);
    QTest::mouseRelease(w.findChild<QAbstractButton *>("cleandatapushButton"), Qt::LeftButton);

    Result r;
    qint64 shown = 0;
    qint64 nextRss = 10 * 1024 * 1024;
    // The receive counter is read and emptied at every shown batch, in the
    // same turn of the event loop as the batch (so it is painted once per
    // batch, as a counting window is), well before it could reach its
    // 99999 stop.
    auto *counter = w.findChild<QLCDNumber *>("recvbyteslcdNumber");
    counter->display(0);
    auto collect = [&] {
        const int v = counter->intValue();
        if (v <= 0)
            return;
        counter->display(0);
        shown += v;
        while (shown >= nextRss) {
            r.rss << kesptest::rssMB();
            nextRss += 10 * 1024 * 1024;
        }
    };
    // Each shown batch changes the text view before it is counted: taking
    // the counter then leaves at most one batch in it.  Once all is written,
    // each batch is also taken once the event loop is back, so the last one
    // ends the row.
    auto *textView = w.findChild<QPlainTextEdit *>("COM_StrTextBrowser");
    std::atomic<bool> writeDone {false};
    QEventLoop loop;
    QObject batchEnds; // ends with this row, and with it any call still due
    bool collectDue = false;
    const QMetaObject::Connection counted = QObject::connect(textView->document(), &QTextDocument::contentsChanged, &w, [&] {
        collect();
        if (collectDue || !writeDone)
            return;
        collectDue = true;
        QTimer::singleShot(0, &batchEnds, [&] {
            collectDue = false;
            collect();
            if (shown >= data.size())
                loop.quit();
        });
    });

    const int fd = pty.farFd();
    std::atomic<bool> writeFailed {false};
    kesptest::StallProbe probe;
    probe.start();
    const double cpu0 = kesptest::threadCpuSeconds();
    const double processCpu0 = kesptest::processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    std::atomic<double> writerCpu {0};
    std::thread writer([&] {
        // The writer's own CPU (its wake-ups included) is the benchmark's,
        // and is taken off the process figure.
        writerCpu = benchdata::writeStream(fd, data, paced, writeFailed);
        writeDone = true;
    });
    // A real event loop, so the figures hold the terminal's work and not a
    // polling loop's: the last batch ends it.  Bytes that never show up end
    // the wait 5 s after the last progress.
    QTimer check;
    QElapsedTimer idle;
    idle.start();
    qint64 lastShown = -1;
    QObject::connect(&check, &QTimer::timeout, [&] {
        collect();
        if (shown != lastShown) {
            lastShown = shown;
            idle.restart();
        }
        if (shown >= data.size() || writeFailed || (writeDone && idle.elapsed() > 5000))
            loop.quit();
    });
    check.start(250);
    if (shown < data.size())
        loop.exec();
    check.stop();
    QObject::disconnect(counted);
    r.seconds = clock.elapsed() / 1000.0;
    const double cpu = kesptest::threadCpuSeconds() - cpu0;
    const double processCpu = kesptest::processCpuSeconds() - processCpu0;
    writer.join();
    probe.stop();
    r.shown = shown;
    r.cpuPerMB = cpu / (double(data.size()) / (1024.0 * 1024.0));
    // All the program's threads (GL included); the writer's share is the
    // benchmark's own.
    r.processCpuPerMB = (processCpu - writerCpu) / (double(data.size()) / (1024.0 * 1024.0));
    r.worstLateMs = probe.worstLatenessMs();
    r.rss << kesptest::rssMB();
    return r;
}

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    benchdata::StreamOptions opt;
    opt.sizes = {1};
    bool stampRows = true;
    bool hidden = false;
    bool more = false;
    bool paints = false;
    bool hex = false;
    QString onlyKind; // both unless --kind=
    for (const QString &arg : app.arguments().mid(1)) {
        if (opt.take(arg)) {
            continue;
        } else if (arg == "--no-stamps") {
            stampRows = false;
        } else if (arg == "--hidden") {
            hidden = true;
        } else if (arg == "--hex") {
            hex = true;
        } else if (arg == "--paints") {
            paints = true;
        } else if (arg == "--more") {
            more = true;
        } else if (arg == "--kind=text" || arg == "--kind=binary") {
            onlyKind = arg.mid(7);
        } else {
            std::fprintf(stderr, "usage: bench_serial_stream [--quiet] [--sizes=1,10,100] [--paced-sizes=2] [--no-paced] "
                                 "[--no-unpaced] [--no-stamps] [--hex] [--hidden] [--more] [--paints] [--kind=text|binary]\n");
            return 2;
        }
    }
    kesptest::PtyPair pty;
    if (!pty.isReady()) {
        std::fprintf(stderr, "socat pty pair not available\n");
        return 1;
    }
    MainWindow w;
    w.show();
    auto *ports = w.findChild<QComboBox *>("portNameComboBox");
    ports->addItem(pty.deviceA());
    ports->setCurrentIndex(ports->count() - 1);
    auto *open = w.findChild<QAbstractButton *>("opencompushButton");
    QTest::mousePress(open, Qt::LeftButton);
    QTest::mouseRelease(open, Qt::LeftButton);
    if (w.statusBar()->currentMessage() != "Serial opened") {
        std::fprintf(stderr, "could not open %s\n", qPrintable(pty.deviceA()));
        return 1;
    }
    // The hex view stays hidden, as the window starts, unless --hex.
    w.findChild<QCheckBox *>("HEXcheckBox")->setChecked(hex);
    auto *tabs = w.findChild<QTabWidget *>("tabWidget");
    if (more) {
        // The web view is made when "More" is first shown; from then on the
        // window is drawn through GL.
        tabs->setCurrentWidget(w.findChild<QWidget *>("tab_2"));
        kesptest::spin(3000);
        tabs->setCurrentIndex(0);
    }
    if (hidden)
        w.hide();

    kesptest::spin(300);

    kesptest::reportIdle(more ? "Before streaming (More opened)" : "Before streaming (More never opened)");
    std::printf("%-8s %-8s %-6s %-6s %10s %12s %10s %12s %10s %8s  %s\n", "size_MB", "pacing", "kind", "stamps",
                "seconds", "bytes/s", "gui_s/MB", "process_s/MB", "worst_ms", "lost", "RSS_MB(after each 10 MB, end)");
    bool allShown = true;
    if (opt.pacedSizes.isEmpty())
        opt.pacedSizes = opt.sizes;
    for (bool isPaced : {true, false}) {
        if ((isPaced && !opt.paced) || (!isPaced && !opt.unpaced))
            continue;
        for (double mb : isPaced ? opt.pacedSizes : opt.sizes) {
            for (bool text : {true, false}) {
                if (!onlyKind.isEmpty() && onlyKind != (text ? "text" : "binary"))
                    continue;
                const QByteArray data = benchdata::makeData(qint64(mb * 1024 * 1024), text);
                for (bool stamps : {false, true}) {
                    if (stamps && !stampRows)
                        continue;
                    PaintCounter counter;
                    if (paints)
                        app.installEventFilter(&counter);
                    const Result r = runOne(w, pty, data, isPaced, stamps);
                    app.removeEventFilter(&counter);
                    QStringList rss;
                    for (double v : r.rss)
                        rss << QString::number(v, 'f', 0);
                    const qint64 lost = data.size() - r.shown;
                    allShown = allShown && lost == 0;
                    std::printf("%-8g %-8s %-6s %-6s %10.2f %12.0f %10.3f %12.3f %10lld %8lld  %s\n", mb,
                                isPaced ? "paced" : "unpaced", text ? "text" : "binary", stamps ? "on" : "off",
                                r.seconds, double(r.shown) / r.seconds, r.cpuPerMB, r.processCpuPerMB,
                                qint64(r.worstLateMs), lost, qPrintable(rss.join(' ')));
                    if (paints)
                        counter.print();
                    std::fflush(stdout);
                }
            }
        }
    }
    std::printf("Peak RSS %.0f MB\n", kesptest::peakRssMB());
    return allShown ? 0 : 1;
}
