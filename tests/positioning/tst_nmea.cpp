// NMEA framer and decoders: label texts per rule, a generated multi-GNSS
// log that decodes the same however it is split and agrees with gpsd's
// gpsdecode, and a bounded buffer under garbage.
#include "positioning/nmea_decoder.h"
#include "positioning/nmea_framer.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray withSum(const QByteArray &body, bool lower = false)
{
    unsigned char c = 0;
    for (char ch : body)
        c ^= static_cast<unsigned char>(ch);
    QByteArray hex = QByteArray::number(c, 16).rightJustified(2, '0');
    return '$' + body + '*' + (lower ? hex : hex.toUpper()) + "\r\n";
}

struct Decoded
{
    NmeaReadout readout;
    nmea_msg msg;
    // Per RMC: time, then signed position when one came with a fix.
    QStringList fixes;
    QList<QList<double>> dops;
    QString texts() const
    {
        QStringList t;
        for (const QString &s : readout.text)
            t << s;
        return t.join('|');
    }
};

// Feeds the bytes in batches of `batch` (0: whole) through one framer.
Decoded decodeAll(const QByteArray &log, int batch, NmeaFramer *framer)
{
    Decoded d;
    const int step = batch ? batch : int(log.size());
    for (int at = 0; at < log.size(); at += step) {
        for (const QByteArray &s : framer->feed(QByteArrayView(log).sliced(at, qMin(step, int(log.size()) - at)))) {
            d.readout.positionUpdated = false;
            const Nmea::Kind k = Nmea::decode(s.constData(), &d.msg, &d.readout, "Yes", "No");
            if (k == Nmea::Kind::RMC)
                d.fixes << d.readout.text[NmeaReadout::Utc]
                                + (d.readout.positionUpdated
                                       ? QStringLiteral(" %1 %2 %3")
                                             .arg(d.readout.latitude, 0, 'f', 7)
                                             .arg(d.readout.longitude, 0, 'f', 7)
                                             .arg(d.readout.text[NmeaReadout::Altitude])
                                       : QString());
            if (k == Nmea::Kind::GSA)
                d.dops << QList<double>{d.readout.text[NmeaReadout::Pdop].toDouble(),
                                        d.readout.text[NmeaReadout::Hdop].toDouble(),
                                        d.readout.text[NmeaReadout::Vdop].toDouble()};
        }
    }
    return d;
}

} // namespace

class NmeaTest : public QObject
{
    Q_OBJECT
private slots:
    void labels_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("expected"); // "field=text;..." after the input
        QTest::addColumn<bool>("updated");

        const QByteArray fix = withSum("GPGGA,080503.00,,,,,1,08,0.9,545.4,M,46.9,M,,");
        QTest::newRow("time without leading zeros")
            << withSum("GPRMC,080503.00,A,,,,,,,070424,,") << QByteArray("0=8:5:3") << false;
        QTest::newRow("7 decimals, hemispheres, fix")
            << fix + withSum("GNRMC,080503,A,2232.5926,N,11403.4734,E,0.0,0,070424,,,A")
            << QByteArray("0=8:5:3;1=22.5432100;2=N;3=114.0578900;4=E;5=是;7=545.4 m") << true;
        QTest::newRow("near the equator and Greenwich: not empty")
            << fix + withSum("GPRMC,120000,A,0030.0000,S,00007.6560,W,0,0,070424,,")
            << QByteArray("1=0.5000000;2=S;3=0.1276000;4=W") << true;
        QTest::newRow("empty position fields: empty labels")
            << fix + withSum("GPRMC,120000,A,,S,,W,0,0,070424,,") << QByteArray("1=;2=S;3=;4=W") << false;
        QTest::newRow("no fix: position untouched")
            << withSum("GPGGA,1,,,,,0,,,,") + withSum("GPRMC,120000,A,2232.5926,S,11403.4734,W,0,0,,,")
            << QByteArray("1=;2=S;3=;4=W;5=否") << false;
        QTest::newRow("RTK quality 4 is a fix") << withSum("GPGGA,1,,,,,4,12,,12.5,M") << QByteArray("5=是;6=12;7=12.5 m") << false;
        QTest::newRow("quality 6 is no fix") << withSum("GPGGA,1,,,,,6,,,,M") << QByteArray("5=否;6=0;7=0 m") << false;
        QTest::newRow("lower-case checksum") << withSum("GPVTG,1,T,,M,2,N,3.7,K", true) << QByteArray("11=3.7 km/h") << false;
        QTest::newRow("general notation")
            << withSum("GNGSA,A,3,,,,,,,,,,,,,1234567,0.0000123,1.5,1") << QByteArray("8=1.23457e+06;9=1.23e-05;10=1.5") << false;
        QTest::newRow("GSA inside an RMC goes to RMC")
            << withSum("GPRMC,235959,V,,,,,,,,,GSA") << QByteArray("0=23:59:59") << false;
        QTest::newRow("GSV by talker")
            << withSum("GPGSV,1,1,12") + withSum("BDGSV,1,1,7") + withSum("GBGSV,1,1,8") + withSum("GLGSV,1,1,5")
            << QByteArray("12=12;13=8") << false;
        QTest::newRow("star without two digits fails")
            << QByteArray("$GPGGA,1,,,,,1,,,1,M*\r\n$GPGGA,1,,,,,1,,,1,M*4\r\n$GPVTG,1*x0\r\n") << QByteArray("") << false;
        QTest::newRow("wrong checksum fails") << withSum("GPGGA,1,,,,,1,,,1,M").replace("*", "0*") << QByteArray("") << false;
        QTest::newRow("nan, inf, 1e999 read as 0")
            << withSum("GPGGA,1,,,,,1,nan,,1e999,M") + withSum("GPVTG,1,T,,M,2,N,inf,K")
            << QByteArray("5=是;6=0;7=0 m;11=0 km/h") << false;
        QTest::newRow("huge time reads as 0") << withSum("GPRMC,1e300,A,,,,,,,,,") << QByteArray("0=0:0:0") << false;
        QTest::newRow("field cut to 95 characters")
            << withSum("GPGGA,1,,,,,1,,," + QByteArray(200, '9') + ",M") << QByteArray("7=1e+95 m") << false;
        QTest::newRow("NUL ends the text") << withSum(QByteArray("GPXXX,1\0RMC", 11)) << QByteArray("") << false;
    }
    // One sentence per label rule, through framer and dispatcher.
    void labels()
    {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, expected);
        QFETCH(bool, updated);
        NmeaFramer framer;
        NmeaReadout r;
        nmea_msg msg;
        bool sawUpdate = false;
        for (const QByteArray &s : framer.feed(input)) {
            r.positionUpdated = false;
            // Translated fix texts: the fix is a flag, not the label text.
            Nmea::decode(s.constData(), &msg, &r, QStringLiteral("是"), QStringLiteral("否"));
            sawUpdate |= r.positionUpdated;
        }
        uint32_t want = 0;
        for (const QString &pair : QString::fromUtf8(expected).split(';', Qt::SkipEmptyParts)) {
            const int f = pair.section('=', 0, 0).toInt();
            want |= 1u << f;
            QCOMPARE(r.text[f], pair.section('=', 1));
        }
        QCOMPARE(r.changed & ~((1u << NmeaReadout::Utc) | (1u << NmeaReadout::SatellitesUsed) | (1u << NmeaReadout::Altitude)
                               | (1u << NmeaReadout::FixState) | want),
                 0u);
        QCOMPARE(sawUpdate, updated);
        QVERIFY(framer.pending().isEmpty());
    }

    void wholeLog_data()
    {
        QTest::addColumn<int>("batch");
        QTest::newRow("whole") << 0;
        QTest::newRow("1 byte") << 1;
        QTest::newRow("7 bytes") << 7;
        QTest::newRow("64 bytes") << 64;
    }
    // A generated multi-GNSS log with dropped sentences mixed in decodes
    // identically in every batch size, and matches gpsdecode's positions,
    // altitudes and DOPs.
    void wholeLog()
    {
        QFETCH(int, batch);
        QTemporaryDir dir;
        const QString path = dir.filePath("log.nmea");
        QProcess gen;
        gen.start("python3", {QFINDTESTDATA("nmea_log.py"), path, "--epochs", "60", "--seed", "7", "--faults"});
        QVERIFY(gen.waitForFinished(30000) && gen.exitCode() == 0);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray log = f.readAll();

        NmeaFramer whole, split;
        const Decoded ref = decodeAll(log, 0, &whole);
        const Decoded got = decodeAll(log, batch, &split);
        QCOMPARE(got.texts(), ref.texts());
        QCOMPARE(got.fixes, ref.fixes);
        QCOMPARE(split.sentences(), whole.sentences());
        QCOMPARE(split.badSentences(), whole.badSentences());
        QCOMPARE(split.droppedBytes(), whole.droppedBytes());
        QCOMPARE(ref.fixes.size(), 60);
        QVERIFY(whole.badSentences() > 0);

        QProcess gpsd;
        gpsd.setStandardInputFile(path);
        gpsd.start("gpsdecode", {"-j"});
        QVERIFY2(gpsd.waitForFinished(30000), "gpsdecode (gpsd-clients) is needed");
        QMap<QString, QJsonObject> tpv;
        QList<QList<double>> sky;
        for (const QByteArray &line : gpsd.readAllStandardOutput().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o["class"] == "TPV" && o.contains("lat")) {
                const QTime t = QDateTime::fromString(o["time"].toString(), Qt::ISODateWithMs).toUTC().time();
                tpv[QStringLiteral("%1:%2:%3").arg(t.hour()).arg(t.minute()).arg(t.second())] = o;
            } else if (o["class"] == "SKY" && o.contains("pdop")) {
                const QList<double> d{o["pdop"].toDouble(), o["hdop"].toDouble(), o["vdop"].toDouble()};
                if (sky.isEmpty() || sky.last() != d)
                    sky << d;
            }
        }
        int compared = 0, southOrWest = 0;
        for (const QString &fix : ref.fixes) {
            const QStringList p = fix.split(' ');
            if (p.size() < 4 || !tpv.contains(p[0]))
                continue;
            const QJsonObject o = tpv[p[0]];
            QVERIFY2(qAbs(p[1].toDouble() - o["lat"].toDouble()) < 1e-6, qPrintable(fix));
            QVERIFY2(qAbs(p[2].toDouble() - o["lon"].toDouble()) < 1e-6, qPrintable(fix));
            QVERIFY2(qAbs(p[3].toDouble() - o["alt"].toDouble()) < 0.05, qPrintable(fix));
            southOrWest += p[1].startsWith('-') || p[2].startsWith('-');
            ++compared;
        }
        QVERIFY2(compared >= 40, qPrintable(QString::number(compared)));
        QVERIFY(southOrWest >= 20);
        QList<QList<double>> ours;
        for (const QList<double> &d : ref.dops)
            if (ours.isEmpty() || ours.last() != d)
                ours << d;
        QCOMPARE(ours.size(), sky.size());
        for (int i = 0; i < ours.size(); ++i)
            for (int k = 0; k < 3; ++k)
                QVERIFY(qAbs(ours[i][k] - sky[i][k]) < 0.006);
    }

    // Megabytes of mutated sentences, '$' storms and lost line feeds: no
    // crash and a buffer that never passes one sentence's limit.
    void garbageKeepsTheBufferBounded()
    {
        QRandomGenerator rnd(42);
        const QByteArray good = withSum("GNGGA,080503.00,2232.1538,N,11403.8909,E,1,24,1.00,2286.6,M,-2.1,M,,")
                                + withSum("GNRMC,080503.00,A,2232.1538,N,11403.8909,E,24.6,84.4,070424,,,A,V");
        NmeaFramer framer;
        NmeaReadout r;
        nmea_msg msg;
        qint64 fed = 0;
        while (fed < 8 * 1024 * 1024) {
            QByteArray chunk = good;
            for (int n = rnd.bounded(8); n > 0; --n) {
                const int at = rnd.bounded(int(chunk.size()));
                switch (rnd.bounded(5)) {
                case 0: chunk[at] = char(rnd.bounded(256)); break;
                case 1: chunk.remove(at, 1); break;                           // lost byte, maybe the LF
                case 2: chunk.insert(at, QByteArray(rnd.bounded(2000), '$')); break;
                case 3: chunk.insert(at, QByteArray(rnd.bounded(3000), 'x')); break;
                default: chunk.insert(at, QByteArray(1, '\0')); break;
                }
            }
            for (const QByteArray &s : framer.feed(chunk)) {
                r.positionUpdated = false;
                Nmea::decode(s.constData(), &msg, &r, "Yes", "No");
            }
            QVERIFY(framer.pending().size() <= NmeaFramer::kMaxSentence);
            fed += chunk.size();
        }
        QVERIFY(framer.sentences() > 1000);
        QVERIFY(framer.droppedBytes() > 0);
        // After all that, a clean sentence still decodes.
        for (const QByteArray &s : framer.feed("\n" + withSum("GPVTG,1,T,,M,2,N,9.5,K")))
            Nmea::decode(s.constData(), &msg, &r, "Yes", "No");
        QCOMPARE(r.text[NmeaReadout::Speed], QStringLiteral("9.5 km/h"));
    }
};

QTEST_GUILESS_MAIN(NmeaTest)
#include "tst_nmea.moc"
