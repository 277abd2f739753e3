// The painted gauges: their value and colour rules at the band edges, the
// shapes they paint (read back from grabs), and no crash or change of look
// on NaN, infinities, values out of range or zero divisors.
#include "instruments/cthermometer.h"
#include "instruments/dash_board.h"
#include "instruments/environment_line.h"
#include "instruments/progress_bar_percent.h"
#include "instruments/ultraviolet.h"
#include "tests/support/test_base.h"

#include <QImage>
#include <QSignalSpy>
#include <QtMath>
#include <QtTest>
#include <limits>

using Values = QList<double>;

static const double kNaN = std::numeric_limits<double>::quiet_NaN();
static const double kInf = std::numeric_limits<double>::infinity();

static QImage grabOf(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

static bool near(QColor a, QColor b, int tolerance = 4)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
        && qAbs(a.blue() - b.blue()) <= tolerance;
}

// Pixel at a logical point of a gauge drawn in the -100..100 square.
static QColor logical(const QImage &img, double x, double y)
{
    const double scale = qMin(img.width(), img.height()) / 200.0;
    return img.pixelColor(img.width() / 2 + qFloor(x * scale), img.height() / 2 + qFloor(y * scale));
}

class GaugesTest : public QObject
{
    Q_OBJECT
private slots:
    void ringValues_data()
    {
        QTest::addColumn<Values>("inputs");
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("emits");
        QTest::newRow("45.0 is amber") << Values{45.0} << 45 << QColor("#f0bd18") << 1;
        QTest::newRow("above 45 is teal") << Values{45.5} << 45 << QColor("#18bd9b") << 1;
        QTest::newRow("75.0 is blue") << Values{75.0} << 75 << QColor("#64b8ff") << 1;
        QTest::newRow("above max ignored") << Values{60.0, 100.5} << 60 << QColor("#18bd9b") << 1;
        QTest::newRow("below min ignored") << Values{60.0, -0.5} << 60 << QColor("#18bd9b") << 1;
        QTest::newRow("same value emits once") << Values{50.0, 50.0} << 50 << QColor("#18bd9b") << 1;
        QTest::newRow("NaN and infinities ignored") << Values{30.0, kNaN, kInf, -kInf} << 30 << QColor("#f0bd18") << 1;
    }
    void ringValues()
    {
        QFETCH(Values, inputs);
        QFETCH(int, value);
        QFETCH(QColor, colour);
        QFETCH(int, emits);
        ProgressBarPercent ring;
        QSignalSpy spy(&ring, &ProgressBarPercent::valueChanged);
        for (double v : inputs)
            ring.setValue(v);
        QCOMPARE(ring.getValue(), value);
        QCOMPARE(ring.getUsedColor(), colour);
        QCOMPARE(spy.count(), emits);
        QCOMPARE(spy.last().first().toInt(), value);
    }

    // Every one-decimal humidity line shows as the board sent it: 55.5 once
    // showed 55.50000000000001, too wide for the ring.
    void ringTextIsTheReading_data()
    {
        QTest::addColumn<QByteArray>("reading");
        for (int i = 0; i <= 1000; ++i) {
            const QByteArray reading = QByteArray::number(i / 10) + '.' + QByteArray::number(i % 10);
            QTest::newRow(reading.constData()) << reading;
        }
    }
    void ringTextIsTheReading()
    {
        QFETCH(QByteArray, reading);
        const QList<EnvironmentLine::Result> lines = EnvironmentLine::parse("Humidity:" + reading + "%");
        QCOMPARE(lines.size(), 1);
        const EnvironmentLine::Result line = lines.first();
        QCOMPARE(line.reading, EnvironmentLine::Reading::Humidity);
        ProgressBarPercent ring;
        ring.setValue(line.value);
        QString expected = QString::fromLatin1(reading);
        if (expected.endsWith(".0"))
            expected.chop(2);
        QCOMPARE(ring.text(), expected + '%');
    }

    // Half full in arc-and-level style: the arc runs clockwise from 3 o'clock
    // through the bottom, the level fills the lower half of the disc.
    void ringShape()
    {
        ProgressBarPercent ring;
        ring.resize(200, 200);
        ring.setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);
        ring.setValue(50.0);
        const QImage img = grabOf(ring);
        const QColor teal("#18bd9b");
        const QColor disc("#464646");
        QVERIFY(near(logical(img, 0, 94), teal));
        QVERIFY(near(logical(img, 0, 60), teal));
        QVERIFY(near(logical(img, 50, 30), teal));
        QVERIFY(near(logical(img, 0, -60), disc));
        QVERIFY(near(logical(img, -50, -30), disc));
        // The upper half of the arc is not drawn.
        QVERIFY(!near(logical(img, 0, -94), teal));
        QVERIFY(near(logical(img, 94, 2), teal));
        QVERIFY(near(logical(img, -94, 2), teal));

        // A range change keeps the value; bad values change nothing.
        ring.setRange(0, 40);
        QCOMPARE(ring.getValue(), 50);
        ring.setRange(10, 10);
        QCOMPARE(ring.getMaxValue(), 40);
        ring.setRange(0, 100);
        ring.setValue(kNaN);
        QCOMPARE(grabOf(ring), img);
    }

    void thermometerColours_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("0.0 blue") << 0.0 << QColor("#64b8ff");
        QTest::newRow("-12 blue") << -12.0 << QColor("#64b8ff");
        QTest::newRow("0.1 red") << 0.1 << QColor("#fa6464");
        QTest::newRow("15.0 red") << 15.0 << QColor("#fa6464");
        QTest::newRow("20.0 teal") << 20.0 << QColor("#18bd9b");
        QTest::newRow("25.0 red") << 25.0 << QColor("#fa6464");
    }
    // The liquid's colour, read in the bulb.
    void thermometerColours()
    {
        QFETCH(double, value);
        QFETCH(QColor, colour);
        CThermometer t;
        t.resize(120, 400);
        t.setValue(value);
        QCOMPARE(t.getValue(), value);
        const QImage img = grabOf(t);
        // Bulb centre: tube bottom (400 - 93 + 25) plus the tube width.
        QVERIFY(near(img.pixelColor(60, 332 + 24 + 10), colour));
        t.setValue(kNaN);
        t.setValue(-kInf);
        QCOMPARE(t.getValue(), value);
        QCOMPARE(grabOf(t), img);
    }

    // The column against the scale, in a 120 x 400 widget whose tube spans
    // y 25..332 at x 48..72 (the bulb covers it below 316): empty below min - 5, full above max, and the
    // ends rounded to tens (85 -> 80, -35 -> -30) set the level.
    void thermometerColumn_data()
    {
        QTest::addColumn<int>("minValue");
        QTest::addColumn<int>("maxValue");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("filled");
        QTest::newRow("below min - 5 empty above the bulb") << -30 << 70 << -35.5 << 312 << false;
        QTest::newRow("a step above min reaches there") << -30 << 70 << -20.0 << 312 << true;
        QTest::newRow("above max full at the top") << -30 << 70 << 80.0 << 27 << true;
        QTest::newRow("max leaves the top free") << -30 << 70 << 70.0 << 27 << false;
        QTest::newRow("85 is stored as 80") << -30 << 85 << 75.0 << 56 << true;
        QTest::newRow("-35 is stored as -30") << -35 << 70 << -30.0 << 312 << false;
    }
    void thermometerColumn()
    {
        QFETCH(int, minValue);
        QFETCH(int, maxValue);
        QFETCH(double, value);
        QFETCH(int, y);
        QFETCH(bool, filled);
        CThermometer t;
        t.resize(120, 400);
        t.setMinValue(minValue);
        t.setMaxValue(maxValue);
        t.setValue(value);
        const QImage img = grabOf(t);
        const QColor liquid = img.pixelColor(60, 370);
        const QColor at = img.pixelColor(60, y);
        QVERIFY2(filled ? near(at, liquid) : near(at, QColor("#646464")), qPrintable(at.name()));
    }

    // Zero divisors are refused, a short widget draws no column upside down.
    void thermometerBadInput()
    {
        CThermometer t;
        t.resize(120, 400);
        t.setValue(20.0);
        const QImage before = grabOf(t);
        t.setPrecision(CThermometer::PRECISION(0));
        t.setPrecision(CThermometer::PRECISION(-2));
        QCOMPARE(grabOf(t), before);

        // 80 px is too short for the tube: it is empty rather than of
        // negative height, so full and empty look the same.
        t.resize(120, 80);
        const auto liquidMask = [&](double v) {
            t.setValue(v);
            const QImage img = grabOf(t);
            const QColor liquid = img.pixelColor(60, 25 + 24);
            QImage mask(img.size(), QImage::Format_Mono);
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    mask.setPixel(x, y, img.pixelColor(x, y) == liquid ? 1 : 0);
            return mask;
        };
        const QImage full = liquidMask(200.0);
        const QImage empty = liquidMask(-200.0);
        QCOMPARE(full, empty);
        // The bulb hangs below the empty tube's top (25 + 24), not above it.
        QCOMPARE(empty.pixelIndex(60, 78), 1);
        t.setValueWithAnimation(kNaN);
        QTest::qWait(150);
        QCOMPARE(t.getValue(), -200.0);
        t.setValueWithAnimation(5.0);
        QTRY_COMPARE(t.getValue(), 5.0);
    }

    void dialValues_data()
    {
        QTest::addColumn<Values>("inputs");
        QTest::addColumn<double>("value");
        QTest::newRow("2000 on 0..1100 is 1100") << Values{2000.0} << 1100.0;
        QTest::newRow("below min is min") << Values{-5.0} << 0.0;
        QTest::newRow("inside stays") << Values{512.5} << 512.5;
        QTest::newRow("NaN keeps the value") << Values{300.0, kNaN} << 300.0;
        QTest::newRow("infinity keeps the value") << Values{300.0, kInf, -kInf} << 300.0;
    }
    void dialValues()
    {
        QFETCH(Values, inputs);
        QFETCH(double, value);
        DashBoard dial;
        dial.setMinValue(0);
        dial.setMaxValue(1100);
        for (double v : inputs)
            dial.setValue(v);
        QCOMPARE(dial.getValue(), value);
    }

    // The needle points at min (lower left), mid (top) and max (lower
    // right); zero divisions are refused and change nothing.
    void dialNeedle_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("pointing");
        QTest::newRow("min") << 0.0 << 0;
        QTest::newRow("mid") << 550.0 << 1;
        QTest::newRow("max") << 1100.0 << 2;
    }
    void dialNeedle()
    {
        QFETCH(double, value);
        QFETCH(int, pointing);
        DashBoard dial;
        dial.resize(400, 400);
        dial.setTitle(QString());
        dial.setNumericIndicatorEnabled(false);
        dial.setMinValue(0);
        dial.setMaxValue(1100);
        dial.setValue(value);
        const QImage img = grabOf(dial);
        // Needle directions 60, 180 and 300 degrees from straight down.
        for (int i = 0; i < 3; ++i) {
            const double a = qDegreesToRadians(60.0 + 120.0 * i);
            const QColor c = logical(img, -40 * qSin(a), 40 * qCos(a));
            if (i == pointing)
                QVERIFY2(c.red() > 0x70, qPrintable(c.name()));
            else
                QVERIFY2(near(c, QColor("#414141")), qPrintable(c.name()));
        }
        dial.setScaleMajor(0);
        dial.setScaleMinor(0);
        dial.setScaleMajor(-4);
        dial.setValue(kNaN);
        QCOMPARE(grabOf(dial), img);
    }

    void uvColours_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("reported");
        QTest::newRow("400 yellow") << 400.0 << QColor("#fdd835") << 400;
        QTest::newRow("401 orange") << 401.0 << QColor("#f39c12") << 401;
        QTest::newRow("694.9 orange") << 694.9 << QColor("#f39c12") << 694;
        QTest::newRow("695 takes the upper band") << 695.0 << QColor("#d35400") << 695;
        QTest::newRow("880 takes the upper band") << 880.0 << QColor("#ff0000") << 880;
        QTest::newRow("1077.5 red") << 1077.5 << QColor("#ff0000") << 1077;
        QTest::newRow("1078 purple") << 1078.0 << QColor("#4a235a") << 1078;
        QTest::newRow("1e12 reports the int maximum") << 1e12 << QColor("#4a235a") << std::numeric_limits<int>::max();
        QTest::newRow("-1e12 reports the int minimum") << -1e12 << QColor("#fdd835") << std::numeric_limits<int>::min();
    }
    // The disc colour, read below the text, and the reported value.
    void uvColours()
    {
        QFETCH(double, value);
        QFETCH(QColor, colour);
        QFETCH(int, reported);
        Ultraviolet uv;
        uv.resize(200, 200);
        QSignalSpy spy(&uv, &Ultraviolet::valueChanged);
        uv.setValue(value);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.first().first().toInt(), reported);
        const QImage img = grabOf(uv);
        QVERIFY2(near(logical(img, 0, 60), colour), qPrintable(logical(img, 0, 60).name()));
        uv.setValue(kNaN);
        uv.setValue(kInf);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(grabOf(uv), img);
    }

    // The sun picture comes from the resources: rays outside the disc.
    void uvSunRays()
    {
        Ultraviolet uv;
        uv.resize(200, 200);
        const QImage img = grabOf(uv);
        const QColor ray = logical(img, 0, -88);
        QVERIFY2(ray.red() > 0xe0 && ray.green() > 0x90 && ray.blue() < 0x80, qPrintable(ray.name()));
        QVERIFY(near(logical(img, 0, -60), QColor("#fdd835")));
    }
};

KESP_TEST_MAIN(GaugesTest)
#include "tst_gauges.moc"
