// The "Modbus" tab driven through its widgets against a libmodbus server on a
// pty (RTU) and on 127.0.0.1 (TCP), and against a pty the test plays itself.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>
#include <thread>
#include <unistd.h>

using namespace kesptest;

static const QString kRed = QStringLiteral(
    "QPushButton {   background-color: #FF4A19;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #FF5722;}");

// "0x01,0x03" from "01 03"
static QString logged(const char *hex)
{
    QStringList parts;
    for (const QByteArray &b : QByteArray(hex).split(' '))
        parts << "0x" + QString::fromLatin1(b).toLower();
    return parts.join(',');
}

class ModbusPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;
    QProcess peer;

    template<typename T> T *get(const char *name) { return kesptest::child<T>(*w, name); }
    QString status() { return kesptest::status(*w); }

    // Entries of a log without their stamps; every entry must carry one, and
    // an entry goes on in a new line after each byte 0x0a.
    QStringList entries(const char *log)
    {
        static const QRegularExpression entry(QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\](.*)$"));
        QStringList out;
        const QStringList lines = get<QPlainTextEdit>(log)->toPlainText().split('\n');
        for (const QString &line : lines) {
            if (line.isEmpty())
                continue;
            const auto m = entry.match(line);
            if (m.hasMatch())
                out << m.captured(1);
            else if (!out.isEmpty() && out.last().endsWith("0x0a,"))
                out.last() += line;
            else
                return {"unstamped: " + line};
        }
        return out;
    }
    QStringList sent() { return entries("Modbus_sendMsgtextEdit"); }
    QStringList replies() { return entries("Modbus_HexTextBrowser"); }

    // One press of the request button with these inputs.
    void request(int function, int address, int quantity, const QString &value = QString(), int unit = 1)
    {
        get<QComboBox>("Modbus_function_comboBox")->setCurrentIndex(function);
        get<QSpinBox>("Modbus_address_spinBox")->setValue(address);
        get<QSpinBox>("Modbus_quantity_spinBox")->setValue(quantity);
        get<QSpinBox>("ModbusspinBox")->setValue(unit);
        get<QLineEdit>("Modbus_lineEdit")->setText(value);
        QTest::mouseClick(get<QPushButton>("Modbus_pushButton"), Qt::LeftButton);
    }

    bool startPeer(const QStringList &args)
    {
        peer.setProgram(QStringLiteral(KESP_MODBUS_PEER));
        peer.setArguments(args);
        peer.start();
        return peer.waitForStarted(3000) && waitFor([&] {
                   peer.waitForReadyRead(50);
                   return peer.peek(16).startsWith("ready");
               }, 5000);
    }

    bool openPort(const QString &device)
    {
        get<QTabWidget>("tabWidget")->setCurrentWidget(get<QWidget>("Modbus"));
        choosePort(*w, "ModbusportNameComboBox", device);
        press(*w, "ModbusopencompushButton");
        return status() == "Serial opened";
    }

private slots:
    void init()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
    }
    void cleanup()
    {
        w.reset();
        if (peer.state() != QProcess::NotRunning) {
            peer.kill();
            peer.waitForFinished(2000);
        }
        home.reset();
    }

    // Reads, writes, an exception and an absent unit over RTU; the codec's
    // verdict on a reply reaches the status bar.
    void rtuAgainstLibmodbus()
    {
        PtyPair pty;
        QVERIFY(pty.isReady());
        QVERIFY(startPeer({"rtu", pty.deviceB(), "1"}));
        QVERIFY(openPort(pty.deviceA()));
        QCOMPARE(get<QPushButton>("ModbusopencompushButton")->text(), QString("Close"));
        QCOMPARE(get<QPushButton>("ModbusopencompushButton")->styleSheet(), kRed);
        QVERIFY(!get<QRadioButton>("ModbusportMode_2")->isEnabled());

        request(2, 0, 10);
        QCOMPARE(sent(), QStringList{logged("01 03 00 00 00 0A C5 CD")});
        QCOMPARE(replies().size(), 1);
        QVERIFY2(replies()[0].startsWith(logged("01 03 14 10 00 10 01 10 02")), qPrintable(replies()[0]));
        QCOMPARE(replies()[0].count(','), 24);
        QCOMPARE(status(), QString()); // a sound reply raises nothing
        // The stamp is green, the bytes black.
        const QTextBlock last = get<QPlainTextEdit>("Modbus_HexTextBrowser")->document()->lastBlock();
        QCOMPARE(last.begin().fragment().charFormat().foreground().color(), QColor("green"));

        request(5, 5, 1, "0x12 0x34");
        QCOMPARE(get<QPushButton>("Modbus_pushButton")->text(), QString("Write"));
        QCOMPARE(replies().last(), logged("01 06 00 05 12 34 94 BC"));
        request(2, 5, 1);
        QVERIFY(replies().last().startsWith(logged("01 03 02 12 34")));
        QCOMPARE(get<QPushButton>("Modbus_pushButton")->text(), QString("Read"));

        request(2, 0x200, 1);
        QCOMPARE(replies().last(), logged("01 83 02 C0 F1"));
        QCOMPARE(status(), QString("Modbus exception response: 2"));

        // Unit 2 is not there: three identical requests, about 1 s apart, no
        // reply.  A selection in the log survives the new entries.
        auto *log = get<QPlainTextEdit>("Modbus_sendMsgtextEdit");
        QTextCursor some = log->textCursor();
        some.setPosition(5);
        some.setPosition(30, QTextCursor::KeepAnchor);
        log->setTextCursor(some);
        const QString selected = log->textCursor().selectedText();
        const QStringList earlier = sent();
        const int before = earlier.size();
        const int repliesBefore = replies().size();
        QElapsedTimer took;
        took.start();
        request(2, 0, 1, QString(), 2);
        QVERIFY(took.elapsed() >= 2900);
        QCOMPARE(sent().mid(before), QStringList(3, logged("02 03 00 00 00 01 84 39")));
        QCOMPARE(sent().mid(0, before), earlier);
        QCOMPARE(replies().size(), repliesBefore);
        QCOMPARE(log->textCursor().selectedText(), selected);

        press(*w, "ModbusopencompushButton");
        QCOMPARE(status(), QString("Serial closed"));
        QCOMPARE(get<QPushButton>("ModbusopencompushButton")->text(), QString("Open"));
        QVERIFY(get<QRadioButton>("ModbusportMode_2")->isEnabled());
        QVERIFY(get<QTimer>("portScanTimer")->isActive());
    }

    // Every function over TCP with no serial port open (the codec used to
    // exist only while the serial port was); each try takes the next
    // transaction id; connect and disconnect texts.
    void tcpAgainstLibmodbus()
    {
        const quint16 port = freeTcpPort();
        QVERIFY(startPeer({"tcp", QString::number(port)}));
        get<QTabWidget>("tabWidget")->setCurrentWidget(get<QWidget>("Modbus"));

        // A fresh page: COM layout, hex spin boxes, read-only logs and value.
        QCOMPARE(get<QComboBox>("Modbus_function_comboBox")->currentText(), QString("01(Read Coils)"));
        QVERIFY(get<QRadioButton>("ModbusportMode_1")->isChecked());
        QVERIFY(!get<QPushButton>("ModbusTCPopencompushButton")->isVisible());
        QCOMPARE(get<QComboBox>("ModbusbaudRateComboBox")->currentText(), QString("115200"));
        QCOMPARE(get<QLineEdit>("ModbusTCPclientIPlineEdit")->text(), QString("127.0.0.1"));
        QCOMPARE(get<QPushButton>("ModbusTCPopencompushButton")->text(), QString("Connect"));
        QVERIFY(get<QLineEdit>("Modbus_lineEdit")->isReadOnly());
        QVERIFY(get<QPlainTextEdit>("Modbus_sendMsgtextEdit")->isReadOnly());
        get<QSpinBox>("Modbus_address_spinBox")->setValue(0x2ab);
        QCOMPARE(get<QSpinBox>("Modbus_address_spinBox")->text(), QString("2ab"));

        // Nothing open: the button does nothing.
        request(2, 0, 1);
        QCOMPARE(sent(), QStringList());

        press(*w, "ModbusportMode_2");
        QVERIFY(get<QPushButton>("ModbusTCPopencompushButton")->isVisible());
        QVERIFY(!get<QPushButton>("ModbusopencompushButton")->isVisible());
        get<QLineEdit>("ModbusTCPclientPortlineEdit")->setText(QString::number(port));
        press(*w, "ModbusTCPopencompushButton");
        QCOMPARE(status(), QString("Connected to TCP server"));
        QCOMPARE(get<QPushButton>("ModbusTCPopencompushButton")->text(), QString("Disconnect"));
        QVERIFY(!get<QLineEdit>("ModbusTCPclientIPlineEdit")->isEnabled());

        struct Row { int function, address, quantity; const char *value, *reply; };
        const Row rows[] = {
            {0, 0, 10, "", "01 01 02 49 02"},
            {1, 0, 8, "", "01 02 01 AA"},
            {2, 2, 2, "", "01 03 04 10 02 10 03"},
            {3, 1, 1, "", "01 04 02 20 01"},
            {4, 1, 1, "0x01", "01 05 00 01 FF 00"},
            {0, 0, 8, "", "01 01 01 4B"},
            {5, 7, 1, "0xab,0xcd", "01 06 00 07 AB CD"},
            {6, 16, 8, "0xff", "01 0F 00 10 00 08"},
            {0, 16, 8, "", "01 01 01 FF"},
            {7, 0x20, 2, "0x00,0x01, 0x00,0x02", "01 10 00 20 00 02"},
            {2, 0x20, 2, "", "01 03 04 00 01 00 02"},
        };
        for (const Row &row : rows) {
            request(row.function, row.address, row.quantity, row.value);
            const QString reply = replies().value(replies().size() - 1);
            QVERIFY2(reply.section(',', 6) == logged(row.reply), qPrintable(reply));
            QCOMPARE(status(), QString());
        }
        QCOMPARE(replies().size(), int(std::size(rows)));
        // MBAP transaction ids count up, and each reply echoes its request's.
        const QStringList requests = sent();
        for (int i = 1; i < requests.size(); ++i) {
            const int previous = requests[i - 1].section(',', 0, 1).remove("0x").remove(',').toInt(nullptr, 16);
            QCOMPARE(requests[i].section(',', 0, 1).remove("0x").remove(',').toInt(nullptr, 16), previous + 1);
            QCOMPARE(replies()[i].section(',', 0, 1), requests[i].section(',', 0, 1));
        }

        // Serial Debug receiving a line every 50 ms meanwhile: its per-read
        // text must not take the place of the exception on this tab.
        PtyPair pty;
        choosePort(*w, "portNameComboBox", pty.deviceA());
        press(*w, "opencompushButton");
        QTimer device;
        connect(&device, &QTimer::timeout, [&] { pty.writeFar("T=21.5\r\n"); });
        device.start(50);
        request(2, 0x200, 1);
        const int received = get<QLCDNumber>("recvbyteslcdNumber")->intValue();
        QTest::qWait(300);
        QCOMPARE(status(), QString("Modbus exception response: 2"));
        QVERIFY(get<QLCDNumber>("recvbyteslcdNumber")->intValue() > received);

        press(*w, "ModbusTCPopencompushButton");
        QCOMPARE(status(), QString("Disconnected TCP server"));
        QCOMPARE(get<QPushButton>("ModbusTCPopencompushButton")->text(), QString("Connect"));
        QVERIFY(get<QLineEdit>("ModbusTCPclientIPlineEdit")->isEnabled());
        QVERIFY(get<QRadioButton>("ModbusportMode_1")->isEnabled());

        // No server on the port: the link ends and says so.
        get<QLineEdit>("ModbusTCPclientPortlineEdit")->setText(QString::number(freeTcpPort()));
        press(*w, "ModbusTCPopencompushButton");
        QVERIFY(waitFor([&] { return status() == "No server found"; }));
        QCOMPARE(get<QPushButton>("ModbusTCPopencompushButton")->text(), QString("Connect"));
    }

    // The test plays the device: input check, stale bytes, a reply in
    // pieces, a bad CRC, and the device going away.
    void playedDevice()
    {
        PtyPair pty;
        QVERIFY(openPort(pty.deviceA()));
        ModalCloser closer;

        // A number that does not fit a byte is refused, not cut.
        request(5, 0, 1, "0x1234");
        request(5, 0, 1, "0X11");
        QCOMPARE(closer.titles, QStringList(2, QString::fromUtf8("输入错误")));
        QCOMPARE(closer.texts.value(0), QString::fromUtf8("请输入合法的十六进制数据，例如：0x11 0x12 或 0x11,0x12"));
        request(4, 0, 1, ""); // a write needs data
        QCOMPARE(sent(), QStringList());

        // Tokens without a separator; no answer: three tries on the line.
        request(7, 0, 1, "0x110x12");
        const QString frame = logged("01 10 00 00 00 01 02 11 12 2A 0D");
        QCOMPARE(sent(), QStringList(3, frame));
        QCOMPARE(pty.drainFar().toHex(), QByteArray::fromHex("0110000000010211122A0D").repeated(3).toHex());

        // Bytes that came after a window closed are no reply to the next request.
        QVERIFY(pty.writeFar(QByteArray::fromHex("0103020001 7984")));
        spin(200);
        request(2, 0, 1);
        QCOMPARE(replies(), QStringList());

        // A reply in two pieces is one entry; a bad CRC is reported.
        const int fd = pty.farFd();
        auto answer = [fd](QByteArray first, QByteArray second) {
            return std::thread([fd, first, second] {
                usleep(150000);
                (void)::write(fd, first.constData(), size_t(first.size()));
                usleep(300000);
                (void)::write(fd, second.constData(), size_t(second.size()));
            });
        };
        pty.drainFar();
        std::thread device = answer(QByteArray::fromHex("010302"), QByteArray::fromHex("00017984"));
        request(2, 0, 1);
        device.join();
        QCOMPARE(replies(), QStringList{logged("01 03 02 00 01 79 84")});
        QCOMPARE(status(), QString());
        device = answer(QByteArray::fromHex("010302"), QByteArray::fromHex("00010000"));
        request(2, 0, 1);
        device.join();
        QCOMPARE(replies().last(), logged("01 03 02 00 01 00 00"));
        QCOMPARE(status(), QString("Invalid CRC in response"));

        press(*w, "Modbus_revice_cleandatapushButton");
        QCOMPARE(status(), QString("Receive has been cleared"));
        QCOMPARE(replies(), QStringList());

        pty.hangUp();
        QVERIFY(waitFor([&] { return status().startsWith("Serial closed: the device is gone"); }));
        QCOMPARE(get<QPushButton>("ModbusopencompushButton")->text(), QString("Open"));
        QVERIFY(get<QPushButton>("opencompushButton")->isEnabled());
    }
};

KESP_TEST_MAIN(ModbusPanelTest)
#include "tst_modbus_panel.moc"
