// The seven sensor tabs' and the GPS tab's Open buttons against a pty: each opens the port
// 8N1 at its baud combo's rate and closes it again with the texts, looks,
// locks and rescan of the shared frame; a failed open, an empty list and an
// unplugged device leave the window usable and free the port holder.
#include "tests/support/test_base.h"
#include "tests/terminals/serial_fixture.h"
#include "terminals/thread_serial.h"

#include <QDir>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace serialtest;
using kesptest::PtyPair;
using kesptest::TempHome;

// Counts port holders handed to deferred deletion: a holder that is never
// released leaks a thread and a port object.
class ReleaseCounter : public QObject
{
public:
    ReleaseCounter() { qApp->installEventFilter(this); }
    ~ReleaseCounter() override { qApp->removeEventFilter(this); }
    // Deferred deletes posted outside an event loop wait for one; deliver
    // them now.
    int count()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return released;
    }
    int released = 0;

protected:
    bool eventFilter(QObject *obj, QEvent *event) override
    {
        if (event->type() == QEvent::DeferredDelete && qobject_cast<ThreadSerial *>(obj))
            ++released;
        return false;
    }
};

// Brings the tab holding `widget` to the front, as a user would.
static void showTabOf(MainWindow &w, QWidget *widget)
{
    auto *tabs = child<QTabWidget>(w, "tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(widget))
            tabs->setCurrentIndex(i);
}

// Line settings of the tty as the program left them.
static bool ttySettings(const QString &path, speed_t *speed, tcflag_t *cflag)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    termios t{};
    const bool ok = tcgetattr(fd, &t) == 0;
    ::close(fd);
    *speed = cfgetospeed(&t);
    *cflag = t.c_cflag;
    return ok;
}

static void verifyIdle(MainWindow &w, QPushButton *open)
{
    QCOMPARE(open->text(), QStringLiteral("Open"));
    QCOMPARE(open->styleSheet(), kGreen);
    for (const QString &name : kPortWidgets + kOpenButtons)
        QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    for (const char *name : {"ModbusportMode_1", "ModbusportMode_2", "GPSportMode_01", "GPSportMode_02"})
        QVERIFY2(child<QWidget>(w, name)->isEnabled(), name);
    QVERIFY(child<QTimer>(w, "portScanTimer")->isActive());
    QCOMPARE(child<QTimer>(w, "portScanTimer")->interval(), 500);
}

class SensorPortTest : public QObject
{
    Q_OBJECT
private slots:
    void openClose_data()
    {
        QTest::addColumn<QString>("openButton");
        QTest::addColumn<QString>("portCombo");
        QTest::addColumn<QString>("baudCombo");
        QTest::addColumn<bool>("locksModbusRadios");
        QTest::newRow("Environment") << "ENVopencompushButton" << "ENVportNameComboBox" << "ENVbaudRateComboBox" << false;
        QTest::newRow("Oscilloscope") << "OSCopencompushButton" << "OSCportNameComboBox" << "OSCbaudRateComboBox" << false;
        QTest::newRow("i2cdump") << "i2cdumpopencompushButton" << "i2cdumpportNameComboBox"
                                 << "i2cdumpbaudRateComboBox" << false;
        QTest::newRow("CIE") << "CIEopencompushButton" << "CIEportNameComboBox" << "CIEbaudRateComboBox" << true;
        QTest::newRow("TOF") << "TOFopencompushButton" << "TOFportNameComboBox" << "TOFbaudRateComboBox" << false;
        QTest::newRow("Spectra") << "SpectraopencompushButton" << "SpectraportNameComboBox"
                                 << "SpectrabaudRateComboBox" << false;
        QTest::newRow("IMU") << "imuopencompushButton" << "imuportNameComboBox" << "imubaudRateComboBox" << true;
        // The GPS tab shares the frame and also locks its source radio buttons.
        QTest::newRow("GPS") << "GPSopencompushButton" << "GPSportNameComboBox" << "GPSbaudRateComboBox" << false;
    }
    // Open, Close and Open, Close again, pressing the real button: every
    // step shows in the texts, looks and locks, and each close frees the
    // holder it ends.
    void openClose()
    {
        QFETCH(QString, openButton);
        QFETCH(QString, portCombo);
        QFETCH(QString, baudCombo);
        QFETCH(bool, locksModbusRadios);

        const bool gps = openButton.startsWith("GPS");
        TempHome home(kesptest::quietIni(gps ? QMap<QString, QVariant>{{"GPS", "true"}} : QMap<QString, QVariant>{}));
        PtyPair pty;
        QVERIFY(pty.isReady());
        MainWindow w;
        w.show();
        auto *open = w.findChild<QPushButton *>(openButton);
        QVERIFY(open);
        showTabOf(w, open);
        QCOMPARE(open->styleSheet(), kGreen);
        choosePort(w, qPrintable(portCombo), pty.deviceA());
        ReleaseCounter releases;

        const QStringList rates{"9600", "57600"};
        for (int round = 0; round < rates.size(); ++round) {
            auto *baud = w.findChild<QComboBox *>(baudCombo);
            const int at = baud->findText(rates[round]);
            QVERIFY(at >= 0);
            baud->setCurrentIndex(at);

            press(open);
            QCOMPARE(status(w), QStringLiteral("Serial opened"));
            QCOMPARE(open->text(), QStringLiteral("Close"));
            QCOMPARE(open->styleSheet(), kRed);
            QVERIFY(open->isEnabled());
            for (const QString &name : kPortWidgets)
                QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
            for (const QString &name : kOpenButtons)
                if (name != openButton)
                    QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
            for (const char *name : {"ModbusportMode_1", "ModbusportMode_2"})
                QCOMPARE(child<QWidget>(w, name)->isEnabled(), !locksModbusRadios);
            for (const char *name : {"GPSportMode_01", "GPSportMode_02"})
                QCOMPARE(child<QWidget>(w, name)->isEnabled(), !gps);
            QVERIFY(!child<QTimer>(w, "portScanTimer")->isActive());

            speed_t speed = 0;
            tcflag_t cflag = 0;
            QVERIFY(ttySettings(pty.deviceA(), &speed, &cflag));
            QCOMPARE(speed, round == 0 ? speed_t(B9600) : speed_t(B57600));
            QCOMPARE(cflag & CSIZE, tcflag_t(CS8));
            QCOMPARE(cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t(0));
            // The tab's reader takes the bytes without trouble.
            QVERIFY(pty.writeFar(QByteArray("Humidity:45%\r\n\0\xff", 16)));
            kesptest::spin(50);

            press(open);
            QCOMPARE(status(w), QStringLiteral("Serial closed"));
            verifyIdle(w, open);
            QCOMPARE(releases.count(), round + 1);
        }
    }

    // A port that cannot be opened: only the message changes, and the
    // unused holder is freed; an empty list does nothing at all.
    void failedOpenAndEmptyList()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        auto *open = child<QPushButton>(w, "ENVopencompushButton");
        showTabOf(w, open);
        ReleaseCounter releases;

        auto *ports = child<QComboBox>(w, "ENVportNameComboBox");
        ports->clear();
        w.statusBar()->showMessage("before");
        press(open);
        QCOMPARE(status(w), QStringLiteral("before"));
        verifyIdle(w, open);
        QCOMPARE(releases.count(), 0);

        choosePort(w, "ENVportNameComboBox", QDir::tempPath() + "/kesp-no-such-port");
        for (int attempt = 1; attempt <= 2; ++attempt) {
            press(open);
            QCOMPARE(status(w), QStringLiteral("Serial failed to open, The serial does not exist or already used."));
            verifyIdle(w, open);
            QCOMPARE(releases.count(), attempt);
        }
    }

    // Unplugged while a sensor tab holds it: the tab closes itself with a
    // message instead of showing "Close" over a dead port, and opens again
    // on the next device.
    void unpluggedDeviceClosesTheTab()
    {
        TempHome home(kesptest::quietIni());
        auto pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isReady());
        MainWindow w;
        w.show();
        auto *open = child<QPushButton>(w, "imuopencompushButton");
        showTabOf(w, open);
        choosePort(w, "imuportNameComboBox", pty->deviceA());
        ReleaseCounter releases;
        press(open);
        QCOMPARE(status(w), QStringLiteral("Serial opened"));

        pty->hangUp();
        QVERIFY(kesptest::waitFor([&] { return open->text() == QStringLiteral("Open"); }));
        QVERIFY2(status(w).startsWith(QStringLiteral("Serial closed: the device is gone (")), qPrintable(status(w)));
        QVERIFY(status(w).endsWith(')'));
        verifyIdle(w, open);
        QCOMPARE(releases.count(), 1);
        // No second close follows from errors still queued.
        const QString shown = status(w);
        kesptest::spin(200);
        QCOMPARE(status(w), shown);

        pty = std::make_unique<PtyPair>();
        QVERIFY(pty->isReady());
        choosePort(w, "imuportNameComboBox", pty->deviceA());
        press(open);
        QCOMPARE(status(w), QStringLiteral("Serial opened"));
        QCOMPARE(open->text(), QStringLiteral("Close"));
        press(open);
        verifyIdle(w, open);
    }
};

KESP_TEST_MAIN(SensorPortTest)
#include "tst_sensor_port.moc"
