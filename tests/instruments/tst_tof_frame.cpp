// The ToF frame core: each sensor type's reordering and filter on the
// documented examples, the arrangement tables, and junk that must neither
// crash it nor spoil the next good frame.
#include "instruments/tof_frame.h"
#include "tests/support/test_base.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace TofFrame;
using Expect = QList<QPair<int, int>>; // value position, value

static QByteArray line(const QList<int> &values)
{
    QByteArrayList parts;
    for (int v : values)
        parts << QByteArray::number(v);
    return parts.join(',');
}

static QList<int> ramp(int n, int from = 0)
{
    QList<int> v(n);
    std::iota(v.begin(), v.end(), from);
    return v;
}

class TofFrameTest : public QObject
{
    Q_OBJECT
private slots:
    // Lines fed in turn to one state; the count the views get from the last.
    void frames_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("count");
        QTest::addColumn<Expect>("expect");
        QList<int> l9(576, 1000), edge(16, 2000);
        std::iota(l9.begin() + 48, l9.begin() + 528, 100);
        edge[0] = 50, edge[1] = 4000, edge[2] = 51, edge[3] = 3999;
        const QByteArray k1 = line(QList<int>(16, 1000)), k2 = line(QList<int>(16, 2000));
        QTest::newRow("VL53LMZ 4x4 rows mirrored") << 0 << false << QByteArrayList{line(ramp(16, 1))} << 16
                                                   << Expect{{0, 4}, {3, 1}, {4, 8}, {7, 5}, {12, 16}, {15, 13}};
        QTest::newRow("VL53LMZ 256 mirror first 8x8 only") << 0 << false << QByteArrayList{line(ramp(256))} << 256
                                                           << Expect{{0, 7}, {63, 56}, {64, 64}, {255, 255}};
        QTest::newRow("trailing comma, junk fields") << 0 << false
                                                     << QByteArrayList{"abc,99999999999,-5," + line(ramp(13, 4)) + ",,"}
                                                     << 16 << Expect{{0, 4}, {1, -5}, {2, 0}, {3, 0}};
        QTest::newRow("TMF8828 permutation") << 1 << false << QByteArrayList{line(ramp(64))} << 64
                                             << Expect{{56, 0}, {60, 1}, {0, 38}, {7, 63}};
        QTest::newRow("TMF8828 short frame padded") << 1 << false << QByteArrayList{line(ramp(16, 1))} << 16
                                                    << Expect{{56, 1}, {0, 0}};
        QTest::newRow("TMF8829 32 wide") << 2 << false << QByteArrayList{line(ramp(1024))} << 1024
                                         << Expect{{64, 32}, {32, 512}, {1023, 1023}};
        QTest::newRow("TMF8829 48 wide") << 2 << false << QByteArrayList{line(ramp(1536))} << 1536
                                         << Expect{{96, 48}, {48, 768}, {1535, 1535}};
        QTest::newRow("TMF8829 2268 keeps 1536") << 2 << false << QByteArrayList{line(ramp(2268, 1))} << 2268
                                                 << Expect{{1535, 1536}, {1536, 0}, {2267, 0}};
        QTest::newRow("VL53L9 576 window 20x24 mirrored") << 3 << false << QByteArrayList{line(l9)} << 480
                                                          << Expect{{0, 123}, {23, 100}, {24, 147}, {479, 556}};
        QTest::newRow("VL53L9 filter 1000, 2000") << 3 << true << QByteArrayList{k1, k2} << 16 << Expect{{0, 1300}};
        QTest::newRow("VL53L9 filter off") << 3 << false << QByteArrayList{k1, k2} << 16 << Expect{{0, 2000}};
        QTest::newRow("VL53L9 window restarts history")
            << 3 << true << QByteArrayList{k1, line(edge), k2} << 16
            << Expect{{0, 2000}, {1, 2000}, {2, 1100}, {3, 1929}, {5, 1510}};
        for (int n : {0, 1, 15, 63, 65, 481, 2269})
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
        for (const auto &[index, value] : expect)
            QVERIFY2(values.at(index) == value, qPrintable(QStringLiteral("[%1] = %2").arg(index).arg(values.at(index))));
    }

    void tables()
    {
        const QList<std::tuple<QString, int, int, int>> texts = {
            {"4x4", 0, 4, 4},     {"8x8", 1, 8, 8},       {"16x16", 2, 16, 16},    {"32x32", 3, 32, 32},
            {"48x32", 4, 32, 48}, {"54x42", 5, 42, 54},   {"24x20 (x)", 6, 20, 24}, {"4X4", 1, 8, 8},
            {"", 1, 8, 8},        {" 4x4", 1, 8, 8}};
        for (const auto &[text, index, rows, cols] : texts) {
            const Arrangement a = arrangementFor(text);
            QVERIFY2(a.index == index && a.rows == rows && a.cols == cols, qPrintable(text));
        }
        const int cols[] = {8, 4, 8, 16, 32, 48, 54, 24, 8}, rows[] = {8, 4, 8, 16, 32, 32, 42, 20, 8};
        for (int i = -1; i <= 7; ++i)
            QVERIFY(columnsOf(i) == cols[i + 1] && rowsOf(i) == rows[i + 1]);
    }

    // Random bytes and commas, then every prefix of valid lines, through
    // all types: nothing crashes and a good frame afterwards comes through.
    void fuzz()
    {
        QRandomGenerator rng(15);
        const QByteArray good = line(QList<int>(2268, 777));
        for (int type = -1; type <= 4; ++type) {
            QList<int> values(kMaxValues, 0);
            FilterState state{};
            for (int round = 0; round < 300; ++round) {
                QByteArray junk(rng.bounded(1, 3000), '\0');
                for (char &c : junk)
                    c = rng.bounded(4) == 0 ? ',' : char(rng.bounded(256));
                (void)apply(values, state, type, splitValues(junk), rng.bounded(2));
            }
            for (const QByteArray &v : {line(ramp(16, 1)), line(ramp(576, 60)), good})
                for (qsizetype cut = 0; cut <= v.size(); cut += 1 + cut / 8)
                    (void)apply(values, state, type, splitValues(v.left(cut)), true);
            QCOMPARE(values.size(), kMaxValues);
            state.fill(0);
            QCOMPARE(apply(values, state, 3, splitValues(good), true), 2268);
            QCOMPARE(values, QList<int>(2268, 777));
        }
    }
};

KESP_TEST_APPLESS_MAIN(TofFrameTest)
#include "tst_tof_frame.moc"
