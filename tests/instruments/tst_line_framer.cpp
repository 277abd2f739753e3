// LineFramer: lines cut at CR LF wherever the chunks split them, NUL and lone
// CR or LF kept as data, and a stream without line ends held to a bounded
// tail while later lines still come through.
#include "instruments/line_framer.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using Chunks = QList<QByteArray>;
using Lines = QList<QByteArray>;

static Lines feed(LineFramer &framer, const Chunks &chunks)
{
    Lines out;
    for (const QByteArray &c : chunks)
        out += framer.push(c);
    return out;
}

// The obvious reading of the stream, for comparison.
static Lines splitAll(const QByteArray &stream, QByteArray *rest)
{
    Lines out;
    qsizetype start = 0;
    for (qsizetype end; (end = stream.indexOf("\r\n", start)) >= 0; start = end + 2)
        out << stream.mid(start, end - start);
    *rest = stream.mid(start);
    return out;
}

class LineFramerTest : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<Chunks>("chunks");
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("one line") << Chunks{"Humidity:45%\r\n"} << Lines{"Humidity:45%"} << QByteArray();
        QTest::newRow("NUL bytes are data")
            << Chunks{QByteArray("a\0b\r\n\0c", 7)} << Lines{QByteArray("a\0b", 3)} << QByteArray("\0c", 2);
        QTest::newRow("CR and LF in separate chunks")
            << Chunks{"abc\r", "\ndef\r", "\n"} << Lines{"abc", "def"} << QByteArray();
        QTest::newRow("lone CR and lone LF stay inside the line")
            << Chunks{"a\rb\nc\r\n"} << Lines{"a\rb\nc"} << QByteArray();
        QTest::newRow("LF CR is no line end") << Chunks{"a\n\rb"} << Lines{} << QByteArray("a\n\rb");
        QTest::newRow("CR CR LF keeps the first CR") << Chunks{"a\r\r\n"} << Lines{"a\r"} << QByteArray();
        QTest::newRow("empty lines count") << Chunks{"\r\n\r\n"} << Lines{"", ""} << QByteArray();
        QTest::newRow("tail waits for its end")
            << Chunks{"Temperature:2", "0.5C\r\nCO2:4", "00ppm"} << Lines{"Temperature:20.5C"}
            << QByteArray("CO2:400ppm");
        QTest::newRow("empty chunks change nothing") << Chunks{"", "x", "", "\r\n", ""} << Lines{"x"} << QByteArray();
    }
    // Whatever way the stream is cut, the same lines and tail come out.
    void lines()
    {
        QFETCH(Chunks, chunks);
        QFETCH(Lines, lines);
        QFETCH(QByteArray, tail);

        LineFramer framer;
        QCOMPARE(feed(framer, chunks), lines);
        QCOMPARE(framer.tail(), tail);
        QCOMPARE(framer.dropped(), 0);

        const QByteArray stream = chunks.join();
        LineFramer bytewise;
        Chunks bytes;
        for (char c : stream)
            bytes << QByteArray(1, c);
        QCOMPARE(feed(bytewise, bytes), lines);
        QCOMPARE(bytewise.tail(), tail);

        for (int cut = 0; cut <= stream.size(); ++cut) {
            LineFramer two;
            QCOMPARE(feed(two, {stream.left(cut), stream.mid(cut)}), lines);
            QCOMPARE(two.tail(), tail);
        }
    }

    // A megabyte with no line end: the tail stays within 64 KiB, the dropped
    // bytes are counted, and the lines after it still arrive whole.
    void overlongTailIsBounded_data()
    {
        QTest::addColumn<int>("chunkSize");
        QTest::newRow("one chunk") << (1 << 20);
        QTest::newRow("4 KiB chunks") << 4096;
        QTest::newRow("byte by byte") << 1;
    }
    void overlongTailIsBounded()
    {
        QFETCH(int, chunkSize);
        const QByteArray junk(1 << 20, 'x');
        LineFramer framer;
        QElapsedTimer clock;
        clock.start();
        for (int at = 0; at < junk.size(); at += chunkSize) {
            QVERIFY(framer.push(junk.mid(at, chunkSize)).isEmpty());
            QVERIFY(framer.tail().size() <= LineFramer::kMaxTail);
        }
        QVERIFY2(clock.elapsed() < kesptest::bound(5000), "feeding a long tail must not be quadratic");
        QCOMPARE(framer.dropped() + framer.tail().size(), junk.size());
        QVERIFY(framer.dropped() > 0);

        const Lines after = framer.push("\r\nHumidity:50%\r\nTVOC:");
        QCOMPARE(after.size(), 2);
        QVERIFY(after.first().size() <= LineFramer::kMaxTail);
        QCOMPARE(after.last(), QByteArray("Humidity:50%"));
        QCOMPARE(framer.tail(), QByteArray("TVOC:"));
    }

    // A line longer than the cap that completes within one chunk is whole.
    void longLineInOneChunkIsWhole()
    {
        LineFramer framer;
        const QByteArray line(100000, 'y');
        QCOMPARE(framer.push(line + "\r\n"), Lines{line});
        QCOMPARE(framer.dropped(), 0);
    }

    // Seeded random bytes in random chunks give exactly the lines of the
    // whole stream.
    void randomBytes()
    {
        QRandomGenerator rng(1234);
        QByteArray stream;
        while (stream.size() < 200000) {
            const quint32 pick = rng.bounded(100);
            if (pick < 4)
                stream += "\r\n";
            else if (pick < 8)
                stream += char(pick < 6 ? '\r' : '\n');
            else
                stream += char(rng.bounded(256));
        }
        QByteArray rest;
        const Lines expected = splitAll(stream, &rest);

        LineFramer framer;
        Lines got;
        for (qsizetype at = 0; at < stream.size();) {
            const qsizetype len = 1 + rng.bounded(300);
            got += framer.push(stream.mid(at, len));
            at += len;
        }
        QCOMPARE(got.size(), expected.size());
        QCOMPARE(got, expected);
        QCOMPARE(framer.tail(), rest);
        QCOMPARE(framer.dropped(), 0);

        framer.clear();
        QVERIFY(framer.tail().isEmpty());
        QCOMPARE(framer.push("ok\r\n"), Lines{"ok"});
    }
};

KESP_TEST_GUILESS_MAIN(LineFramerTest)
#include "tst_line_framer.moc"
