// The rate feed's parse and day rule, fed everything a server might send:
// the real shape, cuts at every offset, noise, error pages, bad attributes.
#include "tests/support/test_base.h"
#include "tests/utilities/feed_data.h"
#include "utilities/rate_feed.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QtTest>

using RateList = QList<QPair<QString, double>>;
Q_DECLARE_METATYPE(RateList)

static RateList flat(const QList<RateFeed::Rate> &rates)
{
    RateList out;
    for (const RateFeed::Rate &r : rates)
        out.append({r.code, r.rate});
    return out;
}

// What every parse must give, whatever the input: only usable rates.
static bool allUsable(const RateFeed::Parsed &p)
{
    for (const RateFeed::Rate &r : p.rates)
        if (!RateFeed::usableRate(r.rate) || r.code.isEmpty())
            return false;
    return true;
}

class RateFeedTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<RateList>("rates");
        QTest::addColumn<bool>("readerError");

        RateList all;
        for (const auto &[code, rate] : feedtest::fullRates())
            all.append({QString::fromLatin1(code), rate.toDouble()});
        QTest::newRow("full feed: 30 rates in feed order") << feedtest::feed(feedtest::fullRates()) << all << false;
        QTest::newRow("USD and JPY only") << feedtest::feed({{"USD", "1.0883"}, {"JPY", "159.58"}})
                                          << RateList{{"USD", 1.0883}, {"JPY", 159.58}} << false;
        QTest::newRow("empty body: premature end") << QByteArray() << RateList{} << true;
        QTest::newRow("HTML page with 200") << QByteArray("<!DOCTYPE HTML>\n<html><head><meta charset=\"utf-8\">"
                                                          "<title>Portal</title></head><body>Log in</body></html>")
                                            << RateList{} << true;
        QTest::newRow("XML error document: no rates, no error")
            << QByteArray("<?xml version=\"1.0\"?><Error><Code>NoSuchKey</Code></Error>") << RateList{} << false;
        QTest::newRow("missing and empty attributes store nothing")
            << QByteArray("<Cube><Cube rate=\"1.5\"/><Cube currency=\"\" rate=\"2\"/><Cube currency=\"USD\"/>"
                          "<Cube currency=\"JPY\" rate=\"\"/><Cube currency=\"GBP\" rate=\"0.85263\"/></Cube>")
            << RateList{{"GBP", 0.85263}} << false;
        // A rate that is no usable number must not overwrite a good stored one.
        QTest::newRow("no number, zero, negative, overflowing rates are passed over")
            << feedtest::feed({{"USD", "abc"}, {"JPY", "0"}, {"CHF", "-0.93"}, {"NOK", "1e400"}, {"SEK", "nan"},
                               {"THB", "inf"}, {"PLN", "4,3175"}, {"GBP", "0.85263"}})
            << RateList{{"GBP", 0.85263}} << false;
        QTest::newRow("a repeated currency keeps both, in order")
            << feedtest::feed({{"USD", "1.01"}, {"USD", "1.02"}}) << RateList{{"USD", 1.01}, {"USD", 1.02}} << false;
        QTest::newRow("other element names store nothing")
            << QByteArray("<Rates><Rate currency=\"USD\" rate=\"1.1\"/><cube currency=\"JPY\" rate=\"150\"/></Rates>")
            << RateList{} << false;
        QTest::newRow("rates before a break stay, the reader reports the break")
            << feedtest::feed({{"USD", "1.0883"}, {"JPY", "159.58"}}).left(
                   feedtest::feed({{"USD", "1.0883"}, {"JPY", "159.58"}}).indexOf("JPY"))
            << RateList{{"USD", 1.0883}} << true;
    }

    void parse()
    {
        QFETCH(QByteArray, data);
        QFETCH(RateList, rates);
        QFETCH(bool, readerError);
        const RateFeed::Parsed p = RateFeed::parse(data);
        QCOMPARE(flat(p.rates), rates);
        QCOMPARE(p.readerError, readerError);
    }

    // A transfer can break anywhere: every cut gives a prefix of the rates
    // and is reported, never a made-up rate.
    void cutAtEveryOffset()
    {
        const QByteArray full = feedtest::feed(feedtest::fullRates());
        const RateList all = flat(RateFeed::parse(full).rates);
        const int lastTag = int(full.lastIndexOf('>')) + 1;
        for (int n = 0; n < full.size(); ++n) {
            const RateFeed::Parsed p = RateFeed::parse(full.left(n));
            const RateList got = flat(p.rates);
            QVERIFY2(got == all.mid(0, got.size()), qPrintable(QString::number(n)));
            QCOMPARE(p.readerError, n < lastTag);
        }
    }

    void noiseNeverGivesABadRate()
    {
        QRandomGenerator rng(25);
        const QByteArray full = feedtest::feed(feedtest::fullRates());
        for (int i = 0; i < 3000; ++i) {
            QByteArray data;
            if (i % 2) {
                data.resize(rng.bounded(600));
                for (char &c : data)
                    c = char(rng.bounded(256));
            } else {
                data = full;
                for (int k = 0; k < 1 + i % 8; ++k)
                    data[rng.bounded(int(data.size()))] = char(rng.bounded(256));
            }
            QVERIFY(allUsable(RateFeed::parse(data)));
        }
    }

    void tenThousandElements()
    {
        QList<QPair<QByteArray, QByteArray>> many;
        for (int i = 0; i < 10000; ++i)
            many.append({"USD", QByteArray::number(1 + i / 10000.0, 'f', 4)});
        const RateFeed::Parsed p = RateFeed::parse(feedtest::feed(many));
        QCOMPARE(p.rates.size(), 10000);
        QCOMPARE(p.rates.last().rate, 1.9999);
        QVERIFY(!p.readerError);
    }

    void dayRule_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("download");
        const QDate today = QDate::currentDate();
        QTest::newRow("missing") << QVariant() << true;
        QTest::newRow("no date-time") << QVariant("last week") << true;
        QTest::newRow("earlier today") << QVariant(QDateTime(today, QTime(0, 0, 1))) << false;
        QTest::newRow("later today") << QVariant(QDateTime(today, QTime(23, 59, 59))) << false;
        QTest::newRow("yesterday late") << QVariant(QDateTime(today.addDays(-1), QTime(23, 59, 59))) << true;
        QTest::newRow("tomorrow (clock set back)") << QVariant(QDateTime(today.addDays(1), QTime(0, 0))) << true;
        QTest::newRow("same day a year ago") << QVariant(QDateTime(today.addYears(-1), QTime(12, 0))) << true;
    }

    void dayRule()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, download);
        QCOMPARE(RateFeed::needsUpdate(stored, QDate::currentDate()), download);
    }
};

KESP_TEST_GUILESS_MAIN(RateFeedTest)
#include "tst_rate_feed.moc"
