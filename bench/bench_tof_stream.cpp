// Feeds the "TOF" tab from the fake ToF board (tests/instruments/
// fake_tof_board.py) through a pty at 115200 bytes/s (1152000 baud) and
// reports how each view keeps up.
//
//   bench_tof_stream [--seconds=20] [--only=N]
//
// Per run: frames sent and parsed, view refreshes per second, delay from the
// board's end until the view shows its last frame, worst and 99th-percentile
// lateness of a 10 ms GUI timer, RSS at 5 s and at the end.  Reference: one
// refresh of each view with one 54x42 frame.  The filter is off so the last
// frame alone decides what must show.
#include "instruments/line_framer.h"
#include "instruments/tof_frame.h"
#include "terminals/thread_serial.h"
#include "tests/support/kesp_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/QSurface3DSeries>

#include <algorithm>
#include <cstdio>

// The bench counts what the panel's reader receives on the window's own
// serial holder, which the window keeps private.
#define private public
#include "app/mainwindow.h"
#undef private

#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"
#include "instruments/gl_check.h"

namespace {

struct Scenario
{
    const char *name;
    int type;
    const char *arrangement;
    int view; // 0 grid, 1 surface, 2 heat map
    int count;
};

class EventCounter : public QObject
{
public:
    explicit EventCounter(QEvent::Type type)
        : m_type(type)
    {
    }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == m_type)
            ++count;
        return false;
    }

private:
    QEvent::Type m_type;
};

template <typename T>
T *child(QObject &w, const char *name)
{
    return w.findChild<T *>(QString::fromLatin1(name));
}

QList<int> shownFor(int type, const QList<int> &frame)
{
    QList<int> values(TofFrame::kMaxValues, 0);
    TofFrame::FilterState state{};
    const int n = TofFrame::apply(values, state, type, frame, false);
    return values.mid(0, n);
}

bool shows(MainWindow &w, int view, const QList<int> &want)
{
    vexmora_tof *tof = w.tofWidget;
    if (view == 2)
        return tof->heatmapView->values == want;
    if (view == 0) {
        const QList<QLabel *> &labels = tof->dataView->labels;
        for (int i = 0; i < want.size() && i < labels.size(); ++i)
            if (labels.at(i)->text().toInt() != want.at(i))
                return false;
        return true;
    }
    vexmora_tof_surface *s = tof->surfaceView;
    const QSurfaceDataArray *data = s->surfaceData();
    for (int i = 0; i < want.size() && i < s->masterPoints.size(); ++i) {
        const QPoint p = s->masterPoints.at(i);
        if (int(data->at(p.y())->at(p.x()).y()) != std::min(s->maxRange, want.at(i)))
            return false;
    }
    return true;
}

void run(MainWindow &w, const kesptest::PtyPair &pty, const Scenario &sc, double seconds)
{
    child<QComboBox>(w, "TOFTYPEcomboBox")->setCurrentIndex(sc.type);
    child<QComboBox>(w, "TOFArrangementcomboBox")->setCurrentText(QString::fromLatin1(sc.arrangement));
    child<QComboBox>(w, "TOFRangeComboBox")->setCurrentText(QStringLiteral("4000"));
    child<QComboBox>(w, "TOFFilterComboBox")->setCurrentIndex(0);
    child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(sc.view);
    child<QComboBox>(w, "TOFbaudRateComboBox")->setCurrentText(QStringLiteral("1152000"));
    auto *ports = child<QComboBox>(w, "TOFportNameComboBox");
    ports->addItem(pty.deviceA());
    ports->setCurrentIndex(ports->count() - 1);
    child<QPushButton>(w, "TOFopencompushButton")->pressed();
    QCoreApplication::processEvents();
    if (w.statusBar()->currentMessage() != QStringLiteral("Serial opened")) {
        std::printf("%s: the port did not open\n", sc.name);
        return;
    }

    // Frames the reader receives, cut by the same framer on the same bytes.
    LineFramer framer;
    qint64 parsed = 0;
    QObject::connect(w.serialThread, &ThreadSerial::Serial_read_Data, [&](const QByteArray &bytes) {
        for (const QByteArray &line : framer.push(bytes))
            parsed += TofFrame::acceptedCount(int(TofFrame::splitValues(line).size()));
    });

    vexmora_tof *tof = w.tofWidget;
    EventCounter paints(QEvent::Paint);
    int resets = 0;
    if (sc.view == 0)
        tof->dataView->labels.last()->installEventFilter(&paints);
    else if (sc.view == 2)
        tof->heatmapView->installEventFilter(&paints);
    else if (Q3DSurface *g = tof->surfaceView->surfaceGraph())
        QObject::connect(g->seriesList().first()->dataProxy(), &QSurfaceDataProxy::arrayReset, [&] { ++resets; });

    QList<qint64> late;
    QElapsedTimer probeClock;
    probeClock.start();
    qint64 lastTick = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = probeClock.elapsed();
        late << std::max<qint64>(0, now - lastTick - 10);
        lastTick = now;
    });
    probe.start(10);

    QProcess board;
    board.start(QStringLiteral("python3"),
                {QStringLiteral(KESP_FAKE_TOF), pty.deviceB(), QString::number(sc.count), "--seconds",
                 QString::number(seconds), "--rate", "115200", "--seed", "7"});
    board.waitForStarted(5000);
    QElapsedTimer clock;
    clock.start();
    double rss5 = 0;
    QEventLoop loop;
    QTimer check;
    QList<int> want;
    qint64 boardEnd = -1, shownAt = -1, sent = 0;
    QObject::connect(&check, &QTimer::timeout, [&] {
        if (rss5 == 0 && clock.elapsed() >= 5000)
            rss5 = kesptest::rssMB();
        if (boardEnd < 0 && board.state() == QProcess::NotRunning) {
            boardEnd = clock.elapsed();
            const QList<QByteArray> out = board.readAllStandardOutput().trimmed().split('\n');
            sent = QJsonDocument::fromJson(out.last()).object()["done"].toInteger();
            QList<int> frame;
            for (const QJsonValue &v : QJsonDocument::fromJson(out.value(out.size() - 2)).array())
                frame << v.toInt();
            want = shownFor(sc.type, frame);
        }
        if (boardEnd >= 0 && shows(w, sc.view, want)) {
            shownAt = clock.elapsed();
            loop.quit();
        }
        if (boardEnd >= 0 && clock.elapsed() - boardEnd > 10000)
            loop.quit();
    });
    check.start(20);
    loop.exec();
    probe.stop();
    const double elapsed = boardEnd / 1000.0;
    const int refreshes = sc.view == 1 ? resets : paints.count;
    std::sort(late.begin(), late.end());
    const qint64 p99 = late.isEmpty() ? 0 : late.at(qMin<qsizetype>(late.size() - 1, late.size() * 99 / 100));
    std::printf("%-26s sent %5lld parsed %5lld  refresh/s %6.1f  last shown after %s  late worst %4lld ms "
                "p99 %3lld ms  RSS %.0f -> %.0f MB\n",
                sc.name, sent, parsed, refreshes / std::max(0.001, elapsed),
                shownAt < 0 ? "never" : qPrintable(QStringLiteral("%1 ms").arg(shownAt - boardEnd)),
                late.isEmpty() ? 0 : late.last(), p99, rss5, kesptest::rssMB());
    std::fflush(stdout);
    child<QPushButton>(w, "TOFopencompushButton")->pressed();
    QCoreApplication::processEvents();
}

// One refresh of each view with one 54x42 frame, measured alone.
void reference(MainWindow &w)
{
    child<QComboBox>(w, "TOFTYPEcomboBox")->setCurrentIndex(TofFrame::VL53L9);
    vexmora_tof *tof = w.tofWidget;
    QList<int> frame;
    for (int i = 0; i < 2268; ++i)
        frame << 100 + (i * 37) % 3800;
    const auto time = [](const std::function<void()> &f) {
        QElapsedTimer t;
        t.start();
        f();
        return t.nsecsElapsed() / 1e6;
    };
    child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(0);
    QCoreApplication::processEvents();
    double gridSet = 0;
    const double grid = time([&] {
        gridSet = time([&] {
            for (int i = 0; i < frame.size(); ++i)
                tof->dataView->updateLabelValues(i, frame.at(i));
        });
        QCoreApplication::processEvents();
    });
    frame[0] = 3;
    const double gridOne = time([&] {
        tof->dataView->updateLabelValues(0, frame.at(0));
        QCoreApplication::processEvents();
    });
    std::printf("grid: set %.1f ms, one label + events %.1f ms\n", gridSet, gridOne);
    child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(2);
    QCoreApplication::processEvents();
    (void)tof->heatmapView->grab(); // the first grab sets up caches
    const double map = time([&] {
        tof->heatmapView->updateData(frame);
        (void)tof->heatmapView->grab();
    });
    child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    double surface = -1;
    if (Q3DSurface *g = tof->surfaceView->surfaceGraph()) {
        QList<double> heights(frame.begin(), frame.end());
        surface = time([&] {
            tof->surfaceView->updateMultipleDataPoints(tof->surfaceView->masterPoints, heights);
            (void)g->renderToImage(0, tof->surfaceView->size());
        });
    }
    std::printf("reference, one 54x42 frame: grid %.1f ms, heat map %.1f ms, surface %.1f ms\n", grid, map, surface);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    double seconds = 20;
    int only = -1;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith(QLatin1String("--seconds=")))
            seconds = arg.mid(10).toDouble();
        if (arg.startsWith(QLatin1String("--only=")))
            only = arg.mid(7).toInt();
    }
    kesptest::PtyPair pty;
    if (!pty.isReady()) {
        std::printf("socat did not make a pty pair\n");
        return 1;
    }
    pty.farFd();
    MainWindow w;
    w.resize(1280, 900);
    w.show();
    kesptest::reportIdle("Before streaming");
    auto *tabs = child<QTabWidget>(w, "tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == QLatin1String("TOF"))
            tabs->setCurrentIndex(i);
    QCoreApplication::processEvents();

    reference(w);
    const Scenario scenarios[] = {
        {"VL53L9 54x42, grid", TofFrame::VL53L9, "54x42", 0, 2268},
        {"VL53L9 54x42, surface", TofFrame::VL53L9, "54x42", 1, 2268},
        {"VL53L9 54x42, heat map", TofFrame::VL53L9, "54x42", 2, 2268},
        {"VL53L9 24x20, heat map", TofFrame::VL53L9, "24x20", 2, 576},
        {"TMF8829 48x32, heat map", TofFrame::TMF8829, "48x32", 2, 1536},
    };
    for (int i = 0; i < int(std::size(scenarios)); ++i)
        if (only < 0 || only == i)
            run(w, pty, scenarios[i], seconds);
    return 0;
}
