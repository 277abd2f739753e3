// Our MQTT client against a real mosquitto on all four transports and a
// frozen broker, and against a scripted broker for refusals, split packets,
// big bursts and garbage.  Credentials and link ends: tst_mqtt_panel.
#include "terminals/mqtt_client.h"
#include "terminals/websocket_iodevice.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/mosquitto_broker.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWebSocketServer>
#include <QtTest>

using namespace kesptest;
using MqttPacket::encodePublish;

namespace {

QSslConfiguration trusting()
{
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
    return ssl;
}

struct Received
{
    QList<QPair<QString, QByteArray>> messages;
    explicit Received(MqttClient &c)
    {
        QObject::connect(&c, &MqttClient::messageReceived, &c,
                         [this](const QByteArray &m, const MqttTopicName &t) { messages << qMakePair(t.name(), m); });
    }
};

} // namespace

class MqttClientTest : public QObject
{
    Q_OBJECT

    // Connects `c` through the transport named by `scheme`; the WebSocket
    // device, when used, is returned for the caller to keep.
    static std::unique_ptr<WebSocketIODevice> start(MqttClient &c, const MosquittoBroker &b, const QString &scheme)
    {
        c.setHostname("127.0.0.1");
        if (scheme == "mqtt") {
            c.setPort(b.tcpPort());
            c.connectToHost();
        } else if (scheme == "mqtts") {
            c.setPort(b.tlsPort());
            c.connectToHostEncrypted(trusting());
        } else {
            auto dev = std::make_unique<WebSocketIODevice>();
            const quint16 port = scheme == "ws" ? b.wsPort() : b.wssPort();
            dev->setUrl(QUrl(QStringLiteral("%1://127.0.0.1:%2/").arg(scheme).arg(port)));
            dev->setProtocol("mqttv3.1");
            if (scheme == "wss") {
                dev->setSslConfiguration(trusting());
                dev->useSsl = true;
            }
            bool up = false;
            QObject::connect(dev.get(), &WebSocketIODevice::socketConnected, [&up] { up = true; });
            dev->open(QIODevice::ReadWrite);
            if (!waitFor([&] { return up; }))
                return dev;
            c.setProtocolVersion(MqttClient::MQTT_3_1);
            c.setTransport(dev.get(), MqttClient::IODevice);
            c.connectToHost();
            return dev;
        }
        return nullptr;
    }

private slots:
    void transports_data()
    {
        QTest::addColumn<QString>("scheme");
        for (const char *s : {"mqtt", "mqtts", "ws", "wss"})
            QTest::newRow(s) << QString::fromLatin1(s);
    }

    // Connect, subscribe, take messages of every QoS exactly once (the broker
    // must never stall on a missing answer), publish to a second client.
    void transports()
    {
        QFETCH(QString, scheme);
        MosquittoBroker broker;
        QVERIFY2(broker.isReady(), qPrintable(broker.failure()));
        MqttClient c;
        c.setClientId("kesp-" + scheme);
        Received got(c);
        auto dev = start(c, broker, scheme);
        QVERIFY(waitFor([&] { return c.state() == MqttClient::Connected; }));

        MqttSubscription *sub = c.subscribe(MqttTopicFilter("in/#"));
        QVERIFY(sub);
        QVERIFY(waitFor([&] { return sub->state() == MqttSubscription::Subscribed; }));
        QVERIFY(!c.subscribe(MqttTopicFilter("in/#/x")));

        for (const char *qos : {"0", "1", "2"})
            QVERIFY(broker.publish(QStringLiteral("in/q") + qos, QByteArray("m") + qos, {"-q", qos}));
        QVERIFY(waitFor([&] { return got.messages.size() >= 3; }));
        spin(300);
        QCOMPARE(got.messages.size(), 3);
        QCOMPARE(got.messages[2], qMakePair(QStringLiteral("in/q2"), QByteArray("m2")));

        MosquittoBroker::Subscriber peer(broker, "out/#");
        QVERIFY(peer.isReady());
        QCOMPARE(c.publish(MqttTopicName("out/x"), "h\xc3\xa9llo"), 0);
        QCOMPARE(c.publish(MqttTopicName("out/+"), "bad"), -1);
        QCOMPARE(peer.lines(1), QStringList{QStringLiteral("out/x h\u00e9llo")});

        c.disconnectFromHost();
        QCOMPARE(c.state(), MqttClient::Disconnected);
        QCOMPARE(c.error(), MqttClient::NoError);
    }

    // A broker that freezes (SIGSTOP) with its sockets open is noticed by
    // the keep-alive within a few seconds.
    void frozenBroker()
    {
        MosquittoBroker broker;
        QVERIFY2(broker.isReady(), qPrintable(broker.failure()));
        MqttClient frozen;
        frozen.setHostname("127.0.0.1");
        frozen.setPort(broker.tcpPort());
        frozen.setKeepAlive(2);
        frozen.connectToHost();
        QVERIFY(waitFor([&] { return frozen.state() == MqttClient::Connected; }));
        broker.pause();
        QElapsedTimer t;
        t.start();
        QVERIFY(waitFor([&] { return frozen.state() == MqttClient::Disconnected; }, 8000));
        QVERIFY(t.elapsed() <= kesptest::bound(6000));
        QCOMPARE(frozen.error(), MqttClient::KeepAliveTimeout);
        broker.resume();
    }

    // A scripted broker: CONNACK split over two writes, a refused
    // subscription, a QoS 1 message joined with a PINGRESP in one write
    // (answered with PUBACK), then garbage, which drops the link.
    void scriptedBroker()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        MqttClient c;
        c.setHostname("127.0.0.1");
        c.setPort(server.serverPort());
        Received got(c);
        c.connectToHost();
        QVERIFY(waitFor([&] { return server.hasPendingConnections(); }));
        QTcpSocket *peer = server.nextPendingConnection();
        QByteArray in;
        auto readUntil = [&](int n) {
            return waitFor([&] {
                in += peer->readAll();
                return in.size() >= n;
            });
        };
        QVERIFY(readUntil(2));
        QVERIFY(readUntil(2 + quint8(in.at(1))));
        QCOMPARE(quint8(in.at(0)), quint8(0x10));
        in.clear();
        peer->write(QByteArray::fromHex("2002"));
        peer->flush();
        spin(50);
        QCOMPARE(c.state(), MqttClient::Connecting);
        peer->write(QByteArray::fromHex("0000"));
        QVERIFY(waitFor([&] { return c.state() == MqttClient::Connected; }));

        MqttSubscription *sub = c.subscribe(MqttTopicFilter("x"));
        QVERIFY(sub && readUntil(8));
        const QByteArray id = in.mid(2, 2);
        in.clear();
        peer->write(QByteArray::fromHex("9003") + id + QByteArray::fromHex("80"));
        QVERIFY(waitFor([&] { return sub->state() == MqttSubscription::Refused; }));

        peer->write(QByteArray::fromHex("32070001740abc") + "hi" + QByteArray::fromHex("d000"));
        QVERIFY(readUntil(4));
        QCOMPARE(in.left(4).toHex(), QByteArray("40020abc"));
        QCOMPARE(got.messages.size(), 1);
        QCOMPARE(got.messages[0].second, QByteArray("hi"));

        peer->write(QByteArray::fromHex("3f00ff"));
        QVERIFY(waitFor([&] { return c.state() == MqttClient::Disconnected; }));
        QCOMPARE(c.error(), MqttClient::ProtocolViolation);
        QVERIFY(waitFor([&] { return peer->state() != QAbstractSocket::ConnectedState; }));
    }

    // A payload far beyond the read bound arrives whole, and a burst the
    // broker sends just before it closes is delivered in full before the
    // client reports the end.
    void bigPayloadAndBurstBeforeClose()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        MqttClient c;
        c.setHostname("127.0.0.1");
        c.setPort(server.serverPort());
        Received got(c);
        QList<MqttClient::ClientState> states;
        connect(&c, &MqttClient::stateChanged, this, [&](MqttClient::ClientState s) {
            states << s;
            if (s == MqttClient::Disconnected)
                QCOMPARE(got.messages.size(), 20001);
        });
        c.connectToHost();
        QVERIFY(waitFor([&] { return server.hasPendingConnections(); }));
        QTcpSocket *peer = server.nextPendingConnection();
        peer->write(QByteArray::fromHex("20020000"));
        QVERIFY(waitFor([&] { return c.state() == MqttClient::Connected; }));

        const QByteArray big(3 * 1024 * 1024, 'B');
        QByteArray burst = encodePublish("big", big, 0, false, 0);
        for (int i = 0; i < 20000; ++i)
            burst += encodePublish("n", QByteArray::number(i), 0, false, 0);
        peer->write(burst);
        peer->disconnectFromHost();
        QVERIFY(waitFor([&] { return c.state() == MqttClient::Disconnected; }, 20000));
        QCOMPARE(got.messages.size(), 20001);
        QCOMPARE(got.messages[0].second.size(), big.size());
        QCOMPARE(got.messages.last().second, QByteArray("19999"));
        QCOMPARE(states.count(MqttClient::Disconnected), 1);
    }

    // The device's byte stream over a WebSocket: messages joined, partial
    // reads, text messages ignored, one write is one message.
    void webSocketDevice()
    {
        QWebSocketServer server("kesp", QWebSocketServer::NonSecureMode);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QWebSocket *peer = nullptr;
        QList<QByteArray> fromDevice;
        connect(&server, &QWebSocketServer::newConnection, this, [&] {
            peer = server.nextPendingConnection();
            connect(peer, &QWebSocket::binaryMessageReceived, this, [&](const QByteArray &m) { fromDevice << m; });
        });
        WebSocketIODevice dev;
        dev.setUrl(QUrl(QStringLiteral("ws://127.0.0.1:%1/").arg(server.serverPort())));
        dev.setProtocol("mqttv3.1");
        dev.setSslConfiguration(trusting()); // not applied: useSsl stays false
        QVERIFY(dev.open(QIODevice::ReadWrite));
        QVERIFY(dev.isSequential());
        QVERIFY(waitFor([&] { return peer && dev.socket.state() == QAbstractSocket::ConnectedState; }));

        peer->sendBinaryMessage("abc");
        peer->sendTextMessage("ignored");
        peer->sendBinaryMessage("defg");
        QVERIFY(waitFor([&] { return dev.bytesAvailable() == 7; }));
        QCOMPARE(dev.read(2), QByteArray("ab"));
        QCOMPARE(dev.readAll(), QByteArray("cdefg"));
        QCOMPARE(dev.bytesAvailable(), qint64(0));

        dev.write("one");
        dev.write("two");
        QVERIFY(waitFor([&] { return fromDevice.size() == 2; }));
        QCOMPARE(fromDevice, (QList<QByteArray>{"one", "two"}));
        dev.close();
        QVERIFY(!dev.isOpen());
    }
};

KESP_TEST_GUILESS_MAIN(MqttClientTest)
#include "tst_mqtt_client.moc"
