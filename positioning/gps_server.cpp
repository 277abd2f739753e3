// "GPS Debug" tab: the position server that takes fixes from TCP clients,
// and the position file both sources append to.
#include "app/mainwindow.h"
#include "app/panel_states.h"
#include "ui_mainwindow.h"

#include "positioning/map_script.h"
#include "positioning/position_line.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTextCodec>

void MainWindow::gpsServerInit()
{
    connect(ui->GPSTCPopencompushButton, &QPushButton::pressed, this, &MainWindow::GPSTCPopencompushButton_triggered);
    connect(ui->GPSpushButtonsearchdriving, &QPushButton::pressed, this, &MainWindow::GPSsearchdriving_triggered);
    connect(ui->GPStrochoidpushButton, &QPushButton::pressed, this, &MainWindow::GPStrochoidpushButton_triggered);
    // Peers write these labels: their text must never be read as markup.
    ui->Weidu->setTextFormat(Qt::PlainText);
    ui->Jingdu->setTextFormat(Qt::PlainText);
}

// A peer's text for a label, cut short so a long value cannot stretch the tab.
static QString labelText(const QString &text)
{
    return text.size() > 64 ? text.left(64) + QChar(0x2026) : text;
}

void MainWindow::GPSTCPopencompushButton_triggered()
{
    if (gpsServerRunning == 0) {
        if (GPSTCP_Server_WorkOpen()) {
            ui->GPSTCPopencompushButton->setText(tr("Stop"));
            gpsServerRunning = 1;
        }
    } else {
        GPSTCP_Server_WorkClose();
        ui->GPSTCPopencompushButton->setText(tr("Start"));
        gpsServerRunning = 0;
    }
}

bool MainWindow::GPSTCP_Server_WorkOpen()
{
    const QString portText = ui->GPSTCPServerPortlineEdit->text();
    if (portText.isEmpty()) {
        QMessageBox::warning(this, tr("warning:"), tr("Port is empty!"), QMessageBox::Ok);
        return false;
    }
    quint16 port = 0;
    if (!portFieldAccepted(portText, true, &port))
        return false;
    if (!gpsServer)
        gpsServer = new QTcpServer(this);
    // A busy or privileged port must not pass for a running server.
    if (!gpsServer->listen(QHostAddress::Any, port)) {
        ui->statusBar->showMessage(tr("Server failed to start: %1").arg(gpsServer->errorString()), 0);
        return false;
    }
    ui->GPSTCPServerPortlineEdit->setEnabled(false);
    ui->GPSTCPServerIPcomboBox->setEnabled(false);
    connect(gpsServer, &QTcpServer::newConnection, this, &MainWindow::GPSupdateserver, Qt::UniqueConnection);
    // With 0 the system chose the port: the status is the only place it shows.
    ui->statusBar->showMessage(tr("Server has started on port %1").arg(gpsServer->serverPort()), 0);
    return true;
}

void MainWindow::GPSTCP_Server_WorkClose()
{
    for (QTcpSocket *socket : std::as_const(gpsServerClients)) {
        // Signals cut first: a client dropped by Stop is not reported as left.
        socket->disconnect();
        socket->close();
        socket->deleteLater();
    }
    if (gpsServer)
        gpsServer->close();
    ui->statusBar->showMessage(tr("Server has stopped"), 0);
    gpsServerClients.clear();
    gpsState->clients.clear();
    ui->GPSTCPServerPortlineEdit->setEnabled(true);
    ui->GPSTCPServerIPcomboBox->setEnabled(true);
}

void MainWindow::GPSupdateserver()
{
    QTcpSocket *socket = gpsServer ? gpsServer->nextPendingConnection() : nullptr;
    if (!socket)
        return;
    const QString peer = socket->peerAddress().toString();
    ui->statusBar->showMessage(tr("New client: ") + tr("%1 Joined").arg(peer), 0);
    if (peer.isEmpty()) {
        socket->disconnectFromHost();
        socket->deleteLater();
        return;
    }
    gpsServerClients.append(socket);
    GpsState::Client &state = gpsState->clients[socket];
    state.gbk.reset(QTextCodec::codecForName("GBK")->makeDecoder());
    connect(socket, &QTcpSocket::disconnected, this, &MainWindow::GPSupdateSendStatus);
    connect(socket, &QTcpSocket::readyRead, this, &MainWindow::GPSTCP_Server_ReadMessage);
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, [this, socket] { gpsTcpRead(socket); }, Qt::QueuedConnection);
}

void MainWindow::GPSupdateSendStatus()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket)
        return;
    // Lines that came with the close still count.
    gpsTcpRead(socket);
    ui->statusBar->showMessage(tr("Client: ") + tr("%1 Left").arg(socket->peerAddress().toString()), 0);
    gpsServerClients.removeAll(socket);
    gpsState->clients.erase(socket);
    socket->disconnect();
    socket->close();
    socket->deleteLater();
}

void MainWindow::GPSTCP_Server_ReadMessage()
{
    if (auto *socket = qobject_cast<QTcpSocket *>(sender()))
        gpsTcpRead(socket);
}

// Each client has its own line buffer and GBK decoder, so clients that
// send at once never mix their lines or split characters.
void MainWindow::gpsTcpRead(QTcpSocket *socket)
{
    auto it = gpsState->clients.find(socket);
    if (it == gpsState->clients.end() || !gpsServerClients.contains(socket))
        return;
    const QByteArray chunk = socket->readAll();
    if (chunk.isEmpty())
        return;
    GpsState::Client &state = it->second;
    showReadStatus(ui->gps,
                   tr("TCP receive ") + tr("from:%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()));
    const QString text = state.gbk ? state.gbk->toUnicode(chunk) : QString::fromLatin1(chunk);
    if (gpsView)
        gpsView->append(text.toUtf8(), false);

    const int droppedBefore = state.lines.dropped();
    const QList<QByteArray> lines = state.lines.feed(chunk);
    if (state.lines.dropped() != droppedBefore)
        ui->statusBar->showMessage(tr("Line longer than %1 bytes dropped").arg(PositionLine::LineBuffer::maxLine), 0);
    for (const QByteArray &line : lines)
        gpsTcpLine(line);
}

void MainWindow::gpsTcpLine(const QByteArray &line)
{
    const auto fix = PositionLine::parse(QString::fromUtf8(line));
    if (!fix) {
        if (line.contains("Latitude:"))
            ui->statusBar->showMessage(tr("Position without longitude skipped"), 0);
        return;
    }
    ui->Weidu->setText(labelText(fix->latitude));
    ui->Jingdu->setText(labelText(fix->longitude));
    switch (PositionLine::check(*fix)) {
    case PositionLine::Check::NotNumber:
        ui->statusBar->showMessage(tr("Position is not a number, not saved or shown on the map"), 0);
        return;
    case PositionLine::Check::OutOfRange:
        ui->statusBar->showMessage(
            tr("Position out of range (latitude -90 to 90, longitude -180 to 180), not saved or shown on the map"), 0);
        return;
    case PositionLine::Check::Ok:
        break;
    }
    if (ui->GPSSavecheckBox->isChecked())
        GPSSavefile(fix->latitude, fix->longitude);
    gpsPositionUpdated = 0;
    gpsMapCalls.push(*PositionLine::number(fix->latitude), *PositionLine::number(fix->longitude),
                     ui->GPS_on_off_checkBox->isChecked());
    ui->Haibagaodu->setText(QStringLiteral("Null"));
}

void MainWindow::GPSSavefile(QString latitude, QString longitude)
{
    const PositionLine::Fix fix{latitude, longitude};
    if (PositionLine::isNull(fix))
        return;
    // Only places on the globe are saved: anything else would break the
    // file's records or draw nonsense when the track is replayed.
    if (PositionLine::check(fix) != PositionLine::Check::Ok) {
        ui->statusBar->showMessage(tr("Unable to save GPS data."), 0);
        return;
    }
    const QByteArray record = PositionLine::record(latitude, longitude);
    QFile file(QDir::homePath() + QStringLiteral("/GPS_Date.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered)) {
        ui->statusBar->showMessage(tr("Unable to save GPS data."), 0);
        return;
    }
    const qint64 before = file.size();
    if (file.write(record) != record.size()) {
        // Half a record would join the next one on its line and replay as
        // a wrong position: take it back.
        file.resize(before);
        ui->statusBar->showMessage(tr("Unable to save GPS data."), 0);
    }
}
