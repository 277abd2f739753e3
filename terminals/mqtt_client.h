#ifndef MQTT_CLIENT_H
#define MQTT_CLIENT_H

#include "terminals/mqtt_packet.h"
#include "terminals/mqtt_subscription.h"
#include "terminals/mqtt_topic_filter.h"
#include "terminals/mqtt_topic_name.h"

#include <QAbstractSocket>
#include <QHash>
#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QTimer>

class QSslConfiguration;

// An MQTT 3.1 / 3.1.1 client over TCP, TLS or any open byte device (the
// WebSocket device): connect with credentials, keep the link alive, subscribe,
// publish, and take in messages of every QoS so the broker never waits on us.
class MqttClient : public QObject
{
    Q_OBJECT
public:
    enum TransportType { IODevice, AbstractSocket, SecureSocket };
    enum ClientState { Disconnected, Connecting, Connected };
    Q_ENUM(ClientState)
    enum ProtocolVersion { MQTT_3_1 = 3, MQTT_3_1_1 = 4 };
    // 1 to 5 are the broker's own CONNACK return codes.
    enum ClientError {
        NoError = 0,
        InvalidProtocolVersion = 1,
        IdRejected = 2,
        ServerUnavailable = 3,
        BadUsernameOrPassword = 4,
        NotAuthorized = 5,
        TransportInvalid = 256,
        ProtocolViolation,
        KeepAliveTimeout,
    };
    Q_ENUM(ClientError)

    explicit MqttClient(QObject *parent = nullptr);
    ~MqttClient() override;

    void setHostname(const QString &host) { m_host = host; }
    QString hostname() const { return m_host; }
    void setPort(quint16 port) { m_port = port; }
    quint16 port() const { return m_port; }
    void setClientId(const QString &id) { m_options.clientId = id; }
    QString clientId() const { return m_options.clientId; }
    void setUsername(const QString &name) { m_options.userName = name; }
    QString username() const { return m_options.userName; }
    // Sent as UTF-8.
    void setPassword(const QString &password) { m_options.password = password.toUtf8(); }
    void setProtocolVersion(ProtocolVersion version) { m_options.protocolLevel = version; }
    ProtocolVersion protocolVersion() const { return ProtocolVersion(m_options.protocolLevel); }
    void setKeepAlive(quint16 seconds) { m_options.keepAliveSeconds = seconds; }
    quint16 keepAlive() const { return m_options.keepAliveSeconds; }
    void setCleanSession(bool clean) { m_options.cleanSession = clean; }
    bool cleanSession() const { return m_options.cleanSession; }
    // An already open device that carries the bytes (type IODevice); the
    // client reads and writes it but neither opens nor closes it.
    void setTransport(QIODevice *device, TransportType type);
    QIODevice *transport() const { return m_transport; }

    void connectToHost();
    void connectToHostEncrypted(const QSslConfiguration &configuration);
    void disconnectFromHost();

    // Hands out at once every whole message already received, however
    // many: for a link that is about to end.
    void drainReceived();

    ClientState state() const { return m_state; }
    ClientError error() const { return m_error; }
    // Why the last link ended or was refused, for the user.
    QString errorString() const { return m_errorString; }

    // Null when not connected or the filter is invalid.  The subscription is
    // a child of the client; it turns Subscribed or Refused with the SUBACK.
    MqttSubscription *subscribe(const MqttTopicFilter &filter, quint8 qos = 0);
    // The packet identifier (0 for QoS 0), or -1 when nothing was sent.
    qint32 publish(const MqttTopicName &topic, const QByteArray &message = {}, quint8 qos = 0, bool retain = false);

signals:
    void stateChanged(MqttClient::ClientState state);
    void errorChanged(MqttClient::ClientError error);
    void messageReceived(const QByteArray &message, const MqttTopicName &topic);

private:
    void startLink(QIODevice *device);
    void sendConnect();
    void onReadyRead();
    void processPackets();
    bool pullBytes(bool force = false);
    bool handlePacket(const MqttPacket::Packet &p);
    void onKeepAliveTick();
    void onSocketError(QAbstractSocket::SocketError error);
    void onTransportGone();
    bool send(const QByteArray &bytes);
    quint16 nextPacketId();
    void setState(ClientState state);
    void fail(ClientError error, const QString &text);
    // Cuts the link without a word to the broker.
    void dropLink();

    QString m_host;
    quint16 m_port = 1883;
    MqttPacket::ConnectOptions m_options;
    QPointer<QIODevice> m_transport;
    TransportType m_transportType = AbstractSocket;
    QAbstractSocket *m_socket = nullptr; // owned, when the client made the link itself
    QList<QMetaObject::Connection> m_linkConnections;
    MqttPacket::Reader m_reader;
    ClientState m_state = Disconnected;
    ClientError m_error = NoError;
    QString m_errorString;
    QTimer m_keepAlive;
    bool m_processScheduled = false;
    bool m_draining = false;
    QTimer m_sliceTimer;
    static constexpr qint64 kSliceMs = 8;
    static constexpr qint64 kBacklogBytes = 256 * 1024;
    bool m_pingOutstanding = false;
    bool m_receivedSinceTick = false;
    quint16 m_lastPacketId = 0;
    QHash<quint16, QPointer<MqttSubscription>> m_pendingSubscriptions;
    // QoS 2 messages delivered and awaiting the broker's PUBREL.
    QSet<quint16> m_inboundQos2;
};

#endif // MQTT_CLIENT_H
