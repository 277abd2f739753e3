// Spectral board lines: names, values and what must be dropped; the colours
// under the curve; the same readings however a stream is cut; junk never
// yields a reading it does not spell.
#include "instruments/line_framer.h"
#include "instruments/spectra_line.h"
#include "tests/support/test_base.h"

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
        const QStringList names = QString("F1 F2 F3 F4 F5 F6 F7 F8 NIR F9 FXL F10 FZ F11 FY F12 F13 F14 F15 F16 F17 F18").split(' ');
        const int index[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 13, 14, 15, 16, 17};
        for (int i = 0; i < names.size(); ++i)
            QTest::addRow("%s", qPrintable(names[i])) << names[i] + ":1000" << index[i] << 1.0;
        QTest::newRow("negative") << "F1:-200" << 0 << -0.2;
        QTest::newRow("int max") << "F2:2147483647" << 1 << 2147483.647;
        const char *dropped[] = {"f1:100", " F1:100", "F1:100:5", "F1:2147483648", "F1:12345678901", "F1:",
                                 ":5", "F1 100", "F19:1", "NIR1:1", "F1:1.5", "F1:0x10"};
        for (const char *line : dropped)
            QTest::addRow("%s", line) << line << -1 << 0.0;
        QTest::newRow("NUL in value") << QString::fromUtf8("F1:1\0" "0", 6) << -1 << 0.0;
    }
    void lines()
    {
        QFETCH(QString, line);
        QFETCH(int, channel);
        const auto r = parse(line);
        QCOMPARE(r ? r->channel : -1, channel);
        if (r)
            QTEST(r->value, "value");
    }

    void colours()
    {
        const QList<QPair<double, QColor>> samples = {
            {380, QColor(150, 0, 255)},   {460, QColor(0, 72, 255)},    {510, QColor(0, 255, 0)},
            {585, QColor(255, 239, 0)},   {645, QColor(255, 50, 50)},   {760, QColor(129, 8, 8)},
            {940, QColor(160, 160, 160)}, {379, QColor(128, 128, 128)}, {941, QColor(128, 128, 128)}};
        for (const auto &s : samples)
            QCOMPARE(SpectraLine::wavelengthColor(s.first), s.second);
    }

    // Cut into one to three writes at every pair of offsets.
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

    void fuzz()
    {
        static const QRegularExpression valid("^(F([1-9]|1[0-8])|NIR|FXL|FZ|FY):\\s*[+-]?[0-9]+\\s*$");
        const QList<QByteArray> pieces = {"F1", "F18", "F19", "NIR", "NIRX", "FXL", "fy", ":", "::", "-", "+", "0",
                                          "99999999999", "2147483647", QByteArray(1, '\0'), "\xff\xfe", " ", "\xc3"};
        QRandomGenerator rng(16);
        for (int n = 0; n < 20000; ++n) {
            QByteArray bytes;
            for (int k = rng.bounded(1, 6); k > 0; --k)
                bytes += rng.bounded(4) ? pieces.at(rng.bounded(int(pieces.size()))) : QByteArray(1, char(rng.bounded(256)));
            const QString line = QString::fromUtf8(bytes);
            if (const auto r = parse(line))
                QVERIFY2(valid.match(line).hasMatch() && r->channel <= 17, bytes.toHex().constData());
        }
    }
};

KESP_TEST_APPLESS_MAIN(SpectraLineTest)
#include "tst_spectra_line.moc"
