// UTM and haversine against the reference tools: PROJ's cs2cs per
// ellipsoid, GeographicLib's GeoConvert for zones and bands, GeodSolve on a
// sphere for distances.
#include "positioning/utm.h"
#include "tests/support/test_base.h"

#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>
#include <cmath>

// Runs a tool with lines on stdin; returns its output lines split on blanks.
static QList<QStringList> run(const QString &tool, const QStringList &args, const QStringList &lines)
{
    QProcess p;
    p.start(tool, args);
    p.write(lines.join('\n').toLatin1() + '\n');
    p.closeWriteChannel();
    p.waitForFinished(60000);
    QList<QStringList> out;
    for (const QByteArray &l : p.readAllStandardOutput().split('\n'))
        if (!l.trimmed().isEmpty())
            out << QString::fromLatin1(l).simplified().split(' ');
    return out;
}

static QStringList ellipsoidArgs(int e)
{
    return {QStringLiteral("+a=%1").arg(Equatorial_Radius[e], 0, 'f', 0),
            QStringLiteral("+es=%1").arg(Eccentricity_Squared[e], 0, 'g', 12), "+no_defs"};
}

class UtmTest : public QObject
{
    Q_OBJECT
private slots:
    // ~500 points on all 23 ellipsoids, a quarter of them in the widened
    // Norway and Svalbard zones: forward within 5 mm, back within 2e-8
    // degrees (2e-6 where the zone reaches 6 degrees from its meridian).
    void againstCs2cs()
    {
        QRandomGenerator rnd(20);
        struct Point { double lat, lon; UTM utm; };
        QMap<QString, QList<Point>> groups; // "ellipsoid zone south"
        for (int e = 1; e <= 23; ++e)
            for (int i = 0; i < 22; ++i) {
                double lat, lon;
                if (i % 4 == 3) { // exception zones, edges included
                    const bool svalbard = i % 8 == 7;
                    lat = svalbard ? 72 + rnd.bounded(11.99) : 56 + rnd.bounded(7.99);
                    lon = svalbard ? rnd.bounded(41.99) : 3 + rnd.bounded(8.99);
                } else {
                    lat = -80 + rnd.bounded(163.99);
                    lon = -180 + rnd.bounded(359.99);
                }
                const UTM u = LatLong_to_UTM(e, lat, lon);
                groups[QStringLiteral("%1 %2 %3").arg(e).arg(atoi(u.Zone)).arg(lat < 0)] << Point{lat, lon, u};
            }
        int points = 0;
        for (auto g = groups.begin(); g != groups.end(); ++g) {
            const QStringList key = g.key().split(' ');
            const int e = key[0].toInt();
            QStringList utmArgs{"+proj=utm", "+zone=" + key[1]};
            if (key[2] == "1")
                utmArgs << "+south";
            utmArgs << ellipsoidArgs(e);
            const QStringList geo = QStringList{"+proj=longlat"} + ellipsoidArgs(e);
            QStringList fwdIn, invIn;
            for (const Point &p : *g) {
                fwdIn << QStringLiteral("%1 %2").arg(p.lon, 0, 'f', 12).arg(p.lat, 0, 'f', 12);
                invIn << QStringLiteral("%1 %2").arg(p.utm.Easting, 0, 'f', 6).arg(p.utm.Northing, 0, 'f', 6);
            }
            const auto fwd = run("cs2cs", QStringList{"-f", "%.6f"} + geo + QStringList{"+to"} + utmArgs, fwdIn);
            const auto inv = run("cs2cs", QStringList{"-f", "%.10f"} + utmArgs + QStringList{"+to"} + geo, invIn);
            QCOMPARE(fwd.size(), g->size());
            QCOMPARE(inv.size(), g->size());
            for (int i = 0; i < g->size(); ++i, ++points) {
                const Point &p = g->at(i);
                const QString where = QStringLiteral("%1 at %2,%3").arg(Ellipsoid_Name[e]).arg(p.lat).arg(p.lon);
                QVERIFY2(std::hypot(fwd[i][0].toDouble() - p.utm.Easting, fwd[i][1].toDouble() - p.utm.Northing) <= 0.005,
                         qPrintable(where));
                const LatLong back = UTM_to_LatLong(e, p.utm);
                const double offMeridian = std::fabs(p.lon - (atoi(p.utm.Zone) * 6 - 183));
                const double tol = offMeridian > 3.001 ? 2e-6 : 2e-8;
                QVERIFY2(std::fabs(back.longitude - inv[i][0].toDouble()) <= tol
                             && std::fabs(back.latitude - inv[i][1].toDouble()) <= tol, qPrintable(where));
            }
        }
        QVERIFY(points >= 500);
    }

    // Zone numbers and band letters on a grid through every exception and
    // band edge.
    void zonesAndBandsAgainstGeoConvert()
    {
        QList<double> lats{-80, -79.999, 55.999, 56, 63.999, 64, 71.999, 72, 83.999, 0, -0.001};
        for (int b = -72; b <= 72; b += 8)
            lats << b << b - 0.001;
        const QList<double> lons{-180, -179.999, -0.001, 0, 2.999, 3, 5, 8.999, 9, 11.999, 12,
                                 20.999, 21, 32.999, 33, 41.999, 42, 179.999, 100.5};
        QStringList in;
        for (double lat : lats)
            for (double lon : lons)
                in << QStringLiteral("%1 %2").arg(lat, 0, 'f', 6).arg(lon, 0, 'f', 6);
        const auto zones = run("GeoConvert", {"-u"}, in);
        const auto mgrs = run("GeoConvert", {"-m"}, in);
        QCOMPARE(zones.size(), in.size());
        QCOMPARE(mgrs.size(), in.size());
        for (int i = 0; i < in.size(); ++i) {
            const QStringList ll = in[i].split(' ');
            const UTM u = LatLong_to_UTM(23, ll[0].toDouble(), ll[1].toDouble());
            const int zone = atoi(u.Zone);
            QVERIFY2(zone == zones[i][0].chopped(1).toInt(), qPrintable(in[i] + " " + u.Zone));
            const QString m = mgrs[i][0];
            int d = 0;
            while (m[d].isDigit())
                ++d;
            QVERIFY2(u.Zone[strlen(u.Zone) - 1] == m[d].toLatin1(), qPrintable(in[i] + " " + u.Zone + " " + m));
        }
    }

    // What the grids miss: 180 and west of -180 (zone 0 once), bands past
    // 84 and -80, a zone without letter (southern), junk input.  The worked
    // examples go through the calculator's buttons.
    void edgesAndJunk()
    {
        QCOMPARE(QString(LatLong_to_UTM(23, 10, 180).Zone), QStringLiteral("1P"));
        QCOMPARE(QString(LatLong_to_UTM(23, 10, -190).Zone), QStringLiteral("59P"));
        const char bands[] = {UTM_Letter_Designator(84), UTM_Letter_Designator(84.5), UTM_Letter_Designator(-80.5), 0};
        QCOMPARE(QByteArray(bands), QByteArray("XZZ"));
        UTM n = LatLong_to_UTM(23, -20, 117);
        strcpy(n.Zone, "50");
        QVERIFY(std::fabs(UTM_to_LatLong(23, n).latitude + 20) < 1e-8);
        for (double v : {double(NAN), double(INFINITY), 1e300, -1e300}) {
            const UTM j = LatLong_to_UTM(0, v, v);
            QVERIFY(std::isfinite(j.Easting) && atoi(j.Zone) >= 1 && atoi(j.Zone) <= 60);
        }
    }

    // The haversine on GeodSolve's sphere of 6378137 m, with a sweep into
    // the antipode where rounding used to give NaN.
    void distanceAgainstGeodSolve()
    {
        QRandomGenerator rnd(7);
        QList<std::array<double, 4>> pairs{{0, 0, 1, 0}, {-89.92, 0, 89.92, 180}, {0, 0, 0, 180}};
        for (int i = 0; i < 200; ++i)
            pairs.append({-90 + rnd.bounded(180.0), -180 + rnd.bounded(360.0), -90 + rnd.bounded(180.0),
                          -180 + rnd.bounded(360.0)});
        for (double lat = -89.99; lat < 90; lat += 0.37)
            pairs.append({lat, 10, -lat + 1e-7, -170 + 1e-7});
        QStringList in;
        for (const auto &p : pairs)
            in << QStringLiteral("%1 %2 %3 %4").arg(p[0], 0, 'f', 9).arg(p[1], 0, 'f', 9).arg(p[2], 0, 'f', 9).arg(p[3], 0, 'f', 9);
        const auto out = run("GeodSolve", {"-i", "-e", "6378137", "0", "-p", "6"}, in);
        QCOMPARE(out.size(), in.size());
        for (int i = 0; i < in.size(); ++i) {
            const QStringList v = in[i].split(' ');
            const double km = Haversine_Km(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble());
            const double ref = out[i][2].toDouble();
            // asin near 1 loses half the digits: a metre at the antipode.
            const double tol = ref > 19.9e6 ? 1.0 : 1e-3;
            QVERIFY2(std::isfinite(km) && std::fabs(km * 1000 - ref) <= tol,
                     qPrintable(in[i] + QStringLiteral(": %1 m against %2").arg(km * 1000, 0, 'f', 6).arg(ref)));
        }
        QCOMPARE(QString::number(Haversine_Km(0, 0, 1, 0), 'g', 6), QStringLiteral("111.319"));
    }
};

KESP_TEST_APPLESS_MAIN(UtmTest)
#include "tst_utm.moc"
