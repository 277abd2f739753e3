#ifndef WEBSOCKET_IODEVICE_H
#define WEBSOCKET_IODEVICE_H

#include <QByteArray>
#include <QIODevice>
#include <QSslConfiguration>
#include <QUrl>
#include <QWebSocket>

// A byte device whose bytes travel as WebSocket binary messages, so the MQTT
// client can run over "ws://" and "wss://".  Each write is one message;
// received messages are read back as one continuous stream.
class WebSocketIODevice : public QIODevice
{
    Q_OBJECT
public:
    explicit WebSocketIODevice(QObject *parent = nullptr);

    void setUrl(const QUrl &url) { this->url = url; }
    void setProtocol(const QByteArray &protocol) { this->protocol = protocol; }
    void setSslConfiguration(const QSslConfiguration &configuration) { sslConfiguration = configuration; }

    bool isSequential() const override;
    // Starts the handshake and counts as open at once; users wait for
    // socketConnected().
    bool open(QIODevice::OpenMode mode) override;
    void close() override;
    qint64 bytesAvailable() const override;

    QWebSocket socket;
    // When set, open() hands sslConfiguration to the socket first.
    bool useSsl = false;

signals:
    void socketConnected();

public slots:
    void handleBinaryMessage(const QByteArray &msg);
    void onSocketConnected();

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 len) override;

private:
    QByteArray protocol;
    QByteArray buffer;
    QSslConfiguration sslConfiguration;
    QUrl url;
};

#endif // WEBSOCKET_IODEVICE_H
