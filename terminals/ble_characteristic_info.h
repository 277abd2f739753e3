#ifndef BLE_CHARACTERISTIC_INFO_H
#define BLE_CHARACTERISTIC_INFO_H

#include <QLowEnergyCharacteristic>
#include <QObject>
#include <QString>

// One characteristic, with the UUID text of the service it belongs to.
class CharacteristicInfo : public QObject
{
    Q_OBJECT
public:
    CharacteristicInfo(const QString &serviceUuid, const QLowEnergyCharacteristic &characteristic);

    void setCharacteristic(const QLowEnergyCharacteristic &characteristic);
    [[nodiscard]] QLowEnergyCharacteristic getCharacteristic() const { return characteristic; }

    [[nodiscard]] QString getUuid() const;
    // Own name, else the user description descriptor, else "Unknown".
    [[nodiscard]] QString getName() const;
    // "<none>", or the value as UTF-8, a line feed and its hex digits.
    [[nodiscard]] QString getValue() const;
    // "( Read Notify )" and so on: the property words in a fixed order.
    [[nodiscard]] QString getPermission() const;

    QString serviceUuid;

signals:
    void characteristicChanged();

private:
    QLowEnergyCharacteristic characteristic;
};

#endif // BLE_CHARACTERISTIC_INFO_H
