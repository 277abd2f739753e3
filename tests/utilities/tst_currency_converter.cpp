// The rate download thread against python3's http.server on 127.0.0.1:
// what each kind of reply leaves in the settings file, the time and size
// limits, and the once-a-day rule counted in the server's request log.
#include "app/settings_file.h"
#include "tests/support/test_base.h"
#include "tests/utilities/feed_fixture.h"
#include "utilities/currency_converter.h"
#include "utilities/rate_feed.h"

#include <QDateTime>
#include <QSettings>
#include <QtTest>

using Ini = QMap<QString, QVariant>;
using Rates = QMap<QString, double>;
Q_DECLARE_METATYPE(Rates)

static Rates builtIn()
{
    Rates out;
    for (const RateFeed::Rate &r : RateFeed::builtInRates())
        out.insert(r.code, r.rate);
    return out;
}

// The group as stored; "END" must be the text "0" and is left out here.
static Rates storedRates(bool *endWritten)
{
    QSettings s(SettingsFile::path(), QSettings::IniFormat);
    s.beginGroup(RateFeed::kGroup);
    Rates out;
    *endWritten = s.value(RateFeed::kEndKey).toString() == QLatin1String("0");
    for (const QString &key : s.childKeys())
        if (key != QLatin1String(RateFeed::kEndKey))
            out.insert(key, s.value(key).toDouble());
    return out;
}

// Runs one converter start to its end.
static bool runOnce(bool *downloaded = nullptr)
{
    CurrencyConverter t;
    if (downloaded)
        *downloaded = t.needsUpdate();
    t.start();
    return t.wait(20000);
}

class CurrencyConverterTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { RateFeed::timeoutMs = 30000; }

    void replies_data()
    {
        QTest::addColumn<QString>("server"); // serve, missing, refused, stall
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<Rates>("before");
        QTest::addColumn<Rates>("after");
        QTest::addColumn<bool>("endWritten");

        Rates full;
        for (const auto &[code, rate] : feedtest::fullRates())
            full.insert(QString::fromLatin1(code), rate.toDouble());
        const QByteArray fullFeed = feedtest::feed(feedtest::fullRates());
        const Rates old{{"GBP", 0.9}, {"USD", 1.0}};

        QTest::newRow("full feed of 30") << "serve" << fullFeed << Rates{} << full << true;
        QTest::newRow("USD and JPY only: other keys untouched")
            << "serve" << feedtest::feed({{"USD", "1.0883"}, {"JPY", "159.58"}}) << old
            << Rates{{"GBP", 0.9}, {"USD", 1.0883}, {"JPY", 159.58}} << true;
        QTest::newRow("truncated: built-in table over what was read")
            << "serve" << fullFeed.left(fullFeed.indexOf("USD")) << old << builtIn() << true;
        QTest::newRow("empty file") << "serve" << QByteArray() << old << builtIn() << true;
        QTest::newRow("404 page") << "missing" << QByteArray() << old << builtIn() << true;
        QTest::newRow("well-formed XML without Cube: END only")
            << "serve" << QByteArray("<?xml version=\"1.0\"?><feed><title>moved</title></feed>") << old << old << true;
        QTest::newRow("a bad rate keeps the old value")
            << "serve" << feedtest::feed({{"USD", "n/a"}, {"JPY", "170"}}) << old
            << Rates{{"GBP", 0.9}, {"USD", 1.0}, {"JPY", 170}} << true;
        QTest::newRow("refused port") << "refused" << QByteArray() << old << builtIn() << true;
        QTest::newRow("stalled server: built-in table after the time limit")
            << "stall" << QByteArray() << old << builtIn() << true;
        QTest::newRow("endless body: dropped past the size limit")
            << "serve" << fullFeed + QByteArray(2 * RateFeed::maxBodyBytes, ' ') << old << builtIn() << true;
    }

    void replies()
    {
        QFETCH(QString, server);
        QFETCH(QByteArray, body);
        QFETCH(Rates, before);
        QFETCH(Rates, after);
        QFETCH(bool, endWritten);

        Ini ini;
        for (auto it = before.constBegin(); it != before.constEnd(); ++it)
            ini.insert(QStringLiteral("ExchangeRates/") + it.key(), it.value());
        kesptest::TempHome home(ini);

        feedtest::FeedServer http;
        feedtest::StalledServer silent;
        if (server == "stall") {
            QVERIFY(silent.isReady());
            RateFeed::address = silent.url();
            RateFeed::timeoutMs = 700;
        } else if (server == "refused") {
            RateFeed::address = QStringLiteral("http://127.0.0.1:%1/stats/eurofxref/eurofxref-daily.xml")
                                    .arg(kesptest::freeTcpPort());
        } else {
            QVERIFY(http.isReady());
            RateFeed::address = http.url();
            if (server == "serve")
                http.setBody(body);
        }

        QElapsedTimer clock;
        clock.start();
        bool downloaded = false;
        QVERIFY(runOnce(&downloaded));
        QVERIFY(downloaded);
        if (server == "stall")
            QVERIFY2(clock.elapsed() >= 600 && clock.elapsed() < kesptest::bound(5000), qPrintable(QString::number(clock.elapsed())));
        if (server == "serve" || server == "missing")
            QCOMPARE(http.requests(), 1);

        bool end = false;
        QCOMPARE(storedRates(&end), after);
        QCOMPARE(end, endWritten);
    }

    // One attempt a day: the stamp is written before anything is fetched, so
    // a failed first start is not retried until the day changes.
    void oncePerDay()
    {
        kesptest::TempHome home;
        feedtest::FeedServer http;
        QVERIFY(http.isReady());
        http.setBody(feedtest::feed(feedtest::fullRates()));

        // First start of the day without network: the built-in table.
        RateFeed::address = QStringLiteral("http://127.0.0.1:%1/x").arg(kesptest::freeTcpPort());
        {
            CurrencyConverter t;
            QVERIFY(t.needsUpdate());
            QSettings s(SettingsFile::path(), QSettings::IniFormat);
            const QDateTime stamp = s.value(RateFeed::kLastOpenedKey).toDateTime();
            QVERIFY(qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 5);
            t.start();
            QVERIFY(t.wait(20000));
        }
        bool end = false;
        QCOMPARE(storedRates(&end).value("USD"), 1.0883);

        // The network is back the same day: nothing is fetched.
        RateFeed::address = http.url();
        bool downloaded = true;
        QVERIFY(runOnce(&downloaded));
        QVERIFY(!downloaded);
        QCOMPARE(http.requests(), 0);
        QCOMPARE(storedRates(&end).value("USD"), 1.0883);

        const auto stampAndRun = [&](const QDateTime &last) {
            {
                QSettings s(SettingsFile::path(), QSettings::IniFormat);
                s.setValue(RateFeed::kLastOpenedKey, last);
            }
            return runOnce();
        };
        const QDate today = QDate::currentDate();
        QVERIFY(stampAndRun(QDateTime(today.addDays(-1), QTime(23, 59))));
        QCOMPARE(http.requests(), 1);
        QCOMPARE(storedRates(&end).value("USD"), 1.0883 * 2 + 0.5);
        QVERIFY(stampAndRun(QDateTime(today, QTime(0, 0, 1))));
        QCOMPARE(http.requests(), 1);
        QVERIFY(stampAndRun(QDateTime(today.addDays(1), QTime(8, 0))));
        QCOMPARE(http.requests(), 2);
        {
            QSettings s(SettingsFile::path(), QSettings::IniFormat);
            s.remove(RateFeed::kLastOpenedKey);
        }
        QVERIFY(runOnce());
        QCOMPARE(http.requests(), 3);
    }

    // Stopping mid-download ends the wait at once and stores nothing.
    void stopWhileStalled()
    {
        kesptest::TempHome home(Ini{{"ExchangeRates/USD", 1.2}});
        feedtest::StalledServer silent;
        QVERIFY(silent.isReady());
        RateFeed::address = silent.url();
        CurrencyConverter t;
        t.start();
        QTest::qWait(300);
        QVERIFY(t.isRunning());
        QElapsedTimer clock;
        clock.start();
        t.stopAndWait();
        QVERIFY2(clock.elapsed() < kesptest::bound(1000), qPrintable(QString::number(clock.elapsed())));
        bool end = true;
        QCOMPARE(storedRates(&end), (Rates{{"USD", 1.2}}));
        QVERIFY(!end);
    }
};

KESP_TEST_GUILESS_MAIN(CurrencyConverterTest)
#include "tst_currency_converter.moc"
