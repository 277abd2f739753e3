#ifndef MQTT_PACKET_H
#define MQTT_PACKET_H

#include <QByteArray>
#include <QList>
#include <QString>

// MQTT 3.1 / 3.1.1 control packets as bytes: what the client sends is built
// here, and what the broker sends is cut out of the byte stream and checked
// here.  No sockets, no timers: the client feeds bytes in and gets packets
// or a verdict back.
namespace MqttPacket {

enum Type : quint8 {
    Connect = 1,
    Connack = 2,
    Publish = 3,
    Puback = 4,
    Pubrec = 5,
    Pubrel = 6,
    Pubcomp = 7,
    Subscribe = 8,
    Suback = 9,
    Unsubscribe = 10,
    Unsuback = 11,
    Pingreq = 12,
    Pingresp = 13,
    Disconnect = 14,
};

// The largest remaining length four length bytes can carry.
constexpr quint32 kMaxRemainingLength = 268435455;

// One control packet: the first byte split into type and flags, and the
// bytes after the remaining-length field.
struct Packet
{
    quint8 type = 0;
    quint8 flags = 0;
    QByteArray body;
};

struct ConnectOptions
{
    int protocolLevel = 4; // 3: MQTT 3.1 ("MQIsdp"), 4: MQTT 3.1.1 ("MQTT")
    QString clientId;
    QString userName;
    QByteArray password; // sent as given
    quint16 keepAliveSeconds = 60;
    bool cleanSession = true;
};

struct ConnackInfo
{
    bool sessionPresent = false;
    quint8 returnCode = 0;
};

struct PublishMessage
{
    QByteArray topic; // UTF-8 as received
    QByteArray payload;
    quint8 qos = 0;
    bool retain = false;
    bool dup = false;
    quint16 packetId = 0; // only for QoS 1 and 2
};

struct SubackInfo
{
    quint16 packetId = 0;
    QList<quint8> returnCodes;
};

// Remaining length as 1 to 4 bytes (7 bits each, low first).
[[nodiscard]] QByteArray encodeRemainingLength(quint32 length);

[[nodiscard]] QByteArray encodeConnect(const ConnectOptions &options);
[[nodiscard]] QByteArray encodePublish(const QByteArray &topic, const QByteArray &payload, quint8 qos, bool retain,
                                       quint16 packetId);
[[nodiscard]] QByteArray encodeSubscribe(quint16 packetId, const QByteArray &filter, quint8 qos);
// PUBACK, PUBREC, PUBREL, PUBCOMP: a packet identifier and nothing else.
[[nodiscard]] QByteArray encodeAck(Type type, quint16 packetId);
[[nodiscard]] QByteArray encodePingreq();
[[nodiscard]] QByteArray encodeDisconnect();

// Length-prefixed string as the protocol writes it; empty when the text is
// longer than 65535 bytes.
[[nodiscard]] QByteArray encodeString(const QByteArray &utf8);

// Checks of a packet the broker sent; false for anything malformed.
[[nodiscard]] bool parseConnack(const Packet &p, ConnackInfo *out);
[[nodiscard]] bool parsePublish(const Packet &p, PublishMessage *out);
[[nodiscard]] bool parseSuback(const Packet &p, SubackInfo *out);
// PUBACK, PUBREC, PUBREL, PUBCOMP, UNSUBACK.
[[nodiscard]] bool parseAck(const Packet &p, quint16 *packetId);
[[nodiscard]] bool parsePingresp(const Packet &p);

// Cuts packets out of a byte stream that may split or join them anywhere.
class Reader
{
public:
    enum class Result { NeedMore, Packet, Malformed };

    void feed(const QByteArray &bytes);
    // Takes the next whole packet out of the buffer.  After Malformed the
    // stream cannot be trusted again: every later call says Malformed.
    Result next(Packet *out);
    void reset();
    qsizetype buffered() const { return m_buffer.size() - m_pos; }

private:
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_broken = false;
};

} // namespace MqttPacket

#endif // MQTT_PACKET_H
