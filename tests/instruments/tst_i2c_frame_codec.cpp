// I2CFrameCodec: the command bytes, and replies found however the stream is
// cut: each good frame once, in order, at once; noise and bad checksums
// dropped; a "VX" inside a dump never a header; the buffer bounded; frames
// cut by a reset given up only when the line is quiet, whatever the delays.
#include "instruments/i2c_frame_codec.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using Chunks = QList<QByteArray>;
using Frames = QList<QByteArray>; // type byte, then the payload
using Steps = QList<QPair<qint64, QByteArray>>; // a chunk at a time; none: the line quiet

static QByteArray h(const char *hex) { return QByteArray::fromHex(hex); }
static const QByteArray kScan = h("56580100023c68a4");

static Frames feed(I2CFrameCodec &codec, const Chunks &chunks)
{
    Frames out;
    for (const QByteArray &c : chunks) {
        for (const I2CFrameCodec::Frame &f : codec.push(c))
            out << char(f.type) + f.payload;
        if (codec.buffer().size() > I2CFrameCodec::kMaxPayload + 6)
            qFatal("receive buffer grew to %lld", qlonglong(codec.buffer().size()));
    }
    return out;
}

static Chunks pieces(const QByteArray &stream, int size)
{
    Chunks out;
    for (int i = 0; i < stream.size(); i += size)
        out << stream.mid(i, size);
    return out;
}

// 256 registers holding "VX" 05 00 00 00, a complete empty read result.
static QByteArray trickyRegs()
{
    QByteArray regs(256, '\x11');
    return regs.replace(0x20, 6, h("565805000000"));
}

static QByteArray noise(QRandomGenerator &rng, int n) // never a 'V'
{
    QByteArray out(n, '\0');
    for (char &c : out)
        c = char(rng.bounded(0x57, 0x57 + 255));
    return out;
}

// Scan, dump and read results behind noise and a bad frame each; the
// frames expected out go to `good`.
static QByteArray mixed(QRandomGenerator &rng, int count, Frames *good)
{
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const QByteArray payload = i == 3 ? trickyRegs() : noise(rng, int(rng.bounded(300)));
        out += noise(rng, int(rng.bounded(30))) + h("565802000201020f") + I2CFrameCodec::frame(uchar(i % 3 + 1), payload);
        *good << char(i % 3 + 1) + payload;
    }
    return out;
}

class I2CFrameCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void commands()
    {
        QCOMPARE(I2CFrameCodec::stopStream(), h("5658000001ffff"));
        QCOMPARE(I2CFrameCodec::scan(), h("5658010001ffff"));
        QCOMPARE(I2CFrameCodec::startStream(), h("5658020001ffff"));
        QCOMPARE(I2CFrameCodec::selectAddress(0x3c), h("56580300013c3c"));
        QCOMPARE(I2CFrameCodec::readRegisters(0x10, 4), h("5658050002100414"));
        QCOMPARE(I2CFrameCodec::readRegisters(0xff, 0xff), h("5658050002fffffe"));
        QCOMPARE(I2CFrameCodec::writeRegisters(0x05, h("1234ab")), h("5658040004051234abf6"));
        const QByteArray full = I2CFrameCodec::writeRegisters(0x7f, QByteArray(505, '\x01'));
        QCOMPARE(full.size(), 512);
        QCOMPARE(full.mid(3, 2) + full.right(1), h("01fa78"));
        QVERIFY(I2CFrameCodec::writeRegisters(0, QByteArray(506, '\x01')).isEmpty());
    }

    void replies_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Frames>("frames");
        QTest::newRow("scan in three pieces") << Chunks{kScan.left(2), kScan.mid(2, 3), kScan.mid(5)} << Frames{h("013c68")};
        QTest::newRow("noise before a header") << Chunks{h("0011ff56") + kScan} << Frames{h("013c68")};
        QTest::newRow("two frames in one chunk, both at once")
            << Chunks{kScan + h("56580500012a2a")} << Frames{h("013c68"), h("052a")};
        QTest::newRow("empty dump") << Chunks{h("565802000000")} << Frames{h("02")};
        QTest::newRow("bad checksum dropped") << Chunks{h("5658020002010204") + kScan} << Frames{h("013c68")};
        QTest::newRow("unknown type passes") << Chunks{h("56587700010909")} << Frames{h("7709")};
        QTest::newRow("L = 65535 is no header") << Chunks{h("565802ffff00") + kScan} << Frames{h("013c68")};
        QTest::newRow("L = 1025 is no header") << Chunks{h("5658020401"), kScan} << Frames{h("013c68")};
        QTest::newRow("dump of 300") << pieces(I2CFrameCodec::frame(2, QByteArray(300, 7)), 97)
                                     << Frames{'\x02' + QByteArray(300, 7)};
        QTest::newRow("VX inside a dump in 97-byte pieces")
            << pieces(I2CFrameCodec::frame(2, trickyRegs()) + kScan, 97) << Frames{'\x02' + trickyRegs(), h("013c68")};
        Frames good;
        QRandomGenerator rng(14);
        QTest::newRow("noise and bad frames between good ones") << Chunks{mixed(rng, 4, &good)} << good;
        QTest::newRow("trailing V waits") << Chunks{h("010256"), h("580100023c68a4")} << Frames{h("013c68")};
    }
    // As given, cut in two at every offset, and byte by byte: the same
    // frames, each once, and nothing left over.
    void replies()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Frames, frames);
        const QByteArray stream = chunks.join();
        QList<Chunks> cuts{chunks, pieces(stream, 1)};
        for (int cut = 0; cut <= stream.size(); ++cut)
            cuts << Chunks{stream.left(cut), stream.mid(cut)};
        for (const Chunks &c : cuts) {
            I2CFrameCodec codec;
            QCOMPARE(feed(codec, c), frames);
            QVERIFY(codec.buffer().isEmpty());
        }
    }

    // Seeded random megabytes full of headers of any length: no crash, a
    // bounded buffer, and good frames behind them still come through.  A
    // flood of false headers costs no copy per byte.
    void fuzz()
    {
        for (quint32 seed : {1u, 2u, 3u}) {
            QRandomGenerator rng(seed);
            QByteArray junk(1 << 20, '\0');
            rng.fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
            for (int i = 0; i < 200; ++i)
                junk.replace(int(rng.bounded(junk.size() - 2)), 2, "VX");
            I2CFrameCodec codec;
            (void)feed(codec, pieces(junk, int(rng.bounded(1, 4096))));
            (void)feed(codec, {noise(rng, I2CFrameCodec::kMaxPayload + 6)}); // ends a half-open false frame
            Frames good;
            const QByteArray stream = mixed(rng, 50, &good);
            QCOMPARE(feed(codec, pieces(stream, int(rng.bounded(1, 200)))), good);
        }
        QElapsedTimer t;
        t.start();
        I2CFrameCodec codec;
        QVERIFY(feed(codec, {QByteArray("VX\x02\xff").repeated(1 << 18)}).isEmpty());
        QVERIFY(t.elapsed() < kesptest::bound(2000));
    }

    void quietLine_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("frames"); // when each came out, and what
        const QByteArray cut = I2CFrameCodec::frame(2, QByteArray(256, 1)).left(105); // a reset 100 bytes in
        QTest::newRow("busy window: a piece 2.3 s late") << Steps{{0, kScan.left(3)}, {2300, kScan.mid(3)}} << QStringList{"2300 013c68"};
        QTest::newRow("two cuts, a reply: out when quiet") << Steps{{0, cut}, {100, cut + kScan}, {599, {}}, {600, {}}} << QStringList{"600 013c68"};
    }
    void quietLine()
    {
        QFETCH(Steps, steps);
        I2CFrameCodec codec;
        QStringList out;
        for (const auto &[t, chunk] : steps)
            for (const auto &f : chunk.isNull() ? codec.lineQuiet(t) : codec.push(chunk, t))
                out << QString::number(t) + ' ' + (char(f.type) + f.payload).toHex();
        QTEST(out, "frames");
    }

    // Bursts of frames between frames cut by a reset, handed over in random
    // pieces at random times (a busy window holds one up to 2.5 s), with
    // early quiet calls; the line quiet after each burst: by then every good
    // frame is out, once and in order.
    void quietFuzz()
    {
        QRandomGenerator rng(7);
        I2CFrameCodec codec;
        Frames out, good;
        auto cuts = [&] { // none, one or two, each announcing more than its burst holds
            return I2CFrameCodec::frame(2, noise(rng, 1000)).left(int(rng.bounded(5, 60))).repeated(int(rng.bounded(3)));
        };
        auto take = [&](const QList<I2CFrameCodec::Frame> &frames) {
            for (const auto &f : frames)
                out << char(f.type) + f.payload;
        };
        for (qint64 burst = 0, t = 0; burst < 2000; ++burst) {
            const QByteArray bytes = cuts() + mixed(rng, int(rng.bounded(1, 3)), &good) + cuts();
            for (qsizetype at = 0, n = 0; at < bytes.size(); at += n) {
                n = 1 + rng.bounded(rng.bounded(2) ? 8 : 400);
                take(codec.push(bytes.mid(at, n), t += rng.bounded(3) ? rng.bounded(50) : rng.bounded(2500)));
                take(codec.lineQuiet(t + rng.bounded(500)));
            }
            take(codec.lineQuiet(t += 500 + rng.bounded(2000)));
            QCOMPARE(out, good);
            QVERIFY(codec.buffer().isEmpty());
        }
    }
};

KESP_TEST_GUILESS_MAIN(I2CFrameCodecTest)
#include "tst_i2c_frame_codec.moc"
