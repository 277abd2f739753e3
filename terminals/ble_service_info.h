#ifndef BLE_SERVICE_INFO_H
#define BLE_SERVICE_INFO_H

#include <QObject>
#include <QString>

class QLowEnergyService;

// One GATT service of the connected device; owns its service object.
class ServiceInfo : public QObject
{
    Q_OBJECT
public:
    explicit ServiceInfo(QLowEnergyService *service);

    [[nodiscard]] QLowEnergyService *service() const;
    [[nodiscard]] QString getName() const;
    [[nodiscard]] QString getUuid() const;
    // "<primary>", "<secondary>", "<primary included>" or
    // "<secondary included>"; empty without a service object.
    [[nodiscard]] QString getType() const;

private:
    QLowEnergyService *m_service = nullptr;
};

#endif // BLE_SERVICE_INFO_H
