// The shared serial connection: the holder's line settings and reads, the
// open/close protocol with its locks over every serial page, the rescan and
// what the window leaves behind when it goes.
#include "serial_fixture.h"
#include "terminals/serial_device_watch.h"
#include "terminals/thread_serial.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRadioButton>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTimer>

using namespace serialtest;
using kesptest::PtyPair;
using kesptest::TempHome;

class SerialHolderTest : public QObject
{
    Q_OBJECT
private slots:
    void lineSettings_data()
    {
        QTest::addColumn<int>("parityIndex");
        QTest::addColumn<int>("stopBitsIndex");
        QTest::addColumn<int>("parity");
        QTest::addColumn<int>("stopBits");
        QTest::newRow("none, one") << 0 << 0 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop);
        QTest::newRow("odd, 1.5 keeps one") << 1 << 1 << int(QSerialPort::OddParity) << int(QSerialPort::OneStop);
        QTest::newRow("even, two") << 2 << 2 << int(QSerialPort::EvenParity) << int(QSerialPort::TwoStop);
        QTest::newRow("out of range is none, one") << 7 << 5 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop);
        QTest::newRow("negative is none") << -1 << 0 << int(QSerialPort::NoParity) << int(QSerialPort::OneStop);
    }
    void lineSettings()
    {
        QFETCH(int, parityIndex);
        QFETCH(int, stopBitsIndex);
        QFETCH(int, parity);
        QFETCH(int, stopBits);
        PtyPair pty;
        QVERIFY(pty.isReady());
        ThreadSerial holder(nullptr);
        QVERIFY(holder.running);
        QVERIFY(holder.portName.isEmpty());
        holder.portName = pty.deviceA();
        holder.baudRate = 921600;
        holder.dataBits = 7;
        holder.parityIndex = parityIndex;
        holder.stopBitsIndex = stopBitsIndex;
        holder.Init(false);
        QVERIFY(holder.opened);
        QCOMPARE(int(holder.port->parity()), parity);
        QCOMPARE(int(holder.port->stopBits()), stopBits);
        QCOMPARE(holder.port->baudRate(), 921600);
        QCOMPARE(int(holder.port->dataBits()), 7);
        QCOMPARE(int(holder.port->flowControl()), int(QSerialPort::NoFlowControl));
        QVERIFY(holder.port->openMode() == QIODevice::ReadWrite);
        // Mark and space are table entries too.
        QCOMPARE(ThreadSerial::parityFor(3), QSerialPort::MarkParity);
        QCOMPARE(ThreadSerial::parityFor(4), QSerialPort::SpaceParity);
    }

    void readsEveryBatch()
    {
        PtyPair pty;
        QVERIFY(pty.isReady());
        auto *holder = new ThreadSerial(nullptr);
        holder->portName = pty.deviceA();
        holder->baudRate = 115200;
        holder->Init(true);
        QVERIFY(holder->opened);
        QSignalSpy spy(holder, &ThreadSerial::Serial_read_Data);
        holder->start();

        QByteArray got;
        for (const QByteArray &part : {QByteArray("first"), QByteArray("\x00\xff\r\n", 4), QByteArray("last")}) {
            QVERIFY(pty.writeFar(part));
            const int before = int(got.size());
            QVERIFY(kesptest::waitFor([&] {
                got.clear();
                for (const QList<QVariant> &args : spy)
                    got += args.at(0).toByteArray();
                return got.size() >= before + part.size();
            }));
        }
        QCOMPARE(got, QByteArray("first\x00\xff\r\nlast", 13));
        QVERIFY(spy.size() >= 3);
        for (const QList<QVariant> &args : spy)
            QVERIFY(!args.at(0).toByteArray().isEmpty());

        // A started holder is released without an abort and really goes.
        QPointer<ThreadSerial> watch(holder);
        ThreadSerial::release(holder);
        QVERIFY(!watch.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
    }

    void failedOpen()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        choosePort(w, "portNameComboBox", QDir::tempPath() + "/kesp-no-such-port");
        press(w, "opencompushButton");
        QCOMPARE(status(w), QStringLiteral("Serial failed to open, The serial does not exist or already used."));
        QCOMPARE(child<QPushButton>(w, "opencompushButton")->text(), QStringLiteral("Open"));
        QVERIFY(child<QWidget>(w, "portNameComboBox")->isEnabled());
        QVERIFY(!child<QWidget>(w, "sendmsgBtn")->isEnabled());
        QVERIFY(!child<QWidget>(w, "com_expandpushButton")->isEnabled());
        QVERIFY(child<QTimer>(w, "portScanTimer")->isActive());
    }

    void emptyPortListDoesNothing()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        QCOMPARE(child<QComboBox>(w, "portNameComboBox")->count(), 0);
        w.statusBar()->showMessage("before");
        press(w, "opencompushButton");
        QCOMPARE(status(w), QStringLiteral("before"));
        QCOMPARE(child<QPushButton>(w, "opencompushButton")->text(), QStringLiteral("Open"));
    }

    // Open and close from the terminal, twice: texts, styles and the locks
    // of every serial page follow, and a second open gets a working port.
    void openCloseLocksEveryPage()
    {
        TempHome home(kesptest::quietIni());
        PtyPair pty;
        QVERIFY(pty.isReady());
        MainWindow w;
        w.show();
        auto *open = child<QPushButton>(w, "opencompushButton");
        QCOMPARE(open->styleSheet(), kGreen);
        choosePort(w, "portNameComboBox", pty.deviceA());

        for (int round = 0; round < 2; ++round) {
            press(open);
            QCOMPARE(status(w), QStringLiteral("Serial opened"));
            QCOMPARE(open->text(), QStringLiteral("Close"));
            QCOMPARE(open->styleSheet(), kRed);
            QVERIFY(open->isEnabled());
            for (const QString &name : kPortWidgets)
                QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
            for (const QString &name : kOpenButtons.mid(1))
                QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
            for (const char *name : {"sendmsgBtn", "sendfileBtn", "sendMsgtextEdit", "com_expandpushButton"})
                QVERIFY2(child<QWidget>(w, name)->isEnabled(), name);
            QVERIFY(!child<QTimer>(w, "portScanTimer")->isActive());

            QVERIFY(pty.writeFar("ping"));
            QVERIFY(kesptest::waitFor([&] { return lcd(w, "recvbyteslcdNumber") == 4 * (round + 1); }));

            press(open);
            QCOMPARE(status(w), QStringLiteral("Serial closed"));
            QCOMPARE(open->text(), QStringLiteral("Open"));
            QCOMPARE(open->styleSheet(), kGreen);
            for (const QString &name : kPortWidgets + kOpenButtons)
                QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
            for (const char *name : {"sendmsgBtn", "sendfileBtn", "sendMsgtextEdit", "com_expandpushButton",
                                     "com_checkBox_DTR", "com_checkBox_RTS"})
                QVERIFY2(!child<QWidget>(w, name)->isEnabled(), name);
            QVERIFY(child<QTimer>(w, "portScanTimer")->isActive());
            QCOMPARE(child<QTimer>(w, "portScanTimer")->interval(), 500);
        }
    }

    // Each panel's lock: every port widget and every other panel's Open
    // button, plus the mode radios named for it; true undoes it all.
    void lockFamily_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("ownButton");
        QTest::addColumn<QStringList>("radios");
        const QStringList modbusRadios{"ModbusportMode_1", "ModbusportMode_2"};
        QTest::newRow("serial") << "setComboBoxEnabled" << "opencompushButton" << QStringList{};
        QTest::newRow("GPS") << "GPSsetComboBoxEnabled" << "GPSopencompushButton"
                             << QStringList{"GPSportMode_01", "GPSportMode_02"};
        QTest::newRow("GSM") << "GSMsetComboBoxEnabled" << "GSMopencompushButton" << QStringList{};
        QTest::newRow("ENV") << "ENVsetComboBoxEnabled" << "ENVopencompushButton" << QStringList{};
        QTest::newRow("OSC") << "OSCsetComboBoxEnabled" << "OSCopencompushButton" << QStringList{};
        QTest::newRow("Spectra") << "SpectrasetsetComboBoxEnabled" << "SpectraopencompushButton" << QStringList{};
        QTest::newRow("i2cdump") << "i2cdumpsetsetComboBoxEnabled" << "i2cdumpopencompushButton" << QStringList{};
        QTest::newRow("TOF") << "TOFsetsetComboBoxEnabled" << "TOFopencompushButton" << QStringList{};
        QTest::newRow("Modbus") << "ModbussetsetComboBoxEnabled" << "ModbusopencompushButton" << modbusRadios;
        QTest::newRow("CIE") << "CIEsetsetComboBoxEnabled" << "CIEopencompushButton" << modbusRadios;
        QTest::newRow("IMU") << "imusetsetComboBoxEnabled" << "imuopencompushButton" << modbusRadios;
    }
    void lockFamily()
    {
        QFETCH(QString, member);
        QFETCH(QString, ownButton);
        QFETCH(QStringList, radios);
        TempHome home(kesptest::quietIni());
        MainWindow w;
        const QStringList allRadios{"GPSportMode_01", "GPSportMode_02", "ModbusportMode_1", "ModbusportMode_2"};
        // Widgets disabled before the lock come back enabled too.
        child<QWidget>(w, "TOFbaudRateComboBox")->setEnabled(false);

        QVERIFY(QMetaObject::invokeMethod(&w, member.toLatin1().constData(), Q_ARG(bool, false)));
        for (const QString &name : kPortWidgets)
            QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
        for (const QString &name : kOpenButtons)
            QVERIFY2(w.findChild<QWidget *>(name)->isEnabled() == (name == ownButton), qPrintable(name));
        for (const QString &name : allRadios)
            QVERIFY2(w.findChild<QWidget *>(name)->isEnabled() == !radios.contains(name), qPrintable(name));

        QVERIFY(QMetaObject::invokeMethod(&w, member.toLatin1().constData(), Q_ARG(bool, true)));
        for (const QString &name : kPortWidgets + kOpenButtons + allRadios)
            QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    }

    void rescanSwitch_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("scans");
        QTest::newRow("missing") << QVariant() << true;
        QTest::newRow("empty") << QVariant("") << true;
        QTest::newRow("true") << QVariant("true") << true;
        QTest::newRow("stored bool true") << QVariant(true) << true;
        QTest::newRow("false") << QVariant("false") << false;
        QTest::newRow("True") << QVariant("True") << false;
        QTest::newRow("1") << QVariant("1") << false;
    }
    // No system port exists here, so a scan removes a name that is not a
    // port from all eleven lists; a switched-off rescan leaves it.
    void rescanSwitch()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, scans);
        QMap<QString, QVariant> ini{{"GPS", "false"}, {"Convert", "false"}};
        if (value.isValid())
            ini.insert("Auto_Serial_Scan", value);
        TempHome home(ini);
        MainWindow w;
        for (const QString &name : kPortLists)
            w.findChild<QComboBox *>(name)->addItem("ttyGONE");
        kesptest::spin(700);
        for (const QString &name : kPortLists)
            QCOMPARE(w.findChild<QComboBox *>(name)->count(), scans ? 0 : 1);
    }

    // An idle rescan enumerates nothing while the device directory stands
    // still (the name that is no port stays); a new device node brings the
    // lists to the system's ports within the next ticks.
    void rescanOnDeviceChange()
    {
        TempHome home(QMap<QString, QVariant>{{"GPS", "false"}, {"Convert", "false"}});
        QTemporaryDir dev;
        SerialDeviceWatch::defaultRoot = dev.path();
        MainWindow w;
        SerialDeviceWatch::defaultRoot = QStringLiteral("/dev");
        kesptest::spin(500 * (SerialDeviceWatch::settleLooks + 1) + 200);
        for (const QString &name : kPortLists)
            w.findChild<QComboBox *>(name)->addItem("ttyGONE");
        kesptest::spin(1200);
        for (const QString &name : kPortLists)
            QCOMPARE(w.findChild<QComboBox *>(name)->count(), 1);
        QFile node(dev.filePath("ttyUSB3"));
        QVERIFY(node.open(QIODevice::WriteOnly));
        auto *serial = w.findChild<QComboBox *>("portNameComboBox");
        QVERIFY(kesptest::waitFor([&] { return serial->count() == 0; }, 1200));
        for (const QString &name : kPortLists)
            QCOMPARE(w.findChild<QComboBox *>(name)->count(), 0);
    }

    // While a port is open the rescan stops (it would drop the pty from the
    // list); after Close it runs again.
    void rescanStopsWhileOpen()
    {
        TempHome home(QMap<QString, QVariant>{{"GPS", "false"}, {"Convert", "false"}});
        PtyPair pty;
        QVERIFY(pty.isReady());
        MainWindow w;
        QVERIFY(openTerminal(w, pty));
        kesptest::spin(1200);
        QCOMPARE(child<QComboBox>(w, "portNameComboBox")->count(), 1);
        press(w, "opencompushButton");
        QVERIFY(kesptest::waitFor([&] { return child<QComboBox>(w, "portNameComboBox")->count() == 0; }, 1500));
    }

    // The window goes while a port is open: the port is closed and released,
    // no lock file stays behind and another program can open the device.
    void destructionReleasesPort()
    {
        TempHome home(kesptest::quietIni());
        PtyPair pty;
        QVERIFY(pty.isReady());
        const QString lockName = "LCK.." + QFileInfo(pty.deviceA()).fileName();
        const QStringList lockDirs{"/var/lock", "/run/lock", "/var/run/lock", "/tmp", "/var/spool/locks",
                                   "/var/spool/uucp", "/etc/locks", "/var/lock/lockdev"};
        auto lockFiles = [&] {
            QStringList found;
            for (const QString &dir : lockDirs)
                if (QFileInfo::exists(dir + "/" + lockName))
                    found << dir + "/" + lockName;
            return found;
        };
        QVERIFY(lockFiles().isEmpty());
        {
            MainWindow w;
            QVERIFY(openTerminal(w, pty));
            QSerialPort rival;
            rival.setPortName(pty.deviceA());
            QVERIFY(!rival.open(QIODevice::ReadWrite));
        }
        QCoreApplication::processEvents();
        QCOMPARE(lockFiles(), QStringList{});
        QSerialPort again;
        again.setPortName(pty.deviceA());
        QVERIFY2(again.open(QIODevice::ReadWrite), qPrintable(again.errorString()));
    }

    // A device that vanishes while open is closed as Close would, with a
    // message, instead of the panel claiming it is still open.
    void vanishedDeviceCloses()
    {
        TempHome home(kesptest::quietIni());
        PtyPair pty;
        QVERIFY(pty.isReady());
        MainWindow w;
        QVERIFY(openTerminal(w, pty));
        pty.hangUp();
        QVERIFY(kesptest::waitFor([&] { return child<QPushButton>(w, "opencompushButton")->text() == "Open"; }));
        QVERIFY(status(w).startsWith("Serial closed: the device is gone"));
        for (const QString &name : kPortWidgets + kOpenButtons)
            QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
        QVERIFY(!child<QWidget>(w, "sendmsgBtn")->isEnabled());
        QVERIFY(child<QTimer>(w, "portScanTimer")->isActive());
    }
};

QTEST_MAIN(SerialHolderTest)
#include "tst_serial_holder.moc"
