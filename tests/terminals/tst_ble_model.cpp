// The BLE model without a radio: discovery on a machine with no adapter,
// devices handed in as discovery reports them, and local GATT services
// standing in for a connected peripheral's.
#include "terminals/ble_device.h"
#include "tests/support/test_base.h"
#include "tests/terminals/ble_fixture.h"

#include <QBluetoothLocalDevice>
#include <QSignalSpy>
#include <QtTest>

using namespace kesptest;
using P = QLowEnergyCharacteristic;

class BleModelTest : public QObject
{
    Q_OBJECT

    static QStringList addresses(Device &d)
    {
        QStringList out;
        for (QObject *o : d.getDevices().value<QList<QObject *>>())
            out << static_cast<DeviceInfo *>(o)->getAddress() + '=' + static_cast<DeviceInfo *>(o)->getName();
        return out;
    }

private slots:
    void propertyText_data()
    {
        QTest::addColumn<int>("props");
        QTest::addColumn<QString>("text");
        QTest::newRow("read and notify") << int(P::Read | P::Notify) << "(  Read Notify )";
        QTest::newRow("no flag") << 0 << "(  )";
        QTest::newRow("every flag in table order")
            << 0xFF << "(  Read Write Notify Indicate ExtendedProperty Broadcast WriteNoResp WriteSigned )";
        QTest::newRow("write without response") << int(P::WriteNoResponse) << "(  WriteNoResp )";
    }
    void propertyText()
    {
        QFETCH(int, props);
        QFETCH(QString, text);
        LocalGatt gatt;
        QLowEnergyService *s = gatt.service(customUuid(1), {{customUuid(2), P::PropertyTypes(props), "x"}});
        QVERIFY(s);
        CharacteristicInfo info(QString(), s->characteristics().value(0));
        QCOMPARE(info.getPermission(), text);
        delete s;
    }

    // Names fall back from the SIG name to the user description to
    // "Unknown"; values show "<none>" or their UTF-8 text and hex digits.
    void namesValuesAndServiceTypes()
    {
        LocalGatt gatt;
        QLowEnergyService *secondary = gatt.service(customUuid(10), {
            {QBluetoothUuid(quint16(0x2a19)), P::Read, "AB"},
            {customUuid(11), P::Read, QByteArray(), "Level"},
            {customUuid(12), P::Read, QByteArray("\xff", 1)},
        }, false);
        QLowEnergyService *primary = gatt.service(QBluetoothUuid(quint16(0x180f)), {}, true, secondary);
        const QList<QLowEnergyCharacteristic> chars = secondary->characteristics();
        CharacteristicInfo sig("{svc}", chars.at(0)), described("{svc}", chars.at(1)), unnamed("{svc}", chars.at(2));

        QCOMPARE(sig.getName(), QString("Battery Level"));
        QCOMPARE(sig.getUuid(), QString("{00002a19-0000-1000-8000-00805f9b34fb}"));
        QCOMPARE(sig.getValue(), QString("AB\n4142"));
        QCOMPARE(described.getName(), QString("Level"));
        QCOMPARE(described.getValue(), QString("<none>"));
        QCOMPARE(unnamed.getName(), QString("Unknown"));
        QCOMPARE(unnamed.getValue(), QString(QChar(0xFFFD)) + "\nff");
        QCOMPARE(unnamed.serviceUuid, QString("{svc}"));

        ServiceInfo p(primary), s(secondary), none(nullptr);
        QCOMPARE(p.getType(), QString("<primary>"));
        QCOMPARE(s.getType(), QString("<secondary included>"));
        QCOMPARE(p.getUuid(), QString("{0000180f-0000-1000-8000-00805f9b34fb}"));
        QCOMPARE(p.getName(), QString("Battery Service"));
        QCOMPARE(none.getType(), QString());
        QCOMPARE(none.getName(), QString());
        // Deleting the holder deletes its service object.
        QPointer<QLowEnergyService> watched(primary);
        { ServiceInfo gone(gatt.service(customUuid(13), {})); watched = gone.service(); }
        QVERIFY(watched.isNull());
    }

    // BlueZ reports a null device UUID for every peripheral: the address
    // must stand in, or all devices would collapse into one entry.
    void discoveredDevicesAreKeyedAndFiltered()
    {
        Device d;
        QSignalSpy updated(&d, &Device::devicesUpdated);
        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor"));
        d.addDevice(leDevice("AA:BB:CC:DD:EE:01", "Tag"));
        d.addDevice(leDevice("AA:BB:CC:DD:EE:02", "Headset", QBluetoothDeviceInfo::BaseRateCoreConfiguration));
        d.addDevice(leDevice("AA:BB:CC:DD:EE:03", "Dual", QBluetoothDeviceInfo::BaseRateAndLowEnergyCoreConfiguration));
        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor v2"));
        QBluetoothDeviceInfo mac = leDevice("00:00:00:00:00:00", "Mac");
        mac.setDeviceUuid(QBluetoothUuid(QUuid("{12345678-1234-1234-1234-1234567890ab}")));
        d.addDevice(mac);

        QCOMPARE(addresses(d), QStringList({"11:22:33:44:55:66=Sensor v2", "AA:BB:CC:DD:EE:01=Tag",
                                            "AA:BB:CC:DD:EE:03=Dual",
                                            "{12345678-1234-1234-1234-1234567890ab}=Mac"}));
        QCOMPARE(updated.count(), 5);
    }

    void discoveryStatusTexts()
    {
        Device d;
        QCOMPARE(d.getUpdate(), QString("Search"));
        QSignalSpy errors(&d, &Device::errorOccurred);
        d.deviceScanError(QBluetoothDeviceDiscoveryAgent::PoweredOffError);
        QCOMPARE(d.getUpdate(), QString("The Bluetooth adaptor is powered off, power it on before doing discovery."));
        d.deviceScanError(QBluetoothDeviceDiscoveryAgent::UnsupportedPlatformError);
        QCOMPARE(d.getUpdate(), QString("Error: UnsupportedPlatformError"));
        d.deviceScanError(QBluetoothDeviceDiscoveryAgent::Error(42));
        QCOMPARE(d.getUpdate(), QString("Error: "));
        QCOMPARE(errors.count(), 3);
        d.deviceScanFinished();
        QCOMPARE(d.getUpdate(), QString("No Low Energy devices found..."));
        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor"));
        d.deviceScanFinished();
        QCOMPARE(d.getUpdate(), QString("Done! Scan Again!"));
        QVERIFY(!d.state());
    }

    // This machine has no adapter: discovery fails at once, connecting too.
    void withoutAdapterDiscoveryAndConnectionFail()
    {
        if (!QBluetoothLocalDevice::allDevices().isEmpty())
            QSKIP("a Bluetooth adapter is present");
        Device d;
        QSignalSpy errors(&d, &Device::errorOccurred);
        QSignalSpy disconnected(&d, &Device::disconnected);
        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor"));
        d.startDeviceDiscovery();
        QCOMPARE(d.getUpdate(), QString("Writing or reading from the device resulted in an error."));
        QVERIFY(!d.state());
        QCOMPARE(errors.count(), 1);
        QVERIFY(errors.at(0).at(0).toString().endsWith("\nCannot find valid Bluetooth adapter."));
        QVERIFY(d.getDevices().value<QList<QObject *>>().isEmpty());

        // No controller yet: a disconnect just reports itself.
        d.disconnectFromDevice();
        QCOMPARE(disconnected.count(), 1);
        // Not a listed device and none chosen before: nothing happens.
        d.scanServices("11:22:33:44:55:66");
        QCOMPARE(d.getUpdate(), QString("Writing or reading from the device resulted in an error."));

        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor"));
        d.scanServices("11:22:33:44:55:66");
        QCOMPARE(d.getUpdate(), QString("Back\n(Connecting to device...)"));
        QCOMPARE(disconnected.count(), 2);
        QVERIFY(d.hasControllerError());
        QCOMPARE(errors.count(), 2);
        d.disconnectFromDevice();
        QCOMPARE(disconnected.count(), 3);
    }

    void writeModeFollowsProperties_data()
    {
        QTest::addColumn<int>("props");
        QTest::addColumn<int>("mode");
        QTest::newRow("write") << int(P::Write) << int(QLowEnergyService::WriteWithResponse);
        QTest::newRow("both") << int(P::Write | P::WriteNoResponse) << int(QLowEnergyService::WriteWithResponse);
        QTest::newRow("without response only") << int(P::WriteNoResponse) << int(QLowEnergyService::WriteWithoutResponse);
        QTest::newRow("signed only") << int(P::WriteSigned) << int(QLowEnergyService::WriteSigned);
    }
    void writeModeFollowsProperties()
    {
        QFETCH(int, props);
        QFETCH(int, mode);
        QCOMPARE(int(Device::writeModeFor(P::PropertyTypes(props))), mode);
    }

    // Subscriptions are per characteristic: one subscription passes each
    // value on once, however often it is made, and an unsubscribe stops
    // exactly that characteristic.
    void notificationsReadsAndWrites()
    {
        LocalGatt gatt;
        const QBluetoothUuid a = customUuid(20), b = customUuid(21), w = customUuid(22);
        QLowEnergyService *s = gatt.service(customUuid(23), {
            {a, P::Read | P::Notify, "a"}, {b, P::Notify, "b"}, {w, P::WriteNoResponse, "w"}});
        Device d;
        d.adoptService(s);
        const QString su = s->serviceUuid().toString(), au = a.toString(), bu = b.toString();
        QSignalSpy changed(&d, &Device::characteristicValueChanged);
        QSignalSpy read(&d, &Device::characteristicValueRead);
        QSignalSpy done(&d, &Device::characteristics_GetDone);

        d.subscribeToNotify(su, au);
        d.subscribeToNotify(su, au);
        QCOMPARE(s->characteristic(a).clientCharacteristicConfiguration().value(), QByteArray::fromHex("0100"));
        emit s->characteristicChanged(s->characteristic(a), QByteArray("\x01\xff", 2));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(1).toByteArray(), QByteArray("\x01\xff", 2));
        // b is not subscribed yet: its changes are not passed on.
        emit s->characteristicChanged(s->characteristic(b), "b1");
        QCOMPARE(changed.count(), 1);
        d.subscribeToNotify(su, bu);
        d.unsubscribeNotify(s, au);
        emit s->characteristicChanged(s->characteristic(a), "a2");
        emit s->characteristicChanged(s->characteristic(b), "b2");
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).toString(), bu);
        d.unsubscribeNotify(s, bu);
        emit s->characteristicChanged(s->characteristic(b), "b3");
        QCOMPARE(changed.count(), 2);

        // Details already known: the characteristics arrive on the next pass,
        // and reads come back through the handler connected then.
        d.connectToService(su);
        QCOMPARE(done.count(), 0);
        QTRY_COMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toString(), su);
        QCOMPARE(d.characteristics().size(), 3);
        emit s->characteristicRead(s->characteristic(a), QByteArray("\xff" "A", 2));
        QCOMPARE(read.count(), 1);
        QCOMPARE(read.at(0).at(0).toString(), au);
        QCOMPARE(read.at(0).at(1).toByteArray(), QByteArray("\xff" "A", 2));

        d.writeCharacteristic(su, w.toString(), "hi");
        QCOMPARE(s->characteristic(w).value(), QByteArray("hi"));
        d.writeCharacteristic(su, customUuid(99).toString(), "lost");
        d.writeCharacteristic("{00000000-0000-0000-0000-000000000000}", w.toString(), "lost");
        QCOMPARE(s->characteristic(w).value(), QByteArray("hi"));
    }

    // A new connection deletes the services; a pending announcement of one
    // of them must not touch it afterwards.
    void newConnectionDropsPendingAnnouncements()
    {
        LocalGatt gatt;
        QPointer<QLowEnergyService> s = gatt.service(customUuid(30), {{customUuid(31), P::Read, "x"}});
        Device d;
        QSignalSpy done(&d, &Device::characteristics_GetDone);
        d.adoptService(s);
        d.connectToService(s->serviceUuid().toString());
        d.addDevice(leDevice("11:22:33:44:55:66", "Sensor"));
        d.scanServices("11:22:33:44:55:66");
        QVERIFY(s.isNull());
        QVERIFY(d.getServices().value<QList<QObject *>>().isEmpty());
        QTest::qWait(20);
        QCOMPARE(done.count(), 0);
    }
};

KESP_TEST_GUILESS_MAIN(BleModelTest)
#include "tst_ble_model.moc"
