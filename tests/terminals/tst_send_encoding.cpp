// Send-box bytes and port fields of the network terminals; the serial hex
// send of a pasted firmware image.
#include "terminals/send_encoding.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QtTest>

class SendEncodingTest : public QObject
{
    Q_OBJECT
private slots:
    void encode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("final LF becomes CR LF") << "AB\n" << false << QByteArray("AB\r\n");
        QTest::newRow("inner LF stays") << "a\nb" << false << QByteArray("a\nb");
        QTest::newRow("only the last LF") << "a\n\n" << false << QByteArray("a\n\r\n");
        QTest::newRow("CR LF already there") << "a\r\n" << false << QByteArray("a\r\r\n");
        QTest::newRow("text is local 8-bit") << QString::fromUtf8("é") << false << QString::fromUtf8("é").toLocal8Bit();

        QTest::newRow("hex pairs") << "41 42" << true << QByteArray("AB");
        QTest::newRow("0x prefixes dropped") << "0x41 0x42" << true << QByteArray("AB");
        QTest::newRow("upper-case prefix") << "0X41,0X42" << true << QByteArray("AB");
        QTest::newRow("own hex view text") << "0x61, 0x62, 0x0D, 0x0A, 0x63, " << true
                                           << QByteArray::fromHex("61620D0A63");
        QTest::newRow("x inside a number is not a prefix") << "10x2" << true << QByteArray::fromHex("0102");
        QTest::newRow("unpaired first digit") << "ABC" << true << QByteArray::fromHex("0ABC");
        QTest::newRow("no digits: empty") << "zz" << true << QByteArray();
        QTest::newRow("final LF ignored in hex") << "41\n" << true << QByteArray("A");
    }
    void encode()
    {
        QFETCH(QString, text);
        QFETCH(bool, hex);
        QFETCH(QByteArray, bytes);
        QCOMPARE(SendEncoding::encode(text, hex).toHex(' '), bytes.toHex(' '));
    }

    // One-digit "0x" pieces are whole bytes: stripping every prefix first
    // would join "0x1, 0x2" into 0x12 and shift "0x41 0x4" into 04 14.
    void bleHexBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << "" << QByteArray();
        QTest::newRow("blank only") << "  \t " << QByteArray();
        QTest::newRow("prefix without digits skipped") << "0x" << QByteArray();
        QTest::newRow("upper-case prefix") << "0X0a" << QByteArray::fromHex("0a");
        QTest::newRow("above 0xFF skipped") << "0x100" << QByteArray();
        QTest::newRow("no digits") << "zz" << QByteArray();
        QTest::newRow("not a number after the prefix skipped") << "0xzz, 0x41" << QByteArray("A");
        QTest::newRow("trailing comma and blank") << "0x41, 0x42, " << QByteArray("AB");
        QTest::newRow("one-digit pieces, comma") << "0x1, 0x2" << QByteArray::fromHex("0102");
        QTest::newRow("one-digit pieces, blank") << "0x1 0x2" << QByteArray::fromHex("0102");
        QTest::newRow("one-digit last piece") << "0x41 0x4" << QByteArray::fromHex("4104");
        QTest::newRow("over-range piece between") << "0x41, 0x100, 0x42" << QByteArray::fromHex("4142");
        QTest::newRow("bare digit pairs") << "0102" << QByteArray::fromHex("0102");
        QTest::newRow("bare pairs with a blank") << "41 42" << QByteArray("AB");
        QTest::newRow("bare odd count") << "ABC" << QByteArray::fromHex("0ABC");
        QTest::newRow("mixed") << "0x7,ff 0X10" << QByteArray::fromHex("07ff10");
    }
    void bleHexBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(SendEncoding::bleHexBytes(text).toHex(' '), bytes.toHex(' '));
    }

    // Every port field: a number that would wrap or a text that is no number
    // is refused, 0 only where the system picks the port.
    void portField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("systemChooses");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("port");
        QTest::newRow("plain") << "1883" << false << true << 1883;
        QTest::newRow("blanks around") << " 1000 " << false << true << 1000;
        QTest::newRow("lowest") << "1" << false << true << 1;
        QTest::newRow("highest") << "65535" << true << true << 65535;
        QTest::newRow("zero refused for a peer") << "0" << false << false << 0;
        QTest::newRow("zero where the system chooses") << "0" << true << true << 0;
        QTest::newRow("70000 does not wrap to 4464") << "70000" << true << false << 0;
        QTest::newRow("99999 does not wrap to 34463") << "99999" << false << false << 0;
        QTest::newRow("65536") << "65536" << true << false << 0;
        QTest::newRow("negative") << "-1" << true << false << 0;
        QTest::newRow("negative for a peer") << "-1" << false << false << 0;
        QTest::newRow("highest for a peer") << "65535" << false << true << 65535;
        QTest::newRow("beyond 32 bits") << "4294968296" << true << false << 0;
        QTest::newRow("not a number, the system chooses") << "80a" << true << true << 0;
        QTest::newRow("not a number for a peer") << "80a" << false << false << 0;
        QTest::newRow("empty, the system chooses") << "" << true << true << 0;
        QTest::newRow("empty for a peer") << "" << false << false << 0;
    }
    void portField()
    {
        QFETCH(QString, text);
        QFETCH(bool, systemChooses);
        QFETCH(bool, ok);
        QFETCH(int, port);
        quint16 got = 0;
        QCOMPARE(SendEncoding::portField(text, systemChooses, &got), ok);
        QCOMPARE(int(got), port);
    }

    // A 1.5 MB image pasted as hex tokens is parsed on every send, Keep Send
    // ticks included: it must not hold the window for a second.
    void serialHexOfAFirmwareImage()
    {
        QString text;
        for (int i = 0; i < 1500000; ++i)
            text += QStringLiteral("0x%1 ").arg(i & 0xff, 2, 16, QLatin1Char('0'));
        QElapsedTimer t;
        t.start();
        QByteArray bytes;
        QVERIFY(SendEncoding::serialHexBytes(text, &bytes));
        QVERIFY2(t.elapsed() < 300 * kesptest::kTimeScale, qPrintable(QString::number(t.elapsed()) + " ms"));
        QCOMPARE(bytes.size(), 1500000);
        QCOMPARE(bytes.left(3), QByteArray::fromHex("000102"));
    }
};

KESP_TEST_APPLESS_MAIN(SendEncodingTest)
#include "tst_send_encoding.moc"
