#include "terminals/ble_characteristic_info.h"

#include <QBluetoothUuid>
#include <QLowEnergyDescriptor>

CharacteristicInfo::CharacteristicInfo(const QString &serviceUuid,
                                       const QLowEnergyCharacteristic &characteristic)
    : serviceUuid(serviceUuid)
    , characteristic(characteristic)
{
}

void CharacteristicInfo::setCharacteristic(const QLowEnergyCharacteristic &c)
{
    characteristic = c;
    emit characteristicChanged();
}

QString CharacteristicInfo::getUuid() const
{
    return characteristic.uuid().toString();
}

QString CharacteristicInfo::getName() const
{
    QString name = characteristic.name();
    if (!name.isEmpty())
        return name;
    const QLowEnergyDescriptor description =
        characteristic.descriptor(QBluetoothUuid::DescriptorType::CharacteristicUserDescription);
    if (description.isValid())
        name = QString::fromUtf8(description.value());
    return name.isEmpty() ? QStringLiteral("Unknown") : name;
}

QString CharacteristicInfo::getValue() const
{
    const QByteArray value = characteristic.value();
    if (value.isEmpty())
        return QStringLiteral("<none>");
    return QString::fromUtf8(value) + QLatin1Char('\n') + QString::fromLatin1(value.toHex());
}

QString CharacteristicInfo::getPermission() const
{
    static const struct {
        QLowEnergyCharacteristic::PropertyType flag;
        const char *word;
    } words[] = {
        {QLowEnergyCharacteristic::Read, " Read"},
        {QLowEnergyCharacteristic::Write, " Write"},
        {QLowEnergyCharacteristic::Notify, " Notify"},
        {QLowEnergyCharacteristic::Indicate, " Indicate"},
        {QLowEnergyCharacteristic::ExtendedProperty, " ExtendedProperty"},
        {QLowEnergyCharacteristic::Broadcasting, " Broadcast"},
        {QLowEnergyCharacteristic::WriteNoResponse, " WriteNoResp"},
        {QLowEnergyCharacteristic::WriteSigned, " WriteSigned"},
    };
    const QLowEnergyCharacteristic::PropertyTypes props = characteristic.properties();
    QString text = QStringLiteral("( ");
    for (const auto &w : words) {
        if (props.testFlag(w.flag))
            text += QLatin1String(w.word);
    }
    return text + QStringLiteral(" )");
}
