#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "terminals/serial_styles.h"
#include "terminals/thread_serial.h"

#include <QPointer>
#include <QTimer>

// Every serial panel opens and closes the one shared port the same way; only
// its widgets, reader and a few hooks differ, so the sequence lives here once
// and each panel is a row of the table below.  A fix to the sequence (a
// failed open, an unplugged device, releasing the holder) is made here for
// all eleven.

struct MainWindow::PortRow
{
    PortTab tab = PortTab::None;
    QPushButton *open = nullptr;
    QComboBox *portName = nullptr;
    QComboBox *baudRate = nullptr;
    // Line settings; a panel without them opens 8N1.
    QComboBox *dataBits = nullptr;
    QComboBox *parity = nullptr;
    QComboBox *stopBits = nullptr;
    void (MainWindow::*openSlot)() = nullptr;
    // Null: the panel reads the port itself (no batches are emitted).
    void (MainWindow::*reader)(const QByteArray &) = nullptr;
    void (MainWindow::*lock)(bool) = nullptr;
    // Optional hooks: before the reader is connected (a fresh receive
    // buffer), after a successful open (before the red look), after a
    // failed open, before and after a close.
    void (MainWindow::*beforeConnect)() = nullptr;
    void (MainWindow::*afterOpen)() = nullptr;
    void (MainWindow::*afterFailed)() = nullptr;
    void (MainWindow::*beforeClose)() = nullptr;
    void (MainWindow::*afterClose)() = nullptr;
    // True: the press waits (a command owns the port until it ends).
    bool (MainWindow::*busy)() const = nullptr;
    // The device went away while the panel was busy with it: true when the
    // panel closes the port itself once it is done.
    bool (MainWindow::*lostWhileBusy)(const QString &error) = nullptr;
    // A press while a port is open closes it only when this panel opened it.
    bool closesOnlyOwnPort = false;

    void set(QPushButton *button, void (MainWindow::*slot)(), QComboBox *port, QComboBox *baud,
             void (MainWindow::*read)(const QByteArray &), void (MainWindow::*lockWith)(bool))
    {
        open = button;
        openSlot = slot;
        portName = port;
        baudRate = baud;
        reader = read;
        lock = lockWith;
    }
};

MainWindow::PortRow MainWindow::portRow(PortTab tab) const
{
    PortRow p;
    p.tab = tab;
    switch (tab) {
    case PortTab::Serial:
        p.set(ui->opencompushButton, &MainWindow::actionOpen_triggered, ui->portNameComboBox,
              ui->baudRateComboBox, &MainWindow::readCom, &MainWindow::setComboBoxEnabled);
        p.dataBits = ui->dataBitsComboBox;
        p.parity = ui->parityComboBox;
        p.stopBits = ui->stopBitsComboBox;
        p.afterOpen = &MainWindow::serialTerminalOpened;
        p.afterFailed = &MainWindow::serialTerminalIdle;
        p.beforeClose = &MainWindow::serialTerminalClosing;
        p.afterClose = &MainWindow::serialTerminalIdle;
        break;
    case PortTab::GPS:
        p.set(ui->GPSopencompushButton, &MainWindow::GPSactionOpen_triggered, ui->GPSportNameComboBox,
              ui->GPSbaudRateComboBox, &MainWindow::readGPSCom, &MainWindow::GPSsetComboBoxEnabled);
        p.afterOpen = &MainWindow::gpsPortOpened;
        p.afterClose = &MainWindow::gpsPortClosed;
        break;
    case PortTab::GSM:
        p.set(ui->GSMopencompushButton, &MainWindow::GSMactionOpen_triggered, ui->GSMportNameComboBox,
              ui->GSMbaudRateComboBox, &MainWindow::gsmFeed, &MainWindow::GSMsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::gsmPortOpening;
        p.afterOpen = &MainWindow::gsmPortOpened;
        p.afterClose = &MainWindow::gsmPortClosed;
        p.busy = &MainWindow::gsmBusy;
        p.lostWhileBusy = &MainWindow::gsmPortLostWhileBusy;
        break;
    case PortTab::Environment:
        p.set(ui->ENVopencompushButton, &MainWindow::ENVactionOpen_triggered, ui->ENVportNameComboBox,
              ui->ENVbaudRateComboBox, &MainWindow::readENVCom, &MainWindow::ENVsetComboBoxEnabled);
        break;
    case PortTab::Oscilloscope:
        p.set(ui->OSCopencompushButton, &MainWindow::OscilloscopeOpen_triggered, ui->OSCportNameComboBox,
              ui->OSCbaudRateComboBox, &MainWindow::readOSCCom, &MainWindow::OSCsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::oscilloscopeClearBuffer;
        break;
    case PortTab::I2Cdump:
        p.set(ui->i2cdumpopencompushButton, &MainWindow::I2CdumpOpen_triggered, ui->i2cdumpportNameComboBox,
              ui->i2cdumpbaudRateComboBox, &MainWindow::readi2cdumpCom, &MainWindow::i2cdumpsetsetComboBoxEnabled);
        p.afterOpen = &MainWindow::i2cdumpAfterOpen;
        p.afterClose = &MainWindow::i2cdumpAfterClose;
        break;
    case PortTab::CIE:
        p.set(ui->CIEopencompushButton, &MainWindow::CIEOpen_triggered, ui->CIEportNameComboBox,
              ui->CIEbaudRateComboBox, &MainWindow::readCIECom, &MainWindow::CIEsetsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::cieClearBuffer;
        break;
    case PortTab::TOF:
        p.set(ui->TOFopencompushButton, &MainWindow::TOFOpen_triggered, ui->TOFportNameComboBox,
              ui->TOFbaudRateComboBox, &MainWindow::readTOFCom, &MainWindow::TOFsetsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::tofClearBuffer;
        break;
    case PortTab::Spectra:
        p.set(ui->SpectraopencompushButton, &MainWindow::SpectraOpen_triggered, ui->SpectraportNameComboBox,
              ui->SpectrabaudRateComboBox, &MainWindow::readSpectraCom, &MainWindow::SpectrasetsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::spectraClearPending;
        p.afterOpen = &MainWindow::spectraClearLogBuffer;
        p.afterClose = &MainWindow::spectraClearLogBuffer;
        break;
    case PortTab::IMU:
        p.set(ui->imuopencompushButton, &MainWindow::IMUOpen_triggered, ui->imuportNameComboBox,
              ui->imubaudRateComboBox, &MainWindow::readimuCom, &MainWindow::imusetsetComboBoxEnabled);
        p.beforeConnect = &MainWindow::imuClearBuffer;
        p.afterOpen = &MainWindow::imuResetLabelToggle;
        break;
    case PortTab::Modbus:
        p.set(ui->ModbusopencompushButton, &MainWindow::ModbusOpen_triggered, ui->ModbusportNameComboBox,
              ui->ModbusbaudRateComboBox, nullptr, &MainWindow::ModbussetsetComboBoxEnabled);
        p.dataBits = ui->ModbusdataBitsComboBox;
        p.parity = ui->ModbusparityComboBox;
        p.stopBits = ui->ModbusstopBitsComboBox;
        p.closesOnlyOwnPort = true;
        break;
    case PortTab::None:
        break;
    }
    return p;
}

void MainWindow::portInit(PortTab tab)
{
    const PortRow p = portRow(tab);
    connect(p.open, &QPushButton::pressed, this, p.openSlot);
    p.open->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::portOpenOrClose(PortTab tab)
{
    const PortRow p = portRow(tab);
    if (p.busy && (this->*p.busy)())
        return;
    if (!serialOpened)
        portOpen(p);
    else if (!p.closesOnlyOwnPort || portOwner == tab)
        portClose(p);
}

void MainWindow::portOpen(const PortRow &p)
{
    const QString name = p.portName->currentText();
    if (name.isEmpty())
        return;

    ThreadSerial *holder = new ThreadSerial(nullptr);
    serialThread = holder;
    holder->portName = name;
    holder->baudRate = p.baudRate->currentText().toInt(nullptr, 10);
    holder->dataBits = p.dataBits ? p.dataBits->currentText().toInt(nullptr, 10) : 8;
    holder->parityIndex = p.parity ? p.parity->currentIndex() : 0;
    holder->stopBitsIndex = p.stopBits ? p.stopBits->currentIndex() : 0;
    if (p.beforeConnect)
        (this->*p.beforeConnect)();
    holder->Init(p.reader != nullptr);
    if (p.reader)
        connect(holder, &ThreadSerial::Serial_read_Data, this, p.reader);

    if (!holder->opened) {
        ui->statusBar->showMessage(tr("Serial failed to open, The serial does not exist or already used."), 0);
        if (p.reader)
            disconnect(holder, &ThreadSerial::Serial_read_Data, this, p.reader);
        // Nothing else refers to it: let it go instead of leaking a thread
        // and a port object per failed attempt.
        serialThread = nullptr;
        ThreadSerial::release(holder);
        if (p.afterFailed)
            (this->*p.afterFailed)();
        return;
    }

    // An unplugged device closes the panel as its Close button would.
    // Queued, so the port is never closed inside its own error signal nor in
    // the middle of a blocking exchange; only the holder that is still
    // current counts.
    const QPointer<ThreadSerial> current = holder;
    const PortTab tab = p.tab;
    connect(holder, &ThreadSerial::Serial_port_Lost, this,
            [this, current, tab](const QString &error) {
                if (!current || current != serialThread || !serialOpened || portOwner != tab)
                    return;
                const PortRow row = portRow(tab);
                if (row.lostWhileBusy && (this->*row.lostWhileBusy)(error))
                    return;
                portClose(row);
                showPortGone(error);
            },
            Qt::QueuedConnection);

    ui->statusBar->showMessage(tr("Serial opened"), 0);
    p.open->setText(tr("Close"));
    (this->*p.lock)(false);
    serialOpened = true;
    portOwner = p.tab;
    stop_SerialSacn_new();
    holder->start(QThread::InheritPriority);
    if (p.afterOpen)
        (this->*p.afterOpen)();
    // The device may have gone while the panel set itself up (the modem's
    // first queries wait in the event loop); then the port is closed.
    if (!serialOpened || serialThread != holder)
        return;
    p.open->setStyleSheet(SerialStyles::openActive());
}

void MainWindow::portClose(const PortRow &p)
{
    if (p.beforeClose)
        (this->*p.beforeClose)();
    ThreadSerial *holder = serialThread;
    if (holder) {
        if (p.reader)
            disconnect(holder, &ThreadSerial::Serial_read_Data, this, p.reader);
        holder->running = false;
        if (holder->port)
            holder->port->close();
        holder->exit(0);
    }
    serialThread = nullptr;
    portOwner = PortTab::None;
    ThreadSerial::release(holder);

    (this->*p.lock)(true);
    if (p.afterClose)
        (this->*p.afterClose)();
    ui->statusBar->showMessage(tr("Serial closed"), 0);
    p.open->setText(tr("Open"));
    serialOpened = false;
    startPortScan();
    p.open->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::portClose(PortTab tab)
{
    portClose(portRow(tab));
}

void MainWindow::showPortGone(const QString &error)
{
    ui->statusBar->showMessage(tr("Serial closed: the device is gone (%1)").arg(error), 0);
}

QSerialPort *MainWindow::portFor(PortTab tab) const
{
    if (tab == PortTab::None || portOwner != tab || !serialOpened || !serialThread)
        return nullptr;
    QSerialPort *port = serialThread->port;
    return port && port->isOpen() ? port : nullptr;
}

void MainWindow::actionOpen_triggered() { portOpenOrClose(PortTab::Serial); }
void MainWindow::GPSactionOpen_triggered() { portOpenOrClose(PortTab::GPS); }
void MainWindow::GSMactionOpen_triggered() { portOpenOrClose(PortTab::GSM); }
void MainWindow::ENVactionOpen_triggered() { portOpenOrClose(PortTab::Environment); }
void MainWindow::OscilloscopeOpen_triggered() { portOpenOrClose(PortTab::Oscilloscope); }
void MainWindow::I2CdumpOpen_triggered() { portOpenOrClose(PortTab::I2Cdump); }
void MainWindow::CIEOpen_triggered() { portOpenOrClose(PortTab::CIE); }
void MainWindow::TOFOpen_triggered() { portOpenOrClose(PortTab::TOF); }
void MainWindow::SpectraOpen_triggered() { portOpenOrClose(PortTab::Spectra); }
void MainWindow::IMUOpen_triggered() { portOpenOrClose(PortTab::IMU); }
void MainWindow::ModbusOpen_triggered() { portOpenOrClose(PortTab::Modbus); }
