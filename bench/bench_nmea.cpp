// NMEA core and "GPS Debug" tab throughput.
//
//   bench_nmea [--mb=30] [--seconds=20]
//
// Core: a generated multi-GNSS log (tests/positioning/nmea_log.py) through
// the framer and decoders in 1-, 64-, 4096-byte and whole-file batches, the
// framer alone, a plain split-and-XOR loop and gpsdecode on the same bytes;
// then twice the log in 4096-byte batches.  Tab: the receiver paced at about
// 921600 baud into a pty for the given time; time until the last fix shows
// after the receiver stops, worst lateness of a 10 ms GUI timer, RSS every 5 s.
#include "app/mainwindow.h"
#include "positioning/nmea_decoder.h"
#include "positioning/nmea_framer.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include "instruments/gl_check.h"

static qint64 g_sink = 0;

static double throughCore(const QByteArray &log, qint64 batch, bool decode, qint64 *sentences)
{
    NmeaFramer framer;
    NmeaReadout r;
    nmea_msg msg;
    QElapsedTimer t;
    t.start();
    const qint64 step = batch ? batch : log.size();
    for (qint64 at = 0; at < log.size(); at += step)
        for (const QByteArray &s : framer.feed(QByteArrayView(log).sliced(at, qMin(step, log.size() - at)))) {
            if (decode)
                Nmea::decode(s.constData(), &msg, &r, QStringLiteral("Yes"), QStringLiteral("No"));
            g_sink += s.size();
        }
    *sentences = framer.sentences() - framer.badSentences();
    return t.nsecsElapsed() / 1e9;
}

// What any NMEA reader must do at least: find lines and check their sums.
static double plainLoop(const QByteArray &log, qint64 *good)
{
    QElapsedTimer t;
    t.start();
    qint64 ok = 0;
    const char *p = log.constData(), *end = p + log.size();
    while (p < end) {
        const char *lf = static_cast<const char *>(memchr(p, '\n', size_t(end - p)));
        const char *stop = lf ? lf : end;
        const char *dollar = static_cast<const char *>(memchr(p, '$', size_t(stop - p)));
        if (dollar) {
            unsigned char x = 0;
            const char *q = dollar + 1;
            for (; q < stop && *q != '*'; ++q)
                x ^= static_cast<unsigned char>(*q);
            if (q + 2 < stop + 1 && q < stop && QByteArray(q + 1, 2).toInt(nullptr, 16) == x)
                ++ok;
        }
        p = stop + 1;
    }
    *good = ok;
    return t.nsecsElapsed() / 1e9;
}

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv, {{"GPS", "true"}});
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    int mb = 30;
    double seconds = 20;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--mb="))
            mb = arg.mid(5).toInt();
        else if (arg.startsWith("--seconds="))
            seconds = arg.mid(10).toDouble();
    }
    const QString script = QStringLiteral(KESP_NMEA_LOG);
    QTemporaryDir dir;
    const QString path = dir.filePath("log.nmea");
    QProcess gen;
    gen.setStandardOutputFile(QProcess::nullDevice());
    gen.start("python3", {script, path, "--bytes", QString::number(qint64(mb) << 20), "--seed", "5"});
    gen.waitForFinished(-1);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray log = f.readAll();
    std::printf("core: %.1f MB log\n%-28s %10s %12s\n", log.size() / 1048576.0, "run", "seconds", "sentences/s");
    auto row = [](const char *what, double secs, qint64 n) {
        std::printf("%-28s %10.3f %12.0f\n", what, secs, n / qMax(1e-9, secs));
        std::fflush(stdout);
    };
    qint64 n = 0;
    double s4096 = 0;
    for (qint64 batch : {qint64(1), qint64(64), qint64(4096), qint64(0)}) {
        const double s = throughCore(log, batch, true, &n);
        if (batch == 4096)
            s4096 = s;
        row(qPrintable(batch ? QStringLiteral("framer+decoders %1 B").arg(batch)
                             : QStringLiteral("framer+decoders whole")),
            s, n);
    }
    const double framerOnly = throughCore(log, 4096, false, &n);
    row("framer only 4096 B", framerOnly, n);
    qint64 good = 0;
    const double plain = plainLoop(log, &good);
    row("plain split-and-XOR", plain, good);
    {
        QProcess gpsd;
        gpsd.setStandardInputFile(path);
        gpsd.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        gpsd.start("gpsdecode", {"-j"});
        gpsd.waitForFinished(-1);
        row("gpsdecode -j", t.nsecsElapsed() / 1e9, good);
    }
    const double twice = throughCore(log + log, 4096, true, &n);
    row("twice the log, 4096 B", twice, n);
    std::printf("twice/once at 4096 B: %.2f\n\n", twice / qMax(1e-9, s4096));

    // The tab on a pty.
    kesptest::PtyPair pty;
    pty.farFd();
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    kesptest::child<QTabWidget>(w, "tabWidget")->setCurrentWidget(kesptest::child<QWidget>(w, "gps"));
    kesptest::choosePort(w, "GPSportNameComboBox", pty.deviceA());
    auto *baud = kesptest::child<QComboBox>(w, "GPSbaudRateComboBox");
    baud->setEditable(true);
    baud->setEditText("921600");
    kesptest::press(w, "GPSopencompushButton");
    kesptest::StallProbe probe;
    probe.start();
    // About 540 bytes per epoch: 170 epochs/s fill 921600 baud.
    const int epochs = int(seconds * 170);
    QProcess rx;
    rx.start("python3", {script, pty.deviceB(), "--epochs", QString::number(epochs), "--rate", "170", "--seed", "9"});
    QElapsedTimer clock;
    clock.start();
    QStringList rss;
    qint64 nextRss = 5000;
    while (rx.state() != QProcess::NotRunning) {
        kesptest::spin(20);
        if (clock.elapsed() >= nextRss) {
            rss << QString::number(kesptest::rssMB(), 'f', 0);
            nextRss += 5000;
        }
    }
    const QList<QByteArray> out = rx.readAllStandardOutput().trimmed().split('\n');
    const QString lastTime = QJsonDocument::fromJson(out.last()).object()["time"].toString();
    QElapsedTimer shown;
    shown.start();
    auto *utc = kesptest::child<QLabel>(w, "GPS_UTC");
    kesptest::waitFor([&] { return utc->text() == lastTime; }, 30000);
    const double late = shown.elapsed() / 1000.0;
    probe.stop();
    rss << QString::number(kesptest::rssMB(), 'f', 0);
    std::printf("tab: %d epochs in %.1f s; last fix shown %.3f s after the receiver stopped (%s); "
                "worst 10 ms timer lateness %lld ms; RSS MB every 5 s: %s\n",
                int(out.size()), clock.elapsed() / 1000.0, late, utc->text() == lastTime ? "shown" : "NOT shown",
                qint64(probe.worstLatenessMs()), qPrintable(rss.join(' ')));
    return g_sink == 42 ? 1 : 0;
}
