#include "app/mainwindow.h"
#include "ui_com_expand.h"
#include "ui_mainwindow.h"

#include "terminals/file_dialogs.h"
#include "terminals/send_encoding.h"
#include "terminals/line_sender.h"
#include "terminals/serial_styles.h"
#include "terminals/terminal_text.h"
#include "terminals/terminal_view.h"
#include "terminals/thread_serial.h"

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QIcon>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

// "Serial Debug": a terminal on the shared serial holder.

void MainWindow::Serial_Init_Start()
{
    connect(ui->opencompushButton, SIGNAL(pressed()), this, SLOT(actionOpen_triggered()));
    connect(ui->sendmsgBtn, SIGNAL(pressed()), this, SLOT(sendmsgBtn_clicked()));
    connect(ui->sendfileBtn, SIGNAL(pressed()), this, SLOT(actionSendfile_triggered()));
    connect(ui->obocheckBox, SIGNAL(stateChanged(int)), this, SLOT(obocheckBox_clicked()));
    connect(ui->delayspinBox, SIGNAL(valueChanged(int)), this, SLOT(delayspinBox_valueChanged(int)));
    connect(ui->cleanbytespushButton, SIGNAL(pressed()), this, SLOT(actionClearBytes_triggered()));
    connect(ui->cleandatapushButton, SIGNAL(pressed()), this, SLOT(actionCleanData_triggered()));
    connect(ui->savetxtpushButton, SIGNAL(pressed()), this, SLOT(actionSave_triggered()));
    connect(ui->readtxtpushButton, SIGNAL(pressed()), this, SLOT(actionLoadfile_triggered()));
    connect(ui->cleansendpushButton, SIGNAL(pressed()), this, SLOT(cleanSendData_clicked()));
    connect(ui->com_expandpushButton, SIGNAL(pressed()), this, SLOT(slotCom_expand()));
    connect(ui->HEXcheckBox, SIGNAL(stateChanged(int)), this, SLOT(COMHideHex_pushButton_clicked()));

    if (!serialView)
        serialView = new TerminalView(ui->COM_StrTextBrowser, ui->COM_HexTextBrowser,
                                      TerminalText::HexStyle::Serial, "UTF8", "UTF8");
    serialView->setUp();
    serialView->setShownHandler([this](qint64 bytes, qint64) {
        TerminalView::count(ui->recvbyteslcdNumber, bytes);
        ui->statusBar->showMessage(tr("Successfully read %1 byte data").arg(bytes), 0);
    });

    ui->com_expandpushButton->setEnabled(false);
    ui->COM_HexTextBrowser->hide();
    ui->opencompushButton->setStyleSheet(SerialStyles::openIdle());
    ui->com_checkBox_DTR->hide();
    ui->com_checkBox_RTS->hide();
}

void MainWindow::actionOpen_triggered()
{
    if (serialOpened) {
        closeSerialTerminalPort();
        return;
    }
    const QString name = ui->portNameComboBox->currentText();
    if (name.isEmpty())
        return;

    serialThread = new ThreadSerial(nullptr);
    serialThread->portName = name;
    serialThread->baudRate = ui->baudRateComboBox->currentText().toInt(nullptr, 10);
    serialThread->dataBits = ui->dataBitsComboBox->currentText().toInt(nullptr, 10);
    serialThread->parityIndex = ui->parityComboBox->currentIndex();
    serialThread->stopBitsIndex = ui->stopBitsComboBox->currentIndex();
    serialThread->Init(true);

    connect(sendTimer, SIGNAL(timeout()), this, SLOT(sendMsg()));
    connect(serialThread, SIGNAL(Serial_read_Data(QByteArray)), this, SLOT(readCom(QByteArray)));

    if (!serialThread->opened) {
        disconnect(dtrConnection);
        disconnect(rtsConnection);
        ui->com_checkBox_DTR->setChecked(false);
        ui->com_checkBox_RTS->setChecked(false);
        ui->statusBar->showMessage(tr("Serial failed to open, The serial does not exist or already used."), 0);
        disconnect(sendTimer, SIGNAL(timeout()), this, SLOT(sendMsg()));
        disconnect(serialThread, SIGNAL(Serial_read_Data(QByteArray)), this, SLOT(readCom(QByteArray)));
        ThreadSerial::release(serialThread);
        serialThread = nullptr;
        ui->com_expandpushButton->setEnabled(false);
        return;
    }

    // A device that goes away is closed as the Close button would; queued,
    // so the port is not closed inside its own error signal.
    connect(serialThread, SIGNAL(Serial_port_Lost(QString)), this, SLOT(serialPortLost(QString)),
            Qt::QueuedConnection);
    if (serialView)
        serialView->resetDecoders();

    ui->statusBar->showMessage(tr("Serial opened"), 0);
    ui->opencompushButton->setText(tr("Close"));
    ui->sendMsgtextEdit->setEnabled(true);
    ui->sendMsgtextEdit->setFocus();
    setComboBoxEnabled(false);
    ui->sendmsgBtn->setEnabled(true);
    ui->sendfileBtn->setEnabled(true);
    serialOpened = true;
    stop_SerialSacn_new();
    serialThread->start(QThread::InheritPriority);
    ui->com_expandpushButton->setEnabled(true);
    ui->opencompushButton->setStyleSheet(SerialStyles::openActive());
    // The boxes stay hidden; their handlers only look at the port.
    auto lineHandler = [this](int) { (void)serialOpened; };
    dtrConnection = connect(ui->com_checkBox_DTR, &QCheckBox::stateChanged, this, lineHandler);
    rtsConnection = connect(ui->com_checkBox_RTS, &QCheckBox::stateChanged, this, lineHandler);
}

void MainWindow::closeSerialTerminalPort()
{
    if (comExpandOpened) {
        // The closed dialog is deleted later; it must not free the form of
        // a dialog opened after it.
        if (comExpandDialog) {
            disconnect(comExpandDialog, SIGNAL(destroyed()), this, SLOT(slotCom_expandclose()));
            comExpandDialog->close();
        }
        delete comExpandUi;
        comExpandUi = nullptr;
        comExpandOpened = false;
    }
    ui->com_expandpushButton->setEnabled(false);

    if (serialFileSender) {
        serialFileSender->abort();
        serialFileSender->deleteLater();
    }

    ThreadSerial *holder = serialThread;
    serialOpened = false;
    if (holder) {
        holder->running = false;
        if (holder->port)
            holder->port->close();
        holder->exit(0);
    }
    disconnect(dtrConnection);
    disconnect(rtsConnection);
    ui->com_checkBox_DTR->setChecked(false);
    ui->com_checkBox_RTS->setChecked(false);
    if (holder)
        disconnect(holder, SIGNAL(Serial_read_Data(QByteArray)), this, SLOT(readCom(QByteArray)));
    disconnect(sendTimer, SIGNAL(timeout()), this, SLOT(sendMsg()));
    serialThread = nullptr;
    ThreadSerial::release(holder);
    if (serialView)
        serialView->flush();

    ui->sendmsgBtn->setEnabled(false);
    ui->sendfileBtn->setEnabled(false);
    setComboBoxEnabled(true);
    ui->sendMsgtextEdit->setEnabled(false);
    ui->com_checkBox_DTR->setEnabled(false);
    ui->com_checkBox_RTS->setEnabled(false);

    ui->statusBar->showMessage(tr("Serial closed"), 0);
    ui->opencompushButton->setText(tr("Open"));
    portScanTimer->start(500);
    ui->opencompushButton->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::serialPortLost(const QString &error)
{
    // Only this terminal's own, still current holder counts.
    if (!serialOpened || !serialThread || sender() != serialThread)
        return;
    closeSerialTerminalPort();
    ui->statusBar->showMessage(tr("Serial closed: the device is gone (%1)").arg(error), 0);
}

void MainWindow::readCom(const QByteArray &data)
{
    if (data.isEmpty() || !serialView)
        return;
    // Counter and status follow when the batch is shown.
    serialView->append(data, ui->showtime_checkBox->isChecked());
}

bool MainWindow::COM_isValidHex(const QString &token)
{
    return SendEncoding::isSerialHexToken(token);
}

void MainWindow::sendMsg()
{
    if (!serialThread || !serialThread->port || !serialThread->port->isOpen())
        return;
    QByteArray bytes;
    if (ui->sendAsHexcheckBox->isChecked()) {
        if (!SendEncoding::serialHexBytes(ui->sendMsgtextEdit->toPlainText(), &bytes)) {
            ui->statusBar->showMessage(tr("The input data format is wrong!"), 0);
            sendTimer->stop();
            ui->sendmsgBtn->setText(tr("Send"));
            ui->sendmsgBtn->setIcon(QIcon(QStringLiteral(":images/send.png")));
            return;
        }
    } else {
        bytes = SendEncoding::serialTextBytes(ui->sendMsgtextEdit->toPlainText());
    }

    QSerialPort *port = serialThread->port;
    const qint64 written = port->write(bytes);
    if (written != bytes.size()) {
        ui->statusBar->showMessage(tr("Send failed: %1").arg(port->errorString()), 0);
        return;
    }
    ui->statusBar->showMessage(tr("Send Success"), 0);
    TerminalView::count(ui->sendbyteslcdNumber, bytes.size());
}

void MainWindow::sendmsgBtn_clicked()
{
    terminalSendPressed(ui->sendmsgBtn, ui->sendMsgtextEdit, ui->obocheckBox, sendTimer, sendInterval,
                        tr("Send"), [this] { sendMsg(); });
}

void MainWindow::obocheckBox_clicked()
{
    terminalKeepSendToggled(ui->obocheckBox, ui->delayspinBox);
}

void MainWindow::delayspinBox_valueChanged(int value)
{
    sendInterval = value;
}

// Sends the file as it is, bytes and all, line by line from the event loop:
// 5 ms after each line has left the port.
void MainWindow::actionSendfile_triggered()
{
    if (!serialThread || !serialThread->port || serialFileSender)
        return;
    const QString path = FileDialogs::getOpenFileName(this, tr("Read file"), QString(), tr("(*)"));
    if (path.isEmpty())
        return;
    auto *file = new QFile(path);
    if (!file->open(QIODevice::ReadOnly)) {
        delete file;
        ui->statusBar->showMessage(
            tr("Open failed: Failed to open this file, this may be due to insufficient permissions."), 0);
        return;
    }
    auto *sender = new LineSender(file, serialThread->port, 5, this);
    sender->setObjectName(QStringLiteral("serialFileSender"));
    serialFileSender = sender;
    connect(sender, &LineSender::finished, this, &MainWindow::serialFileSent);
    ui->sendfileBtn->setEnabled(false);
    sender->start();
}

void MainWindow::serialFileSent(bool ok, const QString &error)
{
    if (serialFileSender)
        serialFileSender->deleteLater();
    serialFileSender = nullptr;
    ui->sendfileBtn->setEnabled(serialOpened && serialThread);
    if (ok)
        ui->statusBar->showMessage(tr("Success for send the data in the file"), 0);
    else
        ui->statusBar->showMessage(tr("Send failed: %1").arg(error), 0);
}

void MainWindow::actionLoadfile_triggered()
{
    terminalLoadFile(ui->sendMsgtextEdit, false);
}

void MainWindow::actionSave_triggered()
{
    terminalSaveText(serialView);
}

void MainWindow::actionClearBytes_triggered()
{
    ui->sendbyteslcdNumber->display(0);
    ui->recvbyteslcdNumber->display(0);
    ui->statusBar->showMessage(tr("Counter has been cleared"), 0);
}

void MainWindow::actionCleanData_triggered()
{
    serialView->clear();
    ui->statusBar->showMessage(tr("Receive has been cleared"), 0);
}

void MainWindow::cleanSendData_clicked()
{
    ui->sendMsgtextEdit->clear();
    ui->statusBar->showMessage(tr("Send has been cleared"), 0);
}

void MainWindow::COMHideHex_pushButton_clicked()
{
    serialView->showHex(ui->HEXcheckBox->isChecked(), ui->showtime_checkBox->isChecked());
}

// Destruction: whichever panel opened the port, it is closed and its holder
// freed; the quick-command dialog goes first so its destroyed() signal never
// reaches a half-destroyed window.
void MainWindow::serialShutdown()
{
    if (comExpandDialog) {
        disconnect(comExpandDialog, nullptr, this, nullptr);
        delete comExpandDialog;
    }
    delete comExpandUi;
    comExpandUi = nullptr;
    comExpandOpened = false;

    if (serialFileSender) {
        serialFileSender->abort();
        delete serialFileSender;
    }
    if (serialThread) {
        if (serialThread->port && serialThread->port->isOpen()) {
            serialThread->running = false;
            serialThread->port->close();
        }
        ThreadSerial *holder = serialThread;
        serialThread = nullptr;
        serialOpened = false;
        // Waits for its (empty) thread before the port object goes.
        delete holder;
    }
    delete serialView;
    serialView = nullptr;
}
