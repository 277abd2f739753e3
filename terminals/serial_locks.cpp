#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// While one panel holds the shared port, the port settings of every serial
// panel and the Open buttons of the others are locked, so only the opening
// panel's Close (or the window's end) can close it.  The CIE and IMU locks
// also lock the Modbus and CIE Open buttons: left enabled, they would close
// a port their panel never opened and leave the opener claiming it is open.

QList<QWidget *> MainWindow::serialPortWidgets() const
{
    return {ui->portNameComboBox,        ui->baudRateComboBox,        ui->dataBitsComboBox,
            ui->parityComboBox,          ui->stopBitsComboBox,        ui->GPSportNameComboBox,
            ui->GPSbaudRateComboBox,     ui->GSMportNameComboBox,     ui->GSMbaudRateComboBox,
            ui->ENVportNameComboBox,     ui->ENVbaudRateComboBox,     ui->OSCportNameComboBox,
            ui->OSCbaudRateComboBox,     ui->SpectraportNameComboBox, ui->SpectrabaudRateComboBox,
            ui->i2cdumpportNameComboBox, ui->i2cdumpbaudRateComboBox, ui->TOFportNameComboBox,
            ui->TOFbaudRateComboBox,     ui->ModbusportNameComboBox,  ui->ModbusbaudRateComboBox,
            ui->ModbusdataBitsComboBox,  ui->ModbusparityComboBox,    ui->ModbusstopBitsComboBox,
            ui->CIEportNameComboBox,     ui->CIEbaudRateComboBox,     ui->imuportNameComboBox,
            ui->imubaudRateComboBox};
}

QList<QPushButton *> MainWindow::serialOpenButtons() const
{
    return {ui->opencompushButton,        ui->GPSopencompushButton, ui->GSMopencompushButton,
            ui->ENVopencompushButton,     ui->OSCopencompushButton, ui->SpectraopencompushButton,
            ui->i2cdumpopencompushButton, ui->TOFopencompushButton, ui->ModbusopencompushButton,
            ui->CIEopencompushButton,     ui->imuopencompushButton};
}

void MainWindow::applySerialLock(bool enabled, const QList<QPushButton *> &leftAlone,
                                 const QList<QRadioButton *> &radios)
{
    for (QWidget *w : serialPortWidgets())
        w->setEnabled(enabled);
    for (QPushButton *b : serialOpenButtons())
        if (!leftAlone.contains(b))
            b->setEnabled(enabled);
    for (QRadioButton *r : radios)
        r->setEnabled(enabled);
}

void MainWindow::setComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->opencompushButton}, {});
}

void MainWindow::GPSsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->GPSopencompushButton}, {ui->GPSportMode_01, ui->GPSportMode_02});
}

void MainWindow::GSMsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->GSMopencompushButton}, {});
}

void MainWindow::ENVsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->ENVopencompushButton}, {});
}

void MainWindow::OSCsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->OSCopencompushButton}, {});
}

void MainWindow::SpectrasetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->SpectraopencompushButton}, {});
}

void MainWindow::i2cdumpsetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->i2cdumpopencompushButton}, {});
}

void MainWindow::TOFsetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->TOFopencompushButton}, {});
}

void MainWindow::ModbussetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->ModbusopencompushButton}, {ui->ModbusportMode_1, ui->ModbusportMode_2});
}

void MainWindow::CIEsetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->CIEopencompushButton}, {ui->ModbusportMode_1, ui->ModbusportMode_2});
}

void MainWindow::imusetsetComboBoxEnabled(bool enabled)
{
    applySerialLock(enabled, {ui->imuopencompushButton}, {ui->ModbusportMode_1, ui->ModbusportMode_2});
}
