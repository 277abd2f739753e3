// The environment and oscilloscope line parsers: the board's formats, cut
// lines, unreadable numbers (which read as 0, never NaN or infinite), and no
// crash on any prefix of a line or on random bytes.
#include "instruments/environment_line.h"
#include "instruments/line_framer.h"
#include "instruments/oscilloscope_line.h"
#include "tests/support/test_base.h"

#include <QRandomGenerator>
#include <QtTest>

using EnvironmentLine::Reading;
using Osc = OscilloscopeLine::Values;
Q_DECLARE_METATYPE(EnvironmentLine::Reading)

class SensorLinesTest : public QObject
{
    Q_OBJECT
private slots:
    void environment_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<Reading>("reading");
        QTest::addColumn<double>("value");
        QTest::newRow("humidity") << QByteArray("Humidity:45.5%") << Reading::Humidity << 45.5;
        QTest::newRow("temperature below zero") << QByteArray("Temperature:-12.25C") << Reading::Temperature << -12.25;
        QTest::newRow("barometer") << QByteArray("Barometer:1013Pa") << Reading::Barometer << 1013.0;
        QTest::newRow("barometer with a decimal point is 0") << QByteArray("Barometer:1013.25Pa") << Reading::Barometer << 0.0;
        QTest::newRow("hPa is no integer") << QByteArray("Barometer:1013hPa") << Reading::Barometer << 0.0;
        QTest::newRow("ultraviolet ends with the line") << QByteArray("Ultraviolet:1234") << Reading::Ultraviolet << 1234.0;
        QTest::newRow("CO2") << QByteArray("CO2:400ppm") << Reading::CO2 << 400.0;
        QTest::newRow("TVOC") << QByteArray("TVOC:5ppb") << Reading::TVOC << 5.0;
        QTest::newRow("not a number") << QByteArray("Humidity:abc%") << Reading::Humidity << 0.0;
        QTest::newRow("nan is no number") << QByteArray("Humidity:nan%") << Reading::Humidity << 0.0;
        QTest::newRow("inf is no number") << QByteArray("Temperature:infC") << Reading::Temperature << 0.0;
        QTest::newRow("1e999 is no number") << QByteArray("Temperature:1e999C") << Reading::Temperature << 0.0;
        QTest::newRow("50 digits is no integer") << QByteArray("CO2:" + QByteArray(50, '9') + "ppm") << Reading::CO2 << 0.0;
        QTest::newRow("beyond 32 bits") << QByteArray("TVOC:2147483648ppb") << Reading::TVOC << 0.0;
        QTest::newRow("32-bit maximum") << QByteArray("TVOC:2147483647ppb") << Reading::TVOC << 2147483647.0;
        QTest::newRow("invalid UTF-8 is 0") << QByteArray("CO2:4\xff\xfe""0ppm") << Reading::CO2 << 0.0;
        QTest::newRow("noise before the key") << QByteArray("\x00garbage Humidity:50%", 21) << Reading::Humidity << 50.0;
        QTest::newRow("no key") << QByteArray("Pressure:1000Pa") << Reading::None << 0.0;
        QTest::newRow("empty line") << QByteArray() << Reading::None << 0.0;
    }
    void environment()
    {
        QFETCH(QByteArray, line);
        QFETCH(Reading, reading);
        QFETCH(double, value);
        const EnvironmentLine::Result r = EnvironmentLine::parse(line);
        QCOMPARE(r.reading, reading);
        QCOMPARE(r.value, value);
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

    // Every prefix of valid lines and seeded random bytes, through the
    // framer: nothing crashes and every value is finite.
    void prefixesAndRandomBytes()
    {
        const QByteArray valid = "Humidity:45.5%\r\nTemperature:21.5C\r\nBarometer:1000Pa\r\nUltraviolet:12\r\n"
                                 "CO2:800ppm\r\nTVOC:10ppb\r\n$0:1;$1:2;$2:3;$3:4;\r\n";
        for (int cut = 0; cut <= valid.size(); ++cut) {
            const QByteArray prefix = valid.left(cut);
            QVERIFY(qIsFinite(EnvironmentLine::parse(prefix).value));
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
                QVERIFY(qIsFinite(EnvironmentLine::parse(line).value));
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
