// Send-box bytes and port fields of the network terminals.
#include "terminals/send_encoding.h"
#include "tests/support/test_base.h"

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

    void portFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("plain") << "1000" << 1000;
        QTest::newRow("wraps to low 16 bits") << "70000" << 4464;
        QTest::newRow("not a number") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("beyond 32 bits") << "99999999999" << 0;
    }
    void portFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        QCOMPARE(int(SendEncoding::portFromText(text)), port);
    }

    void destinationPort_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("port");
        QTest::newRow("plain") << "1000" << true << 1000;
        QTest::newRow("highest") << "65535" << true << 65535;
        QTest::newRow("above 65535 refused") << "70000" << false << 0;
        QTest::newRow("zero refused") << "0" << false << 0;
        QTest::newRow("negative refused") << "-1" << false << 0;
        QTest::newRow("not a number refused") << "12a" << false << 0;
        QTest::newRow("empty refused") << "" << false << 0;
    }
    void destinationPort()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, port);
        quint16 got = 0;
        QCOMPARE(SendEncoding::destinationPort(text, &got), ok);
        QCOMPARE(int(got), port);
    }
};

KESP_TEST_APPLESS_MAIN(SendEncodingTest)
#include "tst_send_encoding.moc"
