// The "i2cdump" tab through its real widgets against the fake bridge on a
// pty: the frames it sends (checked in the bridge's log), the scan and read
// results in the log, the grid's colours, the dialogs, refused write texts,
// and dumps arriving whole through noise and pieces.
#include "tests/terminals/serial_fixture.h"

#include "instruments/vexmora_i2c_tools.h"

#include <QDialog>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTabWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace serialtest;

struct I2CWindow
{
    I2CWindow()
        : home(kesptest::quietIni())
    {
    }
    kesptest::TempHome home;
    kesptest::PtyPair pty;
    MainWindow w;
    QProcess bridge;
    QString bridgeLog = home.path() + "/bridge.log";

    ~I2CWindow() { stopBridge(); }
    bool start(const QStringList &options = {})
    {
        if (!pty.isReady())
            return false;
        w.show();
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        tabs->setCurrentIndex(tabs->indexOf(child<QWidget>(w, "i2cdump")));
        choosePort(w, "i2cdumpportNameComboBox", pty.deviceA());
        press(w, "i2cdumpopencompushButton");
        // The bridge opens its end only now: one that had it open before
        // the window opened the near end was never woken by the data here.
        bridge.start(QStringLiteral("python3"),
                     QStringList{QStringLiteral(KESP_FAKE_BRIDGE), pty.deviceB(), bridgeLog} + options);
        return bridge.waitForStarted(5000) && status(w) == QStringLiteral("Serial opened")
               && kesptest::waitFor([&] { return QFile::exists(bridgeLog); });
    }
    // Dumps the bridge sent, once it has ended.
    int stopBridge()
    {
        if (bridge.state() == QProcess::NotRunning)
            return -1;
        bridge.terminate();
        bridge.waitForFinished(5000);
        return QJsonDocument::fromJson(bridge.readAllStandardOutput()).object()["dumps"].toInt(-1);
    }
    QStringList sent()
    {
        QFile f(bridgeLog);
        f.open(QIODevice::ReadOnly);
        return QString::fromLatin1(f.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    bool bridgeGot(const char *hex)
    {
        return kesptest::waitFor([&] { return sent().contains(QLatin1String(hex)); });
    }
    vexmora_i2c_tools *tools() { return w.findChild<vexmora_i2c_tools *>(); }
    QComboBox *addressList() { return child<QComboBox>(*tools(), "comboBox"); }
    QString log() { return child<QPlainTextEdit>(w, "i2cdump_StrTextBrowser")->toPlainText(); }
    QColor shade(int reg) { return tools()->cell(reg)->palette().color(QPalette::Window); }
    QDialog *dialog(const char *name)
    {
        const QList<QDialog *> all = w.findChildren<QDialog *>(QString::fromLatin1(name));
        return all.size() == 1 ? all.first() : nullptr;
    }
    QList<QPushButton *> actions()
    {
        return {child<QPushButton>(w, "i2cdump_stop_pushButton"), child<QPushButton>(w, "i2cdumpsancfpushButton"),
                child<QPushButton>(w, "i2cdumpreadpushButton"), child<QPushButton>(w, "i2cdumpwritepushButton")};
    }
};

static const QColor kWhite(Qt::white), kGreenCell(0x00, 0xcd, 0x66), kPink(0xff, 0x69, 0xb4);

class I2CdumpPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void scanStreamReadWrite()
    {
        I2CWindow t;
        auto *stop = child<QPushButton>(t.w, "i2cdump_stop_pushButton");
        QCOMPARE(stop->text(), QStringLiteral("Start"));
        QCOMPARE(stop->styleSheet(), kGreen);
        for (QPushButton *b : t.actions())
            QVERIFY(!b->isEnabled());
        QCOMPARE(child<QComboBox>(t.w, "i2cdumpbaudRateComboBox")->currentText(), QStringLiteral("115200"));
        QCOMPARE(t.addressList()->count(), 128);
        QCOMPARE(t.addressList()->itemText(127), QStringLiteral("0x7F"));

        QVERIFY(t.start({"--period", "0.5"}));
        for (QPushButton *b : t.actions())
            QVERIFY(b->isEnabled());

        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(t.bridgeGot("56 58 01 00 01 ff ff"));
        QVERIFY(kesptest::waitFor([&] {
            return t.log() == QStringLiteral("Searching for I2C devices on the bus:\n0x3c, 0x68, \n");
        }));

        t.addressList()->setCurrentIndex(0x3c);
        QVERIFY(t.bridgeGot("56 58 03 00 01 3c 3c"));

        // Register 0x01 holds A5, 0x10 counts up with every dump, 0x20-0x25
        // hold a false empty read result that must stay data.
        press(stop);
        QCOMPARE(stop->text(), QStringLiteral("Stop"));
        QVERIFY(!child<QPushButton>(t.w, "i2cdumpsancfpushButton")->isEnabled());
        QVERIFY(t.bridgeGot("56 58 02 00 01 ff ff"));
        QVERIFY(kesptest::waitFor([&] { return t.tools()->dumpsApplied() == 1; }));
        QCOMPARE(t.shade(0x00), kWhite);
        QCOMPARE(t.shade(0x01), kGreenCell);
        QCOMPARE(t.tools()->cell(0x01)->text(), QStringLiteral("A5"));
        QCOMPARE(t.shade(0x10), kGreenCell);
        QVERIFY(kesptest::waitFor([&] { return t.tools()->dumpsApplied() == 2; }));
        QCOMPARE(t.shade(0x01), kWhite);
        QCOMPARE(t.shade(0x10), kPink);
        QCOMPARE(t.tools()->cell(0x10)->text(), QStringLiteral("02"));
        QCOMPARE(t.tools()->cell(0x20)->text() + t.tools()->cell(0x21)->text(), QStringLiteral("5658"));
        press(stop);
        QCOMPARE(stop->text(), QStringLiteral("Start"));
        QVERIFY(t.bridgeGot("56 58 00 00 01 ff ff"));
        kesptest::spin(700);
        const qint64 dumps = t.tools()->dumpsApplied();
        kesptest::spin(700);
        QCOMPARE(t.tools()->dumpsApplied(), dumps);
        QVERIFY(!t.log().contains(QStringLiteral("Reg addr")));

        // One dialog of each, however often pressed.
        press(t.w, "i2cdumpreadpushButton");
        press(t.w, "i2cdumpreadpushButton");
        press(t.w, "i2cdumpwritepushButton");
        press(t.w, "i2cdumpwritepushButton");
        QDialog *reader = t.dialog("I2CDump_ReadREG");
        QDialog *writer = t.dialog("I2CDump_WriteREG");
        QVERIFY(reader && writer);
        QCOMPARE(child<QComboBox>(*reader, "length_comboBox")->itemText(255), QStringLiteral("0xFF"));

        child<QComboBox>(*writer, "reg_comboBox")->setCurrentIndex(0x05);
        auto *text = child<QLineEdit>(*writer, "lineEdit");
        text->setText(QStringLiteral("0x12,0x34,0xab"));
        press(*writer, "send_pushButton");
        QVERIFY(t.bridgeGot("56 58 04 00 04 05 12 34 ab f6"));

        // Refused texts: the warning, and nothing reaches the bridge.
        const int frames = t.sent().size();
        kesptest::ModalCloser closer;
        const QStringList bad{"0x12, 0x34", "0X12", "0x1", "0x12,", "",
                              QStringList(506, QStringLiteral("0x01")).join(',')};
        for (const QString &b : bad) {
            text->setText(b);
            press(*writer, "send_pushButton");
        }
        QCOMPARE(closer.count(), bad.size());
        QCOMPARE(closer.titles.first(), QStringLiteral("Warning"));
        QCOMPARE(closer.texts.last(),
                 QStringLiteral("Invalid input format. Please enter the correct format (e.g., 0x01,0x34,0xab)"));
        kesptest::spin(200);
        QCOMPARE(t.sent().size(), frames);

        child<QComboBox>(*reader, "reg_comboBox")->setCurrentIndex(0x05);
        child<QComboBox>(*reader, "length_comboBox")->setCurrentIndex(3);
        press(*reader, "read_pushButton");
        QVERIFY(t.bridgeGot("56 58 05 00 02 05 03 08"));
        QVERIFY(kesptest::waitFor([&] { return t.log().endsWith(QStringLiteral("Reg addr 0x05: 0x12, 0x34, 0xab, \n")); }));

        // The reply comes after the dialog is gone: the register sent is
        // logged, nothing reads the deleted dialog.
        child<QComboBox>(*reader, "reg_comboBox")->setCurrentIndex(0x20);
        child<QComboBox>(*reader, "length_comboBox")->setCurrentIndex(2);
        press(*reader, "read_pushButton");
        press(*reader, "I2CDump_ReadREGCancel");
        QVERIFY(kesptest::waitFor([&] { return t.log().endsWith(QStringLiteral("Reg addr 0x20: 0x56, 0x58, \n")); }));
        QVERIFY(kesptest::waitFor([&] { return !t.dialog("I2CDump_ReadREG"); }));
        press(t.w, "i2cdumpreadpushButton");
        QVERIFY(t.dialog("I2CDump_ReadREG"));

        // The log keeps the newest 100 lines.
        for (int i = 0; i < 60; ++i)
            press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(kesptest::waitFor([&] { return t.sent().count(QStringLiteral("56 58 01 00 01 ff ff")) == 61; }));
        kesptest::spin(300);
        QVERIFY(child<QPlainTextEdit>(t.w, "i2cdump_StrTextBrowser")->blockCount() <= 100);
        QVERIFY(t.log().endsWith(QStringLiteral("bus:\n0x3c, 0x68, \n")));

        // Closed: the actions go grey.  The serial terminal then takes the
        // bridge's port; the address list and the open write dialog must
        // not reach that device.
        press(t.w, "i2cdumpopencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial closed"));
        for (QPushButton *b : t.actions())
            QVERIFY(!b->isEnabled());
        QVERIFY(openTerminal(t.w, t.pty));
        const int before = t.sent().size();
        t.addressList()->setCurrentIndex(0x68);
        text->setText(QStringLiteral("0x01"));
        press(*writer, "send_pushButton");
        press(*t.dialog("I2CDump_ReadREG"), "read_pushButton");
        kesptest::spin(300);
        QCOMPARE(t.sent().size(), before);
    }

    // Replies cut into 97-byte pieces with noise and a bad frame before
    // each: every dump arrives whole, the false read result inside the
    // dumps never shows, the scan is logged once.
    void piecesAndNoise()
    {
        I2CWindow t;
        QVERIFY(t.start({"--pieces", "--noise"}));
        t.addressList()->setCurrentIndex(0x3c);
        QVERIFY(t.bridgeGot("56 58 03 00 01 3c 3c"));
        press(t.w, "i2cdumpsancfpushButton");
        QVERIFY(kesptest::waitFor([&] { return t.log().contains(QStringLiteral("0x3c, 0x68, ")); }));
        press(t.w, "i2cdump_stop_pushButton");
        QVERIFY(kesptest::waitFor([&] { return t.tools()->dumpsApplied() >= 10; }));
        press(t.w, "i2cdump_stop_pushButton");
        QVERIFY(t.bridgeGot("56 58 00 00 01 ff ff"));
        kesptest::spin(500);
        const int sent = t.stopBridge();
        QVERIFY(sent >= 10);
        QCOMPARE(t.tools()->dumpsApplied(), qint64(sent));
        QCOMPARE(t.tools()->cell(0x10)->text(), QStringLiteral("%1").arg(sent, 2, 16, QLatin1Char('0')).toUpper());
        QCOMPARE(t.tools()->codec().badFrames(), qint64(sent + 1));
        QCOMPARE(t.log(), QStringLiteral("Searching for I2C devices on the bus:\n0x3c, 0x68, \n"));
    }
};

QTEST_MAIN(I2CdumpPanelTest)
#include "tst_i2cdump_panel.moc"
