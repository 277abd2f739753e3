// Spectral board lines: names, values and what must be dropped; the
// colours under the spectrum curve; a stream gives the same readings
// however it is cut, and junk never yields a reading it does not spell.
#include "instruments/line_framer.h"
#include "instruments/spectra_line.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using SpectraLine::parse;

class SpectraLineTest : public QObject
{
    Q_OBJECT
private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("channel"); // -1: dropped
        QTest::addColumn<double>("value");
        const char *names[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",  "NIR", "F9",  "FXL",
                               "F10", "FZ",  "F11", "FY",  "F12", "F13", "F14", "F15", "F16", "F17", "F18"};
        const int index[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 13, 14, 15, 16, 17};
        for (int i = 0; i < 22; ++i)
            QTest::addRow("%s full scale", names[i]) << QString("%1:1000").arg(names[i]) << index[i] << 1.0;
        QTest::newRow("NIR half") << "NIR:500" << 8 << 0.5;
        QTest::newRow("negative") << "F1:-200" << 0 << -0.2;
        QTest::newRow("int max") << "F2:2147483647" << 1 << 2147483.647;
        QTest::newRow("int min") << "F2:-2147483648" << 1 << -2147483.648;
        QTest::newRow("lower case") << "f1:100" << -1 << 0.0;
        QTest::newRow("leading blank") << " F1:100" << -1 << 0.0;
        QTest::newRow("two colons") << "F1:100:5" << -1 << 0.0;
        QTest::newRow("over 32 bits") << "F1:2147483648" << -1 << 0.0;
        QTest::newRow("11 digits") << "F1:12345678901" << -1 << 0.0;
        QTest::newRow("no value") << "F1:" << -1 << 0.0;
        QTest::newRow("no name") << ":5" << -1 << 0.0;
        QTest::newRow("no colon") << "F1 100" << -1 << 0.0;
        QTest::newRow("F19") << "F19:1" << -1 << 0.0;
        QTest::newRow("F0") << "F0:1" << -1 << 0.0;
        QTest::newRow("NIR1") << "NIR1:1" << -1 << 0.0;
        QTest::newRow("decimal") << "F1:1.5" << -1 << 0.0;
        QTest::newRow("hex") << "F1:0x10" << -1 << 0.0;
        QTest::newRow("NUL in value") << QString::fromUtf8("F1:1\0" "0", 6) << -1 << 0.0;
    }
    void lines()
    {
        QFETCH(QString, line);
        QFETCH(int, channel);
        QFETCH(double, value);
        const auto r = parse(line);
        QCOMPARE(r ? r->channel : -1, channel);
        if (r)
            QCOMPARE(r->value, value);
    }

    void colours()
    {
        const QList<QPair<double, QColor>> samples = {
            {380, QColor(150, 0, 255)}, {460, QColor(0, 72, 255)},   {510, QColor(0, 255, 0)},
            {585, QColor(255, 239, 0)}, {645, QColor(255, 50, 50)},  {760, QColor(129, 8, 8)},
            {940, QColor(160, 160, 160)}, {379, QColor(128, 128, 128)}, {941, QColor(128, 128, 128)}};
        for (const auto &s : samples)
            QCOMPARE(SpectraLine::wavelengthColor(s.first), s.second);
        QCOMPARE(SpectraLine::chipCode("AS7265X"), 2);
        QCOMPARE(SpectraLine::chipCode("as7341"), 255);
    }

    // Cut into one to three writes at every pair of offsets, a stream gives
    // the readings of the whole stream, in order.
    void everySplit()
    {
        const QByteArray stream = "F1:100\r\nNIR:-5\r\nF18:2147483647\r\n";
        auto readings = [](const QList<QByteArray> &writes) {
            LineFramer framer;
            QList<QPair<int, double>> out;
            for (const QByteArray &w : writes)
                for (const QByteArray &line : framer.push(w))
                    if (const auto r = parse(QString::fromUtf8(line)))
                        out.append({r->channel, r->value});
            return out;
        };
        const auto whole = readings({stream});
        QCOMPARE(whole.size(), 3);
        for (int i = 0; i <= stream.size(); ++i)
            for (int j = i; j <= stream.size(); ++j)
                QCOMPARE(readings({stream.left(i), stream.mid(i, j - i), stream.mid(j)}), whole);
    }

    // Whatever the bytes, a reading comes only from a known name, one ':'
    // and a 32-bit integer.
    void fuzz()
    {
        static const QRegularExpression valid(
            QStringLiteral("^(F([1-9]|1[0-8])|NIR|FXL|FZ|FY):\\s*[+-]?[0-9]+\\s*$"));
        const QList<QByteArray> pieces = {"F1", "F18", "F19", "NIR", "NIRX", "FX", "FXL", "fy", ":", "::", "-",
                                          "+", "0", "99999999999", "2147483647", QByteArray(1, '\0'), "\xff\xfe", " ", "\xc3"};
        QRandomGenerator rng(16);
        int readings = 0;
        for (int n = 0; n < 20000; ++n) {
            QByteArray bytes;
            for (int k = rng.bounded(1, 6); k > 0; --k)
                bytes += rng.bounded(4) ? pieces.at(rng.bounded(int(pieces.size())))
                                        : QByteArray(1, char(rng.bounded(256)));
            const QString line = QString::fromUtf8(bytes);
            if (const auto r = parse(line)) {
                ++readings;
                QVERIFY2(valid.match(line).hasMatch(), bytes.toHex().constData());
                QVERIFY(r->channel >= 0 && r->channel <= 17);
                QVERIFY(qAbs(r->value) <= 2147483.648);
            }
        }
        QVERIFY(readings > 0);
    }
};

QTEST_APPLESS_MAIN(SpectraLineTest)
#include "tst_spectra_line.moc"
