// Reading the maker's version file: the value compared with this release
// and the newer/not newer decision, including the loose reading's quirks.
#include "app/version_parse.h"
#include "tests/support/test_base.h"

#include <QtTest>

class VersionParse : public QObject
{
    Q_OBJECT
private slots:
    void value_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<qint64>("value");
        QTest::addColumn<bool>("newer");

        QTest::newRow("next patch") << "\"3.4.5\"\n" << qint64(30405) << true;
        QTest::newRow("this release") << "\"3.4.4\"\n" << qint64(30404) << false;
        QTest::newRow("text around the quotes") << "version=\"3.4.6\"\n" << qint64(30406) << true;
        QTest::newRow("no line feed: patch keeps the quote") << "\"3.4.5\"" << qint64(30400) << false;
        QTest::newRow("two-digit minor") << "\"3.10.0\"\n" << qint64(31000) << true;
        QTest::newRow("next major") << "\"4.0.0\"\n" << qint64(40000) << true;
        QTest::newRow("minor of 100 overlaps") << "\"2.100.5\"\n" << qint64(30005) << false;
        QTest::newRow("four-digit patch cut to three") << "\"3.4.1234\"\n" << qint64(30523) << true;
        QTest::newRow("cut to ten characters") << "\"3.4.5000000000\"\n" << qint64(30900) << true;
        QTest::newRow("no second dot") << "\"3.5\"\n" << qint64(30500) << true;
        QTest::newRow("letters after the line feed join") << "\"3.4.5\"\nab" << qint64(30400) << false;
        QTest::newRow("no quote: read from the start") << "3.4.7" << qint64(30407) << true;
        QTest::newRow("error page") << "<html><body>Not Found</body></html>" << qint64(0) << false;
        QTest::newRow("huge parts do not overflow")
            << "\"99999999\"\n" << (qint64(99999999) * 10000 + qint64(99999999) * 100 + 999) << true;
        QTest::newRow("no numbers") << "\"a.b.c\"\n" << qint64(0) << false;
    }

    void value()
    {
        QFETCH(QString, file);
        QFETCH(qint64, value);
        QFETCH(bool, newer);
        QCOMPARE(UpdateCheck::versionValue(file), value);
        QCOMPARE(UpdateCheck::isNewer(UpdateCheck::versionValue(file)), newer);
    }
};

KESP_TEST_APPLESS_MAIN(VersionParse)
#include "tst_version_parse.moc"
