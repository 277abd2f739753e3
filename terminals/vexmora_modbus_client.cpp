#include "terminals/vexmora_modbus_client.h"

#include <QList>
#include <QMap>

namespace {

// Shared by every codec object: a device sees one sequence per program run.
quint16 transactionCounter = 0;

void appendWord(QByteArray &out, int value)
{
    out.append(char((value >> 8) & 0xFF));
    out.append(char(value & 0xFF));
}

int wordAt(const QByteArray &bytes, int offset)
{
    return (quint8(bytes.at(offset)) << 8) | quint8(bytes.at(offset + 1));
}

} // namespace

Vexmora_ModbusClient::Vexmora_ModbusClient(QObject *parent)
    : QObject(parent)
{
}

QVariant Vexmora_ModbusClient::fail(const QString &error)
{
    emit errorOccurred(error);
    return QVariant();
}

quint16 Vexmora_ModbusClient::calculateCRC(const QByteArray &bytes)
{
    quint16 crc = 0xFFFF;
    for (char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            const bool out = crc & 1;
            crc >>= 1;
            if (out)
                crc ^= 0xA001;
        }
    }
    return crc;
}

QByteArray Vexmora_ModbusClient::generateRequest(int unit, FunctionCode code, int startAddress, int quantity,
                                                 Vexmora_ModBus_Mode mode, QByteArray data)
{
    const bool tcp = mode != Vexmora_ModBus_Mode::RTU;
    QByteArray frame;
    if (tcp) {
        appendWord(frame, transactionCounter);
        ++transactionCounter;
        frame.append(4, '\0'); // protocol identifier, length filled in below
    }
    frame.append(char(unit & 0xFF));
    frame.append(char(int(code) & 0xFF));
    appendWord(frame, startAddress);

    switch (code) {
    case ReadCoils:
    case ReadDiscreteInputs:
    case ReadHoldingRegisters:
    case ReadInputRegisters:
        appendWord(frame, quantity);
        break;
    case WriteSingleCoil:
        if (!data.isEmpty() && data.at(0) != 0)
            frame.append("\xFF\x00", 2);
        else
            frame.append(2, '\0');
        break;
    case WriteSingleRegister:
        // Missing bytes of the value are sent as zero.
        frame.append(data.size() > 0 ? data.at(0) : '\0');
        frame.append(data.size() > 1 ? data.at(1) : '\0');
        break;
    case WriteMultipleCoils:
    case WriteMultipleRegisters:
        appendWord(frame, quantity);
        frame.append(char(data.size() & 0xFF));
        frame.append(data);
        break;
    case MaskWriteRegister:
        appendWord(frame, quantity);
        frame.append(char((data.size() / 2) & 0xFF));
        frame.append(data);
        break;
    default:
        emit errorOccurred(tr("Unsupported function code"));
        return QByteArray();
    }

    if (tcp) {
        const int length = (frame.size() - 6) & 0xFFFF;
        frame[4] = char(length >> 8);
        frame[5] = char(length & 0xFF);
    } else {
        const quint16 crc = calculateCRC(frame);
        frame.append(char(crc & 0xFF));
        frame.append(char(crc >> 8));
    }
    return frame;
}

// Every field is checked to be present before it is read: a short or
// truncated reply is reported, never read past its end.
QVariant Vexmora_ModbusClient::parseResponse(FunctionCode code, const QByteArray &reply, Vexmora_ModBus_Mode mode)
{
    if (reply.isEmpty())
        return fail(tr("Empty response received"));

    QByteArray pdu;
    if (mode != Vexmora_ModBus_Mode::RTU) {
        if (reply.size() < 6)
            return fail(tr("Invalid length in response"));
        if (reply.at(2) != 0 || reply.at(3) != 0)
            return fail(tr("Invalid protocol ID in response"));
        if (wordAt(reply, 4) != reply.size() - 6)
            return fail(tr("Invalid length in response"));
        pdu = reply.mid(6);
    } else {
        if (reply.size() < 2)
            return fail(tr("Invalid length in response"));
        pdu = reply.left(reply.size() - 2);
        const quint16 received = quint8(reply.at(reply.size() - 2)) | (quint8(reply.at(reply.size() - 1)) << 8);
        if (calculateCRC(pdu) != received)
            return fail(tr("Invalid CRC in response"));
    }

    if (pdu.size() < 2)
        return fail(tr("Invalid length in response"));
    const quint8 function = quint8(pdu.at(1));
    if (function != quint8(int(code) & 0xFF)) {
        if (function & 0x80) {
            if (pdu.size() < 3)
                return fail(tr("Invalid length in response"));
            return fail(tr("Modbus exception response: %1").arg(quint8(pdu.at(2))));
        }
        return fail(tr("Unexpected function code in response"));
    }

    const int code_ = int(code);
    if (code_ <= 4 || code_ == MaskWriteRegister) {
        if (pdu.size() < 3)
            return fail(tr("Invalid length in response"));
    }
    const int byteCount = pdu.size() >= 3 ? quint8(pdu.at(2)) : 0;
    if (code_ <= 4 && byteCount != pdu.size() - 3)
        return fail(tr("Invalid byte count in response"));

    switch (code) {
    case ReadCoils:
    case ReadDiscreteInputs: {
        QList<bool> bits;
        bits.reserve(byteCount * 8);
        for (int i = 0; i < byteCount; ++i) {
            const quint8 byte = quint8(pdu.at(3 + i));
            for (int bit = 0; bit < 8; ++bit)
                bits.append((byte >> bit) & 1);
        }
        return QVariant::fromValue(bits);
    }
    case ReadHoldingRegisters:
    case ReadInputRegisters:
    case MaskWriteRegister: {
        if (byteCount % 2 != 0 || byteCount > pdu.size() - 3)
            return fail(tr("Invalid byte count in response"));
        QList<unsigned short> values;
        values.reserve(byteCount / 2);
        for (int i = 0; i < byteCount; i += 2)
            values.append(static_cast<unsigned short>(wordAt(pdu, 3 + i)));
        return QVariant::fromValue(values);
    }
    case WriteSingleCoil:
    case WriteSingleRegister:
    case WriteMultipleCoils:
    case WriteMultipleRegisters: {
        if (pdu.size() < 6)
            return fail(tr("Invalid length in response"));
        QMap<QString, QVariant> echo;
        echo.insert(QStringLiteral("StartAddress"), wordAt(pdu, 2));
        echo.insert(QStringLiteral("Quantity"), wordAt(pdu, 4));
        return echo;
    }
    default:
        return fail(tr("Unsupported function code"));
    }
}
