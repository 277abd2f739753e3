// Position lines, the replay chain, the bounded per-peer line buffer and
// the script texts: what a peer or a file sends must never become script.
#include "positioning/map_script.h"
#include "positioning/position_line.h"
#include "tests/support/test_base.h"

#include <QtTest>

using namespace PositionLine;

class PositionLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("lat");
        QTest::addColumn<QString>("lon");
        QTest::addColumn<QString>("check");
        QTest::newRow("record") << "Latitude:39.9150000,Longitude:116.4040000\r\n" << true << "39.9150000"
                                << "116.4040000" << "ok";
        QTest::newRow("signed, LF only") << "Latitude:-33.5,Longitude:-70.25\n" << true << "-33.5" << "-70.25" << "ok";
        QTest::newRow("no longitude is skipped") << "Latitude:12.5" << false << "" << "" << "";
        QTest::newRow("no latitude") << "Longitude:12.5" << false << "" << "" << "";
        QTest::newRow("empty values") << "Latitude:,Longitude:" << true << "" << "" << "not a number";
        QTest::newRow("injection") << "Latitude:1);window.pwned=1;//,Longitude:2" << true << "1);window.pwned=1;//"
                                   << "2" << "not a number";
        QTest::newRow("huge") << "Latitude:1e999,Longitude:2" << true << "1e999" << "2" << "not a number";
        QTest::newRow("nan") << "Latitude:nan,Longitude:inf" << true << "nan" << "inf" << "not a number";
        QTest::newRow("lone CR stays, not a number") << "Latitude:1\r2,Longitude:3" << true << "1\r2" << "3"
                                                     << "not a number";
        QTest::newRow("poles and date line") << "Latitude:-90,Longitude:180" << true << "-90" << "180" << "ok";
        QTest::newRow("999, -999") << "Latitude:999,Longitude:-999" << true << "999" << "-999" << "out of range";
        QTest::newRow("1e308") << "Latitude:1e308,Longitude:1e308" << true << "1e308" << "1e308" << "out of range";
        QTest::newRow("latitude just past the pole") << "Latitude:-90.0000001,Longitude:0" << true << "-90.0000001"
                                                     << "0" << "out of range";
        QTest::newRow("longitude just past the date line") << "Latitude:0,Longitude:180.0000001" << true << "0"
                                                           << "180.0000001" << "out of range";
    }
    void parse()
    {
        QFETCH(QString, line);
        QFETCH(bool, found);
        const auto fix = PositionLine::parse(line);
        QCOMPARE(bool(fix), found);
        if (!fix)
            return;
        QTEST(fix->latitude, "lat");
        QTEST(fix->longitude, "lon");
        static const QMap<Check, QString> names{
            {Check::Ok, "ok"}, {Check::NotNumber, "not a number"}, {Check::OutOfRange, "out of range"}};
        QTEST(names.value(PositionLine::check(*fix)), "check");
    }

    // P,Q,Q,R draws P-Q and Q-R; a first repeat still draws once.
    void chain_data()
    {
        QTest::addColumn<QStringList>("fixes");
        QTest::addColumn<QStringList>("segments");
        QTest::newRow("P Q Q R") << QStringList{"1", "2", "2", "3"} << QStringList{"1-2", "2-3"};
        QTest::newRow("all equal") << QStringList{"1", "1", "1", "1"} << QStringList{"1-1"};
        QTest::newRow("single") << QStringList{"1"} << QStringList{};
    }
    void chain()
    {
        QFETCH(QStringList, fixes);
        ReplayChain c;
        QStringList got;
        for (const QString &f : fixes)
            if (const auto s = c.add({f, f}))
                got << s->from.latitude + "-" + s->to.latitude;
        QTEST(got, "segments");
    }

    // Lines split at every offset come out whole; an overlong line goes
    // without taking the next one with it, and memory stays bounded.
    void lineBuffer()
    {
        const QByteArray stream = "Latitude:1,Longitude:2\r\nabc\n\r\nLatitude:3,Longitude:4\r\n";
        for (int cut = 0; cut <= stream.size(); ++cut) {
            LineBuffer b;
            QList<QByteArray> lines = b.feed(stream.left(cut));
            lines += b.feed(stream.mid(cut));
            QCOMPARE(lines, (QList<QByteArray>{"Latitude:1,Longitude:2", "abc", "", "Latitude:3,Longitude:4"}));
        }
        LineBuffer b;
        for (int i = 0; i < 1000; ++i)
            QVERIFY(b.feed(QByteArray(1024, 'x')).isEmpty());
        QCOMPARE(b.feed("y\nnext\npart"), QList<QByteArray>{"next"});
        QCOMPARE(b.dropped(), 1);
        QCOMPARE(b.feed("\n"), QList<QByteArray>{"part"});
    }

    void scripts()
    {
        QCOMPARE(MapScript::push(-33.5, 151.25, true),
                 (QStringList{"Set_Longit(151.25)", "Set_Latit(-33.5)", "Set_Location_First()"}));
        QCOMPARE(MapScript::segment(1, 2, 3.125, -4).join(';'),
                 QString("Set_Latit2(1);Set_Longit2(2);Set_Latit3(3.125);Set_Longit3(-4);saveway()"));
        QCOMPARE(MapScript::searchDriving("北京市'长安街'"), QString("searchdriving(\"北京市'长安街'\")"));
        QCOMPARE(MapScript::searchDriving("a\"b\\c</script>\nd"),
                 QString("searchdriving(\"a\\\"b\\\\c<\\/script>\\nd\")"));
        QCOMPARE(record("1.5", "-2"), QByteArray("Latitude:1.5,Longitude:-2\r\n"));
        QVERIFY(isNull({"0.000000", "0.000000"}));
        QVERIFY(!isNull({"0.000000", "1"}));
    }
};

KESP_TEST_APPLESS_MAIN(PositionLineTest)
#include "tst_position_line.moc"
