// Satellite-signal dialog under a live five-system receiver.
//
//   bench_gps_signal [--seconds=20] [--rates=1,5,10] [--reopen=20] [--no-map]
//
// tests/positioning/nmea_log.py --five-systems (GGA, 12 GSV, RMC an epoch)
// into a pty with the dialog open, at each rate in turn: CPU of the whole
// process (all threads) and of the GUI thread, worst lateness of a 10 ms
// GUI timer, the share of GSV sentences whose records reached the dialog,
// and how far behind a satellite's latest report its drawn point is (the
// receiver turns each satellite one degree an epoch, so a drawn azimuth
// tells which report it shows).  Then RSS over repeated close and reopen
// with the 10 Hz stream running.  --no-map: the GPS tab without its web
// view (its notice, as for root without the sandbox switch).
#include "app/mainwindow.h"
#include "positioning/gps_signal.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScatterSeries>
#include <QTabWidget>
#include <QWebEngineView>

#include <cstdio>
#include <deque>
#include "instruments/gl_check.h"

namespace {

const char *const kPrefix[6] = {"", "GP", "GB", "GL", "GA", "GQ"}; // by constellation code

struct Epoch
{
    qint64 sentMs;
    QJsonObject sky; // azimuth by label
};

// The receiver on the far end, its epochs as it reports them.
class Receiver
{
public:
    Receiver(const QString &device, double rate, int epochs)
    {
        QObject::connect(&m_rx, &QProcess::readyReadStandardOutput, [this] { read(); });
        m_rx.start("python3", {QStringLiteral(KESP_NMEA_LOG), device, "--five-systems", "--epochs",
                               QString::number(epochs), "--rate", QString::number(rate), "--seed", "4"});
    }
    ~Receiver()
    {
        m_rx.kill();
        m_rx.waitForFinished();
    }
    qint64 sentBetween(qint64 fromMs, qint64 toMs) const
    {
        return std::count_if(m_epochs.begin(), m_epochs.end(),
                             [=](const Epoch &e) { return e.sentMs >= fromMs && e.sentMs <= toMs; });
    }
    // When the epoch that gave this satellite this azimuth was sent; -1
    // when older than the history kept.
    qint64 sentMsOf(const QString &label, int azimuth) const
    {
        const auto e = epochOf(label, azimuth);
        return e == m_epochs.end() ? -1 : e->sentMs;
    }
    // How long a satellite shown at this azimuth has been behind: since the
    // first newer report was sent; 0 when it shows the latest.
    qint64 lagMs(const QString &label, int azimuth, qint64 nowMs) const
    {
        auto shown = epochOf(label, azimuth);
        if (m_epochs.empty() || shown == m_epochs.end() - 1)
            return 0;
        return nowMs - (shown == m_epochs.end() ? m_epochs.front() : *(shown + 1)).sentMs;
    }

private:
    // The newest epoch that gave this satellite this azimuth.
    std::deque<Epoch>::const_iterator epochOf(const QString &label, int azimuth) const
    {
        for (auto e = m_epochs.end(); e != m_epochs.begin();)
            if ((--e)->sky.value(label).toInt(-1) == azimuth)
                return e;
        return m_epochs.end();
    }
    void read()
    {
        while (m_rx.canReadLine()) {
            const QJsonObject o = QJsonDocument::fromJson(m_rx.readLine()).object();
            m_epochs.push_back({qint64(o["sent"].toDouble() * 1000), o["sky"].toObject()});
            while (m_epochs.size() > 600)
                m_epochs.pop_front();
        }
    }
    QProcess m_rx;
    std::deque<Epoch> m_epochs;
};

// The satellites drawn on the sky plot, by label, against the receiver.
qint64 worstLagMs(MainWindow &w, const Receiver &rx)
{
    static const QHash<QString, QString> system = {
        {"#209fdf", "GP"}, {"#f96b18", "GB"}, {"#99ca53", "GL"}, {"#f9f553", "GA"}, {"#8e3009", "GQ"}};
    auto *view = w.findChild<QChartView *>("gpsSkyView");
    if (!view)
        return 0;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    qint64 worst = 0;
    for (QAbstractSeries *s : view->chart()->series())
        if (auto *sc = qobject_cast<QScatterSeries *>(s); sc && sc->count() == 1)
            worst = qMax(worst, rx.lagMs(system.value(sc->color().name()) + sc->name(), qRound(sc->at(0).x()), now));
    return worst;
}

} // namespace

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv, {{"GPS", "true"}});
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    bool noMap = false;
    for (int i = 1; i < argc; ++i)
        noMap |= qstrcmp(argv[i], "--no-map") == 0;
    if (noMap)
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    QApplication app(argc, argv);
    double seconds = 20;
    int reopen = 20;
    QList<double> rates{1, 5, 10};
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--seconds="))
            seconds = arg.mid(10).toDouble();
        else if (arg.startsWith("--reopen="))
            reopen = arg.mid(9).toInt();
        else if (arg.startsWith("--rates=")) {
            rates.clear();
            for (const QString &r : arg.mid(8).split(','))
                rates << r.toDouble();
        }
    }
    kesptest::PtyPair pty;
    pty.farFd();
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    kesptest::child<QTabWidget>(w, "tabWidget")->setCurrentWidget(kesptest::child<QWidget>(w, "gps"));
    kesptest::choosePort(w, "GPSportNameComboBox", pty.deviceA());
    kesptest::press(w, "GPSopencompushButton");
    kesptest::press(w, "GPSsignal");
    // The first seconds lay out six charts and start the map's renderer.
    kesptest::spin(3000);
    std::printf("map: %s\n", w.findChild<QWebEngineView *>("gpsMapView") ? "web view" : "no web view");
    std::printf("%5s %9s %9s %10s %9s %9s %10s\n", "Hz", "process", "GUI", "worst 10ms", "GSV sent", "GSV drawn",
                "worst lag");
    std::fflush(stdout);

    for (double rate : rates) {
        Receiver rx(pty.deviceB(), rate, int((seconds + 8) * rate) + 10);
        kesptest::spin(2000);
        // Each sentence's records as the worker hands them to the window,
        // by first satellite and its azimuth; a result may come before the
        // receiver's line about its epoch.
        QList<QPair<QString, int>> handed;
        QObject context;
        if (auto *worker = w.findChild<GPS_Signal *>())
            QObject::connect(worker, &GPS_Signal::ReturnResult, &context, [&](GsvRecords r) {
                handed.append({kPrefix[r.sat[0].constellation] + QString::number(r.sat[0].PRN), r.sat[0].azimuth});
            });
        qint64 lag = 0;
        QTimer sample;
        QObject::connect(&sample, &QTimer::timeout, [&] { lag = qMax(lag, worstLagMs(w, rx)); });
        sample.start(100);
        kesptest::StallProbe probe;
        probe.start();
        const qint64 start = QDateTime::currentMSecsSinceEpoch();
        const double gui0 = kesptest::threadCpuSeconds(), process0 = kesptest::processCpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QEventLoop loop;
        QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
        loop.exec();
        const double secs = clock.elapsed() / 1000.0;
        const double gui = kesptest::threadCpuSeconds() - gui0, process = kesptest::processCpuSeconds() - process0;
        const qint64 end = QDateTime::currentMSecsSinceEpoch();
        probe.stop();
        sample.stop();
        // The last sentences of the window are handed over after it.
        kesptest::spin(2500);
        const qint64 sent = 12 * rx.sentBetween(start, end);
        QSet<QPair<qint64, QString>> sentences;
        for (const auto &[label, azimuth] : handed)
            if (const qint64 at = rx.sentMsOf(label, azimuth); at >= start && at <= end)
                sentences.insert({at, label});
        const qint64 drawn = sentences.size();
        std::printf("%5g %8.1f%% %8.1f%% %7lld ms %9lld %8.1f%% %7lld ms\n", rate, 100 * process / secs,
                    100 * gui / secs, qint64(probe.worstLatenessMs()), sent, 100.0 * drawn / qMax<qint64>(1, sent),
                    lag);
        std::fflush(stdout);
    }

    if (reopen > 0) {
        Receiver rx(pty.deviceB(), 10, reopen * 10 + 50);
        QStringList rss{QString::number(kesptest::rssMB(), 'f', 1)};
        for (int i = 1; i <= reopen; ++i) {
            for (QDialog *d : w.findChildren<QDialog *>("GPSsignal"))
                kesptest::press(*d, "GPSsignalCancel");
            kesptest::waitFor([&] { return w.findChildren<QDialog *>("GPSsignal").isEmpty(); });
            kesptest::spin(200);
            kesptest::press(w, "GPSsignal");
            kesptest::spin(800);
            if (i % 5 == 0)
                rss << QString::number(kesptest::rssMB(), 'f', 1);
        }
        std::printf("RSS MB at start and every 5 of %d reopenings at 10 Hz: %s\n", reopen, qPrintable(rss.join(' ')));
    }
    return 0;
}
