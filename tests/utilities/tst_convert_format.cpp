// The converter's amount reading and result texts, shared by all groups.
#include "utilities/convert_format.h"

#include <QtTest>

class ConvertFormatTest : public QObject
{
    Q_OBJECT
private slots:
    void parseAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("comma is no decimal point") << "1,5" << 0.0;
        QTest::newRow("digit grouping refused") << "1,000" << 0.0;
        QTest::newRow("blanks around") << " 2 " << 2.0;
        QTest::newRow("sign and exponent") << "-2.5e3" << -2500.0;
        // Qt hands back infinity for these with ok false: still 0.
        QTest::newRow("overflow") << "1e400" << 0.0;
        QTest::newRow("negative overflow") << "-1e400" << 0.0;
        QTest::newRow("inf") << "inf" << 0.0;
        QTest::newRow("nan") << "nan" << 0.0;
        QTest::newRow("300 digits") << QString(300, '9') << 1e300;
    }

    void parseAmount()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(ConvertFormat::parseAmount(text), value);
    }

    void fixed_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero fraction goes with its point") << 1000.0 << 10 << "1000";
        QTest::newRow("trailing zeros trimmed") << 1.0883 << 10 << "1.0883";
        QTest::newRow("rounded to the last decimal") << 100 / 1.0883 << 10 << "91.8864283745";
        QTest::newRow("below half the last decimal") << 4e-11 << 10 << "0";
        QTest::newRow("just above half") << 6e-11 << 10 << "0.0000000001";
        QTest::newRow("15 decimals show the binary truth") << 0.0254 * 1000 << 15 << "25.399999999999999";
        QTest::newRow("negative") << -17.22222222222222 << 10 << "-17.2222222222";
        QTest::newRow("tiny negative is 0, not -0") << -1e-12 << 10 << "0";
        QTest::newRow("negative zero") << -0.0 << 15 << "0";
        QTest::newRow("zero") << 0.0 << 10 << "0";
        QTest::newRow("integral zeros stay") << 100.0 << 15 << "100";
    }

    void fixed()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(ConvertFormat::fixed(value, decimals), text);
    }

    void general()
    {
        QCOMPARE(ConvertFormat::general(8589934592.0), QString("8.58993e+09"));
        QCOMPARE(ConvertFormat::general(1 / 8192.0), QString("0.00012207"));
        QCOMPARE(ConvertFormat::general(-0.0), QString("0"));
    }
};

QTEST_GUILESS_MAIN(ConvertFormatTest)
#include "tst_convert_format.moc"
