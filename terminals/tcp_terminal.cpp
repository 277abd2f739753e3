#include "app/mainwindow.h"
#include "app/panel_states.h"
#include "ui_mainwindow.h"

#include "terminals/send_encoding.h"
#include "terminals/send_queue.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

// Bytes shown per block, and how long one call may keep showing blocks; the
// rest follows on the next turn of the event loop so a fast stream cannot
// freeze the window.
constexpr qint64 kTcpChunk = 4 * 1024;
constexpr qint64 kTcpBudgetMs = 10;
// Past this the socket stops reading and TCP slows the peer down.
constexpr qint64 kTcpReadBuffer = 1024 * 1024;

const QString kClientMode = QStringLiteral("TCP Client");
const QString kServerMode = QStringLiteral("TCP Server");

// "host:port", an IPv6 address in brackets, or its last group would read as
// the port.
QString hostAndPort(const QString &host, const QString &port)
{
    return (host.contains(':') ? '[' + host + ']' : host) + ':' + port;
}

} // namespace

MainWindow::NetworkTeardown::~NetworkTeardown()
{
    for (QAbstractSocket *socket : window->findChildren<QAbstractSocket *>())
        QObject::disconnect(socket, nullptr, window, nullptr);
}

void MainWindow::TCP_Init_Start()
{
    connect(ui->TCPopencompushButton, &QPushButton::pressed, this, &MainWindow::TCPopencompushButton_triggered);
    connect(ui->TCPsendmsgBtn, &QPushButton::pressed, this, &MainWindow::TCPsendmsgBtn_clicked);
    connect(ui->TCPcleanbytespushButton, &QPushButton::pressed, this, &MainWindow::actionClearBytes_TCP_triggered);
    connect(ui->TCPcleandatapushButton, &QPushButton::pressed, this, &MainWindow::actionCleanData_TCP_triggered);
    connect(ui->TCPcleansendpushButton, &QPushButton::pressed, this, &MainWindow::cleanSendData_TCP_clicked);
    connect(ui->TCPsavetxtpushButton, &QPushButton::pressed, this, &MainWindow::actionSave_TCP_triggered);
    connect(ui->TCPreadtxtpushButton, &QPushButton::pressed, this, &MainWindow::actionLoadfile_TCP_triggered);
    connect(ui->TCPdelayspinBox, &QSpinBox::valueChanged, this, &MainWindow::TCPdelayspinBox_valueChanged);
    connect(ui->TCPobocheckBox, &QCheckBox::stateChanged, this, &MainWindow::TCP_obocheckBox_clicked);
    connect(ui->TCP_HEXcheckBox, &QCheckBox::stateChanged, this, &MainWindow::TCPHideHex_pushButton_clicked);

    tcpView = std::make_unique<TerminalView>(ui->TCP_StrTextBrowser, ui->TCP_HexTextBrowser,
                                             TerminalText::HexStyle::Network, "GBK", "UTF8");
    tcpView->setUp();
    TerminalView::setUpCounter(ui->TCPrecvbyteslcdNumber);
    TerminalView::setUpCounter(ui->TCPsendbyteslcdNumber);
    tcpView->setShownHandler([this](qint64 bytes, qint64 carriageReturns) {
        TerminalView::count(ui->TCPrecvbyteslcdNumber, bytes - carriageReturns);
        showReadStatus(ui->tcp, tr("TCP receive ") + tr("from:%1:%2").arg(tcpLastPeer).arg(tcpLastPeerPort));
    });

    const int width = int((ui->TCP_HEXcheckBox->sizeHint().width()
                           + ui->TCP_showtime_checkBox->sizeHint().width()) * 1.3);
    ui->groupBox_9->setMaximumWidth(width);
    ui->groupBox_8->setMaximumWidth(width);
}

bool MainWindow::TCPopencompushButton_triggered()
{
    const QString mode = ui->TCP_comboBox->currentText();
    if (tcpOpened) {
        if (mode == kClientMode)
            TCP_ClientDisconnect();
        else if (mode == kServerMode)
            TCP_Server_WorkClose();
        ui->TCPopencompushButton->setText(tr("Start"));
        tcpOpened = false;
    } else {
        bool opened = false;
        if (mode == kClientMode)
            opened = TCP_Client_WorkOpen();
        else if (mode == kServerMode)
            opened = TCP_Server_WorkOpen();
        if (opened) {
            ui->TCPopencompushButton->setText(tr("Stop"));
            tcpOpened = true;
        }
    }
    return tcpOpened;
}

void MainWindow::tcpSetOpenWidgets(bool open)
{
    ui->TCPdelayspinBox->setEnabled(false);
    ui->TCPsendmsgBtn->setEnabled(open);
    ui->TCPsendMsgtextEdit->setEnabled(open);
    ui->TCPclientPortlineEdit->setEnabled(!open);
    ui->TCPclientIPlineEdit->setEnabled(!open);
    ui->TCPServerPortlineEdit->setEnabled(!open);
    ui->TCPServerIPcomboBox->setEnabled(!open);
    ui->TCP_comboBox->setEnabled(!open);
}

// At most one send per tick: the timer serves the mode that is open, or none.
void MainWindow::tcpConnectSendTimer(void (MainWindow::*send)())
{
    disconnect(tcpSendTimerConnection);
    tcpSendTimerConnection = send ? connect(tcpSendTimer, &QTimer::timeout, this, send)
                                  : QMetaObject::Connection();
}

// Drops the previous client socket so its late errors cannot close a newer link.
void MainWindow::tcpReleaseClient()
{
    if (!tcpClient)
        return;
    tcpClient->disconnect(this);
    tcpClient->abort();
    tcpForget(tcpClient);
    tcpClient->deleteLater();
    tcpClient = nullptr;
}

bool MainWindow::TCP_Client_WorkOpen()
{
    tcpIp = ui->TCPclientIPlineEdit->text();
    tcpPort = ui->TCPclientPortlineEdit->text();
    if (tcpIp.isEmpty() || tcpPort.isEmpty()) {
        QMessageBox::warning(this, tr("warning:"), tr("IP or Port is empty!"), QMessageBox::Ok);
        return false;
    }
    quint16 port = 0;
    if (!portFieldAccepted(tcpPort, false, &port))
        return false;
    tcpReleaseClient();
    tcpClient = new QTcpSocket(this);
    tcpClient->setReadBufferSize(kTcpReadBuffer);
    tcpState->decoders[tcpClient] = tcpView->makeDecoders();
    connect(tcpClient, &QTcpSocket::errorOccurred, this, &MainWindow::displayError);
    connect(tcpClient, &QTcpSocket::readyRead, this, &MainWindow::TCP_Client_ReadMessage);
    connect(tcpClient, &QTcpSocket::connected, this, &MainWindow::tcpClientConnected);

    tcpSetOpenWidgets(true);
    tcpConnectSendTimer(&MainWindow::TCP_Client_WorkSendMessage);
    statusBar()->showMessage(tr("Connected to TCP server"), 0);
    tcpClient->connectToHost(tcpIp, port, QIODevice::ReadWrite,
                             QAbstractSocket::AnyIPProtocol);
    // A failure reported at once has already closed the tab again.
    return tcpClient->state() != QAbstractSocket::UnconnectedState;
}

bool MainWindow::TCP_Server_WorkOpen()
{
    tcpIp = ui->TCPServerIPcomboBox->currentText();
    tcpPort = ui->TCPServerPortlineEdit->text();
    if (tcpPort.isEmpty()) {
        QMessageBox::warning(this, tr("warning:"), tr("Port is empty!"), QMessageBox::Ok);
        return false;
    }
    // As on the UDP tab, 0 lets the system choose; the status names the port.
    quint16 port = 0;
    if (!portFieldAccepted(tcpPort, true, &port))
        return false;
    if (!tcpServer->listen(QHostAddress::Any, port)) {
        // A port in use must not look like a running server.
        statusBar()->showMessage(tr("Server failed to start on port %1: %2").arg(port).arg(tcpServer->errorString()),
                                 0);
        return false;
    }
    tcpSetOpenWidgets(true);
    tcpConnectSendTimer(&MainWindow::TCP_Server_WorkSendMessage);
    connect(tcpServer, &QTcpServer::newConnection, this, &MainWindow::TCP_updateserver, Qt::UniqueConnection);
    statusBar()->showMessage(tr("Server has started on port %1").arg(tcpServer->serverPort()), 0);
    return true;
}

void MainWindow::TCP_ClientDisconnect()
{
    tcpView->flush();
    if (tcpClient) {
        // A closing link's late error must not report "No server found".
        disconnect(tcpClient, &QTcpSocket::errorOccurred, this, &MainWindow::displayError);
        // A link not yet up ends here: a host that answers later must get
        // neither a connection nor what was sent before Stop.
        if (tcpClient->state() == QAbstractSocket::ConnectedState)
            tcpClient->disconnectFromHost();
        else
            tcpClient->abort();
    }
    statusBar()->showMessage(tcpDropHeld(tr("Disconnected TCP server")), 0);
    tcpSetOpenWidgets(false);
    tcpConnectSendTimer(nullptr);
}

void MainWindow::TCP_Server_WorkClose()
{
    tcpView->flush();
    for (QTcpSocket *socket : std::as_const(tcpClientList)) {
        socket->disconnect(this);
        socket->close();
        tcpForget(socket);
        socket->deleteLater();
    }
    tcpServer->close();
    statusBar()->showMessage(tr("Server has stopped"), 0);
    tcpClientList.clear();
    tcpSetOpenWidgets(false);
    ui->TCP_Client_IP_comboBox->clear();
    tcpConnectSendTimer(nullptr);
}

void MainWindow::displayError(QAbstractSocket::SocketError)
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (socket && socket != tcpClient)
        return;
    if (tcpClient) {
        // What the server sent before closing is still shown.
        while (tcpClient->bytesAvailable() > 0)
            tcpReadFrom(tcpClient, true);
        tcpView->flush();
        tcpClient->close();
    }
    tcpOpened = false;
    statusBar()->showMessage(tcpDropHeld(tr("No server found")), 0);
    tcpSetOpenWidgets(false);
    ui->TCPopencompushButton->setText(tr("Start"));
    tcpConnectSendTimer(nullptr);
}

// The link is up: what was sent meanwhile leaves now, and counts now.
void MainWindow::tcpClientConnected()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || socket != tcpClient)
        return;
    const QByteArray held = std::exchange(tcpState->held, QByteArray());
    if (!held.isEmpty())
        tcpWrite(socket, held);
}

// Sends held for a link that never came up are dropped; the status says so.
QString MainWindow::tcpDropHeld(const QString &status)
{
    const QByteArray held = std::exchange(tcpState->held, QByteArray());
    if (held.isEmpty())
        return status;
    return tr("%1; %2 bytes waiting for the link were not sent").arg(status).arg(held.size());
}

void MainWindow::TCP_updateserver()
{
    while (QTcpSocket *socket = tcpServer->nextPendingConnection()) {
        const QString address = socket->peerAddress().toString();
        statusBar()->showMessage(tr("new client: ") + tr("%1 joined").arg(address), 0);
        if (address.isEmpty()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
            continue;
        }
        ui->TCP_Client_IP_comboBox->addItem(address);
        socket->setReadBufferSize(kTcpReadBuffer);
        tcpClientList.append(socket);
        tcpState->decoders[socket] = tcpView->makeDecoders();
        connect(socket, &QTcpSocket::disconnected, this, &MainWindow::TCP_updateSendStatus);
        connect(socket, &QTcpSocket::readyRead, this, &MainWindow::TCP_Server_ReadMessage);
    }
}

void MainWindow::TCP_updateSendStatus()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || !tcpClientList.contains(socket))
        return;
    const QString address = socket->peerAddress().toString();
    statusBar()->showMessage(tr("client: ") + tr("%1 left").arg(address), 0);
    const int index = ui->TCP_Client_IP_comboBox->findText(address, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ui->TCP_Client_IP_comboBox->removeItem(index);
    // Its last bytes may still wait in the buffer.
    while (socket->bytesAvailable() > 0)
        tcpReadFrom(socket, true);
    tcpClientList.removeOne(socket);
    socket->disconnect(this);
    socket->close();
    tcpForget(socket);
    socket->deleteLater();
}

void MainWindow::TCP_Client_ReadMessage()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (socket && socket == tcpClient)
        tcpReadFrom(socket);
}

void MainWindow::TCP_Server_ReadMessage()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (socket && tcpClientList.contains(socket))
        tcpReadFrom(socket);
}

// Shows what `socket` sent, block by block, decoded with that link's own state.
void MainWindow::tcpReadFrom(QTcpSocket *socket, bool resumed)
{
    // While a drain of this socket is pending, new arrivals wait for it.
    if (!resumed && tcpReadScheduled.contains(socket))
        return;
    auto decoders = tcpState->decoders.find(socket);
    if (decoders == tcpState->decoders.end() || !tcpView)
        return;
    QElapsedTimer spent;
    spent.start();
    do {
        const QByteArray block = socket->read(kTcpChunk);
        if (block.isEmpty())
            break;
        tcpLastPeer = socket->peerAddress().toString();
        tcpLastPeerPort = socket->peerPort();
        // Counter and status follow when the batch is shown.
        tcpView->append(block, ui->TCP_showtime_checkBox->isChecked(), decoders->second.get());
    } while (socket->bytesAvailable() > 0 && spent.elapsed() < kTcpBudgetMs);

    if (socket->bytesAvailable() > 0 && !tcpReadScheduled.contains(socket)) {
        tcpReadScheduled.insert(socket);
        // The socket is the context: its deletion cancels the call.
        QTimer::singleShot(0, socket, [this, socket] {
            if (tcpReadScheduled.remove(socket))
                tcpReadFrom(socket, true);
        });
    }
}

// Send-box bytes; false when the box is empty.
bool MainWindow::tcpEncodeSendBox(QByteArray *bytes)
{
    const QString text = ui->TCPsendMsgtextEdit->toPlainText();
    if (text.isEmpty())
        return false;
    *bytes = SendEncoding::encode(text, ui->TCPsendAsHexcheckBox->isChecked());
    return true;
}

// A connection that goes takes its per-link state with it.
void MainWindow::tcpForget(QTcpSocket *socket)
{
    tcpState->decoders.erase(socket);
    tcpState->refusals.erase(socket);
    tcpReadScheduled.remove(socket);
}

// Bounded like the serial sends: a peer that reads nothing gets no more
// than one send plus SendQueue::kLimit bytes queued, and only accepted
// bytes count.
void MainWindow::tcpWrite(QTcpSocket *socket, const QByteArray &bytes)
{
    auto &refusals = tcpState->refusals;
    const QAbstractSocket::SocketState state = socket->state();
    if (socket == tcpClient
        && (state == QAbstractSocket::ConnectingState || state == QAbstractSocket::HostLookupState)) {
        // While the link still comes up the tab holds the send, under the
        // same bound, so a press right after Start is not lost; it leaves
        // and counts once connected.
        QByteArray &held = tcpState->held;
        if (!held.isEmpty() && held.size() + bytes.size() > SendQueue::kLimit) {
            refusals[socket] = tr("TCP send refused: the link to %1 is not up yet; %2 bytes are waiting to be sent")
                                   .arg(hostAndPort(tcpIp, tcpPort), QString::number(held.size()));
            statusBar()->showMessage(refusals[socket], 0);
            return;
        }
        held += bytes;
        return;
    }
    if (state != QAbstractSocket::ConnectedState) {
        statusBar()->showMessage(tr("TCP send failed: %1").arg(tr("not connected")), 0);
        return;
    }
    const SendQueue::Outcome out = SendQueue::write(socket, bytes);
    QString refusal;
    switch (out.result) {
    case SendQueue::Result::Accepted: {
        TerminalView::count(ui->TCPsendbyteslcdNumber, bytes.size());
        // Sends say nothing when they go through.  Only this peer's own
        // refusal is taken back: clients share an address and the server
        // sends to all of them in one tick, so a client that reads must not
        // hide one that does not.
        const auto own = refusals.find(socket);
        if (own == refusals.end())
            return;
        const bool shown = statusBar()->currentMessage() == own->second;
        refusals.erase(own);
        if (shown && refusals.empty())
            statusBar()->clearMessage();
        else if (shown)
            statusBar()->showMessage(refusals.begin()->second, 0);
        return;
    }
    case SendQueue::Result::Full: {
        // Clients share an address, so the port tells them apart.
        refusal = tr("TCP send refused: the peer %1 takes data more slowly than it is sent, or not at all; %2 "
                     "bytes are still waiting")
                      .arg(hostAndPort(socket->peerAddress().toString(), QString::number(socket->peerPort())),
                           QString::number(out.waiting));
        break;
    }
    case SendQueue::Result::Failed:
        refusal = tr("TCP send failed: %1").arg(out.error);
        break;
    }
    refusals[socket] = refusal;
    statusBar()->showMessage(refusal, 0);
}

void MainWindow::TCP_Client_WorkSendMessage()
{
    if (!tcpClient)
        return;
    QByteArray bytes;
    if (!tcpEncodeSendBox(&bytes))
        return;
    tcpWrite(tcpClient, bytes);
}

void MainWindow::TCP_Server_WorkSendMessage()
{
    const QString chosen = ui->TCP_Client_IP_comboBox->currentText();
    // A copy: a client may leave while we write.
    const QList<QTcpSocket *> clients = tcpClientList;
    for (QTcpSocket *socket : clients) {
        if (!tcpClientList.contains(socket) || socket->peerAddress().toString() != chosen)
            continue;
        QByteArray bytes;
        if (!tcpEncodeSendBox(&bytes))
            return;
        tcpWrite(socket, bytes);
    }
}

void MainWindow::TCPsendmsgBtn_clicked()
{
    terminalSendPressed(ui->TCPsendmsgBtn, ui->TCPsendMsgtextEdit, ui->TCPobocheckBox, tcpSendTimer,
                        tcpSendInterval, tr("send"), [this] {
                            const QString mode = ui->TCP_comboBox->currentText();
                            if (mode == kClientMode)
                                TCP_Client_WorkSendMessage();
                            else if (mode == kServerMode)
                                TCP_Server_WorkSendMessage();
                        });
}

void MainWindow::TCP_obocheckBox_clicked()
{
    terminalKeepSendToggled(ui->TCPobocheckBox, ui->TCPdelayspinBox);
}

void MainWindow::TCPdelayspinBox_valueChanged(int value)
{
    tcpSendInterval = value;
}

void MainWindow::TCPHideHex_pushButton_clicked()
{
    tcpView->showHex(ui->TCP_HEXcheckBox->isChecked(), ui->TCP_showtime_checkBox->isChecked());
}

void MainWindow::actionClearBytes_TCP_triggered()
{
    ui->TCPsendbyteslcdNumber->display(0);
    ui->TCPrecvbyteslcdNumber->display(0);
    statusBar()->showMessage(tr("Counter has been cleared"), 0);
}

void MainWindow::actionCleanData_TCP_triggered()
{
    // Each link keeps its own decoding state; only the views start afresh.
    tcpView->clear();
    statusBar()->showMessage(tr("Receive has been cleared"), 0);
}

void MainWindow::cleanSendData_TCP_clicked()
{
    ui->TCPsendMsgtextEdit->clear();
    statusBar()->showMessage(tr("Send has been cleared"), 0);
}

void MainWindow::actionSave_TCP_triggered()
{
    terminalSaveText(tcpView.get());
}

void MainWindow::actionLoadfile_TCP_triggered()
{
    terminalLoadFile(ui->TCPsendMsgtextEdit, true);
}
