#include "terminals/mqtt_client.h"

#include <QElapsedTimer>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpSocket>

using namespace MqttPacket;

MqttClient::MqttClient(QObject *parent)
    : QObject(parent)
{
    m_keepAlive.setTimerType(Qt::CoarseTimer);
    connect(&m_keepAlive, &QTimer::timeout, this, &MqttClient::onKeepAliveTick);
    m_sliceTimer.setSingleShot(true);
    m_sliceTimer.setInterval(0);
    connect(&m_sliceTimer, &QTimer::timeout, this, [this] {
        if (m_processScheduled && m_state != Disconnected) {
            pullBytes();
            processPackets();
        }
    });
}

MqttClient::~MqttClient()
{
    // No signal may reach a half-destroyed client.
    for (const QMetaObject::Connection &c : std::as_const(m_linkConnections))
        disconnect(c);
}

void MqttClient::setTransport(QIODevice *device, TransportType type)
{
    m_transport = device;
    m_transportType = type;
}

void MqttClient::connectToHost()
{
    if (m_state != Disconnected)
        return;
    if (m_transportType == IODevice) {
        if (!m_transport || !m_transport->isOpen()) {
            fail(TransportInvalid, tr("The transport device is not open."));
            return;
        }
        startLink(m_transport);
        setState(Connecting);
        sendConnect();
        return;
    }
    auto *socket = new QTcpSocket(this);
    socket->setReadBufferSize(kBacklogBytes);
    m_socket = socket;
    startLink(socket);
    m_linkConnections << connect(socket, &QTcpSocket::connected, this, &MqttClient::sendConnect);
    setState(Connecting);
    socket->connectToHost(m_host, m_port);
}

void MqttClient::connectToHostEncrypted(const QSslConfiguration &configuration)
{
    if (m_state != Disconnected)
        return;
    m_transportType = SecureSocket;
    auto *socket = new QSslSocket(this);
    socket->setReadBufferSize(kBacklogBytes);
    m_socket = socket;
    socket->setSslConfiguration(configuration);
    startLink(socket);
    // The CONNECT goes out only once the TLS handshake is through.
    m_linkConnections << connect(socket, &QSslSocket::encrypted, this, &MqttClient::sendConnect);
    setState(Connecting);
    socket->connectToHostEncrypted(m_host, m_port);
}

void MqttClient::startLink(QIODevice *device)
{
    m_reader.reset();
    m_processScheduled = false;
    m_pendingSubscriptions.clear();
    m_inboundQos2.clear();
    m_pingOutstanding = false;
    m_receivedSinceTick = false;
    if (m_error != NoError) {
        m_error = NoError;
        m_errorString.clear();
        emit errorChanged(m_error);
    }
    m_transport = device;
    m_linkConnections << connect(device, &QIODevice::readyRead, this, &MqttClient::onReadyRead);
    m_linkConnections << connect(device, &QIODevice::aboutToClose, this, &MqttClient::onTransportGone);
    if (auto *socket = qobject_cast<QAbstractSocket *>(device)) {
        m_linkConnections << connect(socket, &QAbstractSocket::errorOccurred, this, &MqttClient::onSocketError);
        m_linkConnections << connect(socket, &QAbstractSocket::disconnected, this, &MqttClient::onTransportGone);
    }
}

void MqttClient::sendConnect()
{
    if (m_state != Connecting)
        return;
    if (!send(encodeConnect(m_options)))
        return;
    // Until the CONNACK comes the keep-alive timer also bounds the wait for it.
    const int seconds = m_options.keepAliveSeconds > 0 ? m_options.keepAliveSeconds : 60;
    m_keepAlive.start(seconds * 1000);
}

void MqttClient::disconnectFromHost()
{
    if (m_state == Disconnected)
        return;
    if (m_state == Connected)
        send(encodeDisconnect());
    QAbstractSocket *socket = m_socket;
    for (const QMetaObject::Connection &c : std::as_const(m_linkConnections))
        disconnect(c);
    m_linkConnections.clear();
    m_keepAlive.stop();
    m_socket = nullptr;
    m_transport = m_transportType == IODevice ? m_transport : nullptr;
    if (socket) {
        // Let the DISCONNECT leave before the socket goes.
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromHost();
        if (socket->state() == QAbstractSocket::UnconnectedState)
            socket->deleteLater();
    }
    setState(Disconnected);
}

void MqttClient::dropLink()
{
    for (const QMetaObject::Connection &c : std::as_const(m_linkConnections))
        disconnect(c);
    m_linkConnections.clear();
    m_keepAlive.stop();
    m_reader.reset();
    m_processScheduled = false;
    if (m_socket) {
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    setState(Disconnected);
}

void MqttClient::fail(ClientError error, const QString &text)
{
    m_errorString = text;
    if (m_error != error) {
        m_error = error;
        emit errorChanged(error);
    }
    dropLink();
}

void MqttClient::onSocketError(QAbstractSocket::SocketError)
{
    if (m_state == Disconnected)
        return;
    const QString text = m_socket ? m_socket->errorString() : tr("The connection failed.");
    drainReceived();
    if (m_state != Disconnected)
        fail(TransportInvalid, text);
}

void MqttClient::onTransportGone()
{
    if (m_state == Disconnected)
        return;
    drainReceived();
    if (m_state != Disconnected)
        fail(TransportInvalid, tr("The connection was closed."));
}

void MqttClient::drainReceived()
{
    if (m_state == Disconnected || !m_transport)
        return;
    QPointer<MqttClient> alive(this);
    m_draining = true;
    processPackets();
    if (alive)
        m_draining = false;
}

bool MqttClient::send(const QByteArray &bytes)
{
    if (!m_transport || bytes.isEmpty())
        return false;
    // The link is ending anyway: what was received still counts.
    if (m_draining) {
        m_transport->write(bytes);
        return true;
    }
    // One write per packet: over a WebSocket each write is one message.
    if (m_transport->write(bytes) != bytes.size()) {
        fail(TransportInvalid, tr("Writing to the connection failed."));
        return false;
    }
    return true;
}

quint16 MqttClient::nextPacketId()
{
    do {
        ++m_lastPacketId;
    } while (m_lastPacketId == 0 || m_pendingSubscriptions.contains(m_lastPacketId));
    return m_lastPacketId;
}

void MqttClient::setState(ClientState state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void MqttClient::onReadyRead()
{
    pullBytes();
    processPackets();
}

// Takes bytes from the transport only while little is waiting to be
// handled: the rest stays in the socket, whose full buffer then stops it
// from waking the event loop, so a flood cannot starve timers and painting.
bool MqttClient::pullBytes(bool force)
{
    if (!m_transport || (!force && !m_draining && m_reader.buffered() >= kBacklogBytes))
        return false;
    const QByteArray bytes = m_transport->read(kBacklogBytes);
    if (bytes.isEmpty())
        return false;
    m_receivedSinceTick = true;
    m_reader.feed(bytes);
    return true;
}

// A burst of messages is handled in slices, so the window keeps painting
// and its timers keep running while a busy topic pours in.
void MqttClient::processPackets()
{
    m_processScheduled = false;
    QPointer<MqttClient> alive(this);
    QElapsedTimer budget;
    budget.start();
    Packet p;
    for (;;) {
        if (!m_draining && budget.elapsed() >= kSliceMs) {
            // A real timer, not a posted call: posted calls would run ahead
            // of every timer of the window for as long as the flood lasts.
            if (!m_processScheduled) {
                m_processScheduled = true;
                m_sliceTimer.start();
            }
            return;
        }
        const Reader::Result r = m_reader.next(&p);
        if (r == Reader::Result::NeedMore) {
            // Also past the backlog bound: one packet may be larger.
            if (pullBytes(true))
                continue;
            return;
        }
        if (r == Reader::Result::Malformed || !handlePacket(p)) {
            if (alive && m_state != Disconnected)
                fail(ProtocolViolation, tr("The broker sent a malformed packet."));
            return;
        }
        // A slot behind a signal may have ended the link or the client.
        if (!alive || m_state == Disconnected)
            return;
    }
}

// False when the packet breaks the protocol.
bool MqttClient::handlePacket(const Packet &p)
{
    if (m_state == Connecting) {
        ConnackInfo ack;
        if (!parseConnack(p, &ack))
            return false;
        if (ack.returnCode != 0) {
            static const char *const reasons[] = {
                "",
                QT_TR_NOOP("unacceptable protocol version"),
                QT_TR_NOOP("client identifier rejected"),
                QT_TR_NOOP("server unavailable"),
                QT_TR_NOOP("bad user name or password"),
                QT_TR_NOOP("not authorized"),
            };
            const QString reason = ack.returnCode <= 5 ? tr(reasons[ack.returnCode]) : tr("unknown reason");
            fail(ack.returnCode <= 5 ? ClientError(ack.returnCode) : ProtocolViolation,
                 tr("The broker refused the connection: %1 (code %2).").arg(reason).arg(ack.returnCode));
            return true;
        }
        // Keep-alive 0 asks for no pings at all.
        if (m_options.keepAliveSeconds == 0)
            m_keepAlive.stop();
        setState(Connected);
        return true;
    }

    quint16 id = 0;
    switch (p.type) {
    case Publish: {
        PublishMessage m;
        if (!parsePublish(p, &m))
            return false;
        bool deliver = true;
        if (m.qos == 1) {
            send(encodeAck(Puback, m.packetId));
        } else if (m.qos == 2) {
            // Delivered once at the PUBLISH; a resend before the PUBREL is
            // the same message again.
            deliver = !m_inboundQos2.contains(m.packetId);
            m_inboundQos2.insert(m.packetId);
            send(encodeAck(Pubrec, m.packetId));
        }
        if (deliver && m_state == Connected)
            emit messageReceived(m.payload, MqttTopicName(QString::fromUtf8(m.topic)));
        return true;
    }
    case Pubrel:
        if (!parseAck(p, &id))
            return false;
        m_inboundQos2.remove(id);
        send(encodeAck(Pubcomp, id));
        return true;
    case Pubrec:
        if (!parseAck(p, &id))
            return false;
        send(encodeAck(Pubrel, id));
        return true;
    case Puback:
    case Pubcomp:
    case Unsuback:
        return parseAck(p, &id);
    case Suback: {
        SubackInfo ack;
        if (!parseSuback(p, &ack))
            return false;
        QPointer<MqttSubscription> sub = m_pendingSubscriptions.take(ack.packetId);
        if (sub) {
            const quint8 code = ack.returnCodes.constFirst();
            sub->setAnswer(code == 0x80 ? MqttSubscription::Refused : MqttSubscription::Subscribed,
                           code == 0x80 ? 0 : code);
        }
        return true;
    }
    case Pingresp:
        if (!parsePingresp(p))
            return false;
        m_pingOutstanding = false;
        return true;
    default:
        // CONNACK twice, or a packet only a client sends.
        return false;
    }
}

void MqttClient::onKeepAliveTick()
{
    if (m_state == Connecting) {
        fail(KeepAliveTimeout, tr("The broker did not answer the connection request."));
        return;
    }
    // Traffic still arriving means the broker is alive, even if its
    // PINGRESP queues behind a burst of messages.
    if (m_pingOutstanding && !m_receivedSinceTick) {
        fail(KeepAliveTimeout, tr("The broker stopped answering (keep-alive)."));
        return;
    }
    m_receivedSinceTick = false;
    m_pingOutstanding = true;
    send(encodePingreq());
}

MqttSubscription *MqttClient::subscribe(const MqttTopicFilter &filter, quint8 qos)
{
    if (m_state != Connected || !filter.isValid() || qos > 2)
        return nullptr;
    const quint16 id = nextPacketId();
    auto *sub = new MqttSubscription(filter, id, this);
    if (!send(encodeSubscribe(id, filter.filter().toUtf8(), qos))) {
        sub->deleteLater();
        return nullptr;
    }
    m_pendingSubscriptions.insert(id, sub);
    return sub;
}

qint32 MqttClient::publish(const MqttTopicName &topic, const QByteArray &message, quint8 qos, bool retain)
{
    if (m_state != Connected || !topic.isValid() || qos > 2)
        return -1;
    const quint16 id = qos > 0 ? nextPacketId() : 0;
    const QByteArray bytes = encodePublish(topic.name().toUtf8(), message, qos, retain, id);
    if (!send(bytes))
        return -1;
    return id;
}
