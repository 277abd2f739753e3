#ifndef BLE_DEVICE_INFO_H
#define BLE_DEVICE_INFO_H

#include <QBluetoothDeviceInfo>
#include <QObject>
#include <QString>

// One discovered BLE peripheral.
class DeviceInfo : public QObject
{
    Q_OBJECT
public:
    DeviceInfo() = default;
    explicit DeviceInfo(const QBluetoothDeviceInfo &info);

    // The text that identifies the device for the whole explorer: the stack's
    // device UUID, or the hardware address where the stack reports none
    // (BlueZ does, so every device would otherwise share the null UUID).
    [[nodiscard]] QString getAddress() const;
    [[nodiscard]] QString getName() const;
    [[nodiscard]] QBluetoothDeviceInfo getDevice() const;
    void setDevice(const QBluetoothDeviceInfo &info);

signals:
    void deviceChanged();

private:
    QBluetoothDeviceInfo device;
};

#endif // BLE_DEVICE_INFO_H
