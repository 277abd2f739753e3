// The main window as built by its constructor: tab set by feature switches,
// panels initialised in tab order, frame properties and timers.
#include "app/mainwindow.h"
#include "tests/positioning/fake_modem.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QAction>
#include <QLabel>
#include <QWebEngineView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

#include <unistd.h>

using kesptest::TempHome;

static const QStringList kToolTabs = {
    "Serial Debug", "UDP Debug", "TCP Debug", "GPS Debug", "GSM Debug", "Unicode",
    "Environment", "Crypty", "Oscilloscope", "MQTT", "Ble", "Spectra", "Convert",
    "i2cdump", "TOF", "Modbus", "Hex", "CIE", "IMU"};

static QStringList tabTexts(MainWindow &w)
{
    auto *tabs = w.findChild<QTabWidget *>("tabWidget");
    QStringList out;
    for (int i = 0; i < tabs->count(); ++i)
        out << tabs->tabText(i);
    return out;
}

static int activeTimers(MainWindow &w, int interval)
{
    int n = 0;
    for (QTimer *t : w.findChildren<QTimer *>())
        if (t->isActive() && t->interval() == interval)
            ++n;
    return n;
}

using Ini = QMap<QString, QVariant>;
Q_DECLARE_METATYPE(Ini)

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void featureSwitches_data()
    {
        QTest::addColumn<bool>("writeFile");
        QTest::addColumn<Ini>("ini");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("no file: all tabs") << false << Ini{} << kToolTabs;

        QStringList noSerial = kToolTabs;
        noSerial.removeAll("Serial Debug");
        QTest::newRow("COM=false: UDP first") << true << Ini{{"COM", "false"}} << noSerial;

        QStringList noUdp = kToolTabs;
        noUdp.removeAll("UDP Debug");
        for (const char *v : {"True", "TRUE", "1", "yes", " true", "false"})
            QTest::newRow(qPrintable(QString("UDP='%1' is off").arg(v))) << true << Ini{{"UDP", v}} << noUdp;
        QTest::newRow("UDP empty stays") << true << Ini{{"UDP", ""}} << kToolTabs;
        QTest::newRow("UDP true stays") << true << Ini{{"UDP", "true"}} << kToolTabs;
        QTest::newRow("MORE=false ignored") << true << Ini{{"MORE", "false"}} << kToolTabs;

        Ini scattered{{"GSM", "false"}, {"Crypty", "false"}, {"Hex", "false"}, {"IMU", "false"}};
        QStringList rest = kToolTabs;
        for (const char *t : {"GSM Debug", "Crypty", "Hex", "IMU"})
            rest.removeAll(t);
        QTest::newRow("scattered removals keep order") << true << scattered << rest;

        Ini allOff;
        for (int i = 0; i < 19; ++i)
            allOff.insert(QStringList{"COM", "UDP", "TCP", "GPS", "GSM", "UNICODE", "Environment", "Crypty",
                                      "Oscilloscope", "MQTT", "Ble", "Spectra", "Convert", "i2cdump", "TOF",
                                      "Modbus", "Hex", "CIE", "IMU"}.at(i), "false");
        QTest::newRow("all off: only More") << true << allOff << QStringList{};
    }

    void featureSwitches()
    {
        QFETCH(bool, writeFile);
        QFETCH(Ini, ini);
        QFETCH(QStringList, expected);
        TempHome home(ini, writeFile);
        if (!writeFile)
            QVERIFY(!QFile::exists(home.iniPath()));

        MainWindow w;
        QCOMPARE(tabTexts(w), expected + QStringList{"More"});
        // Each kept panel is initialised once, in tab order, removed ones never.
        QCOMPARE(w.initialisedTabs, expected);
        // The rescan runs whatever the switches say.
        QCOMPARE(activeTimers(w, 500), 1);
        // Removed pages stay alive in the form.
        QVERIFY(w.findChild<QWidget *>("serial"));
        QVERIFY(w.findChild<QWidget *>("tab_3"));
    }

    void frame()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        QVERIFY(w.windowTitle().startsWith("Vexmora -- KESP Ver 3.4.4  http"));
        QCOMPARE(QApplication::style()->name(), QStringLiteral("fusion"));
        QCOMPARE(w.minimumSize(), QSize(915, 750));
        w.resize(300, 300);
        QVERIFY(w.width() >= 915 && w.height() >= 750);

        auto *tabs = w.findChild<QTabWidget *>("tabWidget");
        QCOMPARE(tabs->tabPosition(), QTabWidget::West);
        QCOMPARE(tabs->currentIndex(), 0);

        const QList<QAction *> bar = w.menuBar()->actions();
        QCOMPARE(bar.size(), 2);
        QCOMPARE(bar.at(0)->text(), QStringLiteral("Edit(&E)"));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("About(&A)"));
        auto texts = [](QMenu *m) {
            QStringList t;
            for (QAction *a : m->actions())
                t << a->text();
            return t;
        };
        QCOMPARE(texts(bar.at(0)->menu()), (QStringList{"Preferences", "Exit"}));
        QCOMPARE(texts(bar.at(1)->menu()), (QStringList{"Check Update", "Help", "About"}));

        // One rescan timer at 500 ms; the three keep-sending timers idle.
        QCOMPARE(activeTimers(w, 500), 1);
        for (const char *name : {"sendTimer", "udpSendTimer", "tcpSendTimer"}) {
            auto *t = w.findChild<QTimer *>(name);
            QVERIFY2(t, name);
            QVERIFY(!t->isActive());
        }
        QVERIFY(w.statusBar());

        // Send controls stay disabled until a port or socket opens.
        for (const char *name : {"delayspinBox", "sendmsgBtn", "sendfileBtn", "sendMsgtextEdit",
                                 "UDPdelayspinBox", "UDPsendmsgBtn", "UDPsendMsgtextEdit", "TCPdelayspinBox",
                                 "TCPsendmsgBtn", "TCPsendMsgtextEdit", "com_checkBox_DTR", "com_checkBox_RTS"}) {
            auto *widget = w.findChild<QWidget *>(name);
            QVERIFY2(widget, name);
            QVERIFY2(!widget->isEnabled(), name);
        }
    }

    // Switching to Chinese at run time retranslates the frame but neither
    // renames tabs nor brings removed ones back.
    void languageChangeKeepsTabs()
    {
        TempHome home(kesptest::quietIni({{"TCP", "false"}}));
        MainWindow w;
        const QStringList before = tabTexts(w);
        QTranslator zh;
        QVERIFY(zh.load(":/transSimpleChinese.qm"));
        QCoreApplication::installTranslator(&zh);
        QCoreApplication::processEvents();
        QCOMPARE(w.findChild<QAction *>("actionConfig")->text(), QStringLiteral("配置"));
        QCOMPARE(tabTexts(w), before);
        QVERIFY(!tabTexts(w).contains("TCP Debug"));
        QCoreApplication::removeTranslator(&zh);
        QCoreApplication::processEvents();
        QCOMPARE(w.findChild<QAction *>("actionConfig")->text(), QStringLiteral("Preferences"));
    }

    void exitClosesWindow()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.findChild<QAction *>("actionExit")->trigger();
        QVERIFY(!w.isVisible());
    }

    // "More" makes its web view when first shown, so the window starts
    // without a web engine; as root without the sandbox switch it shows a
    // notice instead of letting the engine end the program.
    void moreTabMadeWhenShown()
    {
        TempHome home(kesptest::quietIni());
        auto more = [](MainWindow &w) {
            w.findChild<QTabWidget *>("tabWidget")->setCurrentWidget(w.findChild<QWidget *>("tab_2"));
        };
        if (geteuid() == 0) {
            const QByteArray saved = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
            qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
            MainWindow w;
            w.show();
            more(w);
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", saved);
            QVERIFY(!w.findChild<QWebEngineView *>());
            auto *notice = w.findChild<QLabel *>("moreWebNotice");
            QVERIFY(notice);
            QVERIFY(notice->text().contains("QTWEBENGINE_DISABLE_SANDBOX=1"));
        }
        MainWindow w;
        w.show();
        QVERIFY(!w.findChild<QWebEngineView *>());
        more(w);
        QVERIFY(w.findChild<QWebEngineView *>("moreWebView"));
        QVERIFY(!w.findChild<QLabel *>("moreWebNotice"));
    }

    // A long paste with nowhere to break the line (a hex dump without
    // spaces) into each box where users paste: the box holds it (the SMS box
    // its 70 units), the window answers meanwhile, and it goes out whole.
    void longPasteKeepsTheWindowLive()
    {
        using namespace kesptest;
        TempHome home(quietIni());
        PtyPair serialPty, modemPty;
        FakeModem modem(QFINDTESTDATA("../positioning/fake_modem.py"), modemPty.deviceB());
        QVERIFY(serialPty.isReady() && modem.isReady());
        MainWindow w;
        w.show();
        const QByteArray line = countingLine(300000);
        QApplication::clipboard()->setText(QString::fromLatin1(line));
        auto pasteInto = [&](const char *name, qsizetype keeps) {
            auto *box = child<QWidget>(w, name);
            auto *tabs = child<QTabWidget>(w, "tabWidget");
            QWidget *page = box;
            while (tabs->indexOf(page) < 0)
                page = page->parentWidget();
            tabs->setCurrentWidget(page);
            box->setFocus();
            StallProbe probe;
            probe.start();
            spin(20);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            spin(100);
            QCOMPARE(box->property("plainText").toString(), QString::fromLatin1(line.left(keeps)));
            QVERIFY2(probe.worstLatenessMs() < bound(2000), qPrintable(QString("%1: %2 ms").arg(name).arg(probe.worstLatenessMs())));
        };
        choosePort(w, "portNameComboBox", serialPty.deviceA());
        press(w, "opencompushButton");
        pasteInto("sendMsgtextEdit", line.size());
        press(w, "sendmsgBtn");
        QCOMPARE(serialPty.readFar(line.size(), 10000), line);
        press(w, "opencompushButton");
        child<QLineEdit>(w, "UDPSenderPortlineEdit")->setText(QString::number(freeUdpPort()));
        press(w, "UDPopencompushButton");
        pasteInto("UDPsendMsgtextEdit", line.size());
        child<QLineEdit>(w, "TCPServerPortlineEdit")->setText(QString::number(freeTcpPort()));
        press(w, "TCPopencompushButton");
        pasteInto("TCPsendMsgtextEdit", line.size());
        pasteInto("mqtt_pub_textEdit", line.size());
        choosePort(w, "GSMportNameComboBox", modemPty.deviceA());
        press(w, "GSMopencompushButton");
        for (const char *box : {"GSMTcpsendBrowser", "GSMNUMtextEdit", "GSMtextBrowser"})
            pasteInto(box, qstrcmp(box, "GSMtextBrowser") ? line.size() : 70);
    }
};

KESP_TEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
