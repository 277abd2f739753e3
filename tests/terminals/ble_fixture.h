#ifndef BLE_FIXTURE_H
#define BLE_FIXTURE_H

// Stand-ins for a BLE peripheral on a machine without a radio: device infos
// as discovery would report them, and real QLowEnergyService objects made by
// a peripheral-role controller (local services need no adapter).  Reads and
// notifications are played by emitting the service's own signals.

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QLowEnergyCharacteristicData>
#include <QLowEnergyController>
#include <QLowEnergyDescriptorData>
#include <QLowEnergyService>
#include <QLowEnergyServiceData>
#include <QUuid>
#include <memory>

namespace kesptest {

inline QBluetoothDeviceInfo leDevice(const QString &address, const QString &name,
                                     QBluetoothDeviceInfo::CoreConfigurations config =
                                         QBluetoothDeviceInfo::LowEnergyCoreConfiguration)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(address), name, 0);
    info.setCoreConfigurations(config);
    return info;
}

// A 128-bit UUID without a SIG name, so names come from descriptors.
inline QBluetoothUuid customUuid(int n)
{
    return QBluetoothUuid(QUuid(0x6e400000u + n, 0xb5a3, 0xf393, 0xe0, 0xa9, 0xe5, 0x0e, 0x24, 0xdc, 0xca, 0x9e));
}

struct LocalChar
{
    QBluetoothUuid uuid;
    QLowEnergyCharacteristic::PropertyTypes props;
    QByteArray value;
    QByteArray description = {};
};

class LocalGatt
{
public:
    LocalGatt() : m_peripheral(QLowEnergyController::createPeripheral()) {}

    QLowEnergyService *service(const QBluetoothUuid &uuid, const QList<LocalChar> &chars,
                               bool primary = true, QLowEnergyService *includes = nullptr)
    {
        QLowEnergyServiceData data;
        data.setType(primary ? QLowEnergyServiceData::ServiceTypePrimary
                             : QLowEnergyServiceData::ServiceTypeSecondary);
        data.setUuid(uuid);
        if (includes)
            data.addIncludedService(includes);
        for (const LocalChar &c : chars) {
            QLowEnergyCharacteristicData cd;
            cd.setUuid(c.uuid);
            cd.setProperties(c.props);
            cd.setValue(c.value);
            if (c.props & (QLowEnergyCharacteristic::Notify | QLowEnergyCharacteristic::Indicate))
                cd.addDescriptor(QLowEnergyDescriptorData(
                    QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration, QByteArray(2, 0)));
            if (!c.description.isEmpty())
                cd.addDescriptor(QLowEnergyDescriptorData(
                    QBluetoothUuid::DescriptorType::CharacteristicUserDescription, c.description));
            data.addCharacteristic(cd);
        }
        return m_peripheral->addService(data);
    }

private:
    std::unique_ptr<QLowEnergyController> m_peripheral;
};

} // namespace kesptest

#endif // BLE_FIXTURE_H
