#ifndef VEXMORA_MODBUS_CLIENT_H
#define VEXMORA_MODBUS_CLIENT_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QVariant>

// Transport framing of a request: serial line with CRC-16, or MBAP header.
// Any value other than RTU is framed as TCP.
enum class Vexmora_ModBus_Mode : int { RTU = 0, TCP = 1 };

// Modbus master codec: builds request frames and decodes reply frames.  It
// owns no link; every fault is reported as one text on errorOccurred.
class Vexmora_ModbusClient : public QObject
{
    Q_OBJECT

public:
    // Fixed underlying type: callers may pass any code, known or not.
    enum FunctionCode : int {
        ReadCoils = 1,
        ReadDiscreteInputs = 2,
        ReadHoldingRegisters = 3,
        ReadInputRegisters = 4,
        WriteSingleCoil = 5,
        WriteSingleRegister = 6,
        WriteMultipleCoils = 15,
        WriteMultipleRegisters = 16,
        MaskWriteRegister = 22
    };
    Q_ENUM(FunctionCode)

    explicit Vexmora_ModbusClient(QObject *parent = nullptr);

    // The whole request frame, or empty after reporting an unknown code.  In
    // TCP mode each call takes the next transaction identifier.
    QByteArray generateRequest(int unit, FunctionCode code, int startAddress, int quantity,
                               Vexmora_ModBus_Mode mode, QByteArray data = QByteArray());

    // CRC-16 of the Modbus serial line; 0xFFFF for no bytes.
    [[nodiscard]] static quint16 calculateCRC(const QByteArray &bytes);

    // QList<bool> for codes 1 and 2, QList<unsigned short> for 3, 4 and 22,
    // a map with "StartAddress" and "Quantity" for writes; an invalid
    // QVariant after reporting why the reply is unusable.
    QVariant parseResponse(FunctionCode code, const QByteArray &reply, Vexmora_ModBus_Mode mode);

signals:
    void errorOccurred(const QString &error);

private:
    QVariant fail(const QString &error);
};

#endif // VEXMORA_MODBUS_CLIENT_H
