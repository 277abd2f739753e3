// Satellite-signal dialog under a live receiver.
//
//   bench_gps_signal [--seconds=30] [--reopen=20]
//
// A 10 Hz multi-GNSS receiver (tests/positioning/nmea_log.py, four GSV
// sentences per epoch) into a pty with the dialog open: GSV sentences
// offered against results drawn per second, worst lateness of a 10 ms GUI
// timer; then RSS over repeated close and reopen with the stream running.
#include "app/mainwindow.h"
#include "positioning/gps_signal.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QProcess>
#include <QTabWidget>

#include <cstdio>
#include "instruments/gl_check.h"

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv, {{"GPS", "true"}});
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    double seconds = 30;
    int reopen = 20;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg.startsWith("--seconds="))
            seconds = arg.mid(10).toDouble();
        else if (arg.startsWith("--reopen="))
            reopen = arg.mid(9).toInt();
    }
    const QString script = QStringLiteral(KESP_NMEA_LOG);
    kesptest::PtyPair pty;
    pty.farFd();
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    kesptest::child<QTabWidget>(w, "tabWidget")->setCurrentWidget(kesptest::child<QWidget>(w, "gps"));
    kesptest::choosePort(w, "GPSportNameComboBox", pty.deviceA());
    kesptest::press(w, "GPSopencompushButton");
    kesptest::press(w, "GPSsignal");

    const int epochs = int(seconds * 10) + reopen * 10 + 80;
    QProcess rx;
    rx.setStandardOutputFile(QProcess::nullDevice());
    rx.start("python3", {script, pty.deviceB(), "--epochs", QString::number(epochs), "--rate", "10", "--seed", "4"});

    // The first second lays out six charts and starts the map's renderer.
    kesptest::spin(2000);
    auto *worker = w.findChild<GPS_Signal *>();
    const qint64 before = worker ? worker->emitted() : 0;
    kesptest::StallProbe probe;
    probe.start();
    QElapsedTimer clock;
    clock.start();
    kesptest::spin(int(seconds * 1000));
    probe.stop();
    const double secs = clock.elapsed() / 1000.0;
    const qint64 drawn = worker ? worker->emitted() - before : 0;
    std::printf("%.1f s at 10 Hz: GSV offered %.1f/s, results drawn %.1f/s, peak queue %d, "
                "worst 10 ms timer lateness %lld ms\n",
                secs, 40.0, drawn / secs, worker ? worker->peakQueued() : -1, qint64(probe.worstLatenessMs()));

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
    std::printf("RSS MB at start and every 5 of %d reopenings: %s\n", reopen, qPrintable(rss.join(' ')));
    rx.kill();
    rx.waitForFinished();
    return 0;
}
