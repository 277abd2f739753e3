#include "terminals/ble_device.h"

#include <QBluetoothUuid>
#include <QLowEnergyDescriptor>
#include <QMetaEnum>
#include <QPointer>
#include <QTimer>
#include <QUuid>

namespace {

QBluetoothUuid uuidFromText(const QString &text)
{
    return QBluetoothUuid(QUuid::fromString(text));
}

} // namespace

Device::Device()
{
    discoveryAgent = new QBluetoothDeviceDiscoveryAgent(this);
    discoveryAgent->setLowEnergyDiscoveryTimeout(25000);
    connect(discoveryAgent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this, &Device::addDevice);
    connect(discoveryAgent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, &Device::deviceScanError);
    connect(discoveryAgent, &QBluetoothDeviceDiscoveryAgent::finished, this, &Device::deviceScanFinished);
    connect(discoveryAgent, &QBluetoothDeviceDiscoveryAgent::canceled, this, &Device::deviceScanFinished);
    setUpdate(QStringLiteral("Search"));
}

Device::~Device()
{
    // The agent's and controller's last signals must not reach a half-destroyed model.
    discoveryAgent->disconnect(this);
    if (controller)
        controller->disconnect(this);
    qDeleteAll(deviceList);
    deviceList.clear();
    qDeleteAll(serviceList);
    serviceList.clear();
    qDeleteAll(characteristicList);
    characteristicList.clear();
}

QVariant Device::getDevices()
{
    return QVariant::fromValue(deviceList);
}

QVariant Device::getServices()
{
    return QVariant::fromValue(serviceList);
}

QVariant Device::getCharacteristics()
{
    return QVariant::fromValue(characteristicList);
}

QString Device::getUpdate()
{
    return updateText;
}

void Device::setUpdate(const QString &message)
{
    updateText = message;
    emit updateChanged();
}

bool Device::state()
{
    return deviceScanState;
}

bool Device::hasControllerError() const
{
    return controller && controller->error() != QLowEnergyController::NoError;
}

bool Device::isRandomAddress() const
{
    return randomAddress;
}

void Device::setRandomAddress(bool newValue)
{
    randomAddress = newValue;
    emit randomAddressChanged();
}

void Device::startDeviceDiscovery()
{
    qDeleteAll(deviceList);
    deviceList.clear();
    emit devicesUpdated();

    discoveryAgent->start(QBluetoothDeviceDiscoveryAgent::LowEnergyMethod);
    // A failed start has already reported itself through deviceScanError.
    if (discoveryAgent->isActive()) {
        setUpdate(QStringLiteral("Stop"));
        deviceScanState = true;
        emit stateChanged();
    }
}

void Device::stopDeviceDiscovery()
{
    if (discoveryAgent->isActive())
        discoveryAgent->stop();
}

void Device::addDevice(const QBluetoothDeviceInfo &info)
{
    if (!(info.coreConfigurations() & QBluetoothDeviceInfo::LowEnergyCoreConfiguration))
        return;
    auto *entry = new DeviceInfo(info);
    const QString address = entry->getAddress();
    bool replaced = false;
    for (int i = 0; i < deviceList.size(); ++i) {
        auto *known = qobject_cast<DeviceInfo *>(deviceList.at(i));
        if (known && known->getAddress() == address) {
            deviceList[i] = entry;
            delete known;
            replaced = true;
            break;
        }
    }
    if (!replaced)
        deviceList.append(entry);
    emit devicesUpdated();
}

void Device::deviceScanError(QBluetoothDeviceDiscoveryAgent::Error error)
{
    if (error == QBluetoothDeviceDiscoveryAgent::InputOutputError) {
        setUpdate(QStringLiteral("Writing or reading from the device resulted in an error."));
    } else if (error == QBluetoothDeviceDiscoveryAgent::PoweredOffError) {
        setUpdate(QStringLiteral("The Bluetooth adaptor is powered off, power it on before doing discovery."));
    } else {
        static const QMetaEnum errors = discoveryAgent->metaObject()->enumerator(
            discoveryAgent->metaObject()->indexOfEnumerator("Error"));
        setUpdate(QStringLiteral("Error: ") + QLatin1String(errors.valueToKey(error)));
    }
    deviceScanState = false;
    emit stateChanged();

    // The agent's own words say what is wrong ("Cannot find valid Bluetooth adapter.").
    const QString detail = discoveryAgent->errorString();
    emit errorOccurred(detail.isEmpty() ? updateText : updateText + QLatin1Char('\n') + detail);
}

void Device::deviceScanFinished()
{
    deviceScanState = false;
    emit stateChanged();
    setUpdate(deviceList.isEmpty() ? QStringLiteral("No Low Energy devices found...")
                                   : QStringLiteral("Done! Scan Again!"));
}

void Device::clearCharacteristics()
{
    qDeleteAll(characteristicList);
    characteristicList.clear();
}

void Device::scanServices(const QString &address)
{
    for (QObject *o : std::as_const(deviceList)) {
        auto *info = qobject_cast<DeviceInfo *>(o);
        if (info && info->getAddress() == address) {
            currentDevice.setDevice(info->getDevice());
            break;
        }
    }
    if (!currentDevice.getDevice().isValid())
        return;

    clearCharacteristics();
    emit characteristicsUpdated();
    // The service objects go with their ServiceInfo: forget what points at them.
    for (const QMetaObject::Connection &c : std::as_const(notifyConnections))
        disconnect(c);
    notifyConnections.clear();
    notifyCharacteristics.clear();
    qDeleteAll(serviceList);
    serviceList.clear();
    emit servicesUpdated();

    setUpdate(QStringLiteral("Back\n(Connecting to device...)"));

    if (controller && currentDevice.getAddress() != previousAddress) {
        // Late signals of the old link must not end the new one.
        controller->disconnect(this);
        controller->disconnectFromDevice();
        delete controller;
        controller = nullptr;
    }
    if (!controller) {
        controller = QLowEnergyController::createCentral(currentDevice.getDevice(), this);
        connect(controller, &QLowEnergyController::connected, this, &Device::deviceConnected);
        connect(controller, &QLowEnergyController::errorOccurred, this, &Device::errorReceived);
        connect(controller, &QLowEnergyController::disconnected, this, &Device::deviceDisconnected);
        connect(controller, &QLowEnergyController::serviceDiscovered, this, &Device::addLowEnergyService);
        connect(controller, &QLowEnergyController::discoveryFinished, this, &Device::serviceScanDone);
    }
    // The address is recorded first: a connection error may arrive inside connectToDevice.
    previousAddress = currentDevice.getAddress();
    controller->setRemoteAddressType(randomAddress ? QLowEnergyController::RandomAddress
                                                   : QLowEnergyController::PublicAddress);
    controller->connectToDevice();
}

void Device::deviceConnected()
{
    setUpdate(QStringLiteral("Back\n(Discovering services...)"));
    controller->discoverServices();
    emit connected();
}

void Device::adoptService(QLowEnergyService *service)
{
    if (!service)
        return;
    serviceList.append(new ServiceInfo(service));
    emit servicesUpdated();
}

void Device::addLowEnergyService(const QBluetoothUuid &uuid)
{
    if (!controller)
        return;
    adoptService(controller->createServiceObject(uuid));
}

void Device::serviceScanDone()
{
    setUpdate(QStringLiteral("Back\n(Service scan done!)"));
    if (serviceList.isEmpty())
        emit servicesUpdated();
    emit serviceDiscoveryFinished();
}

void Device::errorReceived(QLowEnergyController::Error)
{
    if (controller && !controller->errorString().isEmpty())
        emit errorOccurred(controller->errorString());
    emit disconnected();
}

void Device::deviceDisconnected()
{
    emit disconnected();
}

void Device::disconnectFromDevice()
{
    if (!controller || controller->state() == QLowEnergyController::UnconnectedState) {
        emit disconnected();
        return;
    }
    controller->disconnectFromDevice();
}

QLowEnergyService *Device::findService(const QString &uuid) const
{
    for (QObject *o : serviceList) {
        auto *info = qobject_cast<ServiceInfo *>(o);
        if (info && info->getUuid() == uuid)
            return info->service();
    }
    return nullptr;
}

void Device::appendCharacteristics(const QString &serviceUuid, QLowEnergyService *service)
{
    const QList<QLowEnergyCharacteristic> chars = service->characteristics();
    for (const QLowEnergyCharacteristic &c : chars)
        characteristicList.append(new CharacteristicInfo(serviceUuid, c));
}

void Device::connectToService(const QString &uuid)
{
    if (serviceList.isEmpty())
        return;
    QLowEnergyService *service = findService(uuid);
    if (!service)
        return;

    clearCharacteristics();
    emit characteristicsUpdated();

    if (service->state() == QLowEnergyService::RemoteService) {
        connect(service, &QLowEnergyService::stateChanged, this, &Device::serviceDetailsDiscovered,
                Qt::UniqueConnection);
        service->discoverDetails(QLowEnergyService::FullDiscovery);
        setUpdate(QStringLiteral("Back\n(Discovering details...)"));
        return;
    }

    // Details already known: announce them on the next pass, once the caller
    // has its widgets for the service.  Reads need their handler here too.
    QPointer<QLowEnergyService> known(service);
    QTimer::singleShot(0, this, [this, known, uuid] {
        if (!known)
            return;
        appendCharacteristics(uuid, known);
        currentServiceUuid = uuid;
        connect(known, &QLowEnergyService::characteristicRead, this, &Device::characteristicRead,
                Qt::UniqueConnection);
        emit characteristicsUpdated();
        QList<CharacteristicInfo *> list;
        for (QObject *o : std::as_const(characteristicList))
            list.append(static_cast<CharacteristicInfo *>(o));
        emit characteristics_GetDone(uuid, list);
    });
}

void Device::serviceDetailsDiscovered(QLowEnergyService::ServiceState newState)
{
    if (newState == QLowEnergyService::RemoteServiceDiscovering)
        return;
    if (newState != QLowEnergyService::RemoteServiceDiscovered) {
        QMetaObject::invokeMethod(this, "characteristicsUpdated", Qt::QueuedConnection);
        return;
    }
    auto *service = qobject_cast<QLowEnergyService *>(sender());
    if (!service)
        return;
    const QString text = service->serviceUuid().toString();
    currentServiceUuid = text;
    appendCharacteristics(text, service);
    connect(service, &QLowEnergyService::characteristicRead, this, &Device::characteristicRead,
            Qt::UniqueConnection);
    QList<CharacteristicInfo *> list;
    for (QObject *o : std::as_const(characteristicList))
        list.append(static_cast<CharacteristicInfo *>(o));
    emit characteristics_GetDone(text, list);
}

void Device::characteristicRead(const QLowEnergyCharacteristic &characteristic, const QByteArray &value)
{
    emit characteristicValueRead(characteristic.uuid().toString(), value);
}

void Device::characteristicNotify(const QLowEnergyCharacteristic &characteristic, const QByteArray &value)
{
    auto *service = qobject_cast<QLowEnergyService *>(sender());
    const QString uuid = characteristic.uuid().toString();
    if (!notifyCharacteristics.value(service).contains(uuid))
        return;
    emit characteristicValueChanged(uuid, value);
}

void Device::readCharacteristic(const QString &serviceUuid, const QString &characteristicUuid)
{
    if (serviceUuid.isEmpty() || serviceList.isEmpty())
        return;
    QLowEnergyService *service = findService(serviceUuid);
    if (!service)
        return;
    const QBluetoothUuid wanted = uuidFromText(characteristicUuid);
    const QList<QLowEnergyCharacteristic> chars = service->characteristics();
    for (const QLowEnergyCharacteristic &c : chars) {
        if (c.uuid() == wanted) {
            if (c.isValid())
                service->readCharacteristic(c);
            return;
        }
    }
}

void Device::subscribeToNotify(const QString &serviceUuid, const QString &characteristicUuid)
{
    if (serviceUuid.isEmpty() || serviceList.isEmpty())
        return;
    QLowEnergyService *service = findService(serviceUuid);
    if (!service)
        return;
    const QLowEnergyCharacteristic c = service->characteristic(uuidFromText(characteristicUuid));
    if (!c.isValid())
        return;
    const QLowEnergyDescriptor config = c.clientCharacteristicConfiguration();
    if (!config.isValid())
        return;
    service->writeDescriptor(config, QByteArray::fromHex("0100"));

    // One connection per service: a second one would hand every value on twice.
    if (!notifyConnections.contains(service))
        notifyConnections.insert(service, connect(service, &QLowEnergyService::characteristicChanged,
                                                  this, &Device::characteristicNotify));
    notifyCharacteristics[service].insert(c.uuid().toString());
}

void Device::unsubscribeNotify(QLowEnergyService *service)
{
    if (!notifyConnections.contains(service))
        return;
    disconnect(notifyConnections.take(service));
    notifyCharacteristics.remove(service);
}

void Device::unsubscribeNotify(QLowEnergyService *service, const QString &characteristicUuid)
{
    if (!notifyCharacteristics.contains(service))
        return;
    QSet<QString> &subscribed = notifyCharacteristics[service];
    subscribed.remove(QBluetoothUuid(QUuid::fromString(characteristicUuid)).toString());
    if (subscribed.isEmpty())
        unsubscribeNotify(service);
}

void Device::writeCharacteristic(const QString &serviceUuid, const QString &characteristicUuid,
                                 const QByteArray &value)
{
    if (serviceUuid.isEmpty() || serviceList.isEmpty())
        return;
    QLowEnergyService *service = findService(serviceUuid);
    if (!service)
        return;
    const QLowEnergyCharacteristic c = service->characteristic(uuidFromText(characteristicUuid));
    if (!c.isValid())
        return;
    service->writeCharacteristic(c, value, writeModeFor(c.properties()));
}

QLowEnergyService::WriteMode Device::writeModeFor(QLowEnergyCharacteristic::PropertyTypes props)
{
    // A peripheral rejects a write in a mode the characteristic does not offer.
    if (props.testFlag(QLowEnergyCharacteristic::Write))
        return QLowEnergyService::WriteWithResponse;
    if (props.testFlag(QLowEnergyCharacteristic::WriteNoResponse))
        return QLowEnergyService::WriteWithoutResponse;
    if (props.testFlag(QLowEnergyCharacteristic::WriteSigned))
        return QLowEnergyService::WriteSigned;
    return QLowEnergyService::WriteWithResponse;
}
