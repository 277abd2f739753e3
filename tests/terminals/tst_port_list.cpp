// Port-list rules of the rescan: which names are offered, how a scan
// changes a list without disturbing the names that stay, and which changes
// of the device directory make the rescan enumerate the ports.
#include "terminals/port_list.h"
#include "terminals/serial_device_watch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

// A change to make in a device directory holding ttyUSB0, ttyS0, null and
// the link serial/by-id/usb-FTDI-if00 -> ../../ttyUSB0.
using DeviceChange = std::function<bool(QDir &)>;
Q_DECLARE_METATYPE(DeviceChange)

static bool touch(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly);
}

class PortListTest : public QObject
{
    Q_OBJECT
private slots:
    void offered_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("offered");
        QTest::newRow("ttyS0") << "ttyS0" << false;
        QTest::newRow("ttyS12") << "ttyS12" << false;
        QTest::newRow("ttyAMA0") << "ttyAMA0" << false;
        QTest::newRow("ttyUSB0") << "ttyUSB0" << true;
        QTest::newRow("ttyACM0") << "ttyACM0" << true;
        QTest::newRow("cu.usbserial") << "cu.usbserial-1410" << true;
        QTest::newRow("lower-case prefix differs") << "ttys001" << true;
        QTest::newRow("prefix only at start") << "usb-ttyS0" << true;
    }
    void offered()
    {
        QFETCH(QString, name);
        QFETCH(bool, offered);
        QCOMPARE(PortList::isOffered(name), offered);
    }

    void merged_data()
    {
        QTest::addColumn<QStringList>("current");
        QTest::addColumn<QStringList>("available");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("first scan keeps system order, drops built-in UARTs")
            << QStringList{} << QStringList{"ttyS0", "ttyUSB1", "ttyAMA0", "ttyUSB0"}
            << QStringList{"ttyUSB1", "ttyUSB0"};
        QTest::newRow("unchanged system changes nothing")
            << QStringList{"b", "a"} << QStringList{"a", "b"} << QStringList{"b", "a"};
        QTest::newRow("new port appended, kept ones stay in place")
            << QStringList{"ttyUSB0", "ttyACM0"} << QStringList{"ttyACM0", "ttyUSB1", "ttyUSB0"}
            << QStringList{"ttyUSB0", "ttyACM0", "ttyUSB1"};
        QTest::newRow("two adjacent ports unplugged together")
            << QStringList{"a", "b", "c", "d"} << QStringList{"a", "d"} << QStringList{"a", "d"};
        QTest::newRow("all gone") << QStringList{"a", "b"} << QStringList{} << QStringList{};
        QTest::newRow("port back returns at the end")
            << QStringList{"b", "c"} << QStringList{"a", "b", "c"} << QStringList{"b", "c", "a"};
        QTest::newRow("case-sensitive names")
            << QStringList{"ttyusb0"} << QStringList{"ttyUSB0"} << QStringList{"ttyUSB0"};
        QTest::newRow("duplicate names listed once")
            << QStringList{} << QStringList{"a", "a"} << QStringList{"a"};
    }
    void merged()
    {
        QFETCH(QStringList, current);
        QFETCH(QStringList, available);
        QFETCH(QStringList, expected);
        QCOMPARE(PortList::merged(current, available), expected);
    }

    void deviceWatch_data()
    {
        QTest::addColumn<DeviceChange>("change");
        QTest::addColumn<bool>("changed");
        const auto make = [](const char *name) {
            return DeviceChange([=](QDir &d) { return touch(d.filePath(name)); });
        };
        QTest::newRow("nothing") << DeviceChange([](QDir &) { return true; }) << false;
        QTest::newRow("USB adapter plugged") << make("ttyUSB1") << true;
        QTest::newRow("CDC device plugged") << make("ttyACM0") << true;
        QTest::newRow("Bluetooth serial bound") << make("rfcomm0") << true;
        QTest::newRow("call-out device name") << make("cu.usbserial-1410") << true;
        QTest::newRow("adapter unplugged") << DeviceChange([](QDir &d) { return d.remove("ttyUSB0"); }) << true;
        // A new node under the old name, as a replug makes it.
        QTest::newRow("adapter replugged")
            << DeviceChange([](QDir &d) {
                   return touch(d.filePath("new")) && d.remove("ttyUSB0") && d.rename("new", "ttyUSB0");
               })
            << true;
        QTest::newRow("by-id link made anew")
            << DeviceChange([](QDir &d) {
                   return QFile::link("../../ttyUSB0", d.filePath("serial/by-id/new"))
                          && d.remove("serial/by-id/usb-FTDI-if00")
                          && d.rename("serial/by-id/new", "serial/by-id/usb-FTDI-if00");
               })
            << true;
        QTest::newRow("by-id link gone")
            << DeviceChange([](QDir &d) { return d.remove("serial/by-id/usb-FTDI-if00"); }) << true;
        QTest::newRow("disk plugged") << make("sda1") << false;
        QTest::newRow("camera plugged") << make("video0") << false;
        QTest::newRow("built-in UART") << make("ttyS1") << false;
        QTest::newRow("virtual console") << make("tty7") << false;
    }
    // A change is reported at once and for the settling looks after it,
    // then the watch is quiet again; anything else leaves it quiet.
    void deviceWatch()
    {
        QFETCH(DeviceChange, change);
        QFETCH(bool, changed);
        QTemporaryDir root;
        QDir d(root.path());
        QVERIFY(touch(d.filePath("ttyUSB0")) && touch(d.filePath("ttyS0")) && touch(d.filePath("null")));
        QVERIFY(d.mkpath("serial/by-id"));
        QVERIFY(QFile::link("../../ttyUSB0", d.filePath("serial/by-id/usb-FTDI-if00")));

        SerialDeviceWatch watch(root.path());
        for (int i = 0; i <= SerialDeviceWatch::settleLooks; ++i)
            QVERIFY(watch.changed());
        QVERIFY(!watch.changed());
        QVERIFY(change(d));
        QCOMPARE(watch.changed(), changed);
        if (changed)
            for (int i = 0; i < SerialDeviceWatch::settleLooks; ++i)
                QVERIFY(watch.changed());
        QVERIFY(!watch.changed());
    }
};

QTEST_APPLESS_MAIN(PortListTest)
#include "tst_port_list.moc"
