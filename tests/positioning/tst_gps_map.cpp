// The "GPS Debug" tab against its real map pages (local tile and
// geolocation stand-in) and python position clients: geolocation, alerts,
// the position server with interleaving clients, the position file, track
// replay, route search, and a busy port.
#include "tests/support/kesp_test_support.h"
#include "tests/support/map_service.h"
#include "tests/support/widget_helpers.h"

#include "app/mainwindow.h"
#include "terminals/file_dialogs.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebEngineView>
#include <QtTest>

using namespace kesptest;

static QMap<QString, QVariant> gpsIni(const QMap<QString, QVariant> &extra = {})
{
    QMap<QString, QVariant> ini{{"GPS", "true"}};
    ini.insert(extra);
    return quietIni(ini);
}

static QString js(MainWindow &w, const QString &script)
{
    return pageScript(child<QWebEngineView>(w, "gpsMapView")->page(), script, 10000);
}

static void showGps(MainWindow &w)
{
    w.show();
    child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "gps"));
}

// One NMEA sentence with its checksum and line end.
static QByteArray nmea(const QByteArray &body)
{
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" + QByteArray::number(uchar(sum), 16).toUpper().rightJustified(2, '0') + "\r\n";
}

static const char *kRedLines =
    "(function(){var o=[];map.eachLayer(function(l){if(l instanceof L.Polyline&&l.options.color==='red'){"
    "var p=l.getLatLngs();o.push([p[0].lat,p[0].lng,p[1].lat,p[1].lng].join(','))}});return o.join(';')})()";

class GpsMapTest : public QObject
{
    Q_OBJECT
private slots:
    // Also: a southern serial fix saved signed.
    void openStreetMapPageServerAndReplay()
    {
        TempHome home(gpsIni());
        MapService service;
        QVERIFY(service.isReady());
        ModalCloser closer;
        MainWindow w;
        showGps(w);
        QVERIFY(child<QWidget>(w, "GPSpushButtonsearchdriving")->isHidden());

        // Geolocation moves the marker and opens the popup.
        QVERIFY(waitFor([&] { return js(w, "hereMarker&&hereMarker.isPopupOpen()") == "true"; }, 30000));
        QCOMPARE(js(w, "hereMarker.getPopup().getContent().textContent"), QString("You are here: Sydney"));
        QCOMPARE(js(w, "marker.getLatLng().lat+','+marker.getLatLng().lng"), QString("-33.8688,151.2093"));
        QCOMPARE(closer.count(), 0);

        // A busy port is reported and leaves the server stopped.
        QTcpServer blocker;
        QVERIFY(blocker.listen(QHostAddress::Any, 0));
        press(w, "GPSportMode_02");
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText(QString::number(blocker.serverPort()));
        press(w, "GPSTCPopencompushButton");
        QVERIFY2(status(w).startsWith("Server failed to start"), qPrintable(status(w)));
        QCOMPARE(child<QPushButton>(w, "GPSTCPopencompushButton")->text(), QString("Start"));
        QVERIFY(child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->isEnabled());

        // A port that would wrap is refused; nothing listens.
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText("70000");
        press(w, "GPSTCPopencompushButton");
        QCOMPARE(status(w), QString("Invalid port \"70000\": enter a number from 0 to 65535 (0 lets the system choose)"));
        QCOMPARE(child<QPushButton>(w, "GPSTCPopencompushButton")->text(), QString("Start"));
        QVERIFY(child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->isEnabled());

        // Three clients interleave partial lines, two fixes in one chunk,
        // a null fix, a 1 MB line and an injection attempt.
        const quint16 port = freeTcpPort();
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
        child<QCheckBox>(w, "GPSSavecheckBox")->setChecked(true);
        press(w, "GPSTCPopencompushButton");
        QCOMPARE(status(w), QString("Server has started on port %1").arg(port));
        QVERIFY(!child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->isEnabled());
        QProcess clients;
        clients.start("python3", {QFINDTESTDATA("position_clients.py"), QString::number(port)});
        QVERIFY(waitFor([&] { return clients.readAllStandardOutput().contains("sent"); }, 30000));
        QVERIFY(waitFor([&] { return child<QLabel>(w, "Jingdu")->text() == "31.0625"; }, 10000));
        QCOMPARE(child<QLabel>(w, "Weidu")->text(), QString("30.125"));
        QCOMPARE(child<QLabel>(w, "Haibagaodu")->text(), QString("Null"));
        QVERIFY(waitFor([&] { return js(w, "marker.getLatLng().lat+','+marker.getLatLng().lng") == "30.125,31.0625"; }));
        QCOMPARE(js(w, "typeof window.pwned"), QString("undefined"));

        QTemporaryDir dir;
        QFile expected(dir.filePath("expected.txt"));
        QVERIFY(expected.open(QIODevice::WriteOnly));
        expected.write("Latitude:10.5,Longitude:11.5\r\nLatitude:12.5,Longitude:13.5\r\n"
                       "Latitude:20.25,Longitude:121.5\r\nLatitude:14.5,Longitude:15.5\r\n"
                       "Latitude:30.125,Longitude:31.0625\r\n");
        expected.close();
        QCOMPARE(QProcess::execute("cmp", {expected.fileName(), home.path() + "/GPS_Date.txt"}), 0);

        // Stop with clients connected: nobody is reported as left.
        press(w, "GPSTCPopencompushButton");
        QCOMPARE(status(w), QString("Server has stopped"));
        clients.kill();
        clients.waitForFinished();
        spin(300);
        QCOMPARE(status(w), QString("Server has stopped"));
        QCOMPARE(child<QPushButton>(w, "GPSTCPopencompushButton")->text(), QString("Start"));

        // Port 0: the system chooses, and the status names its choice.
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText("0");
        press(w, "GPSTCPopencompushButton");
        const QString started = status(w);
        QVERIFY2(started.startsWith("Server has started on port "), qPrintable(started));
        const quint16 chosen = quint16(started.section(' ', -1).toUInt());
        QVERIFY(chosen != 0);
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, chosen);
        QVERIFY(probe.waitForConnected(5000));
        press(w, "GPSTCPopencompushButton");

        // Track replay: LF-only lines, skipped lines keep the chain, a
        // repeat draws nothing, script in a value is not run.
        QFile track(dir.filePath("track.txt"));
        QVERIFY(track.open(QIODevice::WriteOnly));
        track.write("Latitude:1,Longitude:2\n\nnoise\nLatitude:3,Longitude:4\nLatitude:3,Longitude:4\nLatitude:5\n"
                    "Latitude:1);window.pwned=1;//,Longitude:2\nLatitude:6,Longitude:7");
        track.close();
        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return track.fileName(); });
        press(w, "GPStrochoidpushButton");
        FileDialogs::setOpenHook({});
        QCOMPARE(status(w), QString("Success for read the data in the file"));
        QVERIFY(waitFor([&] { return js(w, kRedLines) == "1,2,3,4;3,4,6,7"; }));
        QCOMPARE(js(w, "typeof window.pwned"), QString("undefined"));

        // A southern receiver fix is saved signed, as the map gets it.
        PtyPair pty;
        QVERIFY(pty.isReady());
        choosePort(w, "GPSportNameComboBox", pty.deviceA());
        press(w, "GPSopencompushButton");
        QCOMPARE(status(w), QString("Serial opened"));
        // The fix state comes with GGA, the position with RMC.
        for (const QByteArray &body : {QByteArray("GPGGA,123519,3351.1280,S,15112.5580,E,1,08,0.9,545.4,M,46.9,M,,"),
                                      QByteArray("GPRMC,123519,A,3351.1280,S,15112.5580,E,022.4,084.4,230394,003.1,W")})
            QVERIFY(pty.writeFar(nmea(body)));
        QFile file(home.path() + "/GPS_Date.txt");
        QVERIFY(waitFor([&] { return file.size() > expected.size(); }));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().endsWith("\r\nLatitude:-33.8521333,Longitude:151.2093000\r\n"));
        QVERIFY(waitFor([&] { return js(w, "marker.getLatLng().lat.toFixed(4)") == "-33.8521"; }));
        press(w, "GPSopencompushButton");
        QCOMPARE(closer.count(), 0);
    }

    // The map is made when the tab is first shown: a fix from the position
    // server, a later one from the receiver and a track, all come while the
    // tab is hidden, reach the page once it has loaded; the map opens on
    // the latest fix and the IP guess answering after it does not move it.
    void earlyFixesAndTrackWaitForTheMap()
    {
        TempHome home(gpsIni());
        // The IP guess answers after the page has loaded.
        MapService service(true, -33.8688, 151.2093, "Sydney", 3000);
        QVERIFY(service.isReady());
        ModalCloser closer;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!child<QWidget>(w, "gps")->isVisible());

        const quint16 port = freeTcpPort();
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
        press(w, "GPSTCPopencompushButton");
        QCOMPARE(status(w), QString("Server has started on port %1").arg(port));
        QTcpSocket client;
        client.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(client.waitForConnected(5000));
        client.write("Latitude:12.5,Longitude:13.5\r\n");
        QVERIFY(waitFor([&] { return child<QLabel>(w, "Jingdu")->text() == "13.5"; }));

        PtyPair pty;
        QVERIFY(pty.isReady());
        choosePort(w, "GPSportNameComboBox", pty.deviceA());
        press(w, "GPSopencompushButton");
        QCOMPARE(status(w), QString("Serial opened"));
        QVERIFY(pty.writeFar(nmea("GPGGA,123519,4807.0380,N,01131.0000,E,1,08,0.9,545.4,M,46.9,M,,")
                             + nmea("GPRMC,123519,A,4807.0380,N,01131.0000,E,022.4,084.4,230394,003.1,W")));
        QVERIFY(waitFor([&] { return child<QLabel>(w, "Weidu")->text() == "48.1173000"; }));
        spin(200); // the queued push has run

        QTemporaryDir dir;
        QFile track(dir.filePath("track.txt"));
        QVERIFY(track.open(QIODevice::WriteOnly));
        track.write("Latitude:1,Longitude:2\nLatitude:3,Longitude:4\n");
        track.close();
        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return track.fileName(); });
        press(w, "GPStrochoidpushButton");
        FileDialogs::setOpenHook({});
        QCOMPARE(status(w), QString("Success for read the data in the file"));
        QVERIFY(!w.findChild<QWebEngineView *>());

        showGps(w);
        QVERIFY(waitFor([&] { return js(w, "hereMarker&&hereMarker.isPopupOpen()") == "true"; }, 30000));
        QCOMPARE(js(w, "marker.getLatLng().lat.toFixed(4)+','+marker.getLatLng().lng.toFixed(4)"),
                 QString("48.1173,11.5167"));
        QCOMPARE(js(w, "map.getCenter().lat.toFixed(4)+','+map.getCenter().lng.toFixed(4)"), QString("48.1173,11.5167"));
        QCOMPARE(js(w, kRedLines), QString("1,2,3,4"));
        press(w, "GPSopencompushButton");
        QCOMPARE(closer.count(), 0);
    }

    // The failed IP guess is told only once the tab is shown, not at every
    // start without a network.
    void geolocationWithoutCorsAlerts()
    {
        TempHome home(gpsIni());
        MapService service(false);
        ModalCloser closer;
        MainWindow w;
        w.show();
        QVERIFY(!waitFor([&] { return closer.count() > 0; }, 4000));
        QVERIFY(!w.findChild<QWebEngineView *>());
        showGps(w);
        QVERIFY(waitFor([&] { return closer.count() > 0; }, 30000));
        QCOMPARE(closer.titles.first(), QString("Message"));
        QCOMPARE(closer.texts.first(), QString("IP location failed!"));
    }

    // Map_Type 1: the Baidu page whatever the locale, the route button,
    // the loading alert, and an address that reaches the page unchanged.
    void baiduPageAndRouteSearch()
    {
        TempHome home(gpsIni({{"Map_Type", "1"}}));
        MapService service;
        ModalCloser closer;
        MainWindow w;
        showGps(w);
        QVERIFY(!child<QWidget>(w, "GPSpushButtonsearchdriving")->isHidden());
        QVERIFY(waitFor([&] { return closer.count() > 0; }, 30000));
        QCOMPARE(closer.titles.first(), QString("Message"));
        QCOMPARE(closer.texts.first(), QString("地图加载失败，请检查网络！"));
        QCOMPARE(js(w, "document.title"), QString("Vexmora-GPSMap"));

        const QString address = "北京市 'No. 5' \"A\" \\ </script>";
        closer.answerText(address);
        press(w, "GPSpushButtonsearchdriving");
        QVERIFY(waitFor([&] { return js(w, "Destination") == address; }));
        QCOMPARE(closer.titles.at(1), QString("终点"));
    }

};

QTEST_MAIN(GpsMapTest)
#include "tst_gps_map.moc"
