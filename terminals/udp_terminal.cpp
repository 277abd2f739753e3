#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "terminals/send_encoding.h"
#include "terminals/terminal_files.h"

#include <QElapsedTimer>
#include <QFileDialog>
#include <QIcon>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QScrollBar>
#include <QStatusBar>
#include <QTcpServer>
#include <QTimer>
#include <QUdpSocket>

namespace {

// Datagrams shown per call, and how long one call may take: a flood must
// not keep the GUI in one loop.
constexpr int kUdpBatch = 64;
constexpr qint64 kUdpBudgetMs = 10;
constexpr qint64 kImportLimit = 10000;

QString dialogFileName(QWidget *parent, bool save, const QString &caption, const QString &dir,
                       const QString &filter)
{
    return save ? QFileDialog::getSaveFileName(parent, caption, dir, filter)
                : QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

} // namespace

MainWindow::NetFileNameHook MainWindow::netFileNameHook = dialogFileName;

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
    if (udpSocket) {
        udpSocket->disconnect(this);
        udpSocket->close();
        udpSocket->deleteLater();
        udpSocket = nullptr;
    }
    auto *socket = new QUdpSocket(this);
    const quint16 port = SendEncoding::portFromText(ui->UDPSenderPortlineEdit->text());
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
    statusBar()->showMessage(tr("UDP starts listening"), 0);
    return true;
}

void MainWindow::UDP_WorkClose()
{
    if (!udpSocket)
        return;
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
    for (int n = 0; n < kUdpBatch && udpSocket->hasPendingDatagrams() && spent.elapsed() < kUdpBudgetMs; ++n) {
        const QNetworkDatagram datagram = udpSocket->receiveDatagram();
        const QByteArray data = datagram.data();
        statusBar()->showMessage(tr("UDP receive ") + tr("from:%1:%2")
                                                          .arg(datagram.senderAddress().toString())
                                                          .arg(datagram.senderPort()),
                                 0);
        udpView->append(data, stamped);
        TerminalView::count(ui->UDPrecvbyteslcdNumber, data.size() - data.count('\r'));
    }
    // The rest waits for the next turn of the event loop, so input and
    // painting keep going during a flood and nothing is dropped.
    if (udpSocket->hasPendingDatagrams() && !udpDrainScheduled) {
        udpDrainScheduled = true;
        QTimer::singleShot(0, this, [this] {
            udpDrainScheduled = false;
            readUDP();
        });
    }
}

void MainWindow::UDP_sendMsg()
{
    if (!udpSocket)
        return;
    const QString text = ui->UDPsendMsgtextEdit->toPlainText();
    if (text.isEmpty())
        return;

    quint16 port = 0;
    if (!SendEncoding::destinationPort(ui->UDPFarPortlineEdit->text(), &port)) {
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
    const QString label = ui->UDPsendmsgBtn->text();
    if (label == tr("Pause") || label == tr("暂停")) {
        udpSendTimer->stop();
        ui->UDPsendmsgBtn->setText(tr("Send"));
        ui->UDPsendmsgBtn->setIcon(QIcon(QStringLiteral(":images/send.png")));
        return;
    }
    if (ui->UDPsendMsgtextEdit->toPlainText().isEmpty()) {
        statusBar()->showMessage(tr("No Data"), 0);
        return;
    }
    if (!ui->UDPobocheckBox->isChecked()) {
        ui->UDPsendMsgtextEdit->setFocus(Qt::OtherFocusReason);
        UDP_sendMsg();
        return;
    }
    udpSendTimer->start(udpSendInterval);
    ui->UDPsendmsgBtn->setText(tr("Pause"));
    ui->UDPsendmsgBtn->setIcon(QIcon(QStringLiteral(":images/pause.png")));
}

void MainWindow::UDP_obocheckBox_clicked()
{
    const bool on = ui->UDPobocheckBox->isChecked();
    ui->UDPdelayspinBox->setEnabled(on);
    statusBar()->showMessage(on ? tr("Enable Keep sending") : tr("Disable Keep sending"), 0);
}

void MainWindow::UDPdelayspinBox_valueChanged(int value)
{
    udpSendInterval = value;
}

void MainWindow::UDPHideHex_pushButton_clicked()
{
    ui->UDP_HexTextBrowser->setVisible(ui->UDP_HEXcheckBox->isChecked());
    if (ui->UDP_showtime_checkBox->isChecked())
        udpView->scrollToBottom();
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
    netSaveText(ui->UDP_StrTextBrowser);
}

void MainWindow::actionLoadfile_UDP_triggered()
{
    netLoadFile(ui->UDPsendMsgtextEdit);
}

QString MainWindow::netFileName(bool save, const QString &caption, const QString &dir, const QString &filter)
{
    return netFileNameHook ? netFileNameHook(this, save, caption, dir, filter) : QString();
}

// Export of the UDP and TCP tabs: the text view only, stamps included.
void MainWindow::netSaveText(QPlainTextEdit *view)
{
    const QString text = view->toPlainText();
    if (text.isEmpty()) {
        statusBar()->showMessage(tr("No data need to save"), 0);
        return;
    }
    const QString name = netFileName(true, tr("Save as"), tr("newtxt.txt"), QString());
    if (name.isEmpty())
        return;
    QString error;
    QString canonical;
    if (!TerminalFiles::saveText(name, text, &error, &canonical)) {
        statusBar()->showMessage(tr("Save failed:Open file %1 failed, can't save\n%2").arg(name, error), 0);
        return;
    }
    statusBar()->showMessage(QStringLiteral("Saved success.\tsaved: ") + canonical, 0);
}

// Import of the UDP and TCP tabs: appends a small file to the send box.
void MainWindow::netLoadFile(QPlainTextEdit *sendBox)
{
    const QString name = netFileName(false, tr("Read file"), QString(), tr("(*)"));
    if (name.isEmpty())
        return;
    QByteArray data;
    qint64 size = 0;
    switch (TerminalFiles::readLimited(name, kImportLimit, &data, &size)) {
    case TerminalFiles::LoadResult::OpenFailed:
        statusBar()->showMessage(
            tr("Open failed: Failed to open this file, this may be due to insufficient permissions."), 0);
        return;
    case TerminalFiles::LoadResult::TooLarge:
        statusBar()->showMessage(
            tr("Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes").arg(size), 0);
        return;
    case TerminalFiles::LoadResult::Ok:
        break;
    }
    // Line by line, each line up to its first NUL byte.
    QString text = sendBox->toPlainText();
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        QByteArray line = data.mid(start, end - start);
        const qsizetype nul = line.indexOf('\0');
        if (nul >= 0)
            line.truncate(nul);
        text += QString::fromUtf8(line);
        start = end;
    }
    sendBox->setPlainText(text);
    statusBar()->showMessage(tr("Success for read the data in the file"), 0);
}
