#include "terminals/vexmora_ble.h"

#include "ui_vexmora_ble.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "terminals/characteristic_widget.h"
#include "terminals/send_encoding.h"
#include "terminals/serial_styles.h"

namespace {

const QString kScan = QStringLiteral("Scan");
const QString kStop = QStringLiteral("Stop");
const QString kDisconnect = QStringLiteral("Disconnect");

QString connectedStyle()
{
    return QStringLiteral("QPushButton {   background-color: #FF5722;   color: white;   font-weight: bold;}"
                          "QPushButton:pressed {   background-color: #E64A19;}");
}

QString deviceButtonStyle()
{
    return QStringLiteral("QPushButton {   border: 2px solid #1E88E5;   border-radius: 5px;   padding: 8px;"
                          "   background-color: #42A5F5;   color: white;   font-weight: bold;}"
                          "QPushButton:pressed {   background-color: #1E88E5;}");
}

QString titleButtonStyle()
{
    return QStringLiteral("QToolButton {   background-color: transparent;   border: none;   color: blue;"
                          "   font-size: 13px;   font-weight: bold;   text-align: left;}"
                          "QToolButton:hover {   color: #007acc;}QToolButton:pressed {   color: #005f99;}");
}

QString serviceGroupStyle()
{
    return QStringLiteral("QGroupBox { background-color: white; } "
                          "QGroupBox::title { font-size: 13px; font-weight: bold; color: black; }");
}

void paintLabel(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setWeight(QFont::Bold);
    label->setFont(font);
}

} // namespace

vexmora_ble::vexmora_ble(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_ble)
{
    ui->setupUi(this);
    deviceButtonLayout = new QVBoxLayout(ui->groupBox);
    ui->groupBox->setLayout(deviceButtonLayout);

    connect(ui->scanButton, &QPushButton::clicked, this, &vexmora_ble::onScanButtonClicked);
    connect(&device, &Device::devicesUpdated, this, &vexmora_ble::devicesUpdated);
    // The list is complete only when discovery has finished; at connected()
    // it is still empty.
    connect(&device, &Device::serviceDiscoveryFinished, this, &vexmora_ble::onServiceScanDone);
    connect(&device, &Device::disconnected, this, &vexmora_ble::onServiceDisconnected);
    connect(&device, &Device::characteristicValueRead, this, &vexmora_ble::onCharacteristicValueRead);
    connect(&device, &Device::characteristicValueChanged, this, &vexmora_ble::onCharacteristicValueRead);
    connect(&device, &Device::characteristics_GetDone, this, &vexmora_ble::onCharacteristicsGetDone);
    connect(&device, &Device::errorOccurred, this, &vexmora_ble::onModelError);

    ui->scanButton->setStyleSheet(SerialStyles::openIdle());
    setStyleSheet(QStringLiteral("background-color: white grey"));
}

vexmora_ble::~vexmora_ble()
{
    // The model outlives nothing it reports to.
    device.disconnect(this);
    delete ui;
}

void vexmora_ble::setScanButton(const QString &text, const QString &style)
{
    ui->scanButton->setText(text);
    ui->scanButton->setStyleSheet(style);
}

void vexmora_ble::onScanButtonClicked()
{
    const QString text = ui->scanButton->text();
    if (text == kScan) {
        clearDeviceButtons();
        if (errorShown) {
            ui->label_device->clear();
            errorShown = false;
        }
        // Scanning state first: a start that fails at once resets it from inside.
        setScanButton(kStop, SerialStyles::openActive());
        device.startDeviceDiscovery();
    } else if (text == kStop || text == kDisconnect) {
        setScanButton(kScan, SerialStyles::openIdle());
        device.stopDeviceDiscovery();
        ui->groupBox_device->setEnabled(true);
        if (text == kDisconnect)
            device.disconnectFromDevice();
    }
}

void vexmora_ble::onModelError(const QString &text)
{
    ui->label_device->setText(text);
    paintLabel(ui->label_device, Qt::darkRed);
    errorShown = true;
    // A failed discovery is over: the button must not go on offering "Stop".
    if (ui->scanButton->text() == kStop) {
        setScanButton(kScan, SerialStyles::openIdle());
        ui->groupBox_device->setEnabled(true);
    }
}

void vexmora_ble::clearDeviceButtons()
{
    QLayout *layout = ui->groupBox->layout();
    for (QPushButton *button : std::as_const(deviceButtons)) {
        if (layout)
            layout->removeWidget(button);
        delete button;
    }
    deviceButtons.clear();
}

void vexmora_ble::devicesUpdated()
{
    const QList<QObject *> list = device.getDevices().value<QList<QObject *>>();
    for (QObject *o : list) {
        auto *info = qobject_cast<DeviceInfo *>(o);
        if (!info || deviceButtons.contains(info->getAddress()))
            continue;
        const QString address = info->getAddress();
        auto *button = new QPushButton(info->getName() + QStringLiteral("\n(") + address + QLatin1Char(')'));
        button->setIcon(QIcon(QStringLiteral(":/images/ble.png")));
        button->setIconSize(QSize(32, 32));
        button->setStyleSheet(deviceButtonStyle());
        connect(button, &QPushButton::clicked, this, &vexmora_ble::onDeviceButtonClicked);
        deviceButtons.insert(address, button);
        deviceButtonLayout->addWidget(button);
    }
}

void vexmora_ble::onDeviceButtonClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    // The map knows the address; the text may hold any name, brackets included.
    const QString address = deviceButtons.key(button);
    if (address.isEmpty())
        return;
    bool known = false;
    const QList<QObject *> list = device.getDevices().value<QList<QObject *>>();
    for (QObject *o : list) {
        auto *info = qobject_cast<DeviceInfo *>(o);
        if (info && info->getAddress() == address) {
            known = true;
            break;
        }
    }
    if (!known)
        return;

    ui->label_device->setText(button->text().remove(QLatin1Char('\n')));
    paintLabel(ui->label_device, Qt::darkBlue);
    errorShown = false;
    // Connected state before connecting: a connection that fails inside
    // scanServices returns the panel to "Scan" from there.
    setScanButton(kDisconnect, connectedStyle());
    ui->groupBox_device->setEnabled(false);

    device.stopDeviceDiscovery();
    device.scanServices(address);
}

void vexmora_ble::onServiceScanDone()
{
    const QList<QObject *> oldChildren = ui->groupBox_ServiceUUID->children();
    for (QObject *child : oldChildren)
        delete child;
    // Everything the maps pointed at is gone.
    serviceWidgets.clear();
    characteristicServices.clear();
    titleGroups.clear();

    auto *services = new QVBoxLayout(ui->groupBox_ServiceUUID);
    if (ui->groupBox_ServiceUUID->layout() != services) {
        delete services;
        services = new QVBoxLayout;
        ui->groupBox_ServiceUUID->setLayout(services);
    }

    const QList<QObject *> list = device.getServices().value<QList<QObject *>>();
    for (QObject *o : list) {
        auto *info = qobject_cast<ServiceInfo *>(o);
        if (!info)
            continue;
        const QString uuid = info->getUuid();
        auto *group = new QGroupBox;
        auto *title = new QPushButton(QStringLiteral("Service name: ") + info->getName()
                                          + QStringLiteral("\nService UUID: ") + uuid,
                                      ui->groupBox_ServiceUUID);
        title->setFlat(true);
        title->setStyleSheet(titleButtonStyle());
        services->addWidget(title);
        titleGroups.insert(title, group);
        connect(title, &QPushButton::clicked, this, &vexmora_ble::onTitleButtonClicked);

        auto *groupLayout = new QVBoxLayout(group);
        groupLayout->setContentsMargins(0, 0, 0, 0);
        group->setStyleSheet(serviceGroupStyle());

        device.connectToService(uuid);

        services->addWidget(group);
        auto *widget = new CharacteristicWidget(uuid, group);
        groupLayout->addWidget(widget);
        serviceWidgets.insert(uuid, widget);
        connect(widget, &CharacteristicWidget::readCharacteristicRequested, this,
                &vexmora_ble::onReadCharacteristicRequested);
        connect(widget, &CharacteristicWidget::notifyCharacteristicRequested, this,
                &vexmora_ble::onNotifyCharacteristicRequested);
        connect(widget, &CharacteristicWidget::writeCharacteristicRequested, this,
                &vexmora_ble::onWriteCharacteristicRequested);
    }
}

void vexmora_ble::onTitleButtonClicked()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    QGroupBox *group = button ? titleGroups.value(button) : nullptr;
    if (group)
        group->setVisible(!group->isVisible());
}

void vexmora_ble::onCharacteristicsGetDone(const QString &serviceUuid,
                                           const QList<CharacteristicInfo *> &characteristics)
{
    CharacteristicWidget *widget = serviceWidgets.value(serviceUuid);
    if (!widget || characteristics.isEmpty())
        return;
    for (CharacteristicInfo *c : characteristics) {
        if (!c || c->serviceUuid != serviceUuid)
            continue;
        characteristicServices.insert(c->getUuid(), serviceUuid);
        widget->setCharacteristicInfo(c->getName(), c->getUuid(), QString(), c->getPermission());
    }
}

void vexmora_ble::onReadCharacteristicRequested(const QString &uuid)
{
    const QString service = characteristicServices.value(uuid);
    if (!service.isEmpty())
        device.readCharacteristic(service, uuid);
}

void vexmora_ble::onNotifyCharacteristicRequested(const QString &uuid, bool flag)
{
    const QString serviceUuid = characteristicServices.value(uuid);
    if (serviceUuid.isEmpty())
        return;
    if (flag) {
        device.subscribeToNotify(serviceUuid, uuid);
        return;
    }
    const QList<QObject *> list = device.getServices().value<QList<QObject *>>();
    for (QObject *o : list) {
        auto *info = qobject_cast<ServiceInfo *>(o);
        if (info && info->getUuid() == serviceUuid) {
            if (info->service())
                device.unsubscribeNotify(info->service(), uuid);
            return;
        }
    }
}

void vexmora_ble::onWriteCharacteristicRequested(QString uuid, QString data, bool hexMode)
{
    // Hex accepts the value line's own form ("0x41, 0x42") as well as "41 42".
    const QByteArray bytes = hexMode ? SendEncoding::bleHexBytes(data) : data.toUtf8();
    const QString service = characteristicServices.value(uuid);
    if (!service.isEmpty())
        device.writeCharacteristic(service, uuid, bytes);
}

void vexmora_ble::onCharacteristicValueRead(QString characteristicUuid, QByteArray characteristicValue)
{
    const QString service = characteristicServices.value(characteristicUuid);
    if (service.isEmpty())
        return;
    if (CharacteristicWidget *widget = serviceWidgets.value(service))
        widget->updateCharacteristicValue(characteristicUuid, characteristicValue);
}

void vexmora_ble::onServiceDisconnected()
{
    if (ui->scanButton->text() == kDisconnect) {
        setScanButton(kScan, SerialStyles::openIdle());
        device.stopDeviceDiscovery();
        ui->groupBox_device->setEnabled(true);
        device.disconnectFromDevice();
    }
    ui->scanButton->setEnabled(true);
}

void vexmora_ble::Sleep(int msec)
{
    const QTime end = QTime::currentTime().addMSecs(msec);
    while (QTime::currentTime() < end)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
}
