// Modbus request frames and reply decoding, RTU and TCP.
#include "terminals/vexmora_modbus_client.h"
#include "tests/support/test_base.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

using Code = Vexmora_ModbusClient::FunctionCode;
using Mode = Vexmora_ModBus_Mode;

Q_DECLARE_METATYPE(Vexmora_ModBus_Mode)

static QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

class ModbusClientTest : public QObject
{
    Q_OBJECT
private slots:
    // Must run first: the counter is shared by every codec of the process.
    void tcpTransactionIdsCountFromZero()
    {
        Vexmora_ModbusClient a, b;
        QCOMPARE(a.generateRequest(1, Code::ReadHoldingRegisters, 0, 1, Mode::TCP).toHex(' '),
                 hex("00 00 00 00 00 06 01 03 00 00 00 01").toHex(' '));
        QCOMPARE(b.generateRequest(1, Code::ReadHoldingRegisters, 0, 1, Mode::TCP).left(2), hex("00 01"));
        // RTU frames leave the counter alone; an unknown code still uses up an id.
        a.generateRequest(1, Code::ReadHoldingRegisters, 0, 1, Mode::RTU);
        QSignalSpy errors(&a, &Vexmora_ModbusClient::errorOccurred);
        QVERIFY(a.generateRequest(1, Code(7), 0, 1, Mode::TCP).isEmpty());
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), QString("Unsupported function code"));
        QCOMPARE(a.generateRequest(1, Code::ReadCoils, 0, 1, Mode::TCP).left(2), hex("00 03"));
    }

    void request_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("quantity");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QByteArray>("frame");

        QTest::newRow("read 10 holding registers") << 1 << 3 << 0 << 10 << QByteArray() << hex("01 03 00 00 00 0A C5 CD");
        QTest::newRow("unit 2") << 2 << 3 << 0 << 1 << QByteArray() << hex("02 03 00 00 00 01 84 39");
        QTest::newRow("fields keep their low bits") << 0x101 << 3 << 0x10000 << 0x1000A << QByteArray()
                                                    << hex("01 03 00 00 00 0A C5 CD");
        QTest::newRow("coil on from 01") << 1 << 5 << 3 << 1 << hex("01") << hex("01 05 00 03 FF 00 7C 3A");
        QTest::newRow("coil on from FF") << 1 << 5 << 3 << 1 << hex("FF") << hex("01 05 00 03 FF 00 7C 3A");
        QTest::newRow("register value high byte first") << 1 << 6 << 5 << 1 << hex("12 34")
                                                        << hex("01 06 00 05 12 34 94 BC");
        QTest::newRow("write multiple registers") << 1 << 16 << 0x10 << 2 << hex("00 01 00 02")
                                                  << QByteArray();
        QTest::newRow("write multiple coils") << 1 << 15 << 0 << 10 << hex("05 01") << QByteArray();
    }
    void request()
    {
        QFETCH(int, unit);
        QFETCH(int, code);
        QFETCH(int, start);
        QFETCH(int, quantity);
        QFETCH(QByteArray, data);
        QFETCH(QByteArray, frame);
        Vexmora_ModbusClient c;
        const QByteArray got = c.generateRequest(unit, Code(code), start, quantity, Mode::RTU, data);
        if (!frame.isEmpty())
            QCOMPARE(got.toHex(' '), frame.toHex(' '));
        // The same request over TCP: the RTU body behind a length-correct header.
        const QByteArray tcp = c.generateRequest(unit, Code(code), start, quantity, Mode::TCP, data);
        QCOMPARE(tcp.mid(6).toHex(' '), got.chopped(2).toHex(' '));
        QCOMPARE(tcp.mid(2, 4).toHex(' '), (hex("00 00 00") + char(tcp.size() - 6)).toHex(' '));
        QCOMPARE(Vexmora_ModbusClient::calculateCRC(got), quint16(0)); // the CRC closes the frame
    }

    void requestBodies()
    {
        Vexmora_ModbusClient c;
        auto body = [&](int code, const QByteArray &data, int quantity = 2) {
            return c.generateRequest(1, Code(code), 0, quantity, Mode::RTU, data).mid(4).chopped(2).toHex(' ');
        };
        QCOMPARE(body(5, hex("00")), hex("00 00").toHex(' '));
        QCOMPARE(body(5, QByteArray()), hex("00 00").toHex(' '));
        QCOMPARE(body(6, hex("AB")), hex("AB 00").toHex(' '));
        QCOMPARE(body(6, QByteArray()), hex("00 00").toHex(' ')); // no value: zero, never past the data
        QCOMPARE(body(16, hex("00 01 00 02")), hex("00 02 04 00 01 00 02").toHex(' '));
        QCOMPARE(body(22, hex("00 01 00 02")), hex("00 02 02 00 01 00 02").toHex(' '));
        QCOMPARE(body(22, hex("00 01 00")), hex("00 02 01 00 01 00").toHex(' '));
        QCOMPARE(Vexmora_ModbusClient::calculateCRC(QByteArray()), quint16(0xFFFF));
    }

    void reply_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("error");

        QTest::newRow("exception") << 3 << Mode::RTU << hex("01 83 02 C0 F1") << "Modbus exception response: 2";
        QTest::newRow("bad CRC") << 3 << Mode::RTU << hex("01 03 04 00 01 00 02 2A 33") << "Invalid CRC in response";
        QTest::newRow("empty") << 3 << Mode::TCP << QByteArray() << "Empty response received";
        QTest::newRow("other function") << 4 << Mode::RTU << hex("01 03 04 00 01 00 02 2A 32")
                                        << "Unexpected function code in response";
        QTest::newRow("TCP length disagrees") << 3 << Mode::TCP << hex("00 00 00 00 00 08 01 03 02 00 01")
                                              << "Invalid length in response";
        QTest::newRow("TCP protocol id") << 3 << Mode::TCP << hex("00 00 00 01 00 05 01 03 02 00 01")
                                         << "Invalid protocol ID in response";
        QTest::newRow("byte count beyond data") << 3 << Mode::TCP << hex("00 00 00 00 00 05 01 03 04 00 01")
                                                << "Invalid byte count in response";
        QTest::newRow("odd register byte count") << 3 << Mode::RTU << hex("01 03 03 00 01 02 C5 DF")
                                                 << "Invalid byte count in response";
        QTest::newRow("code 22 byte count beyond data") << 22 << Mode::TCP << hex("00 00 00 00 00 05 01 16 04 00 01")
                                                        << "Invalid byte count in response";
        QTest::newRow("short write echo") << 6 << Mode::TCP << hex("00 00 00 00 00 04 01 06 00 05")
                                          << "Invalid length in response";
        QTest::newRow("exception without code") << 3 << Mode::TCP << hex("00 00 00 00 00 02 01 83")
                                                << "Invalid length in response";
        QTest::newRow("one byte RTU") << 3 << Mode::RTU << hex("01") << "Invalid length in response";
        QTest::newRow("no unit data") << 3 << Mode::RTU << hex("FF FF") << "Invalid length in response";
        QTest::newRow("unknown code echoed") << 7 << Mode::TCP << hex("00 00 00 00 00 03 01 07 00")
                                             << "Unsupported function code";
    }
    void reply()
    {
        QFETCH(int, code);
        QFETCH(Mode, mode);
        QFETCH(QByteArray, reply);
        QFETCH(QString, error);
        Vexmora_ModbusClient c;
        QSignalSpy errors(&c, &Vexmora_ModbusClient::errorOccurred);
        QVERIFY(!c.parseResponse(Code(code), reply, mode).isValid());
        QCOMPARE(errors.size(), 1);
        QCOMPARE(errors.at(0).at(0).toString(), error);
    }

    void decodedValues()
    {
        Vexmora_ModbusClient c;
        QSignalSpy errors(&c, &Vexmora_ModbusClient::errorOccurred);

        const QVariant regs = c.parseResponse(Code::ReadHoldingRegisters, hex("01 03 04 00 01 00 02 2A 32"), Mode::RTU);
        QCOMPARE(regs.value<QList<unsigned short>>(), (QList<unsigned short>{1, 2}));

        QByteArray big = hex("00 07 00 00 00 83 01 03 80");
        for (int i = 0; i < 64; ++i)
            big += QByteArray(1, char(0x12)) + char(i);
        const auto values = c.parseResponse(Code::ReadHoldingRegisters, big, Mode::TCP).value<QList<unsigned short>>();
        QCOMPARE(values.size(), 64);
        QCOMPARE(values.last(), quint16(0x123F));

        // One coil asked for, a whole byte of bits back.
        const auto bits = c.parseResponse(Code::ReadCoils, hex("01 01 01 05 91 8B"), Mode::RTU).value<QList<bool>>();
        QCOMPARE(bits, (QList<bool>{true, false, true, false, false, false, false, false}));

        const QVariantMap echo = c.parseResponse(Code::WriteSingleRegister, hex("01 06 00 05 12 34 94 BC"), Mode::RTU).toMap();
        QCOMPARE(echo.value("StartAddress").toInt(), 5);
        QCOMPARE(echo.value("Quantity").toInt(), 0x1234);
        QCOMPARE(errors.size(), 0);
    }

    // Every shorter piece of a good reply is refused with one error and
    // never read past its end: cut on the wire (the frame check catches it)
    // and cut inside a well-framed reply (the field checks must).  Each piece
    // sits in a buffer of exactly its size, so the sanitizer build sees any
    // overrun.
    void everyPrefixOfValidReplies()
    {
        const QList<std::pair<int, QByteArray>> units = {
            {1, hex("01 01 01 05")},          {2, hex("01 02 02 0F 01")},    {3, hex("01 03 04 00 01 00 02")},
            {4, hex("01 04 02 20 00")},       {5, hex("01 05 00 03 FF 00")}, {6, hex("01 06 00 05 12 34")},
            {15, hex("01 0F 00 00 00 0A")},   {16, hex("01 10 00 10 00 02")}, {22, hex("01 16 04 00 01 00 02")}};
        auto frame = [](const QByteArray &unit, Mode mode) {
            if (mode == Mode::TCP)
                return hex("12 34 00 00") + char(unit.size() >> 8) + char(unit.size() & 0xFF) + unit;
            const quint16 crc = Vexmora_ModbusClient::calculateCRC(unit);
            return unit + char(crc & 0xFF) + char(crc >> 8);
        };
        auto check = [](int code, const QByteArray &bytes, Mode mode, bool expectValid) {
            std::unique_ptr<char[]> exact(new char[size_t(std::max<qsizetype>(bytes.size(), 1))]);
            memcpy(exact.get(), bytes.constData(), size_t(bytes.size()));
            Vexmora_ModbusClient c;
            QSignalSpy errors(&c, &Vexmora_ModbusClient::errorOccurred);
            const bool valid = c.parseResponse(Code(code), QByteArray::fromRawData(exact.get(), bytes.size()), mode).isValid();
            return valid == expectValid && errors.size() == (expectValid ? 0 : 1);
        };
        for (const Mode mode : {Mode::RTU, Mode::TCP}) {
            for (const auto &[code, unit] : units) {
                const QByteArray full = frame(unit, mode);
                for (int n = 0; n <= full.size(); ++n)
                    QVERIFY2(check(code, full.left(n), mode, n == full.size()),
                             qPrintable(QString("wire cut: code %1 mode %2 length %3").arg(code).arg(int(mode)).arg(n)));
                for (int n = 0; n < unit.size(); ++n)
                    QVERIFY2(check(code, frame(unit.left(n), mode), mode, false),
                             qPrintable(QString("field cut: code %1 mode %2 length %3").arg(code).arg(int(mode)).arg(n)));
            }
        }
    }
};

KESP_TEST_GUILESS_MAIN(ModbusClientTest)
#include "tst_modbus_client.moc"
