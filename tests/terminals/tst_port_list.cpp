// Port-list rules of the rescan: which names are offered and how a scan
// changes a list without disturbing the names that stay.
#include "terminals/port_list.h"
#include "tests/support/test_base.h"

#include <QtTest>

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
};

KESP_TEST_APPLESS_MAIN(PortListTest)
#include "tst_port_list.moc"
