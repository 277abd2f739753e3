#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "terminals/serial_styles.h"
#include "terminals/thread_serial.h"

#include <QPointer>
#include <QTimer>

// The sensor tabs and the GPS tab open and close the shared port the same
// way; only their widgets, reader and a few hooks differ, so the pattern
// lives here once and each tab is a row of the table below.

struct MainWindow::SensorPort
{
    SensorTab tab = SensorTab::None;
    QPushButton *open = nullptr;
    QComboBox *portName = nullptr;
    QComboBox *baudRate = nullptr;
    void (MainWindow::*openSlot)() = nullptr;
    const char *reader = nullptr; // SLOT() signature of the tab's reader
    void (MainWindow::*lock)(bool) = nullptr;
    // Optional hooks of the tab: before the reader is connected (a fresh
    // receive buffer), after a successful open and after a close.
    void (MainWindow::*beforeConnect)() = nullptr;
    void (MainWindow::*afterOpen)() = nullptr;
    void (MainWindow::*afterClose)() = nullptr;
};

MainWindow::SensorPort MainWindow::sensorPort(SensorTab tab) const
{
    SensorPort p;
    p.tab = tab;
    switch (tab) {
    case SensorTab::Environment:
        p.open = ui->ENVopencompushButton;
        p.portName = ui->ENVportNameComboBox;
        p.baudRate = ui->ENVbaudRateComboBox;
        p.openSlot = &MainWindow::ENVactionOpen_triggered;
        p.reader = SLOT(readENVCom(QByteArray));
        p.lock = &MainWindow::ENVsetComboBoxEnabled;
        break;
    case SensorTab::Oscilloscope:
        p.open = ui->OSCopencompushButton;
        p.portName = ui->OSCportNameComboBox;
        p.baudRate = ui->OSCbaudRateComboBox;
        p.openSlot = &MainWindow::OscilloscopeOpen_triggered;
        p.reader = SLOT(readOSCCom(QByteArray));
        p.lock = &MainWindow::OSCsetComboBoxEnabled;
        p.beforeConnect = &MainWindow::oscilloscopeClearBuffer;
        break;
    case SensorTab::I2Cdump:
        p.open = ui->i2cdumpopencompushButton;
        p.portName = ui->i2cdumpportNameComboBox;
        p.baudRate = ui->i2cdumpbaudRateComboBox;
        p.openSlot = &MainWindow::I2CdumpOpen_triggered;
        p.reader = SLOT(readi2cdumpCom(QByteArray));
        p.lock = &MainWindow::i2cdumpsetsetComboBoxEnabled;
        p.afterOpen = &MainWindow::i2cdumpAfterOpen;
        p.afterClose = &MainWindow::i2cdumpAfterClose;
        break;
    case SensorTab::CIE:
        p.open = ui->CIEopencompushButton;
        p.portName = ui->CIEportNameComboBox;
        p.baudRate = ui->CIEbaudRateComboBox;
        p.openSlot = &MainWindow::CIEOpen_triggered;
        p.reader = SLOT(readCIECom(QByteArray));
        p.lock = &MainWindow::CIEsetsetComboBoxEnabled;
        p.beforeConnect = &MainWindow::cieClearBuffer;
        break;
    case SensorTab::TOF:
        p.open = ui->TOFopencompushButton;
        p.portName = ui->TOFportNameComboBox;
        p.baudRate = ui->TOFbaudRateComboBox;
        p.openSlot = &MainWindow::TOFOpen_triggered;
        p.reader = SLOT(readTOFCom(QByteArray));
        p.lock = &MainWindow::TOFsetsetComboBoxEnabled;
        p.beforeConnect = &MainWindow::tofClearBuffer;
        break;
    case SensorTab::Spectra:
        p.open = ui->SpectraopencompushButton;
        p.portName = ui->SpectraportNameComboBox;
        p.baudRate = ui->SpectrabaudRateComboBox;
        p.openSlot = &MainWindow::SpectraOpen_triggered;
        p.reader = SLOT(readSpectraCom(QByteArray));
        p.lock = &MainWindow::SpectrasetsetComboBoxEnabled;
        p.beforeConnect = &MainWindow::spectraClearPending;
        p.afterOpen = &MainWindow::spectraClearLogBuffer;
        p.afterClose = &MainWindow::spectraClearLogBuffer;
        break;
    case SensorTab::IMU:
        p.open = ui->imuopencompushButton;
        p.portName = ui->imuportNameComboBox;
        p.baudRate = ui->imubaudRateComboBox;
        p.openSlot = &MainWindow::IMUOpen_triggered;
        p.reader = SLOT(readimuCom(QByteArray));
        p.lock = &MainWindow::imusetsetComboBoxEnabled;
        p.beforeConnect = &MainWindow::imuClearBuffer;
        p.afterOpen = &MainWindow::imuResetLabelToggle;
        break;
    case SensorTab::GPS:
        p.open = ui->GPSopencompushButton;
        p.portName = ui->GPSportNameComboBox;
        p.baudRate = ui->GPSbaudRateComboBox;
        p.openSlot = &MainWindow::GPSactionOpen_triggered;
        p.reader = SLOT(readGPSCom(QByteArray));
        p.lock = &MainWindow::GPSsetComboBoxEnabled;
        p.afterOpen = &MainWindow::gpsPortOpened;
        p.afterClose = &MainWindow::gpsPortClosed;
        break;
    case SensorTab::None:
        break;
    }
    return p;
}

void MainWindow::sensorInit(SensorTab tab)
{
    const SensorPort p = sensorPort(tab);
    connect(p.open, &QPushButton::pressed, this, p.openSlot);
    p.open->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::sensorOpenOrClose(SensorTab tab)
{
    const SensorPort p = sensorPort(tab);
    if (serialOpened)
        sensorClose(p);
    else
        sensorOpen(p);
}

void MainWindow::sensorOpen(const SensorPort &p)
{
    const QString name = p.portName->currentText();
    if (name.isEmpty())
        return;

    serialThread = new ThreadSerial(nullptr);
    serialThread->portName = name;
    serialThread->baudRate = p.baudRate->currentText().toInt(nullptr, 10);
    serialThread->dataBits = 8;
    serialThread->parityIndex = 0;
    serialThread->stopBitsIndex = 0;
    if (p.beforeConnect)
        (this->*p.beforeConnect)();
    serialThread->Init(true);
    connect(serialThread, SIGNAL(Serial_read_Data(QByteArray)), this, p.reader);

    if (!serialThread->opened) {
        ui->statusBar->showMessage(tr("Serial failed to open, The serial does not exist or already used."), 0);
        disconnect(serialThread, SIGNAL(Serial_read_Data(QByteArray)), this, p.reader);
        // Nothing else refers to it: let it go instead of leaking a
        // thread and a port object per failed attempt.
        ThreadSerial::release(serialThread);
        serialThread = nullptr;
        return;
    }

    // An unplugged device closes the tab as its Close button would.
    // Queued, so the port is never closed inside its own error signal;
    // only the holder that is still current counts.
    const QPointer<ThreadSerial> holder = serialThread;
    const SensorTab tab = p.tab;
    connect(serialThread, &ThreadSerial::Serial_port_Lost, this,
            [this, holder, tab](const QString &error) {
                if (!holder || holder != serialThread || !serialOpened || sensorPortOwner != tab)
                    return;
                sensorClose(sensorPort(tab));
                ui->statusBar->showMessage(tr("Serial closed: the device is gone (%1)").arg(error), 0);
            },
            Qt::QueuedConnection);

    ui->statusBar->showMessage(tr("Serial opened"), 0);
    p.open->setText(tr("Close"));
    (this->*p.lock)(false);
    serialOpened = true;
    sensorPortOwner = p.tab;
    stop_SerialSacn_new();
    serialThread->start(QThread::InheritPriority);
    p.open->setStyleSheet(SerialStyles::openActive());
    if (p.afterOpen)
        (this->*p.afterOpen)();
}

void MainWindow::sensorClose(const SensorPort &p)
{
    ThreadSerial *holder = serialThread;
    if (holder) {
        disconnect(holder, SIGNAL(Serial_read_Data(QByteArray)), this, p.reader);
        holder->running = false;
        if (holder->port)
            holder->port->close();
        holder->exit(0);
    }
    serialThread = nullptr;
    sensorPortOwner = SensorTab::None;
    ThreadSerial::release(holder);

    (this->*p.lock)(true);
    if (p.afterClose)
        (this->*p.afterClose)();
    ui->statusBar->showMessage(tr("Serial closed"), 0);
    p.open->setText(tr("Open"));
    serialOpened = false;
    portScanTimer->start(500);
    p.open->setStyleSheet(SerialStyles::openIdle());
}

QSerialPort *MainWindow::sensorPortFor(SensorTab tab) const
{
    if (tab == SensorTab::None || sensorPortOwner != tab || !serialOpened || !serialThread)
        return nullptr;
    QSerialPort *port = serialThread->port;
    return port && port->isOpen() ? port : nullptr;
}

void MainWindow::ENVactionOpen_triggered() { sensorOpenOrClose(SensorTab::Environment); }
void MainWindow::OscilloscopeOpen_triggered() { sensorOpenOrClose(SensorTab::Oscilloscope); }
void MainWindow::I2CdumpOpen_triggered() { sensorOpenOrClose(SensorTab::I2Cdump); }
void MainWindow::CIEOpen_triggered() { sensorOpenOrClose(SensorTab::CIE); }
void MainWindow::TOFOpen_triggered() { sensorOpenOrClose(SensorTab::TOF); }
void MainWindow::SpectraOpen_triggered() { sensorOpenOrClose(SensorTab::Spectra); }
void MainWindow::IMUOpen_triggered() { sensorOpenOrClose(SensorTab::IMU); }
