// The "GPS Debug" tab through its widgets with a generated receiver on a
// pty: labels, log and status from oddly split input, the 11-second map
// push with signed positions, failed opens, reopening, an unplugged
// receiver, the page's switches, and which fixes from position clients are
// saved and pushed.
#include "tests/support/test_base.h"
#include "tests/terminals/serial_fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTcpSocket>
#include <QTabWidget>
#include <QTranslator>
#include <QWebEngineView>

using namespace serialtest;

static QString label(MainWindow &w, const char *name) { return child<QLabel>(w, name)->text(); }

// Runs the receiver script towards `out`; returns the epochs it meant.
static QList<QJsonObject> play(const QString &out, const QStringList &args)
{
    QProcess p;
    p.start("python3", QStringList{QFINDTESTDATA("nmea_log.py"), out} + args);
    kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
    QList<QJsonObject> epochs;
    for (const QByteArray &line : p.readAllStandardOutput().trimmed().split('\n'))
        epochs << QJsonDocument::fromJson(line).object();
    return epochs;
}

// The GPS tab in front, with a map page of our own that records its calls
// ("Set_Latit(v)" as JavaScript prints v) instead of reaching a map service.
struct GpsWindow
{
    GpsWindow()
        : home(kesptest::quietIni({{"GPS", "true"}}))
    {
        w.show();
        child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "gps"));
        auto *view = child<QWebEngineView>(w, "gpsMapView");
        bool loaded = false;
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded] { loaded = true; });
        view->setHtml("<script>var calls=[];function rec(f,v){calls.push(f+'('+(v===undefined?'':v)+')')}"
                      "function Set_Latit(v){rec('Set_Latit',v)}function Set_Longit(v){rec('Set_Longit',v)}"
                      "function Set_Location(){rec('Set_Location')}function Set_Location_First(){rec('Set_Location_First')}"
                      "</script>");
        kesptest::waitFor([&] { return loaded; }, 20000);
    }
    // Saving on, the position server started, and a client connected to it.
    bool saveFixesFrom(QTcpSocket &client)
    {
        child<QAbstractButton>(w, "GPSSavecheckBox")->setChecked(true);
        const quint16 port = kesptest::freeTcpPort();
        child<QLineEdit>(w, "GPSTCPServerPortlineEdit")->setText(QString::number(port));
        press(w, "GPSTCPopencompushButton");
        client.connectToHost(QHostAddress::LocalHost, port);
        return client.waitForConnected(5000);
    }
    QStringList calls()
    {
        QString got;
        bool done = false;
        child<QWebEngineView>(w, "gpsMapView")->page()->runJavaScript("calls.join(';')", [&](const QVariant &v) {
            got = v.toString();
            done = true;
        });
        kesptest::waitFor([&] { return done; }, 10000);
        return got.isEmpty() ? QStringList() : got.split(';');
    }
    bool open(const QString &device)
    {
        choosePort(w, "GPSportNameComboBox", device);
        press(w, "GPSopencompushButton");
        return status(w) == QStringLiteral("Serial opened");
    }
    kesptest::TempHome home;
    MainWindow w;
};

class GpsPanelTest : public QObject
{
    Q_OBJECT
private slots:
    // Labels of the last epoch (its last sentence needs no further bytes),
    // every byte once in the log, the first fix on the map at once and
    // signed, later ones only after 11 s.
    void receiverThroughThePty()
    {
        kesptest::PtyPair pty;
        pty.farFd();
        GpsWindow g;
        QVERIFY(g.open(pty.deviceA()));
        const QStringList args{"--epochs", "12", "--seed", "3", "--split", "1,7,64,3,200"};
        QTemporaryDir dir;
        play(dir.filePath("copy.nmea"), args);
        QFile copy(dir.filePath("copy.nmea"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QString want = QString::fromUtf8(copy.readAll()).remove('\r');
        const QList<QJsonObject> epochs = play(pty.deviceB(), args);
        const QJsonObject last = epochs.last();

        auto *log = child<QPlainTextEdit>(g.w, "GPStextBrowser");
        QVERIFY(kesptest::waitFor([&] { return log->toPlainText() == want; }, 10000));
        QVERIFY(QRegularExpression("^Successfully read \\d+ byte data$").match(status(g.w)).hasMatch());
        QCOMPARE(label(g.w, "GPS_UTC"), last["time"].toString());
        QCOMPARE(label(g.w, "Dimiansudu"), QString::number(last["speed"].toDouble()) + " km/h");
        // Epoch 11: RTK float a quarter degree south-west of 0/0.
        QCOMPARE(label(g.w, "Dingweizhuangtai") + label(g.w, "Weidufangxiang") + label(g.w, "Jingdufangxiang"), "YesSW");
        QVERIFY(qAbs(label(g.w, "Weidu").toDouble() + last["lat"].toDouble()) < 1e-5);
        QVERIFY(qAbs(label(g.w, "Jingdu").toDouble() + last["lon"].toDouble()) < 1e-5);

        QStringList calls = g.calls();
        QCOMPARE(calls.size(), 3);
        const double lon = calls[0].mid(11).chopped(1).toDouble(), lat = calls[1].mid(10).chopped(1).toDouble();
        QVERIFY2(std::any_of(epochs.begin(), epochs.end(), [&](const QJsonObject &e) {
                     return qAbs(e["lat"].toDouble() - lat) < 1e-5 && qAbs(e["lon"].toDouble() - lon) < 1e-5;
                 }), qPrintable(calls.join(';')));
        QCOMPARE(calls[2], QStringLiteral("Set_Location()"));

        kesptest::spin(11000);
        child<QAbstractButton>(g.w, "GPS_on_off_checkBox")->setChecked(true);
        play(pty.deviceB(), {"--first", "3", "--epochs", "1", "--seed", "3"});
        QVERIFY(kesptest::waitFor([&] { return g.calls().size() == 6; }, 10000));
        calls = g.calls();
        // South-west: both pushed negative, the labels stay unsigned.
        QCOMPARE(calls[3].mid(11).chopped(1).toDouble(), -label(g.w, "Jingdu").toDouble());
        QCOMPARE(calls[4].mid(10).chopped(1).toDouble(), -label(g.w, "Weidu").toDouble());
        QCOMPARE(calls[5], QStringLiteral("Set_Location_First()"));
    }

    // A client's fix reaches the file and the map only when it is a place
    // on the globe; anything else is shown and the status says why.
    void serverFixes_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("message");
        const QString offGlobe = QStringLiteral(
            "Position out of range (latitude -90 to 90, longitude -180 to 180), not saved or shown on the map");
        QTest::newRow("pole and date line") << QByteArray("Latitude:-90,Longitude:180") << QString();
        QTest::newRow("999, -999") << QByteArray("Latitude:999,Longitude:-999") << offGlobe;
        QTest::newRow("1e308") << QByteArray("Latitude:1e308,Longitude:1e308") << offGlobe;
        QTest::newRow("just past the pole") << QByteArray("Latitude:90.0000001,Longitude:0") << offGlobe;
        QTest::newRow("just past the date line") << QByteArray("Latitude:0,Longitude:-180.0000001") << offGlobe;
        QTest::newRow("not a number") << QByteArray("Latitude:north,Longitude:1")
                                      << QStringLiteral("Position is not a number, not saved or shown on the map");
    }
    void serverFixes()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, message);
        GpsWindow g;
        QTcpSocket client;
        QVERIFY(g.saveFixesFrom(client));
        client.write(line + "\r\n");
        const QString latitude = QString::fromLatin1(line).section(',', 0, 0).mid(9);
        QVERIFY(kesptest::waitFor([&] { return label(g.w, "Weidu") == latitude; }));
        QFile file(g.home.path() + "/GPS_Date.txt");
        if (message.isEmpty()) {
            QVERIFY2(status(g.w).startsWith("TCP receive from:"), qPrintable(status(g.w)));
            QVERIFY(kesptest::waitFor([&] { return g.calls().size() == 3; }));
            QCOMPARE(g.calls(), (QStringList{"Set_Longit(180)", "Set_Latit(-90)", "Set_Location()"}));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), line + "\r\n");
        } else {
            kesptest::spin(300);
            QCOMPARE(g.calls(), QStringList());
            QVERIFY(!file.exists());
            QCOMPARE(status(g.w), message);
        }
    }

    // A record cut short by a full disk is taken back, so the next one
    // starts its own line.
    void cutRecordIsTakenBack()
    {
        GpsWindow g;
        const QByteArray first("Latitude:22.5,Longitude:113.9\r\n");
        QFile file(g.home.path() + "/GPS_Date.txt");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(first) == first.size());
        file.close();
        QTcpSocket client;
        QVERIFY(g.saveFixesFrom(client));
        {
            kesptest::FileSizeLimit limit(first.size() + 10);
            client.write("Latitude:-33.25,Longitude:151.5\r\n");
            QVERIFY(kesptest::waitFor([&] { return label(g.w, "Weidu") == "-33.25"; }));
            QCOMPARE(status(g.w), QString("Unable to save GPS data."));
        }
        client.write("Latitude:1.5,Longitude:2.5\r\n");
        QVERIFY(kesptest::waitFor([&] { return label(g.w, "Weidu") == "1.5"; }));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first + "Latitude:1.5,Longitude:2.5\r\n");
    }

    // The 200 px "GPS information" group shows every value whole, with the
    // longest texts the decoders write, in both languages; captions give way.
    void informationValuesShowWhole_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("English") << QString();
        QTest::newRow("Chinese") << QStringLiteral(":/transSimpleChinese.qm");
    }
    void informationValuesShowWhole()
    {
        QFETCH(QString, catalogue);
        QTranslator chinese;
        if (!catalogue.isEmpty()) {
            QVERIFY(chinese.load(catalogue));
            QCoreApplication::installTranslator(&chinese);
        }
        kesptest::TempHome home(kesptest::quietIni({{"GPS", "true"}}));
        MainWindow w;
        w.show();
        child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "gps"));
        const QList<std::pair<const char *, QString>> values = {
            {"GPS_UTC", "23:59:59"},          {"Jingdu", "113.9333333"},   {"Jingdufangxiang", "W"},
            {"Weidu", "22.5333333"},          {"Weidufangxiang", "S"},     {"Dingweizhuangtai", w.tr("Yes")},
            {"Haibagaodu", "-12345.6 m"},     {"Dimiansudu", "1852.38 km/h"}, {"Weizhiyinzi", "99.99"},
            {"Cuizhiyinzi", "99.99"},         {"Shuipingyinzi", "99.99"}};
        for (const auto &[name, text] : values)
            child<QLabel>(w, name)->setText(text);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        kesptest::spin(100);
        auto *group = child<QWidget>(w, "groupBox_11");
        QVERIFY(group->width() <= 200);
        for (const auto &[name, text] : values) {
            auto *value = child<QLabel>(w, name);
            QVERIFY2(value->width() >= value->sizeHint().width(),
                     qPrintable(QString("%1 \"%2\": %3 of %4 px").arg(name, text).arg(value->width())
                                    .arg(value->sizeHint().width())));
            QVERIFY(group->contentsRect().contains(value->geometry()));
        }
        QCoreApplication::removeTranslator(&chinese);
    }

    // The COM/TCP switch and Clear; ten failed opens leave no connection
    // behind, so the good open pushes a fix once; a reopen reads each batch
    // once; an unplugged receiver closes the tab.
    void switchesFailedOpensReopenAndUnplug()
    {
        auto pty = std::make_unique<kesptest::PtyPair>();
        GpsWindow g;
        QVERIFY(child<QWidget>(g.w, "GPSpushButtonsearchdriving")->isHidden());
        QVERIFY(child<QWidget>(g.w, "Shiyongweixing")->isHidden());
        auto *ip = child<QWidget>(g.w, "GPSTCPServerIPcomboBox");
        auto *port = child<QWidget>(g.w, "GPSportNameComboBox");
        for (const char *radio : {"GPSportMode_02", "GPSportMode_01"}) {
            auto *r = child<QRadioButton>(g.w, radio);
            // A radio button takes clicks on its indicator and text only.
            QTest::mouseClick(r, Qt::LeftButton, {}, QPoint(6, r->height() / 2));
            const bool tcp = radio == QByteArray("GPSportMode_02");
            QVERIFY(ip->isVisible() == tcp && port->isVisible() == !tcp && r->isChecked());
        }
        press(g.w, "GPScleandatapushButton");
        QCOMPARE(status(g.w), QStringLiteral("Receive has been cleared"));

        for (int i = 0; i < 10; ++i) {
            QVERIFY(!g.open(QDir::tempPath() + "/kesp-no-such-gps"));
            QCOMPARE(status(g.w), QStringLiteral("Serial failed to open, The serial does not exist or already used."));
        }
        QVERIFY(g.open(pty->deviceA()));
        play(pty->deviceB(), {"--epochs", "1"});
        QVERIFY(kesptest::waitFor([&] { return g.calls().size() >= 3; }, 10000));
        kesptest::spin(300);
        QCOMPARE(g.calls().size(), 3);

        press(g.w, "GPSopencompushButton");
        QVERIFY(g.open(pty->deviceA()));
        press(g.w, "GPScleandatapushButton");
        auto *log = child<QPlainTextEdit>(g.w, "GPStextBrowser");
        QVERIFY(pty->writeFar("$GPTXT,once*00\r\n"));
        QVERIFY(kesptest::waitFor([&] { return !log->toPlainText().isEmpty(); }));
        kesptest::spin(200);
        QCOMPARE(log->toPlainText(), QStringLiteral("$GPTXT,once*00\n"));
        QCOMPARE(status(g.w), QStringLiteral("Successfully read 16 byte data"));

        pty->hangUp();
        auto *open = child<QPushButton>(g.w, "GPSopencompushButton");
        QVERIFY(kesptest::waitFor([&] { return open->text() == QStringLiteral("Open"); }));
        QVERIFY(status(g.w).startsWith(QStringLiteral("Serial closed: the device is gone (")));
        QVERIFY(open->styleSheet() == kGreen && child<QWidget>(g.w, "GPSportMode_01")->isEnabled());
    }
};

KESP_TEST_MAIN(GpsPanelTest)
#include "tst_gps_panel.moc"
