// The hex table's byte rules against Debian's own tools: xxd for the cell
// texts, cmp -l for the differing rows, grep -obUaP for sequence hits.
#include "tests/support/test_base.h"
#include "utilities/hex_bytes.h"
#include "utilities/hex_table_model.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray run(const QString &program, const QStringList &args, const QMap<QString, QString> &env = {})
{
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    for (auto it = env.begin(); it != env.end(); ++it)
        e.insert(it.key(), it.value());
    p.setProcessEnvironment(e);
    p.start(program, args);
    if (!p.waitForFinished(60000))
        qFatal("%s did not finish", qPrintable(program));
    return p.readAllStandardOutput();
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QRandomGenerator gen(seed);
    QByteArray out(size, '\0');
    for (char &c : out)
        c = char(gen.bounded(256));
    return out;
}

// Rows cmp -l reports: every differing byte's row, and every row from the
// shorter file's end when it says EOF.
QList<int> cmpRows(const QString &a, const QString &b, qint64 longer)
{
    QProcess p;
    p.start("cmp", {"-l", a, b});
    p.waitForFinished(60000);
    const QByteArray out = p.readAllStandardOutput() + p.readAllStandardError();
    QList<int> rows;
    for (const QByteArray &line : out.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (line.contains("EOF on")) {
            // "cmp: EOF on a after byte N" or "... which is empty"
            const qint64 n = line.contains("empty") ? 0 : line.mid(line.lastIndexOf("byte ") + 5).split(',').first().toLongLong();
            for (qint64 row = n / 16; row < (longer + 15) / 16; ++row)
                if (rows.isEmpty() || rows.last() < row)
                    rows.append(int(row));
            continue;
        }
        if (fields.size() != 3)
            continue;
        const int row = int((fields[0].toLongLong() - 1) / 16);
        if (rows.isEmpty() || rows.last() != row)
            rows.append(row);
    }
    return rows;
}

} // namespace

class HexBytesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // Every byte value plus a one-byte last row, cell by cell against xxd.
    void modelShowsWhatXxdShows()
    {
        QByteArray bytes;
        for (int i = 0; i < 256; ++i)
            bytes.append(char(i));
        bytes.append('A');
        HexTableModel model(bytes);
        QCOMPARE(model.rowCount(), 17);
        QCOMPARE(model.columnCount(), 33);

        const QList<QByteArray> lines = run("xxd", {"-c16", "-g1", "-u", writeFile(dir, "all.bin", bytes)}).split('\n');
        for (int row = 0; row < model.rowCount(); ++row) {
            const QByteArray line = lines.at(row);
            QCOMPARE(model.index(row, 0).data().toString(), QString::fromLatin1(line.left(8)).toUpper());
            const QList<QByteArray> hex = line.mid(10, 48).simplified().split(' ');
            const QByteArray chars = line.mid(10 + 48 + 1);
            for (int col = 1; col <= 16; ++col) {
                const QString cell = model.index(row, col).data().toString();
                const QString text = model.index(row, col + 16).data().toString();
                if (col - 1 < hex.size() && !hex.at(col - 1).isEmpty()) {
                    QCOMPARE(cell, QString::fromLatin1(hex.at(col - 1)));
                    QCOMPARE(text, QString(QLatin1Char(chars.at(col - 1))));
                } else {
                    QCOMPARE(cell, QString());
                    QCOMPARE(text, QString());
                }
            }
        }
        // A printable byte is a character value, any other the text ".".
        QCOMPARE(model.index(2, 17).data().typeId(), QMetaType::QChar);
        QCOMPARE(model.index(7, 32).data(), QVariant(QStringLiteral(".")));
        QCOMPARE(model.index(0, 33).data(), QVariant());
        QCOMPARE(model.index(0, 1).data(Qt::EditRole), QVariant());
        QCOMPARE(model.index(0, 0).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft));
        QCOMPARE(model.index(0, 5).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignHCenter | Qt::AlignVCenter));
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Address"));
        QCOMPARE(model.headerData(16, Qt::Horizontal).toString(), QStringLiteral("F"));
        QCOMPARE(model.headerData(17, Qt::Horizontal).toString(), QStringLiteral("0"));
        QCOMPARE(model.headerData(3, Qt::Vertical), QVariant());
        QVERIFY(model.flags(model.index(0, 16)) & Qt::ItemIsEditable);
        QVERIFY(!(model.flags(model.index(0, 17)) & Qt::ItemIsEditable));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
        QCOMPARE(HexBytes::addressText(0x1000), QStringLiteral("00010000"));
        QCOMPARE(HexTableModel(QByteArray()).rowCount(), 0);
    }

    void setDataChangesOneByte_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("stored");
        QTest::newRow("ff") << QVariant("ff") << int(Qt::EditRole) << 1 << true << 0xFF;
        QTest::newRow("FF") << QVariant("FF") << int(Qt::EditRole) << 1 << true << 0xFF;
        QTest::newRow("1FF keeps the low byte") << QVariant("1FF") << int(Qt::EditRole) << 1 << true << 0xFF;
        QTest::newRow("0a") << QVariant("0a") << int(Qt::EditRole) << 1 << true << 0x0A;
        QTest::newRow("empty") << QVariant("") << int(Qt::EditRole) << 1 << false << 0x11;
        QTest::newRow("G1") << QVariant("G1") << int(Qt::EditRole) << 1 << false << 0x11;
        QTest::newRow("display role") << QVariant("22") << int(Qt::DisplayRole) << 1 << false << 0x11;
        QTest::newRow("character column") << QVariant("22") << int(Qt::EditRole) << 17 << false << 0x11;
        QTest::newRow("past the end") << QVariant("22") << int(Qt::EditRole) << 3 << false << 0x11;
    }
    void setDataChangesOneByte()
    {
        QFETCH(QVariant, value);
        QFETCH(int, role);
        QFETCH(int, column);
        QFETCH(bool, accepted);
        QFETCH(int, stored);
        HexTableModel model(QByteArray("\x11\x22", 2));
        QSignalSpy changed(&model, &HexTableModel::dataChanged);
        QCOMPARE(model.setData(model.index(0, column), value, role), accepted);
        QCOMPARE(quint8(model.getByteArray().at(0)), quint8(stored));
        QCOMPARE(model.getByteArray().size(), 2);
        QCOMPARE(changed.size(), accepted ? 1 : 0);
        if (accepted) {
            QCOMPARE(changed.first().at(0).toModelIndex(), model.index(0, column));
            QCOMPARE(changed.first().at(2).value<QList<int>>(), QList<int>{Qt::DisplayRole});
        }
    }

    void searchKeepsToOneRow_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QList<QPoint>>("cells"); // (row, column)
        QTest::newRow("41 42 across a row end") << "41 42" << QList<QPoint>{};
        QTest::newRow("41 ends row 0") << "41" << QList<QPoint>{{0, 16}};
        QTest::newRow("lower case") << "4a" << QList<QPoint>{{1, 2}};
        QTest::newRow("two blanks") << "42  4A" << QList<QPoint>{{1, 1}};
        QTest::newRow("blanks only") << "   " << QList<QPoint>{};
        QTest::newRow("empty") << "" << QList<QPoint>{};
        QTest::newRow("A") << "A" << QList<QPoint>{};
        QTest::newRow("00A") << "00A" << QList<QPoint>{};
        QTest::newRow("tab is no separator") << "42\t4A" << QList<QPoint>{};
        QTest::newRow("non-ASCII") << QString::fromUtf8("4ä") << QList<QPoint>{};
        QTest::newRow("17 tokens") << QString("00 ").repeated(17) << QList<QPoint>{};
        QTest::newRow("10000 characters") << QString("0").repeated(10000) << QList<QPoint>{};
        QTest::newRow("zeros") << "00 00" << QList<QPoint>{{0, 1}, {0, 2}, {0, 3}, {2, 1}};
    }
    void searchKeepsToOneRow()
    {
        QFETCH(QString, query);
        QFETCH(QList<QPoint>, cells);
        QByteArray bytes(35, '\x55');
        bytes[0] = bytes[1] = bytes[2] = bytes[3] = 0;
        bytes[15] = 0x41;
        bytes[16] = 0x42;
        bytes[17] = 0x4A;
        bytes[32] = bytes[33] = 0;
        HexTableModel model(bytes);
        QList<QPoint> found;
        for (const QModelIndex &i : model.search(query, 0))
            found.append(QPoint(i.row(), i.column()));
        QCOMPARE(found, cells);
        // A first row skips what lies above it.
        QCOMPARE(model.search("00", 1).size(), 2);
    }

    // Differing rows and hits from the byte core equal those of cmp and grep.
    void rowsAndHitsMatchCmpAndGrep_data()
    {
        QTest::addColumn<int>("sizeA");
        QTest::addColumn<int>("sizeB");
        QTest::newRow("equal sizes") << 40000 << 40000;
        QTest::newRow("b 20 bytes longer") << 40000 << 40020;
        QTest::newRow("a 20 bytes longer, partial rows") << 40021 << 40001;
        QTest::newRow("a empty") << 0 << 100;
        QTest::newRow("both empty") << 0 << 0;
    }
    void rowsAndHitsMatchCmpAndGrep()
    {
        QFETCH(int, sizeA);
        QFETCH(int, sizeB);
        QByteArray a = randomBytes(sizeA, quint32(sizeA));
        QByteArray b = a.left(sizeB);
        b += randomBytes(sizeB - b.size(), 7);
        QRandomGenerator gen(11);
        for (int i = 0; i < sizeB / 100; ++i)
            b[gen.bounded(b.size())] = char(gen.bounded(256));
        // Plant sequences at a row end, across a row end and inside a row.
        const QByteArray seq("\xDE\xAD\xBE\xEF", 4);
        for (int at : {12, 30, 100, 4094, 8200})
            if (at + 4 <= a.size())
                a.replace(at, 4, seq);

        const QString pa = writeFile(dir, "a.bin", a);
        const QString pb = writeFile(dir, "b.bin", b);
        QCOMPARE(HexBytes::differingRows(a, b), cmpRows(pa, pb, qMax(sizeA, sizeB)));

        // The shown texts give the same rows.
        HexTableModel ma(a), mb(b);
        QList<int> byText;
        for (int row = 0; row < qMax(ma.rowCount(), mb.rowCount()); ++row)
            for (int col = 1; col <= 16; ++col)
                if (ma.index(row, col).data() != mb.index(row, col).data()) {
                    byText.append(row);
                    break;
                }
        QCOMPARE(HexBytes::differingRows(a, b), byText);

        for (const QString &query : {QStringLiteral("DE AD BE EF"), QStringLiteral("00")}) {
            QByteArray seqBytes;
            QVERIFY(HexBytes::parseQuery(query, &seqBytes));
            QString pattern;
            for (char c : seqBytes)
                pattern += QStringLiteral("\\x%1").arg(quint8(c), 2, 16, QLatin1Char('0'));
            QList<qint64> grepHits;
            for (const QByteArray &line : run("grep", {"-obUaP", pattern, pa}, {{"LC_ALL", "C"}}).split('\n'))
                if (!line.isEmpty()) {
                    const qint64 offset = line.left(line.indexOf(':')).toLongLong();
                    if (offset % 16 <= 16 - seqBytes.size())
                        grepHits.append(offset);
                }
            // Neither sequence can overlap itself, so grep's matches are all of them.
            QCOMPARE(HexBytes::findInRows(a, seqBytes), grepHits);
            QList<qint64> modelHits;
            for (const QModelIndex &i : ma.search(query, 0))
                modelHits.append(qint64(i.row()) * 16 + i.column() - 1);
            QCOMPARE(modelHits, HexBytes::findInRows(a, seqBytes));
        }
    }

    // Character cells: bytes that both show "." are equal there, a printable
    // one never equals "."; a missing row differs from an empty cell.
    void cellEquivalence()
    {
        const QByteArray a("\x01\x2E" "A", 3);
        const QByteArray b("\x7F\x00" "A" "B", 4);
        QVERIFY(!HexBytes::cellsEqual(a, b, 0, 1));
        QVERIFY(HexBytes::cellsEqual(a, b, 0, 17));
        QVERIFY(!HexBytes::cellsEqual(a, b, 0, 18));
        QVERIFY(HexBytes::cellsEqual(a, b, 0, 19));
        QVERIFY(!HexBytes::cellsEqual(a, b, 0, 20));
        QVERIFY(!HexBytes::cellsEqual(a, b, 0, 4));
        QVERIFY(HexBytes::cellsEqual(a, b, 0, 5));
        QVERIFY(HexBytes::cellsEqual(a, b, 0, 0));
        const QByteArray c(17, 'x');
        QVERIFY(!HexBytes::cellsEqual(a, c, 1, 2));
        QVERIFY(HexBytes::cellsEqual(a, c, 5, 0));
    }
};

KESP_TEST_GUILESS_MAIN(HexBytesTest)
#include "tst_hex_bytes.moc"
