#ifndef BLE_DEVICE_H
#define BLE_DEVICE_H

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothDeviceInfo>
#include <QByteArray>
#include <QList>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QMap>
#include <QMetaObject>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>

#include "terminals/ble_characteristic_info.h"
#include "terminals/ble_device_info.h"
#include "terminals/ble_service_info.h"

// The BLE explorer's GATT client: discovery, one central connection, its
// services and characteristics.  Shows nothing; reports through signals and
// a status text.  Services and characteristics are named by UUID text.
class Device : public QObject
{
    Q_OBJECT
public:
    Device();
    ~Device() override;

    QVariant getDevices();
    QVariant getServices();
    QVariant getCharacteristics();
    const QList<QObject *> &characteristics() const { return characteristicList; }
    QString getUpdate();
    void setUpdate(const QString &message);
    bool state();
    bool hasControllerError() const;
    bool isRandomAddress() const;
    void setRandomAddress(bool newValue);

    // Write mode for a characteristic's properties: with response where it
    // allows that, else the mode it does offer.
    [[nodiscard]] static QLowEnergyService::WriteMode writeModeFor(QLowEnergyCharacteristic::PropertyTypes props);

    // Takes a service object into the service list as if the controller had
    // discovered it.  Lets tests hand in services without a radio.
    void adoptService(QLowEnergyService *service);

public slots:
    void startDeviceDiscovery();
    void stopDeviceDiscovery();
    void scanServices(const QString &address);
    void connectToService(const QString &uuid);
    void disconnectFromDevice();
    void readCharacteristic(const QString &serviceUuid, const QString &characteristicUuid);
    void subscribeToNotify(const QString &serviceUuid, const QString &characteristicUuid);
    // Stops passing on the changes of every characteristic of the service.
    void unsubscribeNotify(QLowEnergyService *service);
    // Stops passing on the changes of one characteristic only.
    void unsubscribeNotify(QLowEnergyService *service, const QString &characteristicUuid);
    void writeCharacteristic(const QString &serviceUuid, const QString &characteristicUuid,
                             const QByteArray &value);

    // agent
    void addDevice(const QBluetoothDeviceInfo &info);
    void deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error);
    void deviceScanFinished();
    // controller
    void deviceConnected();
    void errorReceived(QLowEnergyController::Error error);
    void deviceDisconnected();
    void addLowEnergyService(const QBluetoothUuid &uuid);
    void serviceScanDone();
    // services
    void serviceDetailsDiscovered(QLowEnergyService::ServiceState newState);
    void characteristicRead(const QLowEnergyCharacteristic &characteristic, const QByteArray &value);
    void characteristicNotify(const QLowEnergyCharacteristic &characteristic, const QByteArray &value);

signals:
    void connected();
    void devicesUpdated();
    void servicesUpdated();
    void characteristicsUpdated();
    void characteristics_GetDone(QString serviceUuid, const QList<CharacteristicInfo *> &characteristics);
    void updateChanged();
    void stateChanged();
    void disconnected();
    void randomAddressChanged();
    // Values travel as the raw bytes: a text form would lose what is not UTF-8.
    void characteristicValueRead(QString characteristicUuid, QByteArray value);
    void characteristicValueChanged(QString characteristicUuid, QByteArray value);
    // Service discovery of the connection has ended; the service list is complete.
    void serviceDiscoveryFinished();
    // A discovery or connection failure, in words a user can act on.
    void errorOccurred(QString text);

private:
    QLowEnergyService *findService(const QString &uuid) const;
    void clearCharacteristics();
    void appendCharacteristics(const QString &serviceUuid, QLowEnergyService *service);

    QList<QObject *> serviceList;
    QBluetoothDeviceDiscoveryAgent *discoveryAgent = nullptr;
    DeviceInfo currentDevice;
    QList<QObject *> deviceList;
    QList<QObject *> characteristicList;
    QString previousAddress;
    QString updateText;
    QLowEnergyController *controller = nullptr;
    bool deviceScanState = false;
    bool randomAddress = false;
    QString currentServiceUuid;
    QMap<QLowEnergyService *, QMetaObject::Connection> notifyConnections;
    // Characteristics whose changes are passed on, per subscribed service.
    QMap<QLowEnergyService *, QSet<QString>> notifyCharacteristics;
};

#endif // BLE_DEVICE_H
