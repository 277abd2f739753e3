// "Preferences": the feature switches, the port scan and the map type.
// The choices are stored on OK and take effect through a restart.
#include "app/mainwindow.h"
#include "ui_config.h"

#include "app/settings_file.h"
#include "app/single_dialog.h"
#include "app/shell_hooks.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QSettings>

void MainWindow::slotActionConfig()
{
    // One dialog at a time: every dialog would share configUi and
    // configFlags, so a second one would leave the first acting on a form
    // it no longer owns.  The open one comes to the front instead.
    if (configDialogOpened) {
        if (configDialog) {
            configDialog->show();
            configDialog->raise();
            configDialog->activateWindow();
        }
        return;
    }

    for (int i = 0; i < tabCount; ++i)
        configFlags[i] = 0;

    QDialog *dialog = openSingleDialog(this, configDialogOpened, configUi,
                                       [this] { singleDialogClosed(configDialogOpened, configUi); });
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    configDialog = dialog;

    connect(configUi->ConfigCancel_Button, &QPushButton::pressed, dialog, &QDialog::close);
    connect(configUi->ConfigOK_Button, &QPushButton::pressed, this, &MainWindow::slotActConfigOK);
    using Toggle = void (MainWindow::*)();
    static const Toggle toggles[19] = {
        &MainWindow::Config_COM_ON_OFF_triggered, &MainWindow::Config_UDP_ON_OFF_triggered,
        &MainWindow::Config_TCP_ON_OFF_triggered, &MainWindow::Config_GPS_ON_OFF_triggered,
        &MainWindow::Config_GSM_ON_OFF_triggered, &MainWindow::Config_UNICODE_ON_OFF_triggered,
        &MainWindow::Config_Envir_ON_OFF_triggered, &MainWindow::Config_Crypty_ON_OFF_triggered,
        &MainWindow::Config_Oscilloscope_ON_OFF_triggered, &MainWindow::Config_MQTT_ON_OFF_triggered,
        &MainWindow::Config_BLE_ON_OFF_triggered, &MainWindow::Config_Spectra_ON_OFF_triggered,
        &MainWindow::Config_Convert_ON_OFF_triggered, &MainWindow::Config_I2CDUMP_ON_OFF_triggered,
        &MainWindow::Config_TOF_ON_OFF_triggered, &MainWindow::Config_MODBUS_ON_OFF_triggered,
        &MainWindow::Config_HEXTOOLS_ON_OFF_triggered, &MainWindow::Config_CIE_ON_OFF_triggered,
        &MainWindow::Config_IMU_ON_OFF_triggered};
    for (int i = 0; i < tabCount; ++i)
        connect(configButton(i), &QPushButton::pressed, this, toggles[i]);

    dialog->show();

    QFile style(QStringLiteral(":/qss/flatwhite.css"));
    if (style.open(QIODevice::ReadOnly)) {
        dialog->setStyleSheet(QString::fromUtf8(style.readAll()));
        style.close();
    }
    dialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    for (int i = 0; i < tabCount; ++i)
        configButton(i)->setStyleSheet(QStringLiteral("border:none"));

    settings = new QSettings(SettingsFile::path(), QSettings::IniFormat, this);
    for (int i = 0; i < tabCount; ++i) {
        const bool on = SettingsFile::switchIsOn(settings->value(featureKeys.at(i)));
        configFlags[i] = on ? 1 : 0;
        configButton(i)->setIcon(QIcon(on ? QStringLiteral(":images/on.png") : QStringLiteral(":images/off.png")));
    }
    configUi->serial_checkBox->setChecked(
        SettingsFile::switchIsOn(settings->value(QStringLiteral("Auto_Serial_Scan"))));
    configUi->comboBox->setCurrentIndex(SettingsFile::mapIndex(settings->value(QStringLiteral("Map_Type"))));
}

QPushButton *MainWindow::configButton(int index) const
{
    QPushButton *const buttons[19] = {
        configUi->Config_COM_ON_OFF, configUi->Config_UDP_ON_OFF, configUi->Config_TCP_ON_OFF,
        configUi->Config_GPS_ON_OFF, configUi->Config_GSM_ON_OFF, configUi->Config_UNICODE_ON_OFF,
        configUi->Config_Envir_ON_OFF, configUi->Config_Crypty_ON_OFF, configUi->Config_Oscilloscope_ON_OFF,
        configUi->Config_MQTT_ON_OFF, configUi->Config_Ble_ON_OFF, configUi->Config_Spectra_ON_OFF,
        configUi->Config_Convert_ON_OFF, configUi->Config_I2CDUMP_ON_OFF, configUi->Config_TOF_ON_OFF,
        configUi->Config_MODBUS_ON_OFF, configUi->Config_HEXTOOLS_ON_OFF, configUi->Config_CIE_ON_OFF,
        configUi->Config_IMU_ON_OFF};
    return buttons[index];
}

// Flips one switch of the open dialog; the file is written only on OK.
void MainWindow::toggleConfigSwitch(int index)
{
    if (!configDialog || !configUi)
        return;
    if (configFlags[index] == 0) {
        configFlags[index] = 1;
        configButton(index)->setIcon(QIcon(QStringLiteral(":images/on.png")));
    } else {
        configFlags[index] = 0;
        configButton(index)->setIcon(QIcon(QStringLiteral(":images/off.png")));
    }
}

void MainWindow::Config_COM_ON_OFF_triggered() { toggleConfigSwitch(0); }
void MainWindow::Config_UDP_ON_OFF_triggered() { toggleConfigSwitch(1); }
void MainWindow::Config_TCP_ON_OFF_triggered() { toggleConfigSwitch(2); }
void MainWindow::Config_GPS_ON_OFF_triggered() { toggleConfigSwitch(3); }
void MainWindow::Config_GSM_ON_OFF_triggered() { toggleConfigSwitch(4); }
void MainWindow::Config_UNICODE_ON_OFF_triggered() { toggleConfigSwitch(5); }
void MainWindow::Config_Envir_ON_OFF_triggered() { toggleConfigSwitch(6); }
void MainWindow::Config_Crypty_ON_OFF_triggered() { toggleConfigSwitch(7); }
void MainWindow::Config_Oscilloscope_ON_OFF_triggered() { toggleConfigSwitch(8); }
void MainWindow::Config_MQTT_ON_OFF_triggered() { toggleConfigSwitch(9); }
void MainWindow::Config_BLE_ON_OFF_triggered() { toggleConfigSwitch(10); }
void MainWindow::Config_Spectra_ON_OFF_triggered() { toggleConfigSwitch(11); }
void MainWindow::Config_Convert_ON_OFF_triggered() { toggleConfigSwitch(12); }
void MainWindow::Config_I2CDUMP_ON_OFF_triggered() { toggleConfigSwitch(13); }
void MainWindow::Config_TOF_ON_OFF_triggered() { toggleConfigSwitch(14); }
void MainWindow::Config_MODBUS_ON_OFF_triggered() { toggleConfigSwitch(15); }
void MainWindow::Config_HEXTOOLS_ON_OFF_triggered() { toggleConfigSwitch(16); }
void MainWindow::Config_CIE_ON_OFF_triggered() { toggleConfigSwitch(17); }
void MainWindow::Config_IMU_ON_OFF_triggered() { toggleConfigSwitch(18); }

void MainWindow::slotActConfigOK()
{
    if (!configDialog || !configUi)
        return;
    for (int i = 0; i < tabCount; ++i)
        settings->setValue(featureKeys.at(i), configFlags[i] == 1 ? QStringLiteral("true") : QStringLiteral("false"));
    settings->setValue(QStringLiteral("Auto_Serial_Scan"), configUi->serial_checkBox->isChecked());
    settings->setValue(QStringLiteral("Map_Type"), configUi->comboBox->currentIndex());

    // The new instance reads the file at once: it must be on disk first.
    // A file that cannot be written would restart into the old tab set.
    settings->sync();
    if (settings->status() == QSettings::AccessError) {
        QMessageBox::warning(configDialog, tr("Message"),
                             tr("The settings could not be saved to %1. The program was not restarted.")
                                 .arg(QDir::toNativeSeparators(settings->fileName())));
        return;
    }

    ShellHooks::startProgram(QCoreApplication::applicationFilePath());
    close();
}
