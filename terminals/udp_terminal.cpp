#include "app/mainwindow.h"
#include "terminals/terminal_view.h"
#include "ui_mainwindow.h"

#include "terminals/send_encoding.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QScrollBar>
#include <QStatusBar>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>

namespace {

// How long one call may read: a flood must not keep the GUI in one loop;
// input and painting go on between calls.
constexpr qint64 kUdpBudgetMs = 10;

} // namespace

// Network objects every network page relies on, kept or not.
void MainWindow::getLocalIP()
{
    localAddressList = QNetworkInterface::allAddresses();
    for (const QHostAddress &address : std::as_const(localAddressList)) {
        const QString text = address.toString();
        ui->UDPServerIPcomboBox->addItem(text);
        ui->TCPServerIPcomboBox->addItem(text);
        ui->GPSTCPServerIPcomboBox->addItem(text);
    }

    udpSendSocket = new QUdpSocket(this);
    udpSocket = new QUdpSocket(this);
    tcpServer = new QTcpServer(this);
    gpsServer = new QTcpServer(this);
    gpsServerClients.clear();
}

void MainWindow::UDP_Init_Start()
{
    connect(ui->UDPopencompushButton, &QPushButton::pressed, this, &MainWindow::UDPopencompushButton_triggered);
    connect(ui->UDPsendmsgBtn, &QPushButton::pressed, this, &MainWindow::UDPsendmsgBtn_clicked);
    connect(ui->UDPcleanbytespushButton, &QPushButton::pressed, this, &MainWindow::actionClearBytes_UDP_triggered);
    connect(ui->UDPcleandatapushButton, &QPushButton::pressed, this, &MainWindow::actionCleanData_UDP_triggered);
    connect(ui->UDPcleansendpushButton, &QPushButton::pressed, this, &MainWindow::cleanSendData_UDP_clicked);
    connect(ui->UDPsavetxtpushButton, &QPushButton::pressed, this, &MainWindow::actionSave_UDP_triggered);
    connect(ui->UDPreadtxtpushButton, &QPushButton::pressed, this, &MainWindow::actionLoadfile_UDP_triggered);
    connect(ui->UDPdelayspinBox, &QSpinBox::valueChanged, this, &MainWindow::UDPdelayspinBox_valueChanged);
    connect(ui->UDPobocheckBox, &QCheckBox::stateChanged, this, &MainWindow::UDP_obocheckBox_clicked);
    connect(ui->UDP_HEXcheckBox, &QCheckBox::stateChanged, this, &MainWindow::UDPHideHex_pushButton_clicked);

    udpView = std::make_unique<TerminalView>(ui->UDP_StrTextBrowser, ui->UDP_HexTextBrowser,
                                             TerminalText::HexStyle::Network, "GBK", "UTF8");
    udpView->setUp();
    TerminalView::setUpCounter(ui->UDPrecvbyteslcdNumber);
    TerminalView::setUpCounter(ui->UDPsendbyteslcdNumber);
    udpView->setShownHandler([this](qint64 bytes, qint64 carriageReturns) {
        TerminalView::count(ui->UDPrecvbyteslcdNumber, bytes - carriageReturns);
        showReadStatus(ui->udp, tr("UDP receive ") + tr("from:%1:%2").arg(udpLastSender.toString()).arg(udpLastSenderPort));
    });

    ui->groupBox_2->setMaximumWidth(int((ui->UDP_HEXcheckBox->sizeHint().width()
                                         + ui->UDP_showtime_checkBox->sizeHint().width()) * 1.3));
}

bool MainWindow::UDPopencompushButton_triggered()
{
    if (!udpOpened) {
        if (UDP_WorkOpen()) {
            ui->UDPopencompushButton->setText(tr("Stop"));
            udpOpened = true;
        }
    } else {
        UDP_WorkClose();
        ui->UDPopencompushButton->setText(tr("Start"));
        udpOpened = false;
    }
    return udpOpened;
}

bool MainWindow::UDP_WorkOpen()
{
    quint16 port = 0;
    if (!portFieldAccepted(ui->UDPSenderPortlineEdit->text(), true, &port))
        return false;
    if (udpSocket) {
        udpSocket->disconnect(this);
        udpSocket->close();
        udpSocket->deleteLater();
        udpSocket = nullptr;
    }
    auto *socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress::Any, port, QAbstractSocket::DefaultForPlatform)) {
        // A port in use must not look like a listening tab.
        statusBar()->showMessage(tr("UDP failed to listen on port %1: %2").arg(port).arg(socket->errorString()), 0);
        socket->deleteLater();
        return false;
    }
    udpSocket = socket;
    connect(udpSocket, &QUdpSocket::readyRead, this, &MainWindow::readUDP);
    udpView->resetDecoders();

    ui->UDPdelayspinBox->setEnabled(false);
    ui->UDPsendmsgBtn->setEnabled(true);
    ui->UDPsendMsgtextEdit->setEnabled(true);
    ui->UDPServerIPcomboBox->setEnabled(false);
    ui->UDPSenderPortlineEdit->setEnabled(false);
    ui->UDPFarIPlineEdit->setEnabled(false);
    ui->UDPFarPortlineEdit->setEnabled(false);
    statusBar()->showMessage(tr("UDP starts listening on port %1").arg(udpSocket->localPort()), 0);
    return true;
}

void MainWindow::UDP_WorkClose()
{
    if (!udpSocket)
        return;
    udpView->flush();
    disconnect(udpSocket, &QUdpSocket::readyRead, this, &MainWindow::readUDP);
    udpSocket->disconnectFromHost();
    udpSocket->close();
    udpSocket->deleteLater();
    udpSocket = nullptr;

    ui->UDPdelayspinBox->setEnabled(false);
    ui->UDPsendmsgBtn->setEnabled(false);
    ui->UDPsendMsgtextEdit->setEnabled(false);
    ui->UDPServerIPcomboBox->setEnabled(true);
    ui->UDPSenderPortlineEdit->setEnabled(true);
    ui->UDPFarIPlineEdit->setEnabled(true);
    ui->UDPFarPortlineEdit->setEnabled(true);
    statusBar()->showMessage(tr("UDP stop listening"), 0);
}

void MainWindow::readUDP()
{
    if (!udpSocket || !udpView)
        return;
    const bool stamped = ui->UDP_showtime_checkBox->isChecked();
    QElapsedTimer spent;
    spent.start();
    while (udpSocket->hasPendingDatagrams() && spent.elapsed() < kUdpBudgetMs) {
        const QNetworkDatagram datagram = udpSocket->receiveDatagram();
        udpLastSender = datagram.senderAddress();
        udpLastSenderPort = quint16(datagram.senderPort());
        // Counter and status follow when the batch is shown.
        udpView->append(datagram.data(), stamped);
    }
    // What is left is not read from elsewhere: the socket's notifier fires
    // again next turn while datagrams wait.  A read outside readyRead() can
    // take the datagram a queued notification was for; that notification's
    // readyRead() then finds nothing, and the socket never signals again.
}

void MainWindow::UDP_sendMsg()
{
    if (!udpSocket)
        return;
    const QString text = ui->UDPsendMsgtextEdit->toPlainText();
    if (text.isEmpty())
        return;

    quint16 port = 0;
    if (!SendEncoding::portField(ui->UDPFarPortlineEdit->text(), false, &port)) {
        statusBar()->showMessage(tr("Invalid remote port: %1").arg(ui->UDPFarPortlineEdit->text()), 0);
        return;
    }
    // An unparsable address would otherwise go out to this host.
    QHostAddress address;
    if (!address.setAddress(ui->UDPFarIPlineEdit->text().trimmed())) {
        statusBar()->showMessage(tr("Invalid remote IP: %1").arg(ui->UDPFarIPlineEdit->text()), 0);
        return;
    }

    const QByteArray bytes = SendEncoding::encode(text, ui->UDPsendAsHexcheckBox->isChecked());
    if (udpSendSocket->writeDatagram(bytes, address, port) != bytes.size()) {
        statusBar()->showMessage(tr("UDP send failed: %1").arg(udpSendSocket->errorString()), 0);
        return;
    }
    TerminalView::count(ui->UDPsendbyteslcdNumber, bytes.size());
}

void MainWindow::UDPsendmsgBtn_clicked()
{
    terminalSendPressed(ui->UDPsendmsgBtn, ui->UDPsendMsgtextEdit, ui->UDPobocheckBox, udpSendTimer,
                        udpSendInterval, tr("Send"), [this] { UDP_sendMsg(); });
}

void MainWindow::UDP_obocheckBox_clicked()
{
    terminalKeepSendToggled(ui->UDPobocheckBox, ui->UDPdelayspinBox);
}

void MainWindow::UDPdelayspinBox_valueChanged(int value)
{
    udpSendInterval = value;
}

void MainWindow::UDPHideHex_pushButton_clicked()
{
    udpView->showHex(ui->UDP_HEXcheckBox->isChecked(), ui->UDP_showtime_checkBox->isChecked());
}

void MainWindow::actionClearBytes_UDP_triggered()
{
    ui->UDPsendbyteslcdNumber->display(0);
    ui->UDPrecvbyteslcdNumber->display(0);
    statusBar()->showMessage(tr("Counter has been cleared"), 0);
}

void MainWindow::actionCleanData_UDP_triggered()
{
    udpView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"), 0);
}

void MainWindow::cleanSendData_UDP_clicked()
{
    ui->UDPsendMsgtextEdit->clear();
    statusBar()->showMessage(tr("Send has been cleared"), 0);
}

void MainWindow::actionSave_UDP_triggered()
{
    terminalSaveText(udpView.get());
}

void MainWindow::actionLoadfile_UDP_triggered()
{
    terminalLoadFile(ui->UDPsendMsgtextEdit, true);
}

