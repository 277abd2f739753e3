// Every serial panel against a scripted port: the line settings it opens
// with, a device that breaks off in the middle of a stream, a port that
// refuses to open, a Modbus reply that ends in a device error and a file
// send whose writes stall.  The pty suites prove the real device path.
#include "serial_fixture.h"
#include "tests/support/fake_port.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTimer>

#include "terminals/file_dialogs.h"
#include "tests/support/test_base.h"

using namespace serialtest;
using kesptest::FakePort;
using kesptest::FakePortHook;

namespace {

// The holder of a port is released with deleteLater: deliver that now, as
// the event loop would, and tell whether the port object went with it.
bool portFreed(const FakePortHook &hook)
{
    return kesptest::waitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return hook.last() == nullptr;
    });
}

void showTabOf(MainWindow &w, QWidget *widget)
{
    auto *tabs = child<QTabWidget>(w, "tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(widget))
            tabs->setCurrentIndex(i);
}

void verifyIdle(MainWindow &w, QPushButton *open)
{
    QCOMPARE(open->text(), QStringLiteral("Open"));
    QCOMPARE(open->styleSheet(), kGreen);
    for (const QString &name : kPortWidgets + kOpenButtons)
        QVERIFY2(w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));
    QVERIFY(child<QTimer>(w, "portScanTimer")->isActive());
    QCOMPARE(child<QTimer>(w, "portScanTimer")->interval(), 500);
}

// A modem that answers the console's first queries at once.
void modem(FakePort *port, const QByteArray &bytes)
{
    static const QList<QPair<QByteArray, QByteArray>> answers = {
        {"AT+CLIP?", "+CLIP: 1,0\r\nOK\r\n"},
        {"AT+CALM?", "+CALM: 0\r\nOK\r\n"},
        {"AT+CMGF?", "+CMGF: 0\r\nOK\r\n"},
        {"AT+CSQ", "+CSQ: 15,0\r\nOK\r\n"}};
    for (const auto &a : answers)
        if (bytes.startsWith(a.first))
            port->feed(a.second, 5);
}

QByteArray rtu(const QByteArray &hex)
{
    QByteArray frame = QByteArray::fromHex(hex);
    const quint16 crc = Vexmora_ModbusClient::calculateCRC(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
    return frame;
}

} // namespace

class PortFrameTest : public QObject
{
    Q_OBJECT
private slots:
    void eachPanel_data()
    {
        QTest::addColumn<QString>("openButton");
        QTest::addColumn<QString>("portCombo");
        QTest::addColumn<QString>("baudCombo");
        QTest::addColumn<QString>("linePrefix"); // "" for 8N1 panels
        QTest::addColumn<QString>("openedStatus");
        const QString opened = "Serial opened";
        QTest::newRow("Serial Debug") << "opencompushButton" << "portNameComboBox" << "baudRateComboBox" << ""
                                      << opened;
        QTest::newRow("Modbus") << "ModbusopencompushButton" << "ModbusportNameComboBox"
                                << "ModbusbaudRateComboBox" << "Modbus" << opened;
        QTest::newRow("GSM Debug") << "GSMopencompushButton" << "GSMportNameComboBox" << "GSMbaudRateComboBox" << "-"
                                   << "Initialization completed";
        QTest::newRow("GPS Debug") << "GPSopencompushButton" << "GPSportNameComboBox" << "GPSbaudRateComboBox" << "-"
                                   << opened;
        QTest::newRow("Environment") << "ENVopencompushButton" << "ENVportNameComboBox" << "ENVbaudRateComboBox"
                                     << "-" << opened;
        QTest::newRow("Oscilloscope") << "OSCopencompushButton" << "OSCportNameComboBox" << "OSCbaudRateComboBox"
                                      << "-" << opened;
        QTest::newRow("Spectra") << "SpectraopencompushButton" << "SpectraportNameComboBox"
                                 << "SpectrabaudRateComboBox" << "-" << opened;
        QTest::newRow("i2cdump") << "i2cdumpopencompushButton" << "i2cdumpportNameComboBox"
                                 << "i2cdumpbaudRateComboBox" << "-" << opened;
        QTest::newRow("TOF") << "TOFopencompushButton" << "TOFportNameComboBox" << "TOFbaudRateComboBox" << "-"
                             << opened;
        QTest::newRow("CIE") << "CIEopencompushButton" << "CIEportNameComboBox" << "CIEbaudRateComboBox" << "-"
                             << opened;
        QTest::newRow("IMU") << "imuopencompushButton" << "imuportNameComboBox" << "imubaudRateComboBox" << "-"
                             << opened;
    }
    // Open with the panel's line settings, take a stream in pieces, lose the
    // device in the middle of it: the panel closes as its Close would, says
    // why and frees the port; a port that refuses to open changes nothing
    // but the message.
    void eachPanel()
    {
        QFETCH(QString, openButton);
        QFETCH(QString, portCombo);
        QFETCH(QString, baudCombo);
        QFETCH(QString, linePrefix);
        QFETCH(QString, openedStatus);

        FakePortHook hook([](FakePort *port) { port->onWrite = modem; });
        const bool gps = openButton.startsWith("GPS");
        kesptest::TempHome home(kesptest::quietIni(gps ? QMap<QString, QVariant>{{"GPS", "true"}}
                                                       : QMap<QString, QVariant>{}));
        MainWindow w;
        w.show();
        auto *open = child<QPushButton>(w, qPrintable(openButton));
        showTabOf(w, open);
        choosePort(w, qPrintable(portCombo), "ttyFAKE0");
        auto *baud = child<QComboBox>(w, qPrintable(baudCombo));
        baud->setCurrentIndex(baud->findText("57600"));
        const bool lineSettings = linePrefix != "-";
        if (lineSettings) {
            auto combo = [&](const char *name) {
                return child<QComboBox>(w, qPrintable(linePrefix + name));
            };
            combo("dataBitsComboBox")->setCurrentIndex(combo("dataBitsComboBox")->findText("7"));
            combo("parityComboBox")->setCurrentIndex(3); // Mark
            combo("stopBitsComboBox")->setCurrentIndex(2); // 2
        }

        press(open);
        QVERIFY(kesptest::waitFor([&] { return open->styleSheet() == kRed; }));
        QCOMPARE(status(w), openedStatus);
        QCOMPARE(open->text(), QStringLiteral("Close"));
        FakePort *port = hook.last();
        QVERIFY(port && port->isOpen());
        QCOMPARE(port->portName(), QStringLiteral("ttyFAKE0"));
        QCOMPARE(port->baudRate(), 57600);
        QCOMPARE(port->dataBits(), lineSettings ? QSerialPort::Data7 : QSerialPort::Data8);
        QCOMPARE(port->parity(), lineSettings ? QSerialPort::MarkParity : QSerialPort::NoParity);
        QCOMPARE(port->stopBits(), lineSettings ? QSerialPort::TwoStop : QSerialPort::OneStop);
        for (const QString &name : kOpenButtons)
            if (name != openButton)
                QVERIFY2(!w.findChild<QWidget *>(name)->isEnabled(), qPrintable(name));

        static const char stream[] = "Humidity:45%\r\nF1:500\r\n$GPGGA,\r\n\0\xff";
        port->feedInPieces(QByteArray(stream, sizeof stream - 1), 5, 10);
        port->breakOff("Input/output error", 120);
        QVERIFY(kesptest::waitFor([&] { return open->text() == QStringLiteral("Open"); }));
        QCOMPARE(status(w), QStringLiteral("Serial closed: the device is gone (Input/output error)"));
        verifyIdle(w, open);
        QVERIFY(portFreed(hook));

        hook.ports.clear();
        FakePortHook refusing([](FakePort *p) { p->failOpen(); });
        w.statusBar()->showMessage("before");
        press(open);
        QCOMPARE(status(w), QStringLiteral("Serial failed to open, The serial does not exist or already used."));
        verifyIdle(w, open);
        QVERIFY(portFreed(refusing));
    }

    // A Modbus exception that arrives in two pieces is one reply entry and
    // its verdict is shown; a device that breaks off while a reply is
    // awaited ends the exchange at once (no further tries) and closes the
    // panel.
    void modbusReplyAndBreak()
    {
        FakePortHook hook;
        kesptest::TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        showTabOf(w, child<QWidget>(w, "ModbusopencompushButton"));
        choosePort(w, "ModbusportNameComboBox", "ttyFAKE0");
        press(w, "ModbusopencompushButton");
        QCOMPARE(status(w), QStringLiteral("Serial opened"));
        FakePort *port = hook.last();
        port->onWrite = [](FakePort *p, const QByteArray &) {
            const QByteArray exception = rtu("018302");
            p->feed(exception.left(2), 100);
            p->feed(exception.mid(2), 400);
        };
        auto read = [&] {
            child<QComboBox>(w, "Modbus_function_comboBox")->setCurrentIndex(0);
            QTest::mouseClick(child<QPushButton>(w, "Modbus_pushButton"), Qt::LeftButton);
        };
        read();
        QCOMPARE(port->written, rtu("010100000001"));
        QCOMPARE(status(w), QStringLiteral("Modbus exception response: 2"));
        QCOMPARE(child<QPlainTextEdit>(w, "Modbus_HexTextBrowser")->toPlainText().count("[", Qt::CaseSensitive), 1);
        QVERIFY(child<QPlainTextEdit>(w, "Modbus_HexTextBrowser")->toPlainText().endsWith("0x01,0x83,0x02,0xc0,0xf1"));

        port->written.clear();
        port->onWrite = [](FakePort *p, const QByteArray &) { p->breakOff("Input/output error", 200); };
        QElapsedTimer took;
        took.start();
        read();
        // Within the reply window: the exchange did not wait it out.
        QVERIFY2(took.elapsed() < 1000, qPrintable(QString::number(took.elapsed())));
        QCOMPARE(port->written, rtu("010100000001"));
        QVERIFY(kesptest::waitFor(
            [&] { return status(w) == QStringLiteral("Serial closed: the device is gone (Input/output error)"); }));
        verifyIdle(w, child<QPushButton>(w, "ModbusopencompushButton"));
    }

    // Writes that never leave the port: the file send waits for them,
    // Close ends it and frees the port, and the next device takes the whole
    // file.
    void stalledFileSend()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("first line\nsecond line\nthird\n");
        file.close();
        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return file.fileName(); });
        FakePortHook hook([](FakePort *p) { p->setStalled(true); });
        kesptest::TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        choosePort(w, "portNameComboBox", "ttyFAKE0");
        press(w, "opencompushButton");
        QCOMPARE(status(w), QStringLiteral("Serial opened"));
        FakePort *port = hook.last();

        press(w, "sendfileBtn");
        kesptest::spin(300);
        QCOMPARE(port->written, QByteArray());
        QCOMPARE(port->bytesToWrite(), qint64(11));
        QVERIFY(!child<QWidget>(w, "sendfileBtn")->isEnabled());

        press(w, "opencompushButton");
        QCOMPARE(status(w), QStringLiteral("Serial closed"));
        QVERIFY(portFreed(hook));
        kesptest::spin(50);
        QCOMPARE(status(w), QStringLiteral("Serial closed"));

        FakePortHook flowing;
        press(w, "opencompushButton");
        press(w, "sendfileBtn");
        QVERIFY(kesptest::waitFor([&] { return status(w) == "Success for send the data in the file"; }));
        QCOMPARE(flowing.last()->written, QByteArray("first line\nsecond line\nthird\n"));
        QVERIFY(child<QWidget>(w, "sendfileBtn")->isEnabled());
        FileDialogs::setOpenHook({});
    }
};

KESP_TEST_MAIN(PortFrameTest)
#include "tst_port_frame.moc"
