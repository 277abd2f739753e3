#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/settings_file.h"
#include "terminals/port_list.h"

#include <QComboBox>
#include <QIcon>
#include <QSettings>
#include <QTimer>

QList<QSerialPortInfo> MainWindow::getFilteredSerialPorts() const
{
    QList<QSerialPortInfo> out;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (PortList::isOffered(info.portName()))
            out << info;
    return out;
}

QList<QComboBox *> MainWindow::serialPortLists() const
{
    return {ui->portNameComboBox,       ui->GPSportNameComboBox,     ui->GSMportNameComboBox,
            ui->ENVportNameComboBox,    ui->OSCportNameComboBox,     ui->SpectraportNameComboBox,
            ui->i2cdumpportNameComboBox, ui->TOFportNameComboBox,    ui->ModbusportNameComboBox,
            ui->CIEportNameComboBox,    ui->imuportNameComboBox};
}

// Brings all eleven lists to the system's ports.  Only new names are added
// and only vanished ones removed, so every list keeps its selection.  The
// ports are enumerated only when the device directory changed: every 500 ms
// that would keep a core busy for nothing.
void MainWindow::SerialSacn()
{
    // Nothing came or went in the device directory: the lists stand.
    if (!serialDeviceWatch.changed())
        return;
    QStringList available;
    for (const QSerialPortInfo &info : getFilteredSerialPorts())
        available << info.portName();

    QStringList current;
    for (int i = 0; i < ui->portNameComboBox->count(); ++i)
        current << ui->portNameComboBox->itemText(i);
    const QStringList target = PortList::merged(current, available);
    if (target == current)
        return;

    const auto find = [](QComboBox *box, const QString &name) {
        return box->findData(name, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    for (QComboBox *box : serialPortLists()) {
        for (const QString &name : target)
            if (find(box, name) < 0)
                box->insertItem(box->count(), QIcon(), name);
        for (const QString &name : current)
            if (!target.contains(name)) {
                const int at = find(box, name);
                if (at >= 0)
                    box->removeItem(at);
            }
    }
}

void MainWindow::SerialSacn_new()
{
    if (SettingsFile::switchIsOn(settings->value(QStringLiteral("Auto_Serial_Scan"))))
        SerialSacn();
}

void MainWindow::startPortScan()
{
    portScanTimer->start(500);
}

void MainWindow::stop_SerialSacn_new()
{
    if (portScanTimer && portScanTimer->isActive())
        portScanTimer->stop();
    // The first scan after the port closes enumerates in full.
    serialDeviceWatch = SerialDeviceWatch();
}

bool MainWindow::testUart(const QString &) const
{
    return false;
}
