// Every unit of tools/convert_units.txt against GNU units, every round trip,
// and the exact texts of hand-checked conversions through the core and the
// shared formatter.
#include "tests/support/test_base.h"
#include "tests/utilities/unit_data.h"
#include "utilities/convert_format.h"
#include "utilities/unit_convert.h"

#include <QProcess>
#include <QtTest>

#include <cmath>

using UnitConvert::Quantity;

static bool quantityNamed(const QString &name, Quantity *q)
{
    for (int i = 0; i <= int(Quantity::DataStorage); ++i)
        if (name == QLatin1String(UnitConvert::name(Quantity(i)))) {
            *q = Quantity(i);
            return true;
        }
    return false;
}

// GNU units' value of one `have` in `want`; NaN when it has no answer.
static double gnuUnits(const QString &have, const QString &want)
{
    QProcess p;
    p.start(QStringLiteral("units"), {"-t", "-d", "15", have, want});
    if (!p.waitForFinished(5000) || p.exitCode() != 0)
        return std::nan("");
    bool ok = false;
    const double v = p.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? v : std::nan("");
}

static bool near(double got, double want, double relative)
{
    return std::fabs(got - want) <= relative * std::max(std::fabs(want), 1e-300);
}

class UnitConvertTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!std::isnan(gnuUnits("1 km", "m")), "GNU units (Debian package units) is needed");
    }

    void againstGnuUnits_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("base");
        QTest::addColumn<double>("tolerance");
        int rows = 0;
        for (const unitdata::GroupRow &g : unitdata::read())
            for (const unitdata::UnitRow &u : g.units) {
                QTest::addRow("%s %s", qPrintable(g.name), qPrintable(u.key))
                    << g.name << u.key << u.reference << g.reference << u.tolerance;
                ++rows;
            }
        QCOMPARE(rows, 229);
    }

    void againstGnuUnits()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QString, reference);
        QFETCH(QString, base);
        QFETCH(double, tolerance);
        Quantity q;
        QVERIFY(quantityNamed(group, &q));
        QVERIFY2(UnitConvert::indexOf(q, key) >= 0, "key of the data file missing from the table");

        if (reference.startsWith("fixed ")) {
            // No such scale in GNU units: its readings at fixed points.
            for (const QString &pair : reference.mid(6).split(' ')) {
                const double celsius = pair.section(':', 0, 0).toDouble();
                const double reading = pair.section(':', 1, 1).toDouble();
                QVERIFY(std::fabs(UnitConvert::fromBase(q, key, celsius) - reading) < 1e-9);
                QVERIFY(std::fabs(UnitConvert::toBase(q, key, reading) - celsius) < 1e-9);
            }
        } else if (base == QLatin1String("tempC")) {
            const double into = gnuUnits(reference + "(1)", base);
            const double out = gnuUnits(base + "(1)", reference);
            QVERIFY(std::fabs(UnitConvert::toBase(q, key, 1) - into) < 1e-6);
            QVERIFY(std::fabs(UnitConvert::fromBase(q, key, 1) - out) < 1e-6);
        } else {
            const double into = gnuUnits(reference, base);
            const double out = gnuUnits(base, reference);
            QVERIFY2(near(UnitConvert::toBase(q, key, 1), into, tolerance),
                     qPrintable(QString("into %1, GNU units %2").arg(UnitConvert::toBase(q, key, 1)).arg(into)));
            QVERIFY2(near(UnitConvert::fromBase(q, key, 1), out, tolerance),
                     qPrintable(QString("out %1, GNU units %2").arg(UnitConvert::fromBase(q, key, 1)).arg(out)));
        }

        for (double v : {1.0, -2.5, 123456.789}) {
            const double back = UnitConvert::fromBase(q, key, UnitConvert::toBase(q, key, v));
            QVERIFY2(std::fabs(back - v) <= 1e-12 * std::fabs(v), qPrintable(QString::number(back, 'g', 17)));
        }
    }

    void shownText_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("shown");
        for (const unitdata::Case &c : unitdata::cases())
            QTest::addRow("%s: %s %s to %s", c.group, c.amount, c.from, c.to)
                << QString::fromUtf8(c.group) << QString::fromUtf8(c.amount) << QString::fromUtf8(c.from)
                << QString::fromUtf8(c.to) << QString::fromUtf8(c.shown);
    }

    void shownText()
    {
        QFETCH(QString, group);
        QFETCH(QString, amount);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, shown);
        Quantity q;
        QVERIFY(quantityNamed(group, &q));
        const double base = UnitConvert::toBase(q, from, ConvertFormat::parseAmount(amount));
        QCOMPARE(UnitConvert::formatResult(q, UnitConvert::fromBase(q, to, base)), shown);
    }

    void hugeAmounts()
    {
        const QString digits(300, '7');
        const QString shown = UnitConvert::formatResult(Quantity::Lengths,
            UnitConvert::fromBase(Quantity::Lengths, "km", ConvertFormat::parseAmount(digits)));
        QVERIFY(shown.startsWith("77777777777777") && shown.size() > 290 && !shown.contains('.'));
        QCOMPARE(UnitConvert::formatResult(Quantity::DataStorage, 1e300 * 1e10), QString("inf"));
    }
};

KESP_TEST_GUILESS_MAIN(UnitConvertTest)
#include "tst_unit_convert.moc"
