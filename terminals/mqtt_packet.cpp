#include "terminals/mqtt_packet.h"

namespace MqttPacket {

namespace {

void appendU16(QByteArray *out, quint16 v)
{
    out->append(char(v >> 8));
    out->append(char(v & 0xff));
}

quint16 u16At(const QByteArray &b, qsizetype at)
{
    return quint16((quint8(b.at(at)) << 8) | quint8(b.at(at + 1)));
}

QByteArray packet(quint8 firstByte, const QByteArray &body)
{
    QByteArray out;
    out.reserve(body.size() + 5);
    out.append(char(firstByte));
    out.append(encodeRemainingLength(quint32(body.size())));
    out.append(body);
    return out;
}

} // namespace

QByteArray encodeRemainingLength(quint32 length)
{
    QByteArray out;
    if (length > kMaxRemainingLength)
        return out;
    do {
        quint8 digit = length % 128;
        length /= 128;
        if (length > 0)
            digit |= 0x80;
        out.append(char(digit));
    } while (length > 0);
    return out;
}

QByteArray encodeString(const QByteArray &utf8)
{
    QByteArray out;
    if (utf8.size() > 0xffff)
        return out;
    appendU16(&out, quint16(utf8.size()));
    out.append(utf8);
    return out;
}

QByteArray encodeConnect(const ConnectOptions &o)
{
    const bool v31 = o.protocolLevel == 3;
    QByteArray body = encodeString(v31 ? QByteArrayLiteral("MQIsdp") : QByteArrayLiteral("MQTT"));
    body.append(char(v31 ? 3 : 4));
    const bool hasUser = !o.userName.isEmpty();
    // A password only travels with a user name.
    const bool hasPassword = hasUser && !o.password.isEmpty();
    quint8 flags = 0;
    if (hasUser)
        flags |= 0x80;
    if (hasPassword)
        flags |= 0x40;
    if (o.cleanSession)
        flags |= 0x02;
    body.append(char(flags));
    appendU16(&body, o.keepAliveSeconds);
    body.append(encodeString(o.clientId.toUtf8()));
    if (hasUser)
        body.append(encodeString(o.userName.toUtf8()));
    if (hasPassword)
        body.append(encodeString(o.password));
    return packet(Connect << 4, body);
}

QByteArray encodePublish(const QByteArray &topic, const QByteArray &payload, quint8 qos, bool retain, quint16 packetId)
{
    QByteArray body = encodeString(topic);
    if (qos > 0)
        appendU16(&body, packetId);
    body.append(payload);
    if (quint64(body.size()) > kMaxRemainingLength)
        return {};
    return packet(quint8((Publish << 4) | ((qos & 3) << 1) | (retain ? 1 : 0)), body);
}

QByteArray encodeSubscribe(quint16 packetId, const QByteArray &filter, quint8 qos)
{
    QByteArray body;
    appendU16(&body, packetId);
    body.append(encodeString(filter));
    body.append(char(qos & 3));
    return packet((Subscribe << 4) | 0x02, body);
}

QByteArray encodeAck(Type type, quint16 packetId)
{
    QByteArray body;
    appendU16(&body, packetId);
    return packet(quint8((type << 4) | (type == Pubrel ? 0x02 : 0)), body);
}

QByteArray encodePingreq()
{
    return packet(Pingreq << 4, {});
}

QByteArray encodeDisconnect()
{
    return packet(Disconnect << 4, {});
}

bool parseConnack(const Packet &p, ConnackInfo *out)
{
    if (p.type != Connack || p.flags != 0 || p.body.size() != 2 || (quint8(p.body.at(0)) & 0xfe) != 0)
        return false;
    out->sessionPresent = p.body.at(0) & 1;
    out->returnCode = quint8(p.body.at(1));
    return true;
}

bool parsePublish(const Packet &p, PublishMessage *out)
{
    if (p.type != Publish)
        return false;
    const quint8 qos = (p.flags >> 1) & 3;
    if (qos == 3 || p.body.size() < 2)
        return false;
    const quint16 topicLength = u16At(p.body, 0);
    qsizetype at = 2 + topicLength;
    if (topicLength == 0 || at > p.body.size())
        return false;
    out->topic = p.body.mid(2, topicLength);
    // Wildcards and NUL never belong in a topic name.
    if (out->topic.contains('+') || out->topic.contains('#') || out->topic.contains('\0'))
        return false;
    out->packetId = 0;
    if (qos > 0) {
        if (at + 2 > p.body.size())
            return false;
        out->packetId = u16At(p.body, at);
        if (out->packetId == 0)
            return false;
        at += 2;
    }
    out->payload = p.body.mid(at);
    out->qos = qos;
    out->retain = p.flags & 1;
    out->dup = p.flags & 8;
    return true;
}

bool parseSuback(const Packet &p, SubackInfo *out)
{
    if (p.type != Suback || p.flags != 0 || p.body.size() < 3)
        return false;
    out->packetId = u16At(p.body, 0);
    out->returnCodes.clear();
    for (qsizetype i = 2; i < p.body.size(); ++i) {
        const quint8 code = quint8(p.body.at(i));
        if (code > 2 && code != 0x80)
            return false;
        out->returnCodes.append(code);
    }
    return true;
}

bool parseAck(const Packet &p, quint16 *packetId)
{
    const bool ackType = p.type == Puback || p.type == Pubrec || p.type == Pubrel || p.type == Pubcomp
                         || p.type == Unsuback;
    if (!ackType || p.flags != (p.type == Pubrel ? 0x02 : 0) || p.body.size() != 2)
        return false;
    *packetId = u16At(p.body, 0);
    return true;
}

bool parsePingresp(const Packet &p)
{
    return p.type == Pingresp && p.flags == 0 && p.body.isEmpty();
}

void Reader::feed(const QByteArray &bytes)
{
    if (m_broken)
        return;
    // Drop what was already handed out before the buffer grows again.
    if (m_pos > 0 && (m_pos == m_buffer.size() || m_pos > 65536)) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(bytes);
}

Reader::Result Reader::next(Packet *out)
{
    if (m_broken)
        return Result::Malformed;
    const qsizetype avail = m_buffer.size() - m_pos;
    if (avail < 2)
        return Result::NeedMore;
    const char *d = m_buffer.constData() + m_pos;
    quint32 length = 0;
    int lengthBytes = 0;
    for (;;) {
        if (lengthBytes == 4) {
            m_broken = true;
            return Result::Malformed;
        }
        if (1 + lengthBytes >= avail)
            return Result::NeedMore;
        const quint8 digit = quint8(d[1 + lengthBytes]);
        length |= quint32(digit & 0x7f) << (7 * lengthBytes);
        ++lengthBytes;
        if (!(digit & 0x80))
            break;
    }
    // A length written longer than needed (a trailing zero digit) is not
    // the protocol's encoding.
    if (lengthBytes > 1 && quint8(d[lengthBytes]) == 0) {
        m_broken = true;
        return Result::Malformed;
    }
    const quint8 type = quint8(d[0]) >> 4;
    if (type == 0 || type == 15) {
        m_broken = true;
        return Result::Malformed;
    }
    const qsizetype total = 1 + lengthBytes + qsizetype(length);
    if (avail < total)
        return Result::NeedMore;
    out->type = type;
    out->flags = quint8(d[0]) & 0x0f;
    out->body = m_buffer.mid(m_pos + 1 + lengthBytes, length);
    m_pos += total;
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    }
    return Result::Packet;
}

void Reader::reset()
{
    m_buffer.clear();
    m_pos = 0;
    m_broken = false;
}

} // namespace MqttPacket
