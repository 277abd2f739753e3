// The "GSM Debug" page against a fake modem on a socat pty pair: the exact
// command bytes of opening, the switch and signal icons however the replies
// come, the unsolicited codes, the query budgets without a frozen window,
// and a device or window that goes away in the middle of a command.
#include "app/mainwindow.h"
#include "positioning/gsm_codes.h"
#include "tests/positioning/fake_modem.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTcpSocket>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>
#include <memory>

using kesptest::child;
using kesptest::choosePort;
using kesptest::press;
using kesptest::status;

static const QString kGreen = QStringLiteral(
    "QPushButton {   background-color: #4CAF50;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #45A049;}");
static const QString kRed = QStringLiteral(
    "QPushButton {   background-color: #FF4A19;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #FF5722;}");
static const QByteArray kStatusQuery = "AT+CLIP?\r\nAT+CALM?\r\nAT+CMGF?\r\nAT+CSQ\r\n";
static const QByteArray kCaller = "\r\n+CLIP: \"13800138000\",129,\"\",0,\"\",0\r\n";

static QString switchIcon(MainWindow &w, const char *button)
{
    const QImage shown = child<QPushButton>(w, button)->icon().pixmap(QSize(64, 30)).toImage();
    for (const char *name : {"on", "off"})
        if (shown == QIcon(QString(":images/%1.png").arg(name)).pixmap(QSize(64, 30)).toImage())
            return name;
    return "?";
}

static QString switches(MainWindow &w)
{
    return switchIcon(w, "GSMLaidianKaiguanpushButton") + "/" + switchIcon(w, "GSMLaidianYingKaiguanpushButton")
           + "/" + switchIcon(w, "GSMDuanXinWenBenKaiguanpushButton");
}

static QString signalIcon(MainWindow &w)
{
    const QImage shown = child<QLabel>(w, "GSMCheckSigneltext")->pixmap().toImage();
    for (const char *name : {"sig0", "sig25", "sig50", "sig75", "sig100"})
        if (shown == QPixmap(QString(":images/%1.png").arg(name)).toImage())
            return name;
    return "?";
}

static bool enabled(MainWindow &w, const char *name)
{
    return child<QWidget>(w, name)->isEnabled();
}

static QString textOf(MainWindow &w, const char *name)
{
    return child<QTextEdit>(w, name)->toPlainText();
}

static void setText(MainWindow &w, const char *name, const QString &text)
{
    child<QTextEdit>(w, name)->setPlainText(text);
}

// What the modem received, once it came (a key's tone is not waited for).
static QByteArray receivedBy(FakeModem &modem, const QByteArray &expected)
{
    kesptest::waitFor([&] { return modem.received() == expected; }, 2000);
    return modem.received();
}

static void keys(MainWindow &w, const QString &digits)
{
    for (const QChar d : digits) {
        const QString key = d == '*' ? "10" : d == '#' ? "11" : QString(d);
        press(w, ("GSMANJIANpushButton_" + key).toLatin1().constData());
    }
}

// socat's echo server on a free loopback port, the far end of the link.
struct EchoServer
{
    QProcess socat;
    quint16 port = kesptest::freeTcpPort();
    EchoServer()
    {
        socat.start("socat", {QString("TCP-LISTEN:%1,bind=127.0.0.1,reuseaddr,fork").arg(port), "PIPE"});
        socat.waitForStarted(5000);
    }
    ~EchoServer()
    {
        socat.terminate();
        if (!socat.waitForFinished(2000))
            socat.kill();
        socat.waitForFinished(2000);
    }
    bool ready()
    {
        return kesptest::waitFor([&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port);
            return probe.waitForConnected(200);
        });
    }
};

// A window in a quiet HOME, a pty pair and the modem on its far end.
struct GsmBench
{
    kesptest::TempHome home{kesptest::quietIni()};
    kesptest::PtyPair pty;
    std::unique_ptr<FakeModem> modem;
    MainWindow w;

    GsmBench()
    {
        if (pty.isReady())
            modem = std::make_unique<FakeModem>(QFINDTESTDATA("fake_modem.py"), pty.deviceB());
        w.show();
        choosePort(w, "GSMportNameComboBox", pty.deviceA());
    }
    bool ready() const { return modem && modem->isReady(); }
    // Open as a user would; returns when the status query is over.
    void open() { press(w, "GSMopencompushButton"); }
};

class GsmConsoleTest : public QObject
{
    Q_OBJECT
private slots:
    // Each open writes the status query and nothing else, reads the three
    // switches and the signal from replies with echo on or off, whole or
    // split, and keeps the window responsive; Close undoes it all.
    void openReadsTheModem()
    {
        GsmBench b;
        QVERIFY(b.ready());
        struct Round
        {
            QStringList controls;
            QString switches, signal;
        };
        const QList<Round> rounds = {
            {{}, "on/on/on", "sig75"},
            {{"echo off", "reply AT+CLIP? \\r\\n+CLIP: 0,1\\r\\n\\r\\nOK\\r\\n", "reply AT+CALM? \\r\\n+CALM: 1\\r\\n\\r\\nOK\\r\\n",
              "reply AT+CMGF? \\r\\n+CMGF: 0\\r\\n\\r\\nOK\\r\\n", "reply AT+CSQ \\r\\n+CSQ: 31,0\\r\\n\\r\\nOK\\r\\n"},
             "off/off/off", "sig100"},
            {{"echo on", "reset AT+CLIP?", "reset AT+CALM?", "reset AT+CMGF?", "split AT+CLIP? 150", "split AT+CALM? 60",
              "split AT+CMGF? 150", "reply AT+CSQ \\r\\n+CSQ: 7,0\\r\\n\\r\\nOK\\r\\n", "split AT+CSQ 60"},
             "on/on/on", "sig75"},
        };
        for (const Round &round : rounds) {
            for (const QString &c : round.controls)
                QVERIFY(b.modem->control(c));
            b.modem->clearReceived();
            // Measured from the first wait on: the exchanges, not the port's set-up.
            kesptest::StallProbe probe;
            QTimer::singleShot(0, &b.w, [&] { probe.start(); });
            b.open();
            probe.stop();
            QCOMPARE(status(b.w), QString("Initialization completed"));
            // A modem found in text mode gets UCS2, as the switch would set it.
            QByteArray query = kStatusQuery;
            if (round.switches.endsWith("/on"))
                query.insert(query.indexOf("AT+CSQ"), "AT+CSCS=\"UCS2\"\r\n");
            QCOMPARE(b.modem->received(), query);
            QCOMPARE(switches(b.w), round.switches);
            QCOMPARE(signalIcon(b.w), round.signal);
            QVERIFY2(probe.worstLatenessMs() < kesptest::bound(50), qPrintable(QString::number(probe.worstLatenessMs())));

            auto *open = child<QPushButton>(b.w, "GSMopencompushButton");
            QCOMPARE(open->text(), QString("Close"));
            QCOMPARE(open->styleSheet(), kRed);
            QVERIFY(open->isEnabled());
            QVERIFY(enabled(b.w, "GSMTestSignalpushButton"));
            QVERIFY(enabled(b.w, "GSMbodianhuapushButton"));
            QVERIFY(!enabled(b.w, "GSMportNameComboBox"));
            QVERIFY(!enabled(b.w, "opencompushButton"));
            QVERIFY(!enabled(b.w, "ModbusopencompushButton"));

            press(b.w, "GSMopencompushButton");
            QCOMPARE(status(b.w), QString("Serial closed"));
            QCOMPARE(open->text(), QString("Open"));
            QCOMPARE(open->styleSheet(), kGreen);
            QVERIFY(!enabled(b.w, "GSMTestSignalpushButton"));
            QVERIFY(enabled(b.w, "GSMportNameComboBox"));
            QVERIFY(enabled(b.w, "opencompushButton"));
            // The switches stay as last read while closed.
            QCOMPARE(switches(b.w), round.switches);
        }
    }

    // The signal button against the replies a modem gives: levels, an error
    // box, a reply late by several polls, a silent modem that ends the query
    // at its budget with the page locked meanwhile, and a "RING" that came in
    // the same batch as the "OK".
    void signalQuery()
    {
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        QCOMPARE(status(b.w), QString("Initialization completed"));

        const QList<QPair<int, QString>> levels = {{15, "sig75"}, {31, "sig100"}, {99, "sig0"}, {7, "sig75"},
                                                   {0, "sig25"},  {1, "sig50"}};
        for (const auto &level : levels) {
            QVERIFY(b.modem->control(QString("reply AT+CSQ \\r\\n+CSQ: %1,0\\r\\n\\r\\nOK\\r\\n").arg(level.first)));
            b.modem->clearReceived();
            press(b.w, "GSMTestSignalpushButton");
            QCOMPARE(signalIcon(b.w), level.second);
            QCOMPARE(b.modem->received(), QByteArray("AT+CSQ\r\n"));
        }

        kesptest::ModalCloser closer;
        closer.answerButton(QMessageBox::Cancel);
        QVERIFY(b.modem->control("reply AT+CSQ \\r\\nERROR\\r\\n"));
        press(b.w, "GSMTestSignalpushButton");
        QCOMPARE(closer.titles, QStringList{"Info"});
        QCOMPARE(closer.texts, QStringList{"Error"});
        QCOMPARE(signalIcon(b.w), QString("sig50"));

        QVERIFY(b.modem->control("reset AT+CSQ"));
        QVERIFY(b.modem->control("late AT+CSQ 450"));
        press(b.w, "GSMTestSignalpushButton");
        QCOMPARE(signalIcon(b.w), QString("sig75"));

        QVERIFY(b.modem->control("silent AT+CSQ"));
        b.modem->clearReceived();
        bool lockedMeanwhile = false;
        QTimer::singleShot(400, &b.w, [&] {
            lockedMeanwhile = !enabled(b.w, "GSMTestSignalpushButton") && !enabled(b.w, "GSMopencompushButton")
                              && !enabled(b.w, "GSMbodianhuapushButton");
        });
        kesptest::StallProbe probe;
        probe.start();
        QElapsedTimer clock;
        clock.start();
        press(b.w, "GSMTestSignalpushButton");
        const qint64 took = clock.elapsed();
        probe.stop();
        QVERIFY2(took >= 1000 && took < kesptest::bound(3000), qPrintable(QString::number(took)));
        QVERIFY(lockedMeanwhile);
        QCOMPARE(b.modem->received(), QByteArray("AT+CSQ\r\n"));
        QCOMPARE(signalIcon(b.w), QString("sig75"));
        QVERIFY(enabled(b.w, "GSMTestSignalpushButton"));
        QVERIFY(enabled(b.w, "GSMopencompushButton"));
        QVERIFY(enabled(b.w, "GSMbodianhuapushButton"));
        QVERIFY2(probe.worstLatenessMs() < kesptest::bound(50), qPrintable(QString::number(probe.worstLatenessMs())));
        QCOMPARE(closer.count(), 1);

        QVERIFY(b.modem->control("reply AT+CSQ \\r\\n+CSQ: 20,0\\r\\n\\r\\nOK\\r\\n\\r\\nRING\\r\\n"));
        press(b.w, "GSMTestSignalpushButton");
        QVERIFY(kesptest::waitFor([&] { return status(b.w) == "Have a new call:"; }, 3000));
        QCOMPARE(child<QPushButton>(b.w, "GSMbodianhuapushButton")->text(), QString("Answer call"));
    }

    // Codes the modem sends on its own, in batches as they come.
    void unsolicitedCodes()
    {
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        auto shows = [&](const QString &text) {
            return kesptest::waitFor([&] { return status(b.w) == text; }, 3000);
        };
        QVERIFY(b.modem->control("inject \\r\\nRING\\r\\n"));
        QVERIFY(shows("Have a new call:"));
        QCOMPARE(child<QPushButton>(b.w, "GSMbodianhuapushButton")->text(), QString("Answer call"));
        kesptest::spin(200);
        QVERIFY(b.modem->control("inject " + QString::fromLatin1(kCaller).replace("\r", "\\r").replace("\n", "\\n")));
        QVERIFY(shows("Have a new call:13800138000"));

        QVERIFY(b.modem->control("inject \\r\\n+CMTI: \"SM\","));
        kesptest::spin(200);
        QCOMPARE(status(b.w), QString("Have a new call:13800138000"));
        QVERIFY(b.modem->control("inject 3\\r\\n"));
        QVERIFY(shows("Have new SMS, SMS box:: 3"));

        QVERIFY(b.modem->control("inject \\r\\nNO CARRIER\\r\\n"));
        QVERIFY(shows("call ended"));
        QVERIFY(b.modem->control("inject \\r\\n+COLP: \"10086\",129\\r\\n"));
        QVERIFY(shows("Calling..."));
        QVERIFY(b.modem->control("inject \\r\\nBUSY\\r\\n"));
        QVERIFY(shows("busy"));
    }

    // Faults a scripted modem showed: after an open against a modem that
    // answers, the modem is taught a habit, then one action runs; the
    // status and the listed page states ("key=value;...") must follow.
    void modemHabits_data()
    {
        QTest::addColumn<QStringList>("controls");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("states");
        const QString caller = R"(\r\nRING\r\n\r\n+CLIP: "13800138000",129,"",0,"",0\r\n)";
        const QString silent = "The modem does not answer";
        QTest::newRow("new message just before the signal reply")
            << QStringList{R"(before AT+CSQ \r\n+CMTI: "SM",4\r\n)"} << "signal" << "Have new SMS, SMS box:: 4"
            << "icon=sig75";
        QTest::newRow("call just before the send's result")
            << QStringList{"before ^Z " + caller} << "send:hi" << "Have a new call:13800138000" << "";
        QTest::newRow("RING and caller in one read") << QStringList{} << "inject:" + caller
                                                     << "Have a new call:13800138000" << "call=Answer call";
        QTest::newRow("new message in the phone store")
            << QStringList{} << R"(inject:\r\n+CMTI: "ME",7\r\n)" << "Have new SMS, SMS box:: 7" << "";
        QTest::newRow("reopened on a dead modem") << QStringList{"echo off", "silent AT"} << "reopen" << silent
                                                  << "switches=off/off/off;icon=sig0";
        QTest::newRow("signal from a dead modem") << QStringList{"silent AT"} << "signal" << silent << "icon=sig75";
        QTest::newRow("read from a dead modem") << QStringList{"silent AT"} << "read:1" << silent << "";
        QTest::newRow("send to a dead modem") << QStringList{"silent AT"} << "send:hi" << silent << "";
        QTest::newRow("read of an empty box refused in PDU mode")
            << QStringList{"set CMGF 0"} << "read:9" << "Initialization completed" << "box=+CMS ERROR: 321";
        QTest::newRow("signal refused") << QStringList{R"(reply AT+CSQ \r\n+CME ERROR: 100\r\n)"} << "signal"
                                        << "Initialization completed" << "box=+CME ERROR: 100;icon=sig75";
        QTest::newRow("send refused at once")
            << QStringList{R"(reply ^Z \r\n+CMS ERROR: 500\r\n)"} << "send:hi" << "SMS sent failed (+CMS ERROR: 500)"
            << "fast=1";
        QTest::newRow("a Chinese text beyond one UCS2 message")
            << QStringList{} << "type:" + QString(100, QChar(0x4e2d)) << "Initialization completed"
            << "sms=" + QString(70, QChar(0x4e2d));
        QTest::newRow("read from a modem found in text mode")
            << QStringList{} << "read:1" << "Initialization completed"
            << "read=Sender:10086|Time:24/01/01,12:00:00+32|中文 test";
        QTest::newRow("read with the name field empty and unquoted")
            << QStringList{} << "read:3" << "Initialization completed"
            << "read=Sender:+8613800138000|Time:24/05/01,12:00:00+32|Hello";
        QTest::newRow("signal level 2") << QStringList{R"(reply AT+CSQ \r\n+CSQ: 2,0\r\n\r\nOK\r\n)"} << "signal"
                                        << "Initialization completed" << "icon=sig25";
        QTest::newRow("signal of the extended range")
            << QStringList{R"(reply AT+CSQ \r\n+CSQ: 115,99\r\n\r\nOK\r\n)"} << "signal" << "Initialization completed"
            << "icon=sig75";
        QTest::newRow("caller hangs up while it rings")
            << QStringList{} << "ring:" + caller + R"(|\r\nNO CARRIER\r\n)" << "Calling..." << "sent=ATD";
        QTest::newRow("caller gives up, the RINGs just stop")
            << QStringList{} << "ring:" + caller + "|" << "Calling..." << "sent=ATD";
    }

    void modemHabits()
    {
        QFETCH(QStringList, controls);
        QFETCH(QString, action);
        QFETCH(QString, shown);
        QFETCH(QString, states);
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        QCOMPARE(status(b.w), QString("Initialization completed"));
        for (const QString &c : controls)
            QVERIFY(b.modem->control(c));
        kesptest::ModalCloser closer;
        const QString arg = action.mid(action.indexOf(':') + 1);
        QElapsedTimer clock;
        clock.start();
        if (action == "reopen") {
            b.open();
            b.open();
        } else if (action == "signal") {
            press(b.w, "GSMTestSignalpushButton");
        } else if (action.startsWith("read:")) {
            closer.answerText(arg);
            press(b.w, "GSMReadTextpushButton");
        } else if (action.startsWith("send:")) {
            setText(b.w, "GSMNUMtextEdit", "10086");
            setText(b.w, "GSMtextBrowser", arg);
            press(b.w, "GSMSendpushButton");
        } else if (action.startsWith("inject:")) {
            QVERIFY(b.modem->control("inject " + arg));
        } else if (action.startsWith("ring:")) {
            // The call rings, then ends with the row's code or, without one,
            // by a silence shortened to 1 s; then Call must dial.
            const QString end = arg.section('|', 1);
            const int silence = GsmCodeReader::ringSilenceMs;
            GsmCodeReader::ringSilenceMs = end.isEmpty() ? 1000 : silence;
            auto *call = child<QPushButton>(b.w, "GSMbodianhuapushButton");
            QVERIFY(b.modem->control("inject " + arg.section('|', 0, 0)));
            QVERIFY(kesptest::waitFor([&] { return call->text() == "Answer call"; }));
            GsmCodeReader::ringSilenceMs = silence;
            if (!end.isEmpty())
                QVERIFY(b.modem->control("inject " + end));
            QVERIFY(kesptest::waitFor([&] { return status(b.w) == "call ended" && call->text() == "Call"; }, 3000));
            setText(b.w, "GSMtextBrowser_1", "10086");
            b.modem->clearReceived();
            press(call);
        } else {
            child<QTextEdit>(b.w, "GSMtextBrowser")->insertPlainText(arg);
        }
        const bool fast = clock.elapsed() < kesptest::bound(3000);
        QVERIFY2(kesptest::waitFor([&] { return status(b.w) == shown; }, 3000), qPrintable(status(b.w)));
        const QMap<QString, QString> actual = {
            {"icon", signalIcon(b.w)},
            {"switches", switches(b.w)},
            {"call", child<QPushButton>(b.w, "GSMbodianhuapushButton")->text()},
            {"box", closer.details.isEmpty() ? QString() : closer.details.last()},
            {"sms", textOf(b.w, "GSMtextBrowser")},
            {"read", textOf(b.w, "GSMReadtextBrowser").replace('\n', '|')},
            {"sent", QString::fromLatin1(b.modem->received().left(3))},
            {"fast", QString::number(fast)}};
        for (const QString &state : states.split(';', Qt::SkipEmptyParts))
            QCOMPARE(state.section('=', 0, 0) + "=" + actual.value(state.section('=', 0, 0)), state);
    }

    // Keys edit the number and send tones only in a call; dial, answer and
    // hang-up write their commands; auto redial gives up after three
    // attempts or when Cut ends it; a hung-up ringing call leaves Call
    // dialling again.
    void calls()
    {
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        kesptest::ModalCloser closer;
        b.modem->clearReceived();
        press(b.w, "GSMbodianhuapushButton");
        QCOMPARE(closer.texts, QStringList{"Error number"});
        keys(b.w, "10086");
        QCOMPARE(textOf(b.w, "GSMtextBrowser_1"), QString("10086"));
        kesptest::spin(200);
        QCOMPARE(b.modem->received(), QByteArray());

        press(b.w, "GSMbodianhuapushButton");
        QCOMPARE(b.modem->received(), QByteArray("ATD10086;\r\n"));
        QCOMPARE(status(b.w), QString("Calling..."));
        keys(b.w, "5");
        QCOMPARE(receivedBy(*b.modem, "ATD10086;\r\nAT+VTS=5\r\n"), QByteArray("ATD10086;\r\nAT+VTS=5\r\n"));
        press(b.w, "GSMguadianhuapushButton");
        QCOMPARE(status(b.w), QString("call ended"));
        b.modem->clearReceived();
        keys(b.w, "#");
        kesptest::spin(200);
        QCOMPARE(b.modem->received(), QByteArray());
        press(b.w, "GSMANJIANpushButton_Clean");
        QCOMPARE(status(b.w), QString("Already cleared"));
        keys(b.w, "10086");

        auto *redial = child<QCheckBox>(b.w, "GSM_AutoRedial");
        QVERIFY(b.modem->control("reply ATD \\r\\nNO CARRIER\\r\\n"));
        redial->setChecked(true);
        press(b.w, "GSMbodianhuapushButton");
        QCOMPARE(b.modem->received().count("ATD10086;\r\n"), 3);
        QCOMPARE(closer.texts.last(), QString("For academic research only. Prohibiting telephone harassment!"));
        QCOMPARE(status(b.w), QString("Stop"));
        QVERIFY(!redial->isChecked());

        QVERIFY(b.modem->control("silent ATD"));
        redial->setChecked(true);
        b.modem->clearReceived();
        QTimer::singleShot(500, &b.w, [&] { press(b.w, "GSMguadianhuapushButton"); });
        QElapsedTimer clock;
        clock.start();
        press(b.w, "GSMbodianhuapushButton");
        QVERIFY2(clock.elapsed() < kesptest::bound(2000), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(b.modem->received(), QByteArray("ATD10086;\r\nATH\r\n"));
        QVERIFY(!redial->isChecked());

        // Answer a ringing call; then one that rings and is hung up.
        auto *call = child<QPushButton>(b.w, "GSMbodianhuapushButton");
        for (const QByteArray &expected : {QByteArray("ATA\r\n"), QByteArray("ATH\r\nATD10086;\r\n")}) {
            QVERIFY(b.modem->control("inject \\r\\nRING\\r\\n"));
            QVERIFY(kesptest::waitFor([&] { return call->text() == "Answer call"; }));
            b.modem->clearReceived();
            if (expected.startsWith("ATH"))
                press(b.w, "GSMguadianhuapushButton");
            press(b.w, "GSMbodianhuapushButton");
            QCOMPARE(b.modem->received(), expected);
            QCOMPARE(call->text(), QString("Call"));
            press(b.w, "GSMguadianhuapushButton");
        }
        QCOMPARE(closer.count(), 2);
    }

    // Each switch sends the command for its other state and follows the
    // reply; text mode on also selects UCS2; a silent modem keeps the state.
    void switchesFlip()
    {
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        QCOMPARE(switches(b.w), QString("on/on/on"));
        kesptest::ModalCloser closer;
        const QList<QPair<const char *, QByteArray>> flips = {
            {"GSMLaidianKaiguanpushButton", "AT+CLIP=0\r\n"},
            {"GSMLaidianYingKaiguanpushButton", "AT+CALM=1\r\n"},
            {"GSMDuanXinWenBenKaiguanpushButton", "AT+CMGF=0\r\n"},
            {"GSMDuanXinWenBenKaiguanpushButton", "AT+CMGF=1\r\nAT+CSCS=\"UCS2\"\r\n"},
        };
        for (const auto &flip : flips) {
            b.modem->clearReceived();
            press(b.w, flip.first);
            QCOMPARE(b.modem->received(), flip.second);
        }
        QCOMPARE(switches(b.w), QString("off/off/on"));
        QVERIFY(b.modem->control("silent AT+CMGF="));
        press(b.w, "GSMDuanXinWenBenKaiguanpushButton");
        QCOMPARE(closer.texts, QStringList{"No response"});
        QCOMPARE(switches(b.w), QString("off/off/on"));
    }

    // Send in UCS2 with the result the modem gives, the 70-unit box, read
    // a received and a stored message, delete one and delete all, whose
    // mode switch is awaited before the delete.
    void sms()
    {
        GsmBench b;
        QVERIFY(b.ready());
        b.open();
        kesptest::ModalCloser closer;
        setText(b.w, "GSMNUMtextEdit", "10086");
        setText(b.w, "GSMtextBrowser", "中文 test");
        b.modem->clearReceived();
        press(b.w, "GSMSendpushButton");
        QCOMPARE(status(b.w), QString("SMS sent successfully"));
        QCOMPARE(b.modem->received(), QByteArray("AT+CSMP=17,167,2,25\r\nAT+CSCS=\"UCS2\"\r\n"
                                                 "AT+CMGS=\"00310030003000380036\"\r\n"
                                                 "4e2d658700200074006500730074\x1a"));
        // No result from the modem; a late echo of the command is none either.
        QVERIFY(b.modem->control("silent ^Z"));
        QTimer::singleShot(1500, &b.w, [&] { b.modem->control("inject AT+CMGS=\\r\\n"); });
        press(b.w, "GSMSendpushButton");
        QCOMPARE(status(b.w), QString("SMS sent failed"));
        QVERIFY(b.modem->control("reset ^Z"));
        setText(b.w, "GSMtextBrowser", QString(60, 'x'));
        auto *box = child<QTextEdit>(b.w, "GSMtextBrowser");
        box->moveCursor(QTextCursor::Start);
        box->insertPlainText(QString(100, 'y'));
        QCOMPARE(box->toPlainText(), QString(10, 'y') + QString(60, 'x'));

        closer.answerText("1");
        press(b.w, "GSMReadTextpushButton");
        QCOMPARE(textOf(b.w, "GSMReadtextBrowser"), QString("Sender:10086\nTime:24/01/01,12:00:00+32\n中文 test"));
        closer.answerText("2");
        press(b.w, "GSMReadTextpushButton");
        QCOMPARE(textOf(b.w, "GSMReadtextBrowser"), QString("Sender:10086\nTime:\nHi"));
        closer.answerText("2");
        b.modem->clearReceived();
        press(b.w, "GSMDelTextpushButton");
        QCOMPARE(b.modem->received(), QByteArray("AT+CMGD=2,0\r\n"));
        QCOMPARE(closer.texts.last(), QString("Successfully deleted"));

        press(b.w, "GSMDuanXinWenBenKaiguanpushButton"); // PDU mode
        QVERIFY(b.modem->control("late AT+CMGF= 300"));
        QVERIFY(b.modem->control("reply AT+CMGDA= \\r\\nERROR\\r\\n"));
        closer.answerButton(QMessageBox::Yes);
        b.modem->clearReceived();
        const int shown = closer.count();
        press(b.w, "GSMDelALLTextpushButton");
        QCOMPARE(b.modem->received(), QByteArray("AT+CMGF=1\r\nAT+CMGDA=DEL ALL\r\nAT+CMGF=0\r\n"));
        QCOMPARE(closer.count(), shown + 1); // the question only
        QVERIFY(b.modem->control("reset AT+CMGDA="));
        closer.answerButton(QMessageBox::Yes);
        press(b.w, "GSMDelALLTextpushButton");
        QCOMPARE(closer.texts.last(), QString("Successfully deleted"));
    }

    // The link through the modem to a real echo server: set-up commands,
    // the page locked while up, data out with CR LF and back into the
    // receive view, a GBK character split between batches, link bytes that
    // look like modem codes, close; a refused port and empty fields.
    void gprsLink()
    {
        GsmBench b;
        QVERIFY(b.ready());
        EchoServer echo;
        QVERIFY(echo.ready());
        b.open();
        kesptest::ModalCloser closer;
        auto *link = child<QPushButton>(b.w, "GSMTCPopencompushButton");
        child<QLineEdit>(b.w, "GSMTCPclientPortlineEdit")->setText(QString::number(echo.port));
        b.modem->clearReceived();
        press(link);
        QCOMPARE(closer.texts, QStringList{"connection succeeded"});
        QCOMPARE(b.modem->received(),
                 "AT+CGCLASS=\"B\"\r\nAT+CGDCONT=1,\"IP\",\"CMNET\"\r\nAT+CGATT=1\r\nAT+CIPCSGP=1,\"CMNET\"\r\n"
                 "AT+CLPORT=\"TCP\",\"2222\"\r\nAT+CIPSTART=\"TCP\",\"127.0.0.1\",\""
                     + QByteArray::number(echo.port) + "\"\r\n");
        QCOMPARE(link->text(), QString("Disconnect"));
        for (const char *group : {"gsm_groupBox_call", "gsm_groupBox_serial", "gsm_groupBox_signal",
                                  "gsm_groupBox_config", "gsm_groupBox_SMSsend", "gsm_groupBox_SMSRead"})
            QVERIFY(!enabled(b.w, group));

        setText(b.w, "GSMTcpsendBrowser", "hello\n");
        b.modem->clearReceived();
        press(b.w, "GSMTCPsendmsgBtn");
        QCOMPARE(b.modem->received(), QByteArray("AT+CIPSEND\r\nhello\r\n\x1a"));
        QVERIFY(kesptest::waitFor([&] { return textOf(b.w, "GSMTCPReadSBrowser") == "hello\n"; }));

        QVERIFY(b.modem->control("inject \\xd6"));
        kesptest::spin(200);
        QVERIFY(b.modem->control("inject \\xd0\\r\\nRING\\r\\n"));
        QVERIFY(kesptest::waitFor([&] { return textOf(b.w, "GSMTCPReadSBrowser") == "hello\n中\nRING\n"; }));
        QVERIFY(b.modem->control("inject WARNNING: ignore me"));
        kesptest::spin(200);
        QCOMPARE(textOf(b.w, "GSMTCPReadSBrowser"), QString("hello\n中\nRING\n"));
        QCOMPARE(child<QPushButton>(b.w, "GSMbodianhuapushButton")->text(), QString("Call"));

        // Sends in a row, as a user presses, nothing cleared between them.
        // The status tells of the last send only: a late SEND OK still comes,
        // a refusal is an error.  The host's answer shows whenever it comes;
        // a modem that refuses AT+CIPSEND is sent nothing more.
        const QString late = "The modem did not confirm the send in time";
        const QByteArray whole = "AT+CIPSEND\r\nhello\r\n\x1a";
        const QByteArray b300 = kesptest::countingLine(300), b1400 = kesptest::countingLine(1400),
                         b2000 = kesptest::countingLine(2000);
        struct Send
        {
            QStringList habits;
            QString status, box;
            QByteArray written;
            QString shown; // what the receive view gains
            QByteArray body = "hello";
        };
        const QList<Send> sends{
            {{"late ^Z 1500"}, late, "", whole, "hello\n\nSEND OK\n"},
            {{}, "", "", whole, "hello\n"},
            {{"reply ^Z \\r\\nSEND FAIL\\r\\n"}, "", "Error/SEND FAIL", whole, "hello\n"},
            {{"late ^Z 300"}, "", "", whole, "hello\n"}, // the host answers before SEND OK
            {{"before AT+CIPSEND <b>\\r\\n"}, "", "", whole, "<b>\nhello\n"}, // and before the prompt
            {{"silent ^Z"}, late, "", whole, "hello\n"},
            {{"reply AT+CIPSEND \\r\\nERROR\\r\\n"}, "", "Error/", "AT+CIPSEND\r\n", ""},
            {{"reply ^Z \\r\\nERROR\\r\\n"}, "", "Error/", whole, "hello\n"},
            {{"silent ^Z", "silent AT+CIPSEND"}, late, "", whole, "hello\n"},
            {{"reply AT+CIPSEND \\r\\n+CME ERROR: 3\\r\\n"}, "", "Error/+CME ERROR: 3", "AT+CIPSEND\r\n", ""},
            // A 9600-baud line: the echo outlasts the data's three polls.
            {{"pace 1", "ctrlz off"}, "", "", "AT+CIPSEND\r\n" + b300 + "\r\n\x1a", b300 + "\n", b300},
            {{"ctrlz on"}, "", "", "AT+CIPSEND\r\n" + b1400 + "\r\n\x1a", b1400 + "\n", b1400},
            {{"pace 0", "echo off", "late ^Z 1500"}, late, "", whole, "hello\n\nSEND OK\n"},
            {{"echo on"}, "", "", whole, "hello\n"},
            // The echo and its Ctrl-Z start after the data's three polls.
            {{"echodelay 400"}, "", "", whole, "hello\n"},
            // AT+CIPSEND echoed, the data not: the host's same text is shown.
            {{"echodelay 0", "dataecho off", "late ^Z 1500"}, late, "", whole, "hello\n\nSEND OK\n"},
            // A 9600-baud echo that stops for a poll now and then.
            {{"dataecho on", "pace 1", "echogap 400 190"}, "", "", "AT+CIPSEND\r\n" + b2000 + "\r\n\x1a", b2000 + "\n", b2000},
            // Echo off, and the host speaks while the data goes out.
            {{"pace 0", "echogap 0 0", "echo off", "before DATA hello\\r\\n"}, "", "", whole, "hello\nhello\n"},
            {{"reset DATA", "echo on"}, "", "", whole, "hello\n"}};
        for (const Send &send : sends) {
            for (const QString &habit : send.habits)
                QVERIFY(b.modem->control(habit));
            qInfo() << "send, modem:" << send.habits;
            const QString view = textOf(b.w, "GSMTCPReadSBrowser") + send.shown;
            const int boxes = closer.count();
            setText(b.w, "GSMTcpsendBrowser", send.body + "\n");
            b.modem->clearReceived();
            press(b.w, "GSMTCPsendmsgBtn");
            QCOMPARE(status(b.w), send.status);
            QCOMPARE(closer.count() > boxes ? closer.texts.last() + "/" + closer.details.last() : "", send.box);
            kesptest::waitFor([&] { return textOf(b.w, "GSMTCPReadSBrowser") == view; });
            kesptest::spin(200); // and nothing after it
            // The tails say what went wrong; the whole view, that nothing else did.
            QCOMPARE(textOf(b.w, "GSMTCPReadSBrowser").right(send.shown.size() + 40), view.right(send.shown.size() + 40));
            QCOMPARE(textOf(b.w, "GSMTCPReadSBrowser"), view);
            QCOMPARE(b.modem->received(), send.written);
            QCOMPARE(status(b.w), send.status);
            QVERIFY(b.modem->control("reset ^Z") && b.modem->control("reset AT+CIPSEND"));
        }

        b.modem->clearReceived();
        press(link);
        QCOMPARE(b.modem->received(), QByteArray("AT+CIPCLOSE=1\r\nAT+CIPSHUT\r\n"));
        QCOMPARE(link->text(), QString("Connect"));
        QVERIFY(enabled(b.w, "gsm_groupBox_call"));

        // Connects in a row, each told at once.  One that ends without a
        // link closes whatever the modem was left with, so the next starts
        // clean (after CONNECT FAIL the modem refuses every start until
        // AT+CIPSHUT); a link the modem still holds (an earlier run's) is
        // closed and the link asked for tried once more.
        const quint16 down = kesptest::freeTcpPort();
        const auto start = [](quint16 port) {
            return "AT+CGCLASS=\"B\"\r\nAT+CGDCONT=1,\"IP\",\"CMNET\"\r\nAT+CGATT=1\r\nAT+CIPCSGP=1,\"CMNET\"\r\n"
                   "AT+CLPORT=\"TCP\",\"2222\"\r\nAT+CIPSTART=\"TCP\",\"127.0.0.1\",\""
                   + QByteArray::number(port) + "\"\r\n";
        };
        const QByteArray close = "AT+CIPCLOSE=1\r\nAT+CIPSHUT\r\n";
        const QString held = "link " + QString::number(echo.port);
        struct Connect
        {
            QStringList habits;
            quint16 port;
            QString box;
            QByteArray written;
            QString button; // after the press
        };
        const QString up = "connection succeeded/", notResponding = "Remote server is not responding/";
        const QList<Connect> connects{
            {{"reply AT+CIPSTART \\r\\nERROR\\r\\n"}, down, "Error/", start(down) + close, "Connect"},
            {{"reset AT+CIPSTART"}, down, notResponding, start(down) + close, "Connect"}, // CONNECT FAIL
            {{}, echo.port, up, start(echo.port), "Disconnect"}, // the server is back
            {{}, echo.port, "", close, "Connect"},
            {{held}, echo.port, up, start(echo.port) + close + start(echo.port), "Disconnect"},
            {{}, echo.port, "", close, "Connect"},
            // ERROR, a blank line and ALREADY CONNECT, the last a read later.
            {{held, "already error", "split AT+CIPSTART 150"}, echo.port, up, start(echo.port) + close + start(echo.port), "Disconnect"},
            {{"reset AT+CIPSTART"}, echo.port, "", close, "Connect"},
            // Held, and the server asked for is down.
            {{held, "already ok"}, down, notResponding, start(down) + close + start(down) + close, "Connect"}};
        for (const Connect &c : connects) {
            for (const QString &habit : c.habits)
                QVERIFY(b.modem->control(habit));
            qInfo() << "connect, modem:" << c.habits;
            child<QLineEdit>(b.w, "GSMTCPclientPortlineEdit")->setText(QString::number(c.port));
            const int boxes = closer.count();
            b.modem->clearReceived();
            QElapsedTimer clock;
            clock.start();
            press(link);
            QVERIFY(clock.elapsed() < kesptest::bound(3000));
            QCOMPARE(closer.count() > boxes ? closer.texts.last() + "/" + closer.details.last() : "", c.box);
            QCOMPARE(receivedBy(*b.modem, c.written), c.written);
            QCOMPARE(link->text(), c.button);
            QCOMPARE(enabled(b.w, "gsm_groupBox_serial"), c.button == "Connect");
        }

        child<QLineEdit>(b.w, "GSMTCPclientPortlineEdit")->clear();
        b.modem->clearReceived();
        press(link);
        QCOMPARE(closer.texts.last(), QString("Please fill in the full server IP and PORT"));
        QCOMPARE(b.modem->received(), QByteArray());
        QCOMPARE(link->text(), QString("Connect"));

        // The console reader is back: modem codes count again.
        QVERIFY(b.modem->control("inject \\r\\nRING\\r\\n"));
        QVERIFY(kesptest::waitFor([&] { return status(b.w) == "Have a new call:"; }));

        // The device goes while the link is up: the link keeps its state for
        // Disconnect, but the port can be opened again.
        child<QLineEdit>(b.w, "GSMTCPclientPortlineEdit")->setText(QString::number(echo.port));
        press(link);
        QCOMPARE(link->text(), QString("Disconnect"));
        b.pty.hangUp();
        QVERIFY(kesptest::waitFor([&] { return status(b.w).startsWith("Serial closed: the device is gone"); }));
        QVERIFY(enabled(b.w, "GSMopencompushButton"));
        QVERIFY(!enabled(b.w, "gsm_groupBox_call"));
    }

    // The page and its messages in Simplified Chinese; the tab text stays.
    void chineseTexts()
    {
        QTranslator chinese;
        QVERIFY(chinese.load(":/transSimpleChinese.qm"));
        const QList<QPair<const char *, QString>> texts = {
            {"Call phone", "拨打电话"},       {"Function switch", "功能开关"}, {"signal value", "信号值"},
            {"Answer call", "接听电话"},      {"Have a new call:", "有新来电:"}, {"call ended", "通话结束"},
            {"Initialization completed", "初始化完成"}, {"GPRS Test - TCP Client", "GPRS测试 - TCP客户端"},
            {"SMS sent successfully", "短信发送成功"}, {"Successfully deleted", "删除成功"}};
        for (const auto &t : texts)
            QCOMPARE(chinese.translate("MainWindow", t.first), t.second);
        const QString tab = chinese.translate("MainWindow", "GSM Debug");
        QVERIFY(tab.isEmpty() || tab == "GSM Debug");
    }

    // An empty port list does nothing; a port that cannot be opened says so
    // and leaves the page closed.
    void openWithoutADevice()
    {
        kesptest::TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        QCOMPARE(signalIcon(w), QString("sig0"));
        QCOMPARE(switches(w), QString("off/off/off"));
        child<QComboBox>(w, "GSMportNameComboBox")->clear();
        press(w, "GSMopencompushButton");
        QCOMPARE(status(w), QString());
        QCOMPARE(child<QPushButton>(w, "GSMopencompushButton")->text(), QString("Open"));

        choosePort(w, "GSMportNameComboBox", home.path() + "/no-such-tty");
        press(w, "GSMopencompushButton");
        QCOMPARE(status(w), QString("Serial failed to open, The serial does not exist or already used."));
        QCOMPARE(child<QPushButton>(w, "GSMopencompushButton")->text(), QString("Open"));
        QCOMPARE(child<QPushButton>(w, "GSMopencompushButton")->styleSheet(), kGreen);
        QVERIFY(enabled(w, "GSMportNameComboBox"));
        QVERIFY(enabled(w, "opencompushButton"));
        QVERIFY(!enabled(w, "GSMTestSignalpushButton"));
    }

    // The device goes away while the status query waits for a silent modem:
    // the query stops at its next wait, writes nothing more, and the port
    // closes as Close would, with the reason; the same when idle.
    void deviceLostDuringAndAfterACommand()
    {
        GsmBench b;
        QVERIFY(b.ready());
        QVERIFY(b.modem->control("silent AT+CLIP?"));
        QTimer::singleShot(700, &b.w, [&] { b.pty.hangUp(); });
        QElapsedTimer clock;
        clock.start();
        b.open();
        QVERIFY2(clock.elapsed() < kesptest::bound(4000), qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(status(b.w).startsWith("Serial closed: the device is gone"), qPrintable(status(b.w)));
        QCOMPARE(b.modem->received(), QByteArray("AT+CLIP?\r\n"));
        auto *open = child<QPushButton>(b.w, "GSMopencompushButton");
        QCOMPARE(open->text(), QString("Open"));
        QCOMPARE(open->styleSheet(), kGreen);
        QVERIFY(open->isEnabled());
        QVERIFY(enabled(b.w, "GSMportNameComboBox"));
        QVERIFY(enabled(b.w, "opencompushButton"));
        QVERIFY(!enabled(b.w, "GSMTestSignalpushButton"));

        GsmBench idle;
        QVERIFY(idle.ready());
        idle.open();
        QCOMPARE(status(idle.w), QString("Initialization completed"));
        idle.pty.hangUp();
        QVERIFY(kesptest::waitFor([&] { return status(idle.w).startsWith("Serial closed: the device is gone"); }));
        QCOMPARE(child<QPushButton>(idle.w, "GSMopencompushButton")->text(), QString("Open"));
    }

    // Exit while the status query waits for a slow modem: nothing after the
    // first command reaches the modem, though the program's event loop runs
    // on for a while (as on a restart), and the program ends with code 0.
    void exitDuringACommand()
    {
        kesptest::TempHome home(kesptest::quietIni());
        kesptest::PtyPair pty;
        QVERIFY(pty.isReady());
        FakeModem modem(QFINDTESTDATA("fake_modem.py"), pty.deviceB());
        QVERIFY(modem.isReady());
        QVERIFY(modem.control("late AT+CLIP? 1500"));
        QProcess program;
        program.setProgram(QCoreApplication::applicationFilePath());
        program.setArguments({"--exit-during-command", pty.deviceA()});
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        QElapsedTimer clock;
        clock.start();
        program.start();
        QVERIFY(program.waitForStarted(5000));
        if (!kesptest::waitFor([&] { return program.state() == QProcess::NotRunning; }, 20000)) {
            program.kill();
            program.waitForFinished(3000);
            QFAIL("the program kept running after Exit");
        }
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QVERIFY2(clock.elapsed() < kesptest::bound(8000), qPrintable(QString::number(clock.elapsed())));
        kesptest::spin(300);
        QCOMPARE(modem.received(), QByteArray("AT+CLIP?\r\n"));
    }
};

// The program as main runs it: the window opens the port, then Exit comes
// while the first command of the status query waits; the event loop ends
// a little later.
static int exitDuringCommand(int argc, char **argv, const QString &device)
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QTimer::singleShot(3000, &app, &QCoreApplication::quit);
    MainWindow window;
    window.show();
    choosePort(window, "GSMportNameComboBox", device);
    QTimer::singleShot(100, &window, [&] { press(window, "GSMopencompushButton"); });
    QTimer::singleShot(900, &window, [&] { window.findChild<QAction *>("actionExit")->trigger(); });
    return app.exec();
}

int main(int argc, char **argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--exit-during-command")
        return exitDuringCommand(1, argv, QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    GsmConsoleTest test;
    return kesptest::runStrict(&test, argc, argv);
}

#include "tst_gsm_console.moc"
