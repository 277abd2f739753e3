// The GSV parse as a table and against gpsdecode's SKY report, and the
// parser thread's handshake under a GUI that answers late or not at all.
#include "positioning/gps_signal.h"
#include "tests/support/test_base.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

static QByteArray nmea(const QByteArray &body)
{
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" + QByteArray::number(uchar(sum), 16).rightJustified(2, '0').toUpper() + "\r\n";
}

// "prn/el/az/snr/constellation" per record, "?" after a satellite whose
// position was not given.
static QString show(const GsvRecords &r)
{
    QStringList out;
    for (const nmea_slmsg &m : r.sat)
        out << QStringLiteral("%1/%2/%3/%4/%5").arg(m.PRN).arg(m.elevation).arg(m.azimuth).arg(m.SNR).arg(m.constellation)
                   + (m.PRN && !m.hasPosition ? "?" : "");
    return out.join(' ');
}

class GpsSignalTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("records");
        const QString none = "0/0/0/0/0";
        QTest::newRow("four GPS blocks, NMEA 4.10 signal ID")
            << QByteArray("GPGSV,3,1,12,02,45,120,38,05,10,300,22,12,67,045,41,25,30,200,,1")
            << "2/45/120/38/1 5/10/300/22/1 12/67/45/41/1 25/30/200/0/1";
        QTest::newRow("signal ID after one block is no phantom satellite")
            << QByteArray("GPGSV,2,2,05,46,05,010,30,1") << "46/5/10/30/1 " + none + " " + none + " " + none;
        QTest::newRow("no blocks") << QByteArray("GLGSV,1,1,00") << QStringList(4, none).join(' ');
        QTest::newRow("three blocks, 4.10")
            << QByteArray("GLGSV,1,1,03,65,20,100,33,72,50,250,28,80,1,2,3,1") << "65/20/100/33/3 72/50/250/28/3 80/1/2/3/3 " + none;
        QTest::newRow("third block empty") << QByteArray("GAGSV,1,1,04,301,33,060,29,305,70,270,36,,,,,307,1,2,50")
                                           << "301/33/60/29/4 305/70/270/36/4 " + none + " 307/1/2/50/4";
        QTest::newRow("BeiDou numbers above 255 stay whole, BD and GB alike")
            << QByteArray("GBGSV,1,1,02,201,40,150,35,430,80,090,44") << "201/40/150/35/2 430/80/90/44/2 " + none + " " + none;
        QTest::newRow("BDGSV") << QByteArray("BDGSV,1,1,01,7,1,2,3") << "7/1/2/3/2 " + none + " " + none + " " + none;
        QTest::newRow("QZSS") << QByteArray("GQGSV,1,1,01,193,1,2,3") << "193/1/2/3/5 " + none + " " + none + " " + none;
        QTest::newRow("GN talker is not drawn") << QByteArray("GNGSV,1,1,01,7,1,2,3")
                                                << "7/1/2/3/0 " + none + " " + none + " " + none;
        QTest::newRow("either position field empty is no position; 0 and 0 is one")
            << QByteArray("GPGSV,1,1,03,12,45,,30,13,,090,31,14,00,000,32,1")
            << "12/45/0/30/1? 13/0/90/31/1? 14/0/0/32/1 " + none;
        QTest::newRow("junk numbers read as 0, negatives kept")
            << QByteArray("GPGSV,1,1,04,nan,inf,1e300,-5,9,-3,x,99999999999,12.9,45.7,359.9,41.2,-4,1,2,3")
            << "0/0/0/-5/0 9/-3/0/0/1 12/45/359/41/1 -4/1/2/3/1";
    }
    void parse()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, records);
        QCOMPARE(show(GPS_Signal::parse(nmea(body))), records);
    }

    // A multi-GNSS 4.10 cycle: every satellite gpsd reports, with the same
    // elevation, azimuth and SNR (and the same number for GPS and GLONASS;
    // gpsd renumbers BeiDou and Galileo), and nothing more.
    void againstGpsdecode()
    {
        const QList<QByteArray> gsv{
            "GPGSV,2,1,05,02,45,120,38,05,10,300,22,12,67,045,41,25,30,200,0,1", "GPGSV,2,2,05,29,05,010,30,1",
            "GLGSV,1,1,02,65,20,100,33,72,50,250,28,1", "GBGSV,1,1,03,201,40,150,35,205,12,330,20,230,80,090,44,1",
            "GAGSV,1,1,02,301,33,060,29,305,70,270,36,7"};
        QByteArray log = nmea("GNRMC,080503.00,A,2232.5926,N,11403.4740,E,0.0,84.4,070424,,,A,V");
        QStringList ours;
        for (const QByteArray &b : gsv) {
            log += nmea(b);
            const GsvRecords r = GPS_Signal::parse(nmea(b));
            for (const nmea_slmsg &m : r.sat)
                if (m.constellation)
                    ours << QStringLiteral("%1 %2 %3 %4").arg(m.constellation <= 1 || m.constellation == 3 ? m.PRN : 0)
                                .arg(m.elevation).arg(m.azimuth).arg(m.SNR);
        }
        log += nmea("GNRMC,080504.00,A,2232.5926,N,11403.4740,E,0.0,84.4,070424,,,A,V");
        QProcess p;
        p.start("gpsdecode", {});
        p.write(log);
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(20000));
        QJsonArray sats;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            if (o["class"] == "SKY")
                sats = o["satellites"].toArray();
        }
        QStringList theirs;
        for (const QJsonValue &v : sats) {
            const QJsonObject s = v.toObject();
            const int gnss = s["gnssid"].toInt();
            theirs << QStringLiteral("%1 %2 %3 %4").arg(gnss == 0 || gnss == 6 ? s["PRN"].toInt() : 0)
                          .arg(s["el"].toDouble()).arg(s["az"].toDouble()).arg(s["ss"].toDouble());
        }
        ours.sort();
        theirs.sort();
        QCOMPARE(ours, theirs);
        QCOMPARE(ours.size(), 12);
    }

    // 10 000 sentences against a GUI that answers after random delays:
    // results in order, none torn, the queue never above 51; a lone
    // sentence waits for a second one; stop ends the loop within 100 ms.
    void handshakeUnderLoad()
    {
        GPS_Signal worker;
        QRandomGenerator rnd(5);
        QList<int> seen;
        bool torn = false;
        QObject gui;
        connect(&worker, &GPS_Signal::ReturnResult, &gui, [&](GsvRecords r) {
            for (int k = 0; k < 4; ++k)
                torn |= r.sat[k].PRN != k + 1 || r.sat[k].azimuth != r.sat[0].azimuth;
            seen << r.sat[0].azimuth;
            QTimer::singleShot(int(rnd.bounded(15)), &gui, [&] { worker.Wait_Data(false); });
        });
        worker.start();

        QByteArray one = nmea("GPGSV,1,1,04,1,10,0,30,2,20,0,30,3,30,0,30,4,40,0,30");
        worker.Get_Data(one.data());
        QTest::qWait(300);
        QVERIFY(seen.isEmpty());

        int sent = 0;
        QTimer feed;
        connect(&feed, &QTimer::timeout, &gui, [&] {
            for (int i = 0; i < 20 && sent < 10000; ++i, ++sent) {
                QByteArray s = nmea(QStringLiteral("GPGSV,1,1,04,1,10,%1,30,2,20,%1,30,3,30,%1,30,4,40,%1,30")
                                        .arg(sent + 1).toLatin1());
                worker.Get_Data(s.data());
            }
        });
        feed.start(1);
        QVERIFY(QTest::qWaitFor([&] { return sent == 10000; }, 60000));
        QTest::qWait(500);
        QVERIFY(!torn);
        QVERIFY(seen.size() > 50);
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QVERIFY2(worker.peakQueued() <= GPS_Signal::kQueueLimit, qPrintable(QString::number(worker.peakQueued())));

        // A GUI that never answers: the queue stays bounded.
        disconnect(&worker, &GPS_Signal::ReturnResult, &gui, nullptr);
        for (int i = 0; i < 500; ++i) {
            worker.Get_Data(one.data());
            QVERIFY(worker.queued() <= GPS_Signal::kQueueLimit);
        }
        QElapsedTimer t;
        t.start();
        worker.stop();
        QVERIFY(worker.wait(1000));
        QVERIFY2(t.elapsed() <= kesptest::bound(150), qPrintable(QString::number(t.elapsed())));
    }
};

KESP_TEST_GUILESS_MAIN(GpsSignalTest)
#include "tst_gps_signal.moc"
