#include "terminals/websocket_iodevice.h"

#include <QWebSocketHandshakeOptions>

#include <cstring>

WebSocketIODevice::WebSocketIODevice(QObject *parent)
    : QIODevice(parent)
    , socket(QString(), QWebSocketProtocol::Version13, nullptr)
{
    connect(&socket, &QWebSocket::connected, this, &WebSocketIODevice::onSocketConnected);
    connect(&socket, &QWebSocket::binaryMessageReceived, this, &WebSocketIODevice::handleBinaryMessage);
}

bool WebSocketIODevice::isSequential() const
{
    return true;
}

bool WebSocketIODevice::open(QIODevice::OpenMode mode)
{
    QWebSocketHandshakeOptions options;
    options.setSubprotocols({QString::fromUtf8(protocol)});
    if (useSsl)
        socket.setSslConfiguration(sslConfiguration);
    socket.open(url, options);
    return QIODevice::open(mode);
}

void WebSocketIODevice::close()
{
    socket.close(QWebSocketProtocol::CloseCodeNormal, QString());
    QIODevice::close();
}

qint64 WebSocketIODevice::bytesAvailable() const
{
    return buffer.size() + QIODevice::bytesAvailable();
}

void WebSocketIODevice::onSocketConnected()
{
    emit socketConnected();
}

void WebSocketIODevice::handleBinaryMessage(const QByteArray &msg)
{
    buffer.append(msg);
    emit readyRead();
}

qint64 WebSocketIODevice::readData(char *data, qint64 maxSize)
{
    const qint64 n = qMin(qint64(buffer.size()), maxSize);
    if (n <= 0)
        return 0;
    std::memcpy(data, buffer.constData(), size_t(n));
    buffer.remove(0, n);
    return n;
}

qint64 WebSocketIODevice::writeData(const char *data, qint64 len)
{
    return socket.sendBinaryMessage(QByteArray(data, len));
}
