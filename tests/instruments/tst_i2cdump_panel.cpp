// The "i2cdump" tab through its widgets against the fake bridge on a pty,
// whose replies come in pieces behind noise: frames sent (the bridge's log),
// scan and read results, grid colours, one dialog of each, refused write
// texts, every dump whole, nothing sent while another tab holds the port;
// replies behind a dump cut by a bridge reset still show, and behind two; a
// reply split around a busy window shows.
#include "tests/support/test_base.h"
#include "tests/terminals/serial_fixture.h"

#include "instruments/vexmora_i2c_tools.h"

#include <QDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QTranslator>

using namespace serialtest;

struct I2CWindow : TerminalWindow
{
    QProcess bridge;
    QString bridgeLog = home.path() + "/bridge.log";
    ~I2CWindow() { stopBridge(); }

    bool start(const QStringList &options = {})
    {
        w.show();
        child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "i2cdump"));
        choosePort(w, "i2cdumpportNameComboBox", pty.deviceA());
        press(w, "i2cdumpopencompushButton");
        // The bridge opens its end only now: one that had it open before the
        // window opened the near end was never woken by the data here.
        bridge.start("python3", QStringList{KESP_FAKE_BRIDGE, pty.deviceB(), bridgeLog} + options);
        return status(w) == "Serial opened" && kesptest::waitFor([&] { return QFile::exists(bridgeLog); });
    }
    int stopBridge() // dumps the bridge sent
    {
        bridge.terminate();
        bridge.waitForFinished(5000);
        return QJsonDocument::fromJson(bridge.readAllStandardOutput())["dumps"].toInt(-1);
    }
    QStringList sent()
    {
        QFile f(bridgeLog);
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts) : QStringList();
    }
    bool got(const char *hex) { return kesptest::waitFor([&] { return sent().contains(hex); }); }
    vexmora_i2c_tools *tools() { return w.findChild<vexmora_i2c_tools *>(); }
    QComboBox *addresses() { return child<QComboBox>(*tools(), "comboBox"); }
    QString log() { return child<QPlainTextEdit>(w, "i2cdump_StrTextBrowser")->toPlainText(); }
    bool logEnds(const char *text) { return kesptest::waitFor([&] { return log().endsWith(text); }); }
    QColor shade(int reg) { return tools()->cell(reg)->palette().color(QPalette::Window); }
    QDialog *dialog(const char *name)
    {
        const QList<QDialog *> all = w.findChildren<QDialog *>(name);
        return all.size() == 1 ? all.first() : nullptr;
    }
    bool actionsEnabled(bool on)
    {
        for (const char *b : {"i2cdump_stop_pushButton", "i2cdumpsancfpushButton", "i2cdumpreadpushButton", "i2cdumpwritepushButton"})
            if (child<QPushButton>(w, b)->isEnabled() != on)
                return false;
        return true;
    }
};

class I2CdumpPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void scanStreamReadWrite()
    {
        I2CWindow t;
        auto *stop = child<QPushButton>(t.w, "i2cdump_stop_pushButton");
        QCOMPARE(stop->text() + stop->styleSheet(), "Start" + kGreen);
        QVERIFY(t.actionsEnabled(false));
        QCOMPARE(child<QPlainTextEdit>(t.w, "i2cdump_StrTextBrowser")->maximumBlockCount(), 100);
        // Replies come in 97-byte pieces, each behind noise and a bad frame.
        QVERIFY(t.start({"--pieces", "--noise", "--period", "0.5"}));
        QVERIFY(t.actionsEnabled(true));

        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(t.got("56 58 01 00 01 ff ff"));
        QVERIFY(t.logEnds("Searching for I2C devices on the bus:\n0x3c, 0x68, \n"));
        t.addresses()->setCurrentIndex(0x3c);
        QVERIFY(t.got("56 58 03 00 01 3c 3c"));

        // 0x01 holds A5, 0x10 counts per dump, 0x20 on a false read result.
        // In Chinese, so the toggle cannot hang on the button's text.
        QTranslator zh;
        QVERIFY(zh.load(":/transSimpleChinese.qm") && qApp->installTranslator(&zh));
        kesptest::spin(50); // the form's retranslation
        press(stop);
        QVERIFY(t.got("56 58 02 00 01 ff ff"));
        QCOMPARE(stop->text(), "停止");
        QVERIFY(!child<QPushButton>(t.w, "i2cdumpsancfpushButton")->isEnabled());
        QVERIFY(kesptest::waitFor([&] { return t.tools()->dumpsApplied() == 1; }));
        QCOMPARE(QList<QColor>({t.shade(0), t.shade(1), t.shade(0x10)}), QList<QColor>({Qt::white, 0x00cd66, 0x00cd66}));
        QVERIFY(kesptest::waitFor([&] { return t.tools()->dumpsApplied() == 2; }));
        QCOMPARE(QList<QColor>({t.shade(1), t.shade(0x10)}), QList<QColor>({Qt::white, 0xff69b4}));
        QCOMPARE(t.tools()->cell(1)->text() + t.tools()->cell(0x10)->text() + t.tools()->cell(0x20)->text(), "A50256");
        press(stop);
        QVERIFY(t.got("56 58 00 00 01 ff ff"));
        QCOMPARE(stop->text(), "开始");
        qApp->removeTranslator(&zh);

        for (const char *b : {"i2cdumpreadpushButton", "i2cdumpreadpushButton", "i2cdumpwritepushButton", "i2cdumpwritepushButton"})
            press(t.w, b);
        QDialog *reader = t.dialog("I2CDump_ReadREG"), *writer = t.dialog("I2CDump_WriteREG");
        QVERIFY(reader && writer);
        child<QComboBox>(*writer, "reg_comboBox")->setCurrentIndex(0x05);
        auto *text = child<QLineEdit>(*writer, "lineEdit");
        text->setText("0x12,0x34,0xab");
        press(*writer, "send_pushButton");
        QVERIFY(t.got("56 58 04 00 04 05 12 34 ab f6"));

        const int frames = t.sent().size();
        kesptest::ModalCloser closer;
        const QStringList bad{"0x12, 0x34", "0X12", "0x1", "0x12,", "", QStringList(506, "0x01").join(',')};
        for (const QString &b : bad) {
            text->setText(b);
            press(*writer, "send_pushButton");
        }
        QCOMPARE(closer.titles, QStringList(bad.size(), "Warning"));
        QCOMPARE(closer.texts.last(), "Invalid input format. Please enter the correct format (e.g., 0x01,0x34,0xab)");

        child<QComboBox>(*reader, "reg_comboBox")->setCurrentIndex(0x05);
        child<QComboBox>(*reader, "length_comboBox")->setCurrentIndex(3);
        press(*reader, "read_pushButton");
        QVERIFY(t.logEnds("Reg addr 0x05: 0x12, 0x34, 0xab, \n"));
        QCOMPARE(t.sent().mid(frames), QStringList{"56 58 05 00 02 05 03 08"});

        // A reply after its dialog is gone names the register sent.
        child<QComboBox>(*reader, "reg_comboBox")->setCurrentIndex(0x20);
        press(*reader, "read_pushButton");
        press(*reader, "I2CDump_ReadREGCancel");
        QVERIFY(t.logEnds("Reg addr 0x20: 0x56, 0x58, 0x05, \n"));
        QVERIFY(kesptest::waitFor([&] { return !t.dialog("I2CDump_ReadREG"); }));
        press(t.w, "i2cdumpreadpushButton");

        // The serial terminal takes the bridge's port: neither the address
        // list nor the open dialogs may reach that device.
        press(t.w, "i2cdumpopencompushButton");
        QVERIFY(t.actionsEnabled(false));
        QVERIFY(t.open());
        const int before = t.sent().size();
        t.addresses()->setCurrentIndex(0x68);
        text->setText("0x01");
        press(*writer, "send_pushButton");
        press(*t.dialog("I2CDump_ReadREG"), "read_pushButton");
        kesptest::spin(300);
        QCOMPARE(t.sent().size(), before);

        // Every dump whole, every bad frame (one per reply) refused.
        const int sent = t.stopBridge();
        QCOMPARE(t.tools()->dumpsApplied(), qint64(sent));
        QCOMPARE(t.tools()->codec().badFrames(), qint64(sent + 3));
    }

    // The bridge resets 100 bytes into a dump: the first scan reply behind
    // it shows at once, and so do the 17 more and the read reply.
    void cutDumpKeepsTheRepliesBehindIt()
    {
        I2CWindow t;
        QVERIFY(t.start({"--cut", "100"}));
        press(t.w, "i2cdump_stop_pushButton");
        QVERIFY(t.got("56 58 02 00 01 ff ff"));
        press(t.w, "i2cdump_stop_pushButton");
        kesptest::spin(600); // a user's moment after the reset
        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(t.logEnds("Searching for I2C devices on the bus:\n0x3c, 0x68, \n"));
        for (int i = 0; i < 17; ++i)
            press(t.w, "i2cdumpsancfpushButton");
        press(t.w, "i2cdumpreadpushButton");
        child<QComboBox>(*t.dialog("I2CDump_ReadREG"), "length_comboBox")->setCurrentIndex(16);
        press(*t.dialog("I2CDump_ReadREG"), "read_pushButton");
        QVERIFY(t.logEnds(qPrintable("Reg addr 0x00: " + QString("0x00, ").repeated(16) + "\n")));
        QCOMPARE(t.log().count("Searching for I2C devices on the bus:"), 18);
    }

    // A scan reply in two pieces 300 ms apart while the window is busy for
    // 0.7 s shows; so does one right behind two dumps cut by resets, once
    // the line is quiet, without another command.
    void busyWindowAndTwoCuts()
    {
        I2CWindow t;
        QVERIFY(t.start({"--cut", "100", "--cut", "100", "--split", "0.3"}));
        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(kesptest::waitFor([&] { return !t.tools()->codec().buffer().isEmpty(); }));
        QThread::msleep(700); // a Modbus exchange, a long paste
        QVERIFY(t.logEnds("Searching for I2C devices on the bus:\n0x3c, 0x68, \n"));
        press(t.w, "i2cdump_stop_pushButton");
        QVERIFY(kesptest::waitFor([&] { return t.tools()->codec().buffer().size() == 2 * 105; })); // each cut 100 bytes in
        press(t.w, "i2cdump_stop_pushButton");
        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(kesptest::waitFor([&] { return t.log().count("0x3c, 0x68") == 2; }));
    }
};

KESP_TEST_MAIN(I2CdumpPanelTest)
#include "tst_i2cdump_panel.moc"
