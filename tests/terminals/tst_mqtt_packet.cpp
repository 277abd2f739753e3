// MQTT packet bytes: what goes to the broker, and cutting and checking what
// comes back, whichever way the stream is split, and whatever garbage it holds.
#include "terminals/mqtt_packet.h"
#include "tests/support/test_base.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace MqttPacket;

class MqttPacketTest : public QObject
{
    Q_OBJECT

    static QList<Packet> readAll(const QList<QByteArray> &chunks, bool *malformed = nullptr)
    {
        Reader r;
        QList<Packet> out;
        bool bad = false;
        for (const QByteArray &c : chunks) {
            r.feed(c);
            Packet p;
            Reader::Result res;
            while ((res = r.next(&p)) == Reader::Result::Packet)
                out << p;
            bad = bad || res == Reader::Result::Malformed;
        }
        if (malformed)
            *malformed = bad;
        return out;
    }

private slots:
    void encoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("expected");

        ConnectOptions v311;
        v311.clientId = "id";
        v311.userName = "u";
        v311.password = "p\xc3\xa4"; // "pä" in UTF-8, as typed
        v311.keepAliveSeconds = 60;
        QTest::newRow("3.1.1 connect with user and UTF-8 password")
            << encodeConnect(v311)
            << QByteArray::fromHex("101600044d51545404c2003c000269640001750003" "70c3a4");

        ConnectOptions v31;
        v31.protocolLevel = 3;
        v31.clientId = "c";
        v31.password = "ignored";
        v31.keepAliveSeconds = 2;
        QTest::newRow("3.1 connect says MQIsdp, level 3; no password without a user")
            << encodeConnect(v31) << QByteArray::fromHex("100f00064d5149736470030200020001" "63");

        QTest::newRow("subscribe carries flags 0010") << encodeSubscribe(7, "ab/c", 0)
                                                      << QByteArray::fromHex("8209" "0007" "000461622f63" "00");
        QTest::newRow("publish QoS 0 has no packet id") << encodePublish("t", "hi", 0, false, 0)
                                                        << QByteArray::fromHex("3005" "000174" "6869");
        QTest::newRow("publish QoS 1 retained") << encodePublish("t", "", 1, true, 0x0102)
                                                << QByteArray::fromHex("3305" "000174" "0102");
        QTest::newRow("pubrel carries flags 0010") << encodeAck(Pubrel, 0x1234) << QByteArray::fromHex("62021234");
        QTest::newRow("pubcomp") << encodeAck(Pubcomp, 1) << QByteArray::fromHex("70020001");
        QTest::newRow("pingreq") << encodePingreq() << QByteArray::fromHex("c000");
        QTest::newRow("disconnect") << encodeDisconnect() << QByteArray::fromHex("e000");
    }

    void encoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, expected);
        QCOMPARE(bytes.toHex(), expected.toHex());
    }

    // Every length up to the four-byte maximum survives the round trip
    // through the reader, and a fifth length byte is refused.
    void remainingLength()
    {
        const QList<quint32> lengths{0, 1, 127, 128, 16383, 16384, 2097151, 2097152, kMaxRemainingLength};
        const QList<int> sizes{1, 1, 1, 2, 2, 3, 3, 4, 4};
        for (int i = 0; i < lengths.size(); ++i) {
            const QByteArray enc = encodeRemainingLength(lengths[i]);
            QCOMPARE(enc.size(), sizes[i]);
            Reader r;
            r.feed(QByteArray(1, char(0x30)) + enc);
            Packet p;
            if (lengths[i] == 0) {
                QCOMPARE(r.next(&p), Reader::Result::Packet);
            } else {
                QCOMPARE(r.next(&p), Reader::Result::NeedMore);
            }
            if (lengths[i] <= 16384) {
                r.feed(QByteArray(int(lengths[i]), 'x'));
                if (lengths[i] > 0)
                    QCOMPARE(r.next(&p), Reader::Result::Packet);
                QCOMPARE(p.body.size(), qsizetype(lengths[i]));
            }
        }
        QVERIFY(encodeRemainingLength(kMaxRemainingLength + 1).isEmpty());

        Reader r;
        r.feed(QByteArray::fromHex("30ffffffff01"));
        Packet p;
        QCOMPARE(r.next(&p), Reader::Result::Malformed);
        r.feed(encodePingreq());
        QCOMPARE(r.next(&p), Reader::Result::Malformed); // the stream stays condemned
    }

    // A stream of packets gives the same packets split at every offset,
    // byte by byte, and joined in one read.
    void splitAndJoined()
    {
        const QByteArray stream = QByteArray::fromHex("20020000") + encodePublish("a/b", "payload", 0, false, 0)
                                  + QByteArray::fromHex("9003000580") + encodePublish("x", QByteArray(300, 'z'), 2, false, 9)
                                  + QByteArray::fromHex("62020009d000");
        const QList<Packet> whole = readAll({stream});
        QCOMPARE(whole.size(), 6);
        QCOMPARE(whole[0].type, quint8(Connack));
        QCOMPARE(whole[3].body.size(), 2 + 1 + 2 + 300);
        QCOMPARE(whole[5].type, quint8(Pingresp));

        QList<QByteArray> bytes;
        for (char c : stream)
            bytes << QByteArray(1, c);
        const QList<Packet> single = readAll(bytes);
        QCOMPARE(single.size(), whole.size());
        for (int cut = 1; cut < stream.size(); ++cut) {
            const QList<Packet> two = readAll({stream.left(cut), stream.mid(cut)});
            QCOMPARE(two.size(), whole.size());
            for (int i = 0; i < whole.size(); ++i) {
                QCOMPARE(two[i].type, whole[i].type);
                QCOMPARE(two[i].flags, whole[i].flags);
                QCOMPARE(two[i].body, whole[i].body);
                QCOMPARE(single[i].body, whole[i].body);
            }
        }

        PublishMessage m;
        QVERIFY(parsePublish(whole[3], &m));
        QCOMPARE(m.topic, QByteArray("x"));
        QCOMPARE(m.qos, quint8(2));
        QCOMPARE(m.packetId, quint16(9));
        QCOMPARE(m.payload, QByteArray(300, 'z'));
        SubackInfo s;
        QVERIFY(parseSuback(whole[2], &s));
        QCOMPARE(s.returnCodes, QList<quint8>{0x80});
    }

    void malformedPackets_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("connack too long") << QByteArray::fromHex("2003000000");
        QTest::newRow("connack reserved flag bits") << QByteArray::fromHex("20020200");
        QTest::newRow("publish QoS 3") << QByteArray::fromHex("3603000174");
        QTest::newRow("publish topic longer than the packet") << QByteArray::fromHex("3003000974");
        QTest::newRow("publish empty topic") << QByteArray::fromHex("30020000");
        QTest::newRow("publish wildcard topic") << QByteArray::fromHex("300300012b");
        QTest::newRow("publish QoS 1 without packet id") << QByteArray::fromHex("3203000174");
        QTest::newRow("publish QoS 1 packet id 0") << QByteArray::fromHex("32050001740000");
        QTest::newRow("suback reserved return code") << QByteArray::fromHex("9003000103");
        QTest::newRow("suback without codes") << QByteArray::fromHex("90020001");
        QTest::newRow("pubrel without its flags") << QByteArray::fromHex("60020001");
        QTest::newRow("puback too short") << QByteArray::fromHex("400100");
        QTest::newRow("pingresp with a body") << QByteArray::fromHex("d00100");
    }

    void malformedPackets()
    {
        QFETCH(QByteArray, bytes);
        const QList<Packet> ps = readAll({bytes});
        QCOMPARE(ps.size(), 1);
        const Packet &p = ps[0];
        ConnackInfo c;
        PublishMessage m;
        SubackInfo s;
        quint16 id;
        QVERIFY(!parseConnack(p, &c) && !parsePublish(p, &m) && !parseSuback(p, &s) && !parseAck(p, &id)
                && !parsePingresp(p));
    }

    void reservedTypesAndOverlongLengthsAreMalformed()
    {
        for (const char *hex : {"0000", "f000", "308000", "30808000"}) {
            bool bad = false;
            readAll({QByteArray::fromHex(hex)}, &bad);
            QVERIFY2(bad, hex);
        }
    }

    // Random bytes and mutated good streams, cut at random: the reader and
    // every parser must neither crash nor read out of bounds (run under the
    // sanitizer build), and a good stream keeps its packets.
    void fuzz()
    {
        QRandomGenerator rng(20261207);
        const QByteArray good = QByteArray::fromHex("20020000") + encodePublish("s/t", "hello", 1, false, 3)
                                + QByteArray::fromHex("900300010040020001d000");
        for (int round = 0; round < 20000; ++round) {
            QByteArray data;
            if (round % 2) {
                data.resize(rng.bounded(1, 64));
                for (char &c : data)
                    c = char(rng.bounded(256));
            } else {
                data = good;
                for (int flips = rng.bounded(1, 4); flips > 0; --flips)
                    data[rng.bounded(int(data.size()))] = char(rng.bounded(256));
            }
            QList<QByteArray> chunks;
            for (int at = 0; at < data.size();) {
                const int n = rng.bounded(1, int(data.size()) - at + 1);
                chunks << data.mid(at, n);
                at += n;
            }
            for (const Packet &p : readAll(chunks)) {
                ConnackInfo c;
                PublishMessage m;
                SubackInfo s;
                quint16 id;
                (void)parseConnack(p, &c);
                (void)parsePublish(p, &m);
                (void)parseSuback(p, &s);
                (void)parseAck(p, &id);
                (void)parsePingresp(p);
            }
        }
        QCOMPARE(readAll({good}).size(), 5);
    }
};

KESP_TEST_GUILESS_MAIN(MqttPacketTest)
#include "tst_mqtt_packet.moc"
