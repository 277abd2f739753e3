#include "terminals/ble_device_info.h"

#include <QBluetoothAddress>
#include <QBluetoothUuid>

DeviceInfo::DeviceInfo(const QBluetoothDeviceInfo &info)
    : device(info)
{
}

QString DeviceInfo::getAddress() const
{
    const QBluetoothUuid uuid = device.deviceUuid();
    if (!uuid.isNull())
        return uuid.toString();
    return device.address().toString();
}

QString DeviceInfo::getName() const
{
    return device.name();
}

QBluetoothDeviceInfo DeviceInfo::getDevice() const
{
    return device;
}

void DeviceInfo::setDevice(const QBluetoothDeviceInfo &info)
{
    device = info;
    emit deviceChanged();
}
