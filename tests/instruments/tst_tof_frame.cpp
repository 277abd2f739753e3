// The ToF frame core: each sensor type's reordering and filter on the
// documented examples, the arrangement tables, and lines that must not
// crash it or leave anything behind.
#include "instruments/tof_frame.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace TofFrame;

using Expect = QList<QPair<int, int>>;

namespace {
QByteArray line(const QList<int> &values, const QByteArray &tail = {})
{
    QByteArrayList parts;
    for (int v : values)
        parts << QByteArray::number(v);
    return parts.join(',') + tail;
}

QList<int> range(int n, int from = 0)
{
    QList<int> v;
    for (int i = 0; i < n; ++i)
        v << from + i;
    return v;
}
} // namespace

class TofFrameTest : public QObject
{
    Q_OBJECT
private slots:
    // Each row: type, filter, the frame lines fed in turn, the count the
    // views get from the last, and value positions that must hold.
    void frames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<Expect>("expect");

        QTest::newRow("VL53LMZ 4x4 rows mirrored")
            << 0 << false << QByteArrayList{line(range(16, 1))} << 16
            << Expect{{0, 4}, {1, 3}, {2, 2}, {3, 1}, {4, 8}, {7, 5}, {12, 16}, {15, 13}};
        QTest::newRow("VL53LMZ 256 values mirror only the first 8x8")
            << 0 << false << QByteArrayList{line(range(256))} << 256
            << Expect{{0, 7}, {7, 0}, {63, 56}, {64, 64}, {255, 255}};
        QTest::newRow("VL53LMZ trailing comma still 64")
            << 0 << false << QByteArrayList{line(range(64), ",")} << 64 << Expect{{0, 7}};
        QTest::newRow("TMF8828 permutation")
            << 1 << false << QByteArrayList{line(range(64))} << 64
            << Expect{{56, 0}, {60, 1}, {0, 38}, {7, 63}};
        QTest::newRow("TMF8828 short frame pads with zeros")
            << 1 << false << QByteArrayList{line(range(16, 1))} << 16
            << Expect{{56, 1}, {0, 0}, {7, 0}};
        QTest::newRow("TMF8829 32 wide interleave")
            << 2 << false << QByteArrayList{line(range(1024))} << 1024
            << Expect{{64, 32}, {32, 512}, {0, 0}, {1023, 1023}};
        QTest::newRow("TMF8829 48 wide interleave")
            << 2 << false << QByteArrayList{line(range(1536))} << 1536
            << Expect{{96, 48}, {48, 768}, {1535, 1535}};
        QTest::newRow("TMF8829 2268 keeps only 1536 positions")
            << 2 << false << QByteArrayList{line(range(2268, 1))} << 2268
            << Expect{{1535, 1536}, {1536, 0}, {2267, 0}};
        QList<int> l9(576, 1000);
        for (int i = 48; i < 528; ++i)
            l9[i] = 100 + (i - 48);
        QTest::newRow("VL53L9 576 window 20x24 mirrored")
            << 3 << false << QByteArrayList{line(l9)} << 480
            << Expect{{0, 123}, {23, 100}, {24, 147}, {479, 556}};
        QTest::newRow("VL53L9 filter 1000 then 2000")
            << 3 << true << QByteArrayList{line(QList<int>(16, 1000)), line(QList<int>(16, 2000))} << 16
            << Expect{{0, 1300}, {15, 1300}};
        QTest::newRow("VL53L9 filter off")
            << 3 << false << QByteArrayList{line(QList<int>(16, 1000)), line(QList<int>(16, 2000))} << 16
            << Expect{{0, 2000}};
        QList<int> edge(16, 2000);
        edge[0] = 50;
        edge[1] = 4000;
        edge[2] = 51;
        edge[3] = 3999;
        QTest::newRow("VL53L9 window restarts history")
            << 3 << true << QByteArrayList{line(QList<int>(16, 1000)), line(edge), line(QList<int>(16, 2000))} << 16
            << Expect{{0, 2000}, {1, 2000}, {2, 1100}, {3, 1929}, {5, 1510}};
        QTest::newRow("non-numbers read 0")
            << 0 << false << QByteArrayList{"abc,99999999999,-5," + line(range(13, 4)) + ",,"} << 16
            << Expect{{3, 0}, {2, 0}, {1, -5}};
        QTest::newRow("63 values ignored")
            << 0 << false << QByteArrayList{line(range(63, 1))} << 0 << Expect{{0, 0}};
        for (int n : {15, 65, 2269, 0, 1})
            QTest::newRow(qPrintable(QStringLiteral("%1 values ignored").arg(n)))
                << 3 << true << QByteArrayList{line(QList<int>(n, 500))} << 0 << Expect{{0, 0}};
    }

    void frames()
    {
        QFETCH(int, type);
        QFETCH(bool, filter);
        QFETCH(QByteArrayList, lines);
        QFETCH(int, count);
        QFETCH(Expect, expect);

        QList<int> values(kMaxValues, 0);
        FilterState state{};
        int last = 0;
        for (const QByteArray &l : lines)
            last = apply(values, state, type, splitValues(l), filter);
        QCOMPARE(last, count);
        QCOMPARE(values.size(), kMaxValues);
        for (const auto &[index, value] : expect)
            QVERIFY2(values.at(index) == value,
                     qPrintable(QStringLiteral("[%1] = %2, want %3").arg(index).arg(values.at(index)).arg(value)));
    }

    void tables()
    {
        const QList<std::tuple<QString, int, int, int>> texts = {
            {"4x4", 0, 4, 4},         {"8x8", 1, 8, 8},     {"16x16", 2, 16, 16}, {"32x32", 3, 32, 32},
            {"48x32", 4, 32, 48},     {"54x42", 5, 42, 54}, {"24x20 (x)", 6, 20, 24}, {"54x42abc", 5, 42, 54},
            {"4X4", 1, 8, 8},         {"", 1, 8, 8},        {" 4x4", 1, 8, 8},
        };
        for (const auto &[text, index, rows, cols] : texts) {
            const Arrangement a = arrangementFor(text);
            QVERIFY2(a.index == index && a.rows == rows && a.cols == cols, qPrintable(text));
        }
        const int cols[] = {8, 4, 8, 16, 32, 48, 54, 24, 8};
        const int rows[] = {8, 4, 8, 16, 32, 32, 42, 20, 8};
        for (int i = -1; i <= 7; ++i) {
            QCOMPARE(columnsOf(i), cols[i + 1]);
            QCOMPARE(rowsOf(i), rows[i + 1]);
        }
        // The 8828 rule is a permutation of 0..63.
        QSet<int> seen;
        for (int k = 0; k < 64; ++k)
            seen.insert(tmf8828Destination(k));
        QCOMPARE(seen.size(), 64);
        QCOMPARE(*std::max_element(seen.begin(), seen.end()), 63);
        // So are the 8829 interleaves of 1024 and 1536.
        for (int side : {32, 48}) {
            const int n = side == 32 ? 1024 : 1536;
            QSet<int> places;
            for (int i = 0; i < n; ++i)
                places.insert(tmf8829Index(i, side));
            QCOMPARE(places.size(), n);
            QCOMPARE(*std::max_element(places.begin(), places.end()), n - 1);
        }
        QList<int> short3{1, 2, 3};
        mirrorRows(short3, 2, 3); // second row missing: left alone
        QCOMPARE(short3, (QList<int>{3, 2, 1}));
        mirrorRows(short3, 0, 3);
        QCOMPARE(short3, (QList<int>{3, 2, 1}));
    }

    // Random bytes and commas, and every prefix of valid lines, through all
    // four types: no crash, values stay 2268 long, a good frame afterwards
    // comes through whole.
    void fuzz()
    {
        QRandomGenerator rng(15);
        const QByteArray good = line(QList<int>(2268, 777));
        const QByteArray valid[] = {line(range(16, 1)), line(range(576, 60)), good};
        for (int type = -1; type <= 4; ++type) {
            QList<int> values(kMaxValues, 0);
            FilterState state{};
            for (int round = 0; round < 300; ++round) {
                QByteArray junk(rng.bounded(1, 3000), '\0');
                for (char &c : junk)
                    c = rng.bounded(4) == 0 ? ',' : char(rng.bounded(256));
                (void)apply(values, state, type, splitValues(junk), rng.bounded(2));
            }
            for (const QByteArray &v : valid)
                for (qsizetype cut = 0; cut <= v.size(); cut += 1 + cut / 8)
                    (void)apply(values, state, type, splitValues(v.left(cut)), true);
            QCOMPARE(values.size(), kMaxValues);
            if (type == 3) {
                state.fill(0);
                QCOMPARE(apply(values, state, type, splitValues(good), true), 2268);
                QVERIFY(std::all_of(values.begin(), values.end(), [](int v) { return v == 777; }));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TofFrameTest)
#include "tst_tof_frame.moc"
