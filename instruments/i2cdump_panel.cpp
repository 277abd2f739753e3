#include "app/mainwindow.h"
#include "instruments/sensor_log.h"
#include "ui_i2cdump_readreg.h"
#include "ui_i2cdump_writereg.h"
#include "ui_mainwindow.h"

#include "app/single_dialog.h"
#include "instruments/i2c_frame_codec.h"
#include "instruments/vexmora_i2c_tools.h"
#include "terminals/serial_styles.h"
#include "terminals/thread_serial.h"

#include <QDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSerialPort>

// "i2cdump": a serial I2C bridge; scan, pick a device, stream its 256
// registers into the grid, read and write registers in two small dialogs.

void MainWindow::I2Cdump_Init_Start()
{
    i2cTools = new vexmora_i2c_tools(this);
    connect(ui->i2cdumpreadpushButton, &QPushButton::pressed, this, &MainWindow::slotI2Cdump_read_ui);
    connect(ui->i2cdumpwritepushButton, &QPushButton::pressed, this, &MainWindow::slotI2Cdump_write_ui);
    ui->gridLayout_i2cdump->addWidget(i2cTools);
    ui->i2cdump_StrTextBrowser->setMaximumBlockCount(100);
    if (!i2cLog)
        i2cLog = std::make_unique<SensorLog>(ui->i2cdump_StrTextBrowser, "GBK", 100);
    portInit(PortTab::I2Cdump);
    connect(i2cTools, &vexmora_i2c_tools::Channge_Addr, this, &MainWindow::I2Cdump_Setaddr);
    connect(i2cTools, &vexmora_i2c_tools::Get_Addr, this, &MainWindow::I2Cdump_printscanf);
    connect(i2cTools, &vexmora_i2c_tools::Get_Data, this, &MainWindow::I2Cdump_printread);
    // A poll without waiting: what it finds reaches readi2cdumpCom at once.
    connect(i2cTools, &vexmora_i2c_tools::quietDue, this, [this] {
        if (QSerialPort *port = portFor(PortTab::I2Cdump); port && !serialThread->lost)
            port->waitForReadyRead(0);
    });
    connect(ui->i2cdump_stop_pushButton, &QPushButton::pressed, this, &MainWindow::I2Cdump_Stop);
    connect(ui->i2cdump_Clear_pushButton, &QPushButton::pressed, this, &MainWindow::I2CdumpactionClear_triggered);
    connect(ui->i2cdumpsancfpushButton, &QPushButton::pressed, this, &MainWindow::I2CdumpactionScanf_triggered);
    ui->i2cdump_stop_pushButton->setText(tr("Start"));
    ui->i2cdump_stop_pushButton->setStyleSheet(SerialStyles::openIdle());
    i2cdumpSetActionsEnabled(false);
    ui->i2cdump_StrTextBrowser->setReadOnly(true);
}

void MainWindow::i2cdumpSetActionsEnabled(bool enabled)
{
    ui->i2cdumpwritepushButton->setEnabled(enabled);
    ui->i2cdumpreadpushButton->setEnabled(enabled);
    ui->i2cdumpsancfpushButton->setEnabled(enabled);
    ui->i2cdump_stop_pushButton->setEnabled(enabled);
}

void MainWindow::i2cdumpAfterOpen()
{
    i2cdumpSetActionsEnabled(true);
}

void MainWindow::i2cdumpAfterClose()
{
    i2cdumpSetActionsEnabled(false);
}

void MainWindow::readi2cdumpCom(const QByteArray &data)
{
    if (i2cTools)
        i2cTools->updateValues(data);
}

void MainWindow::i2cdumpWrite(const QByteArray &frame)
{
    // Another tab's device must never get our frames, so the shared
    // "a port is open" flag is not enough.
    if (QSerialPort *port = portFor(PortTab::I2Cdump))
        port->write(frame);
}

void MainWindow::I2Cdump_Stop()
{
    if (i2cStreaming) {
        ui->i2cdumpsancfpushButton->setEnabled(true);
        ui->i2cdumpwritepushButton->setEnabled(true);
        ui->i2cdumpreadpushButton->setEnabled(true);
        i2cStreaming = false;
        ui->i2cdump_stop_pushButton->setText(tr("Start"));
        ui->i2cdump_stop_pushButton->setStyleSheet(SerialStyles::openIdle());
        i2cdumpWrite(I2CFrameCodec::stopStream());
    } else {
        ui->i2cdumpsancfpushButton->setEnabled(false);
        ui->i2cdumpwritepushButton->setEnabled(false);
        ui->i2cdumpreadpushButton->setEnabled(false);
        i2cStreaming = true;
        ui->i2cdump_stop_pushButton->setText(tr("Stop"));
        ui->i2cdump_stop_pushButton->setStyleSheet(SerialStyles::openIdle());
        i2cdumpWrite(I2CFrameCodec::startStream());
    }
}

void MainWindow::I2CdumpactionScanf_triggered()
{
    i2cdumpWrite(I2CFrameCodec::scan());
}

void MainWindow::I2Cdump_Setaddr(int address)
{
    if (address < 0 || address > 127)
        return;
    i2cdumpWrite(I2CFrameCodec::selectAddress(static_cast<unsigned char>(address)));
}

static QString hexBytes(const QByteArray &payload)
{
    QString text;
    for (const char b : payload)
        text += QStringLiteral("0x%1, ").arg(uint(uchar(b)), 2, 16, QLatin1Char('0'));
    return text;
}

void MainWindow::i2cdumpLog(const QString &text)
{
    if (i2cLog)
        i2cLog->append(text.toLatin1());
}

void MainWindow::I2Cdump_printscanf(const QByteArray &payload)
{
    i2cdumpLog(QStringLiteral("Searching for I2C devices on the bus:\r\n") + hexBytes(payload)
               + QStringLiteral("\r\n"));
}

void MainWindow::I2Cdump_printread(const QByteArray &payload)
{
    i2cdumpLog(QStringLiteral("Reg addr 0x%1: ").arg(uint(i2cLastReadRegister), 2, 16, QLatin1Char('0'))
               + hexBytes(payload) + QStringLiteral("\r\n"));
}

static void fillRegisterList(QComboBox *box)
{
    QStringList items;
    items.reserve(256);
    for (int i = 0; i < 256; ++i)
        items << QStringLiteral("0x") + QStringLiteral("%1").arg(i, 2, 16, QLatin1Char('0')).toUpper();
    box->addItems(items);
}

void MainWindow::slotI2Cdump_read_ui()
{
    QDialog *dialog =
        openSingleDialog(this, i2cReadDialogOpen, i2cReadUi, &MainWindow::slotI2Cdump_read_ui_dialogclose);
    if (!dialog)
        return;
    i2cReadDialog = dialog;
    connect(i2cReadUi->I2CDump_ReadREGCancel, &QPushButton::pressed, i2cReadDialog, &QDialog::close);
    i2cReadDialog->setWindowFlags(i2cReadDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    i2cReadDialog->show();
    i2cReadDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    fillRegisterList(i2cReadUi->reg_comboBox);
    fillRegisterList(i2cReadUi->length_comboBox);
    connect(i2cReadUi->read_pushButton, &QPushButton::pressed, this, &MainWindow::I2Cdump_Read);
}

void MainWindow::slotI2Cdump_write_ui()
{
    QDialog *dialog =
        openSingleDialog(this, i2cWriteDialogOpen, i2cWriteUi, &MainWindow::slotI2Cdump_write_ui_dialogclose);
    if (!dialog)
        return;
    i2cWriteDialog = dialog;
    connect(i2cWriteUi->I2CDump_WriteREGCancel, &QPushButton::pressed, i2cWriteDialog, &QDialog::close);
    i2cWriteDialog->setWindowFlags(i2cWriteDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    i2cWriteDialog->show();
    i2cWriteDialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    fillRegisterList(i2cWriteUi->reg_comboBox);
    connect(i2cWriteUi->send_pushButton, &QPushButton::pressed, this, &MainWindow::I2Cdump_Send);
}

void MainWindow::slotI2Cdump_read_ui_dialogclose()
{
    i2cReadDialog = nullptr;
    singleDialogClosed(i2cReadDialogOpen, i2cReadUi);
}

void MainWindow::slotI2Cdump_write_ui_dialogclose()
{
    i2cWriteDialog = nullptr;
    singleDialogClosed(i2cWriteDialogOpen, i2cWriteUi);
}

void MainWindow::I2Cdump_Read()
{
    if (!i2cReadUi)
        return;
    const int reg = i2cReadUi->reg_comboBox->currentIndex();
    const int count = i2cReadUi->length_comboBox->currentIndex();
    if (reg < 0 || count < 0 || !portFor(PortTab::I2Cdump))
        return;
    i2cLastReadRegister = static_cast<unsigned char>(reg);
    i2cdumpWrite(I2CFrameCodec::readRegisters(static_cast<unsigned char>(reg), static_cast<unsigned char>(count)));
}

void MainWindow::I2Cdump_Send()
{
    if (!i2cWriteUi)
        return;
    const int reg = i2cWriteUi->reg_comboBox->currentIndex();
    const QString text = i2cWriteUi->lineEdit->text();
    static const QRegularExpression format(QStringLiteral("^0x[0-9a-fA-F]{2}(,0x[0-9a-fA-F]{2})*$"));
    QByteArray data;
    if (format.match(text).hasMatch()) {
        for (const QString &item : text.split(QLatin1Char(',')))
            data.append(char(item.mid(2).toUInt(nullptr, 16)));
    }
    // Refused like a bad format: more than the bridge's frame area holds.
    const QByteArray frame = data.isEmpty() ? QByteArray()
                                            : I2CFrameCodec::writeRegisters(static_cast<unsigned char>(qMax(0, reg)), data);
    if (frame.isEmpty()) {
        QMessageBox::warning(nullptr, tr("Warning"),
                             tr("Invalid input format. Please enter the correct format (e.g., 0x01,0x34,0xab)"),
                             QMessageBox::Ok);
        return;
    }
    i2cdumpWrite(frame);
}

void MainWindow::I2CdumpactionClear_triggered()
{
    if (i2cLog)
        i2cLog->clear();
}

void MainWindow::i2cdumpCloseDialogs()
{
    // Before the window comes apart: their destroyed() reaches our slots.
    delete i2cReadDialog;
    delete i2cWriteDialog;
}
