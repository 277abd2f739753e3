// "GPS Debug" tab: position server under load and track replay speed.
//
//   bench_position_server [--seconds=10] [--rate=1000] [--lines=10000]
//
// Four python clients on 127.0.0.1 send together `rate` fixes/s for the
// given time with saving on: fixes sent against lines in the position
// file, worst lateness of a 10 ms GUI timer, memory.  Then a track of
// `lines` fixes replayed through the Import button, against the same
// segments added by one script call, both timed until the page holds them.
#include "app/mainwindow.h"
#include "terminals/file_dialogs.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/map_service.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <cstdio>
#include "instruments/gl_check.h"

using namespace kesptest;

static const char *kClients = R"(
import socket, sys, threading, time
port, rate, seconds = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3])
per = rate // 4
def run(k):
    s = socket.create_connection(("127.0.0.1", port))
    start = time.monotonic(); n = 0
    while n < per * seconds:
        due = int((time.monotonic() - start) * per) + 1
        chunk = b"".join(b"Latitude:%d.%07d,Longitude:%d.%07d\r\n" % (k + 1, i, k + 11, i)
                         for i in range(n, min(due, int(per * seconds))))
        n = min(due, int(per * seconds))
        s.sendall(chunk)
        time.sleep(0.005)
    time.sleep(1)
    s.close()
ts = [threading.Thread(target=run, args=(k,)) for k in range(4)]
[t.start() for t in ts]; [t.join() for t in ts]
print(per * 4 * int(seconds), flush=True)
)";

static QString js(MainWindow &w, const QString &script)
{
    return pageScript(child<QWebEngineView>(w, "gpsMapView")->page(), script, 60000);
}

static int arg(int argc, char **argv, const char *name, int def)
{
    const QByteArray key = QByteArray("--") + name + "=";
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith(key))
            return QByteArray(argv[i]).mid(key.size()).toInt();
    return def;
}

static const char *kCount = "(function(){var n=0;map.eachLayer(function(l){if(l instanceof L.Polyline)++n});return n})()";

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv, {{"GPS", "true"}});
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    const int seconds = arg(argc, argv, "seconds", 10);
    const int rate = arg(argc, argv, "rate", 1000);
    const int lines = arg(argc, argv, "lines", 10000);
    MapService service;
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "gps"));
    waitFor([&] { return js(w, "typeof marker") == "object"; }, 30000);

    press(w, "GPSportMode_02");
    const quint16 port = freeTcpPort();
    child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
    child<QCheckBox>(w, "GPSSavecheckBox")->setChecked(true);
    press(w, "GPSTCPopencompushButton");

    StallProbe probe;
    probe.start();
    QProcess clients;
    clients.start("python3", {"-c", kClients, QString::number(port), QString::number(rate), QString::number(seconds)});
    waitFor([&] { return clients.state() == QProcess::NotRunning; }, (seconds + 30) * 1000);
    const int sent = clients.readAllStandardOutput().trimmed().toInt();
    QFile file(home->path() + "/GPS_Date.txt");
    auto fileLines = [&] {
        file.open(QIODevice::ReadOnly);
        const int n = int(file.readAll().count('\n'));
        file.close();
        return n;
    };
    waitFor([&] { return fileLines() >= sent; }, 10000);
    probe.stop();
    std::printf("server: %d fixes sent, %d lines in the file, worst lateness %lld ms, RSS %.0f MB, peak %.0f MB\n",
                sent, fileLines(), probe.worstLatenessMs(), rssMB(), peakRssMB());
    press(w, "GPSTCPopencompushButton");

    QTemporaryDir dir;
    QFile track(dir.filePath("track.txt"));
    track.open(QIODevice::WriteOnly);
    QString reference;
    for (int i = 0; i < lines; ++i) {
        track.write(QStringLiteral("Latitude:%1,Longitude:%2\r\n").arg(30 + i * 1e-4).arg(110 + i * 1e-4).toUtf8());
        if (i > 0)
            reference += QStringLiteral("Set_Latit2(%1);Set_Longit2(%2);Set_Latit3(%3);Set_Longit3(%4);saveway();")
                             .arg(30 + (i - 1) * 1e-4).arg(110 + (i - 1) * 1e-4).arg(30 + i * 1e-4).arg(110 + i * 1e-4);
    }
    track.close();
    const int base = js(w, kCount).toInt();

    StallProbe replayProbe;
    replayProbe.start();
    QElapsedTimer t;
    t.start();
    FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return track.fileName(); });
    press(w, "GPStrochoidpushButton");
    waitFor([&] { return js(w, kCount).toInt() >= base + lines - 1; }, 120000);
    const double replay = t.nsecsElapsed() / 1e9;
    replayProbe.stop();

    t.restart();
    child<QWebEngineView>(w, "gpsMapView")->page()->runJavaScript(reference);
    waitFor([&] { return js(w, kCount).toInt() >= base + 2 * (lines - 1); }, 120000);
    const double oneCall = t.nsecsElapsed() / 1e9;
    std::printf("replay: %d lines in %.2f s (worst lateness %lld ms), one script call %.2f s, ratio %.2f\n", lines,
                replay, replayProbe.worstLatenessMs(), oneCall, replay / oneCall);
    return 0;
}
