#ifndef VEXMORA_BLE_H
#define VEXMORA_BLE_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QWidget>

#include "terminals/ble_device.h"

class CharacteristicWidget;
class QGroupBox;
class QPushButton;
class QVBoxLayout;
class Ui_vexmora_ble;

// The "Ble" tab: scan for LE peripherals, connect to one, list its services
// and read, write and subscribe to their characteristics.
class vexmora_ble : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_ble(QWidget *parent = nullptr);
    ~vexmora_ble() override;

    // The model behind the panel, for tests that hand it devices and services.
    Device &model() { return device; }

public slots:
    void onScanButtonClicked();
    void onDeviceButtonClicked();
    void clearDeviceButtons();
    void devicesUpdated();
    void onServiceScanDone();
    void Sleep(int msec);
    void onReadCharacteristicRequested(const QString &uuid);
    void onCharacteristicsGetDone(const QString &serviceUuid, const QList<CharacteristicInfo *> &characteristics);
    void onCharacteristicValueRead(QString characteristicUuid, QByteArray characteristicValue);
    void onNotifyCharacteristicRequested(const QString &uuid, bool flag);
    void onWriteCharacteristicRequested(QString uuid, QString data, bool hexMode);
    void onServiceDisconnected();
    void onTitleButtonClicked();

private:
    void onModelError(const QString &text);
    void setScanButton(const QString &text, const QString &style);

    Ui_vexmora_ble *ui;
    QMap<QString, QPushButton *> deviceButtons;
    QVBoxLayout *deviceButtonLayout;
    Device device;
    QMap<QString, CharacteristicWidget *> serviceWidgets;
    QMap<QString, QString> characteristicServices;
    QMap<QPushButton *, QGroupBox *> titleGroups;
    // label_device holds an error rather than the chosen device.
    bool errorShown = false;
};

#endif // VEXMORA_BLE_H
