// The environment and oscilloscope line parsers: the board's formats, cut
// lines, unreadable numbers (which read as 0, never NaN or infinite), and no
// crash on any prefix of a line or on random bytes.
#include "instruments/cie_line.h"
#include "instruments/environment_line.h"
#include "instruments/imu_line.h"
#include "instruments/line_framer.h"
#include "instruments/oscilloscope_line.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

using Osc = OscilloscopeLine::Values;

class SensorLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void environment_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("readings"); // "Humidity 45.5, ..."
        QTest::newRow("humidity") << QByteArray("Humidity:45.5%") << "Humidity 45.5";
        QTest::newRow("temperature below zero") << QByteArray("Temperature:-12.25C") << "Temperature -12.25";
        QTest::newRow("barometer") << QByteArray("Barometer:1013Pa") << "Barometer 1013";
        QTest::newRow("barometer with a decimal point is 0") << QByteArray("Barometer:1013.25Pa") << "Barometer 0";
        QTest::newRow("hPa is no integer") << QByteArray("Barometer:1013hPa") << "Barometer 0";
        QTest::newRow("ultraviolet ends with the line") << QByteArray("Ultraviolet:1234") << "Ultraviolet 1234";
        QTest::newRow("CO2") << QByteArray("CO2:400ppm") << "CO2 400";
        QTest::newRow("TVOC") << QByteArray("TVOC:5ppb") << "TVOC 5";
        QTest::newRow("not a number") << QByteArray("Humidity:abc%") << "Humidity 0";
        QTest::newRow("nan is no number") << QByteArray("Humidity:nan%") << "Humidity 0";
        QTest::newRow("inf is no number") << QByteArray("Temperature:infC") << "Temperature 0";
        QTest::newRow("1e999 is no number") << QByteArray("Temperature:1e999C") << "Temperature 0";
        QTest::newRow("50 digits is no integer") << QByteArray("CO2:" + QByteArray(50, '9') + "ppm") << "CO2 0";
        QTest::newRow("beyond 32 bits") << QByteArray("TVOC:2147483648ppb") << "TVOC 0";
        QTest::newRow("32-bit maximum") << QByteArray("TVOC:2147483647ppb") << "TVOC 2147483647";
        QTest::newRow("invalid UTF-8 is 0") << QByteArray("CO2:4\xff\xfe""0ppm") << "CO2 0";
        QTest::newRow("noise before the key") << QByteArray("\x00garbage Humidity:50%", 21) << "Humidity 50";
        QTest::newRow("no key") << QByteArray("Pressure:1000Pa") << "";
        QTest::newRow("empty line") << QByteArray() << "";
        // Lines other boards send, which a cut-line rule must not refuse.
        QTest::newRow("a prefix that starts a key name") << QByteArray("T Humidity:51.5%") << "Humidity 51.5";
        QTest::newRow("a key cut by a reset, then a whole line") << QByteArray("HumHumidity:45%") << "Humidity 45";
        QTest::newRow("two whole readings on one line")
            << QByteArray("Temperature:25.3C Humidity:45.5%") << "Humidity 45.5, Temperature 25.3";
        QTest::newRow("two readings apart by a tab") << QByteArray("CO2:1500ppm\tTVOC:12ppb") << "CO2 1500, TVOC 12";
        // What stays out: a value run into the next reading's key.
        QTest::newRow("a cut value runs into the next line")
            << QByteArray("Humidity:4Humidity:45.5%") << "";
        QTest::newRow("only the cut reading goes")
            << QByteArray("Humidity:4Temperature:25.3C") << "Temperature 25.3";
        QTest::newRow("a cut temperature whose unit would be the next key's C")
            << QByteArray("Temperature:2CO2:400ppm") << "CO2 400";
        QTest::newRow("a temperature and CO2 with its unit between")
            << QByteArray("Temperature:-1.5C CO2:400ppm") << "Temperature -1.5, CO2 400";
    }
    void environment()
    {
        QFETCH(QByteArray, line);
        static const char *names[] = {"None", "Humidity", "Temperature", "Barometer", "Ultraviolet", "CO2", "TVOC"};
        QStringList got;
        for (const EnvironmentLine::Result &r : EnvironmentLine::parse(line))
            got << QStringLiteral("%1 %2").arg(names[int(r.reading)]).arg(r.value, 0, 'g', 15);
        QTEST(got.join(", "), "readings");
    }

    void oscilloscope_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<bool>("sample");
        QTest::addColumn<Osc>("values");
        QTest::newRow("four channels") << QByteArray("$0:1.5;$1:-2;$2:3e2;$3:0.25;") << true << Osc{1.5, -2, 300, 0.25};
        QTest::newRow("missing $2 leaves 2 and 3 at 0") << QByteArray("$0:1;$1:2;$3:4;") << true << Osc{1, 2, 0, 0};
        QTest::newRow("not a number is 0") << QByteArray("$0:x;$1:2;$2:3;$3:4;") << true << Osc{0, 2, 3, 4};
        QTest::newRow("nan and inf are 0") << QByteArray("$0:nan;$1:inf;$2:-inf;$3:1e999;") << true << Osc{0, 0, 0, 0};
        QTest::newRow("last value without ;") << QByteArray("$0:1;$1:2;$2:3;$3:4") << true << Osc{1, 2, 3, 4};
        QTest::newRow("text before $0 ignored") << QByteArray("noise $1:9;$0:1;$1:2;$2:3;$3:4;") << true << Osc{1, 2, 3, 4};
        QTest::newRow("no $0 is no sample") << QByteArray("$1:2;$2:3;") << false << Osc{};
        QTest::newRow("50 digits") << QByteArray("$0:" + QByteArray(50, '7') + ";") << true << Osc{7.777777777777778e49, 0, 0, 0};
    }
    void oscilloscope()
    {
        QFETCH(QByteArray, line);
        QFETCH(bool, sample);
        QFETCH(Osc, values);
        const std::optional<Osc> got = OscilloscopeLine::parse(line);
        QCOMPARE(got.has_value(), sample);
        if (sample)
            for (int k = 0; k < 4; ++k)
                QCOMPARE((*got)[k], values[k]);
    }

    // A board at the wrong baud rate, or one that sends no line ends, feeds
    // lines of 64 KiB with a key over and over and nothing between: each
    // parser takes such a line in time proportional to its length.
    void longLineWithoutSeparators_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("repeated");
        for (const char *key : {"W:", "CIEX", "CO2:", "Humidity:", "$0:"})
            QTest::newRow(key) << QByteArray() << QByteArray(key);
        // One number without end: the quaternion pattern must not try every
        // split of its digits.
        QTest::newRow("W: then digits") << QByteArray("W:") << QByteArray("7");
    }
    void longLineWithoutSeparators()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, repeated);
        const QByteArray line = head + repeated.repeated(65000 / repeated.size());
        const QString text = QString::fromLatin1(line);
        QElapsedTimer t;
        t.start();
        (void)ImuLine::parse(text);
        (void)CieLine::parse(text);
        (void)EnvironmentLine::parse(line);
        (void)OscilloscopeLine::parse(line);
        QVERIFY2(t.elapsed() < 250 * kesptest::kTimeScale, qPrintable(QString::number(t.elapsed()) + " ms"));
    }

    // Every prefix of valid lines and seeded random bytes, through the
    // framer: nothing crashes and every value is finite.
    void prefixesAndRandomBytes()
    {
        const QByteArray valid = "Humidity:45.5%\r\nTemperature:21.5C\r\nBarometer:1000Pa\r\nUltraviolet:12\r\n"
                                 "CO2:800ppm\r\nTVOC:10ppb\r\n$0:1;$1:2;$2:3;$3:4;\r\n";
        for (int cut = 0; cut <= valid.size(); ++cut) {
            const QByteArray prefix = valid.left(cut);
            for (const EnvironmentLine::Result &r : EnvironmentLine::parse(prefix))
                QVERIFY(qIsFinite(r.value));
            if (const auto v = OscilloscopeLine::parse(prefix))
                for (double x : *v)
                    QVERIFY(qIsFinite(x));
        }
        QRandomGenerator rng(99);
        LineFramer framer;
        int lines = 0;
        for (int i = 0; i < 2000; ++i) {
            QByteArray chunk;
            const int len = int(rng.bounded(64));
            for (int j = 0; j < len; ++j)
                chunk += char(rng.bounded(256));
            if (rng.bounded(4) == 0)
                chunk += valid.mid(int(rng.bounded(valid.size())), 20);
            for (const QByteArray &line : framer.push(chunk)) {
                ++lines;
                for (const EnvironmentLine::Result &r : EnvironmentLine::parse(line))
                    QVERIFY(qIsFinite(r.value));
                if (const auto v = OscilloscopeLine::parse(line))
                    for (double x : *v)
                        QVERIFY(qIsFinite(x));
            }
            QVERIFY(framer.tail().size() <= LineFramer::kMaxTail);
        }
        QVERIFY(lines > 0);
    }
};

KESP_TEST_GUILESS_MAIN(SensorLinesTest)
#include "tst_sensor_lines.moc"
