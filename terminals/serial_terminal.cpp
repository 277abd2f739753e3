#include "app/mainwindow.h"
#include "ui_com_expand.h"
#include "ui_mainwindow.h"

#include "terminals/file_dialogs.h"
#include "terminals/send_encoding.h"
#include "terminals/send_queue.h"
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
#include <QSpinBox>
#include <QTimer>

// "Serial Debug": a terminal on the shared serial holder.

void MainWindow::Serial_Init_Start()
{
    portInit(PortTab::Serial);
    connect(ui->sendmsgBtn, &QPushButton::pressed, this, &MainWindow::sendmsgBtn_clicked);
    connect(ui->sendfileBtn, &QPushButton::pressed, this, &MainWindow::actionSendfile_triggered);
    connect(ui->obocheckBox, &QCheckBox::stateChanged, this, &MainWindow::obocheckBox_clicked);
    connect(ui->delayspinBox, &QSpinBox::valueChanged, this, &MainWindow::delayspinBox_valueChanged);
    connect(ui->cleanbytespushButton, &QPushButton::pressed, this, &MainWindow::actionClearBytes_triggered);
    connect(ui->cleandatapushButton, &QPushButton::pressed, this, &MainWindow::actionCleanData_triggered);
    connect(ui->savetxtpushButton, &QPushButton::pressed, this, &MainWindow::actionSave_triggered);
    connect(ui->readtxtpushButton, &QPushButton::pressed, this, &MainWindow::actionLoadfile_triggered);
    connect(ui->cleansendpushButton, &QPushButton::pressed, this, &MainWindow::cleanSendData_clicked);
    connect(ui->com_expandpushButton, &QPushButton::pressed, this, &MainWindow::slotCom_expand);
    connect(ui->HEXcheckBox, &QCheckBox::stateChanged, this, &MainWindow::COMHideHex_pushButton_clicked);

    if (!serialView)
        serialView = std::make_unique<TerminalView>(ui->COM_StrTextBrowser, ui->COM_HexTextBrowser,
                                                    TerminalText::HexStyle::Serial, "UTF8", "UTF8");
    serialView->setUp();
    TerminalView::setUpCounter(ui->recvbyteslcdNumber);
    TerminalView::setUpCounter(ui->sendbyteslcdNumber);
    serialView->setShownHandler([this](qint64 bytes, qint64) {
        TerminalView::count(ui->recvbyteslcdNumber, bytes);
        showReadStatus(ui->serial, tr("Successfully read %1 byte data").arg(bytes));
    });

    ui->com_expandpushButton->setEnabled(false);
    ui->COM_HexTextBrowser->hide();
    ui->com_checkBox_DTR->hide();
    ui->com_checkBox_RTS->hide();
}

// The terminal's own steps around the shared Open/Close frame.

void MainWindow::serialTerminalOpened()
{
    connect(sendTimer, &QTimer::timeout, this, &MainWindow::sendMsg, Qt::UniqueConnection);
    if (serialView)
        serialView->resetDecoders();
    ui->sendMsgtextEdit->setEnabled(true);
    ui->sendMsgtextEdit->setFocus();
    ui->sendmsgBtn->setEnabled(true);
    ui->sendfileBtn->setEnabled(true);
    ui->com_expandpushButton->setEnabled(true);
    // The DTR and RTS boxes stay hidden and switch no line (the holder's
    // setDTR and setRTS do nothing): their handlers change nothing.
    auto lineHandler = [this](int) { (void)serialOpened; };
    dtrConnection = connect(ui->com_checkBox_DTR, &QCheckBox::stateChanged, this, lineHandler);
    rtsConnection = connect(ui->com_checkBox_RTS, &QCheckBox::stateChanged, this, lineHandler);
}

void MainWindow::serialTerminalClosing()
{
    if (comExpandOpened) {
        // The closed dialog is deleted later; it must not free the form of
        // a dialog opened after it.
        if (comExpandDialog) {
            disconnect(comExpandDialog, &QObject::destroyed, this, &MainWindow::slotCom_expandclose);
            comExpandDialog->close();
        }
        delete comExpandUi;
        comExpandUi = nullptr;
        comExpandOpened = false;
    }
    if (serialFileSender) {
        serialFileSender->abort();
        serialFileSender->deleteLater();
    }
}

// After a close or a failed open.  A keep-sending timer goes on ticking
// without effect and resumes at the next open.
void MainWindow::serialTerminalIdle()
{
    disconnect(dtrConnection);
    disconnect(rtsConnection);
    ui->com_checkBox_DTR->setChecked(false);
    ui->com_checkBox_RTS->setChecked(false);
    disconnect(sendTimer, &QTimer::timeout, this, &MainWindow::sendMsg);
    if (serialView)
        serialView->flush();
    ui->com_expandpushButton->setEnabled(false);
    ui->sendmsgBtn->setEnabled(false);
    ui->sendfileBtn->setEnabled(false);
    ui->sendMsgtextEdit->setEnabled(false);
    ui->com_checkBox_DTR->setEnabled(false);
    ui->com_checkBox_RTS->setEnabled(false);
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

    serialWrite(bytes);
}

// Only accepted bytes are counted and called a success.  A refused send is
// dropped whole; a running Keep Send simply tries again at its next tick.
void MainWindow::serialWrite(const QByteArray &bytes)
{
    const SendQueue::Outcome out = SendQueue::write(serialThread->port, bytes);
    switch (out.result) {
    case SendQueue::Result::Accepted:
        ui->statusBar->showMessage(tr("Send Success"), 0);
        TerminalView::count(ui->sendbyteslcdNumber, bytes.size());
        break;
    case SendQueue::Result::Full:
        // True whether the device reads slowly or has stopped: a refusal
        // cannot tell the two apart.
        ui->statusBar->showMessage(tr("Send refused: the device takes data more slowly than it is sent, or not at "
                                      "all; %1 bytes are still waiting")
                                       .arg(out.waiting),
                                   0);
        break;
    case SendQueue::Result::Failed:
        ui->statusBar->showMessage(tr("Send failed: %1").arg(out.error), 0);
        break;
    }
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
    terminalSaveText(serialView.get());
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
    serialView.reset();
}
