// The "GPS Debug" tab through its widgets, with a generated receiver on a
// pty: labels, log and status from oddly split input, the 11-second map
// push with signed positions, failed opens, reopening, an unplugged
// receiver, and the page's switches.
#include "tests/terminals/serial_fixture.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

using namespace serialtest;
using kesptest::PtyPair;
using kesptest::TempHome;

namespace {

QMap<QString, QVariant> gpsIni()
{
    return kesptest::quietIni({{"GPS", "true"}});
}

QString label(MainWindow &w, const char *name)
{
    return child<QLabel>(w, name)->text();
}

// Runs the receiver script towards `out`; returns the epochs it meant.
QList<QJsonObject> play(const QString &out, const QStringList &args)
{
    QProcess p;
    p.start("python3", QStringList{QFINDTESTDATA("nmea_log.py"), out} + args);
    if (!p.waitForStarted(5000))
        return {};
    kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
    QList<QJsonObject> epochs;
    for (const QByteArray &line : p.readAllStandardOutput().trimmed().split('\n'))
        epochs << QJsonDocument::fromJson(line).object();
    return epochs;
}

// A map page of our own whose script functions only record their calls.
struct StubMap
{
    explicit StubMap(MainWindow &w)
        : view(child<QWebEngineView>(w, "gpsMapView"))
    {
        QString js = "var calls=[];";
        for (const char *f : {"Set_Latit", "Set_Longit", "Set_Location", "Set_Location_First"})
            js += QStringLiteral("function %1(v){calls.push('%1('+(v===undefined?'':v)+')');}").arg(f);
        bool loaded = false;
        QObject::connect(view, &QWebEngineView::loadFinished, view, [&loaded] { loaded = true; });
        view->setHtml("<html><body><script>" + js + "</script></body></html>");
        kesptest::waitFor([&] { return loaded; }, 20000);
    }
    QStringList calls()
    {
        QString got;
        bool done = false;
        view->page()->runJavaScript("calls.join(';')", [&](const QVariant &v) {
            got = v.toString();
            done = true;
        });
        kesptest::waitFor([&] { return done; }, 10000);
        return got.isEmpty() ? QStringList() : got.split(';');
    }
    QWebEngineView *view;
};

// On the button's indicator: a radio button takes clicks only there and
// on its text, not across its whole width.
void pressRadio(MainWindow &w, const char *name)
{
    auto *r = child<QRadioButton>(w, name);
    const QPoint at(6, r->height() / 2);
    QTest::mousePress(r, Qt::LeftButton, {}, at);
    QTest::mouseRelease(r, Qt::LeftButton, {}, at);
}

bool openGps(MainWindow &w, const QString &device)
{
    auto *tabs = child<QTabWidget>(w, "tabWidget");
    tabs->setCurrentWidget(child<QWidget>(w, "gps"));
    choosePort(w, "GPSportNameComboBox", device);
    press(w, "GPSopencompushButton");
    return status(w) == QStringLiteral("Serial opened");
}

} // namespace

class GpsPanelTest : public QObject
{
    Q_OBJECT
private slots:
    // Start-up state of the page, the COM/TCP switch and clearing the log.
    void pageAndSwitches()
    {
        TempHome home(gpsIni());
        MainWindow w;
        w.show();
        QVERIFY(child<QWebEngineView>(w, "gpsMapView"));
        QVERIFY(child<QWidget>(w, "GPSpushButtonsearchdriving")->isHidden());
        QCOMPARE(child<QPushButton>(w, "GPSopencompushButton")->styleSheet(), kGreen);
        auto *log = child<QPlainTextEdit>(w, "GPStextBrowser");
        QVERIFY(log->isReadOnly());
        QCOMPARE(log->maximumBlockCount(), 10000);
        for (const char *hidden : {"label_38", "label_37", "label_58", "BDKejianweixing", "GPSKejianweixing",
                                   "Shiyongweixing"})
            QVERIFY2(child<QWidget>(w, hidden)->isHidden(), hidden);
        QCOMPARE(label(w, "Weidu"), QStringLiteral("Null"));

        const QStringList com{"label_23", "label_24", "GPSopencompushButton", "GPSbaudRateComboBox",
                              "GPSportNameComboBox"};
        const QStringList tcp{"GPSTCPServerIPcomboBox", "GPSTCPServerPortlineEdit", "GPSTCPopencompushButton",
                              "label_41", "label_51"};
        auto shown = [&](const QStringList &names, bool visible) {
            for (const QString &n : names)
                if (w.findChild<QWidget *>(n)->isHidden() == visible)
                    return false;
            return true;
        };
        child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "gps"));
        QVERIFY(shown(com, true) && shown(tcp, false));
        QVERIFY(child<QRadioButton>(w, "GPSportMode_01")->isChecked());
        pressRadio(w, "GPSportMode_02");
        QVERIFY(shown(com, false) && shown(tcp, true));
        QVERIFY(child<QRadioButton>(w, "GPSportMode_02")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "GPSportMode_01")->isChecked());
        pressRadio(w, "GPSportMode_01");
        QVERIFY(shown(com, true) && shown(tcp, false));

        log->setPlainText("old");
        press(w, "GPScleandatapushButton");
        QVERIFY(log->toPlainText().isEmpty());
        QCOMPARE(status(w), QStringLiteral("Receive has been cleared"));
    }

    // A receiver writing in odd pieces: labels of the last epoch (its last
    // sentence needs no further bytes), the log holds every byte once, the
    // first fix goes to the map at once and signed, later ones wait 11 s.
    void receiverThroughThePty()
    {
        TempHome home(gpsIni());
        PtyPair pty;
        QVERIFY(pty.isReady());
        pty.farFd();
        MainWindow w;
        w.show();
        StubMap map(w);
        QVERIFY(openGps(w, pty.deviceA()));
        QCOMPARE(child<QPushButton>(w, "GPSopencompushButton")->styleSheet(), kRed);
        QVERIFY(!child<QWidget>(w, "GPSportMode_01")->isEnabled());

        const QStringList args{"--epochs", "12", "--seed", "3", "--split", "1,7,64,3,200"};
        QTemporaryDir dir;
        play(dir.filePath("copy.nmea"), args);
        QFile copy(dir.filePath("copy.nmea"));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        const QByteArray sent = copy.readAll();
        const QList<QJsonObject> epochs = play(pty.deviceB(), args);
        const QJsonObject last = epochs.last();
        QCOMPARE(last["epoch"].toInt(), 11);

        auto *log = child<QPlainTextEdit>(w, "GPStextBrowser");
        const QString want = QString::fromUtf8(sent).remove('\r');
        QVERIFY(kesptest::waitFor([&] { return log->toPlainText() == want; }, 10000));
        QVERIFY(QRegularExpression("^Successfully read \\d+ byte data$").match(status(w)).hasMatch());
        QCOMPARE(label(w, "GPS_UTC"), last["time"].toString());
        QCOMPARE(label(w, "Dimiansudu"), QString::number(last["speed"].toDouble(), 'g', 6) + " km/h");
        QCOMPARE(label(w, "Haibagaodu"), QString::number(last["alt"].toDouble(), 'g', 6) + " m");
        QCOMPARE(label(w, "Weizhiyinzi"), QString::number(last["pdop"].toDouble(), 'g', 6));
        QCOMPARE(label(w, "Shuipingyinzi"), QString::number(last["hdop"].toDouble(), 'g', 6));
        QCOMPARE(label(w, "Cuizhiyinzi"), QString::number(last["vdop"].toDouble(), 'g', 6));
        QCOMPARE(label(w, "GPSKejianweixing"), QStringLiteral("9"));
        QCOMPARE(label(w, "BDKejianweixing"), QStringLiteral("7"));
        // Epoch 11: RTK float near the equator and Greenwich, south-west.
        QCOMPARE(label(w, "Dingweizhuangtai"), QStringLiteral("Yes"));
        QCOMPARE(label(w, "Weidufangxiang"), QStringLiteral("S"));
        QCOMPARE(label(w, "Jingdufangxiang"), QStringLiteral("W"));
        QVERIFY(qAbs(label(w, "Weidu").toDouble() + last["lat"].toDouble()) < 1e-5);
        QVERIFY(qAbs(label(w, "Jingdu").toDouble() + last["lon"].toDouble()) < 1e-5);
        QVERIFY(label(w, "Weidu").startsWith("0.2"));

        // Only the first batch with a fix went to the map, signed.
        QStringList calls = map.calls();
        QCOMPARE(calls.size(), 3);
        const double lon = calls[0].mid(11).chopped(1).toDouble();
        const double lat = calls[1].mid(10).chopped(1).toDouble();
        QVERIFY2(std::any_of(epochs.begin(), epochs.end(),
                             [&](const QJsonObject &e) {
                                 return qAbs(e["lat"].toDouble() - lat) < 1e-5 && qAbs(e["lon"].toDouble() - lon) < 1e-5;
                             }),
                 qPrintable(calls.join(';')));
        QCOMPARE(calls[2], QStringLiteral("Set_Location()"));

        // 11 s later the next batch pushes its fix, signed.
        kesptest::spin(11000);
        child<QAbstractButton>(w, "GPS_on_off_checkBox")->setChecked(true);
        const QJsonObject sw = play(pty.deviceB(), {"--first", "3", "--epochs", "1", "--seed", "3"}).last();
        QVERIFY(kesptest::waitFor([&] { return map.calls().size() == 6; }, 10000));
        calls = map.calls();
        // South-west: both negative, the labels stay unsigned.
        QVERIFY(calls[3].startsWith("Set_Longit(-") && calls[4].startsWith("Set_Latit(-"));
        QCOMPARE(calls[3].mid(12).chopped(1).toDouble(), label(w, "Jingdu").toDouble());
        QCOMPARE(calls[4].mid(11).chopped(1).toDouble(), label(w, "Weidu").toDouble());
        QCOMPARE(calls[5], QStringLiteral("Set_Location_First()"));
        QVERIFY(qAbs(calls[4].mid(10).chopped(1).toDouble() - sw["lat"].toDouble()) < 1e-5);
        press(w, "GPSopencompushButton");
        QCOMPARE(status(w), QStringLiteral("Serial closed"));
    }

    // Ten failed opens leave no connection behind: the good open pushes
    // each fix once; a reopen reads each batch once; an unplugged receiver
    // closes the tab.
    void failedOpensReopenAndUnplug()
    {
        TempHome home(gpsIni());
        auto pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isReady());
        MainWindow w;
        w.show();
        StubMap map(w);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(!openGps(w, QDir::tempPath() + "/kesp-no-such-gps"));
            QCOMPARE(status(w), QStringLiteral("Serial failed to open, The serial does not exist or already used."));
        }
        QCOMPARE(child<QPushButton>(w, "GPSopencompushButton")->text(), QStringLiteral("Open"));
        QVERIFY(openGps(w, pty->deviceA()));
        play(pty->deviceB(), {"--epochs", "1"});
        QVERIFY(kesptest::waitFor([&] { return map.calls().size() >= 3; }, 10000));
        kesptest::spin(300);
        QCOMPARE(map.calls().size(), 3);

        press(w, "GPSopencompushButton");
        QVERIFY(openGps(w, pty->deviceA()));
        press(w, "GPScleandatapushButton");
        auto *log = child<QPlainTextEdit>(w, "GPStextBrowser");
        QVERIFY(pty->writeFar("$GPTXT,once*00\r\n"));
        QVERIFY(kesptest::waitFor([&] { return !log->toPlainText().isEmpty(); }));
        kesptest::spin(200);
        QCOMPARE(log->toPlainText(), QStringLiteral("$GPTXT,once*00\n"));
        QCOMPARE(status(w), QStringLiteral("Successfully read 16 byte data"));

        pty->hangUp();
        auto *open = child<QPushButton>(w, "GPSopencompushButton");
        QVERIFY(kesptest::waitFor([&] { return open->text() == QStringLiteral("Open"); }));
        QVERIFY(status(w).startsWith(QStringLiteral("Serial closed: the device is gone (")));
        QCOMPARE(open->styleSheet(), kGreen);
        QVERIFY(child<QWidget>(w, "GPSportMode_01")->isEnabled());
    }
};

QTEST_MAIN(GpsPanelTest)
#include "tst_gps_panel.moc"
