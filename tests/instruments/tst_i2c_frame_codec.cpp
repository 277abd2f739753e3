// I2CFrameCodec: the host's command bytes, and the bridge's replies found in
// the stream however it is cut: every good frame once and in order, noise
// and bad checksums dropped, a "VX" inside a dump never taken for a header,
// the buffer bounded whatever arrives.
#include "instruments/i2c_frame_codec.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using Chunks = QList<QByteArray>;
using Frames = QList<QByteArray>; // type byte followed by the payload

static QByteArray h(const char *hex) { return QByteArray::fromHex(hex); }

static Frames feed(I2CFrameCodec &codec, const Chunks &chunks, int *calls = nullptr)
{
    Frames out;
    for (const QByteArray &c : chunks) {
        const QList<I2CFrameCodec::Frame> got = codec.push(c);
        if (calls && !got.isEmpty())
            ++*calls;
        for (const I2CFrameCodec::Frame &f : got)
            out << char(f.type) + f.payload;
        if (codec.buffer().size() > I2CFrameCodec::kMaxPayload + 6)
            qFatal("receive buffer grew to %lld", qlonglong(codec.buffer().size()));
    }
    return out;
}

// A dump of 256 registers whose bytes 0x20-0x25 read "VX" 05 00 00 00: a
// complete-looking empty read result inside the payload.
static QByteArray trickyDump()
{
    QByteArray regs(256, '\0');
    regs[1] = char(0xa5);
    regs.replace(0x20, 6, h("565805000000"));
    return I2CFrameCodec::frame(I2CFrameCodec::RegisterDump, regs);
}

static Chunks pieces(const QByteArray &stream, int size)
{
    Chunks out;
    for (int i = 0; i < stream.size(); i += size)
        out << stream.mid(i, size);
    return out;
}

// Random bytes without 'V', so they can never start a header.
static QByteArray noise(QRandomGenerator &rng, int n)
{
    QByteArray out(n, '\0');
    for (char &c : out) {
        c = char(rng.bounded(256));
        if (c == 'V')
            c = 'v';
    }
    return out;
}

class I2CFrameCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void commands_data()
    {
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("stop") << I2CFrameCodec::stopStream() << h("5658000001ffff");
        QTest::newRow("scan") << I2CFrameCodec::scan() << h("5658010001ffff");
        QTest::newRow("start") << I2CFrameCodec::startStream() << h("5658020001ffff");
        QTest::newRow("select 0x3C") << I2CFrameCodec::selectAddress(0x3c) << h("56580300013c3c");
        QTest::newRow("read 4 at 0x10") << I2CFrameCodec::readRegisters(0x10, 4) << h("5658050002100414");
        QTest::newRow("read sum wraps") << I2CFrameCodec::readRegisters(0xff, 0xff) << h("565805 0002 ffff fe");
        QTest::newRow("write example") << I2CFrameCodec::writeRegisters(0x05, h("1234ab")) << h("5658040004051234abf6");
        QTest::newRow("write of 506 bytes is refused") << I2CFrameCodec::writeRegisters(0, QByteArray(506, 'a'))
                                                        << QByteArray();
    }
    void commands()
    {
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, bytes);
        QCOMPARE(frame.toHex(' '), bytes.toHex(' '));
    }

    void largestWriteFitsTheBridge()
    {
        const QByteArray f = I2CFrameCodec::writeRegisters(0x7f, QByteArray(505, '\x01'));
        QCOMPARE(f.size(), 512);
        QCOMPARE(f.mid(3, 2), h("01fa"));
        QCOMPARE(uchar(f.back()), uchar((0x7f + 505) & 0xff));
    }

    void replies_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Frames>("frames");
        const QByteArray scan = h("56580100023c68a4");
        QTest::newRow("scan in three pieces") << Chunks{scan.left(2), scan.mid(2, 3), scan.mid(5)}
                                              << Frames{h("013c68")};
        QTest::newRow("noise before a header goes")
            << Chunks{h("0011ff56") + scan} << Frames{h("013c68")};
        // Both at once: nothing may wait for a chunk that never comes.
        QTest::newRow("two frames in one chunk") << Chunks{scan + h("5658050001 2a 2a")}
                                                 << Frames{h("013c68"), h("052a")};
        QTest::newRow("empty dump") << Chunks{h("565802000000")} << Frames{h("02")};
        QTest::newRow("bad checksum dropped, next frame kept")
            << Chunks{h("5658020002010204") + scan} << Frames{h("013c68")};
        QTest::newRow("unknown type passes the codec") << Chunks{h("5658770001 09 09")} << Frames{h("7709")};
        QTest::newRow("L = 65535 is no header") << Chunks{h("5658 02 ffff 00") + scan} << Frames{h("013c68")};
        QTest::newRow("L = 1025 is no header") << Chunks{h("5658 02 0401"), scan} << Frames{h("013c68")};
        const QByteArray longDump = I2CFrameCodec::frame(2, QByteArray(300, '\x07'));
        QTest::newRow("dump of 300 bytes") << pieces(longDump, 97) << Frames{'\x02' + QByteArray(300, '\x07')};
        // A "VX" inside a dump still arriving is data: the false read
        // result must neither be dispatched nor cost the real dump.
        QTest::newRow("VX inside a dump in 97-byte pieces")
            << pieces(trickyDump() + scan, 97) << Frames{trickyDump().mid(2, 1) + trickyDump().mid(5, 256), h("013c68")};
        QTest::newRow("trailing V waits for its X")
            << Chunks{h("0102 56"), h("58 01 0002 3c68a4")} << Frames{h("013c68")};
    }
    void replies()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Frames, frames);
        I2CFrameCodec codec;
        QCOMPARE(feed(codec, chunks), frames);
        QVERIFY(codec.buffer().isEmpty());
    }

    // A stream of replies behind noise, cut at every offset into two
    // chunks and fed byte by byte: the same frames, each once, each as soon
    // as its last byte came.
    void everySplit()
    {
        QRandomGenerator rng(14);
        QByteArray stream;
        Frames expected;
        for (int i = 0; i < 6; ++i) {
            const QByteArray payload = i == 3 ? trickyDump().mid(5, 256) : noise(rng, int(rng.bounded(0, 40)));
            const char type = "\x01\x02\x05"[i % 3];
            stream += noise(rng, int(rng.bounded(0, 5))) + h("565802000201020f") // bad checksum
                      + I2CFrameCodec::frame(uchar(type), payload);
            expected << type + payload;
        }
        for (int cut = 0; cut <= stream.size(); ++cut) {
            I2CFrameCodec codec;
            QCOMPARE(feed(codec, {stream.left(cut), stream.mid(cut)}), expected);
        }
        I2CFrameCodec codec;
        int calls = 0;
        QCOMPARE(feed(codec, pieces(stream, 1), &calls), expected);
        QCOMPARE(calls, expected.size());
        QCOMPARE(codec.badFrames(), 6);
    }

    // Seeded random megabytes in random chunks: no crash, a bounded buffer
    // (checked by feed), and good frames behind the noise still come
    // through, once and in order.  A flood of false headers stays cheap.
    void fuzz()
    {
        for (quint32 seed : {1u, 2u, 3u}) {
            QRandomGenerator rng(seed);
            I2CFrameCodec codec;
            QByteArray junk(1 << 20, '\0');
            rng.fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
            for (int i = 0; i < 200; ++i) // plenty of headers with any length
                junk.replace(int(rng.bounded(junk.size() - 2)), 2, "VX");
            Chunks chunks;
            for (int i = 0; i < junk.size();) {
                const int n = int(rng.bounded(1, 4096));
                chunks << junk.mid(i, n);
                i += n;
            }
            (void)feed(codec, chunks);
            // Whatever the junk left half-open is flushed by at most one
            // frame's worth of header-free noise.
            (void)feed(codec, {noise(rng, I2CFrameCodec::kMaxPayload + 6)});
            QByteArray stream;
            Frames expected;
            for (int i = 0; i < 50; ++i) {
                const QByteArray payload = noise(rng, int(rng.bounded(0, 300)));
                stream += noise(rng, int(rng.bounded(0, 30))) + I2CFrameCodec::frame(2, payload);
                expected << '\x02' + payload;
            }
            QCOMPARE(feed(codec, pieces(stream, int(rng.bounded(1, 200)))), expected);
        }
        I2CFrameCodec codec;
        QElapsedTimer t;
        t.start();
        QByteArray flood;
        for (int i = 0; i < (1 << 18); ++i)
            flood += "VX\x02\xff";
        QVERIFY(feed(codec, {flood}).isEmpty());
        QVERIFY2(t.elapsed() < 2000, "false headers cost a copy each");
    }
};

QTEST_GUILESS_MAIN(I2CFrameCodecTest)
#include "tst_i2c_frame_codec.moc"
