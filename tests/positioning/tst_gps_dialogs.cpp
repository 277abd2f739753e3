// The GPS tab's two dialogs through their widgets: the calculator's
// buttons, and the satellite dialog fed GSV sentences through a pty.
#include "tests/support/test_base.h"
#include "tests/terminals/serial_fixture.h"

#include "positioning/callout.h"

#include <QBarCategoryAxis>
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScatterSeries>
#include <QTabWidget>

using namespace serialtest;

static QByteArray nmea(const QByteArray &body)
{
    char sum = 0;
    for (char c : body)
        sum ^= c;
    return "$" + body + "*" + QByteArray::number(uchar(sum), 16).rightJustified(2, '0').toUpper() + "\r\n";
}

struct GpsTab
{
    GpsTab()
        : home(kesptest::quietIni({{"GPS", "true"}}))
        , w(new MainWindow)
    {
        w->show();
        child<QTabWidget>(*w, "tabWidget")->setCurrentWidget(child<QWidget>(*w, "gps"));
    }
    QList<QDialog *> dialogs(const char *name) { return w->findChildren<QDialog *>(name); }
    QChart *chart(const char *view) { return child<QChartView>(*dialogs("GPSsignal")[0], view)->chart(); }
    QBarCategoryAxis *axis(int c) { return qobject_cast<QBarCategoryAxis *>(chart(qPrintable(QStringLiteral("gpsBarView%1").arg(c)))->axes(Qt::Horizontal)[0]); }
    QStringList bars(int c) { return axis(c)->categories(); }
    // The sky points by system prefix (told by colour) and number.
    QMap<QString, QScatterSeries *> sky()
    {
        const QHash<QString, QString> system = {{"#209fdf", "GP"}, {"#f96b18", "GB"}, {"#99ca53", "GL"}, {"#f9f553", "GA"}};
        QMap<QString, QScatterSeries *> points;
        for (QAbstractSeries *s : chart("gpsSkyView")->series())
            if (auto *sc = qobject_cast<QScatterSeries *>(s); sc && sc->count() == 1)
                points[system.value(sc->color().name()) + sc->name()] = sc;
        return points;
    }
    kesptest::TempHome home;
    std::unique_ptr<MainWindow> w;
};

class GpsDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    // Opened once; empty fields give 0; one degree of meridian 111.319;
    // (0, 0) on WGS-84 to 31N and back; junk reads as 0; close and reopen.
    void calculator()
    {
        GpsTab g;
        press(*g.w, "GPScalculate");
        press(*g.w, "GPScalculate");
        QCOMPARE(g.dialogs("GPScalculate").size(), 1);
        QDialog *d = g.dialogs("GPScalculate")[0];
        QCOMPARE(d->windowTitle(), QStringLiteral("GPS calculation"));
        auto *combo = child<QComboBox>(*d, "utm_comboBox");
        QCOMPARE(combo->count(), 23);
        QCOMPARE(combo->currentText(), QStringLiteral("WGS-84"));
        auto set = [&](const char *name, const QString &text) { child<QLineEdit>(*d, name)->setText(text); };
        auto text = [&](const char *name) {
            if (auto *l = d->findChild<QLineEdit *>(name))
                return l->text();
            return child<QLabel>(*d, name)->text();
        };

        press(*d, "GPSpushButtoncalculate");
        QCOMPARE(text("GPSresults"), QStringLiteral("0"));
        set("YlatlineEdit", "0"), set("YlonglineEdit", "0"), set("MlatlineEdit", "1"), set("MlonglineEdit", "0");
        press(*d, "GPSpushButtoncalculate");
        QCOMPARE(text("GPSresults"), QStringLiteral("111.319"));
        // Near-antipodal points used to show "nan".
        set("YlatlineEdit", "-89.92"), set("YlonglineEdit", "0"), set("MlatlineEdit", "89.92"), set("MlonglineEdit", "180");
        press(*d, "GPSpushButtoncalculate");
        QCOMPARE(text("GPSresults"), QStringLiteral("20037.5"));

        set("latlineEdit", "0"), set("longlineEdit", "0");
        press(*d, "lltoutm");
        QCOMPARE(text("utmElineEdit") + " " + text("utmNlineEdit") + " " + text("utmZlineEdit"),
                 QStringLiteral("166021.44317931 0.00000000 31N"));
        set("latlineEdit", "-33.9"), set("longlineEdit", "151.2");
        press(*d, "lltoutm");
        // A lower-case band letter is still southern.
        set("utmZlineEdit", text("utmZlineEdit").toLower());
        set("latlineEdit", ""), set("longlineEdit", "");
        press(*d, "utmtoll");
        QCOMPARE(text("latlineEdit") + " " + text("longlineEdit"), QStringLiteral("-33.90000000 151.20000000"));
        set("latlineEdit", "nan"), set("longlineEdit", "1e999");
        press(*d, "lltoutm");
        QCOMPARE(text("utmZlineEdit"), QStringLiteral("31N"));
        for (const char *zone : {"", "abc", "99Z", "123456"}) {
            set("utmZlineEdit", zone);
            press(*d, "utmtoll");
            QVERIFY(text("latlineEdit") != "nan" && text("longlineEdit") != "nan");
        }

        press(*d, "GPScalculateCancel");
        QVERIFY(kesptest::waitFor([&] { return g.dialogs("GPScalculate").isEmpty(); }));
        press(*g.w, "GPScalculate");
        QCOMPARE(g.dialogs("GPScalculate").size(), 1);
        QCOMPARE(child<QLabel>(*g.dialogs("GPScalculate")[0], "GPSresults")->text(), QStringLiteral("0"));
    }

    // Through the pty with the dialog open: bars from SNR 5, points from 6,
    // one point per system and number that follows its satellite, numbers
    // above 98 as bars only, the 4.10 signal ID no phantom; a report with
    // empty elevation and azimuth moves no point and gives none, while 0
    // and 0 is the north horizon; an axis laid out again only when its own
    // labels change; the hover text; closing with results queued, reopening
    // with the labels kept, and the window closing under it.
    void satellitesThroughThePty()
    {
        kesptest::PtyPair pty;
        GpsTab g;
        choosePort(*g.w, "GPSportNameComboBox", pty.deviceA());
        press(*g.w, "GPSopencompushButton");
        QCOMPARE(status(*g.w), QStringLiteral("Serial opened"));
        press(*g.w, "GPSsignal");
        press(*g.w, "GPSsignal");
        QCOMPARE(g.dialogs("GPSsignal").size(), 1);
        QCOMPARE(g.dialogs("GPSsignal")[0]->windowTitle(), QStringLiteral("GPS Signal"));

        QByteArray feed = nmea("GPGSV,2,1,06,02,45,120,38,12,67,045,30,05,10,300,05,25,30,200,04,1")
                          + nmea("GPGSV,2,2,06,25,30,200,40,46,20,010,22,1")
                          + nmea("GPGSV,2,1,06,12,20,100,25,25,30,200,04,,,,,,,,,1")
                          + nmea("GPGSV,2,2,06,12,,,30,1")
                          + nmea("GBGSV,1,1,04,201,40,150,35,07,33,060,29,02,50,030,31,12,60,250,33,1")
                          + nmea("GBGSV,1,1,01,02,50,031,05,1") + nmea("GLGSV,1,1,02,65,20,100,33,70,,,40,1")
                          + nmea("GAGSV,1,1,02,301,70,270,36,12,15,330,28,7");
        // The worker parses a sentence once another is behind it.
        for (int i = 0; i < 2; ++i)
            feed += nmea("GNGSV,1,1,00");
        QVERIFY(pty.writeFar(feed));
        QVERIFY(kesptest::waitFor([&] { return g.bars(4) == (QStringList{"GA301", "GA12"}); }, 10000));
        QCOMPARE(g.bars(1), (QStringList{"GP2", "GP12", "GP5", "GP46"}));
        QCOMPARE(g.bars(2), (QStringList{"GB201", "GB7", "GB2", "GB12"}));
        QCOMPARE(g.bars(3), (QStringList{"GL65", "GL70"}));
        const QBarSet *gps = qobject_cast<QAbstractBarSeries *>(g.chart("gpsBarView1")->series()[0])->barSets()[0];
        QCOMPARE((QList<qreal>{gps->at(0), gps->at(1), gps->at(2), gps->at(3)}), (QList<qreal>{38, 30, 5, 22}));
        const QMap<QString, QScatterSeries *> sky = g.sky();
        QCOMPARE(QStringList(sky.keys()), (QStringList{"GA12", "GB12", "GB7", "GL65", "GP12", "GP2", "GP46"}));
        QCOMPARE(sky["GP12"]->at(0), QPointF(100, 70));

        // Hovering GPS satellite 12's point.
        QScatterSeries *twelve = sky["GP12"];
        emit twelve->hovered(twelve->at(0), true);
        Callout *tip = nullptr;
        for (QGraphicsItem *item : g.chart("gpsSkyView")->scene()->items())
            if ((tip = dynamic_cast<Callout *>(item)))
                break;
        QVERIFY(tip && tip->isVisible());
        QCOMPARE(tip->text(), QStringLiteral("PRN number: 12 \nElevation: 20 \nAzimuth: 100 "));
        emit twelve->hovered(twelve->at(0), false);
        QVERIFY(!tip->isVisible());

        QVERIFY(pty.writeFar(nmea("GLGSV,1,1,02,65,20,100,33,70,00,000,41,1") + nmea("GNGSV,1,1,00")
                             + nmea("GNGSV,1,1,00")));
        QVERIFY(kesptest::waitFor([&] { return g.sky().contains("GL70"); }));
        QCOMPARE(g.sky()["GL70"]->at(0), QPointF(0, 90));

        // New positions and SNRs of listed satellites leave the five axes
        // alone; a satellite added to GPS and one lost from BeiDou touch
        // those two only.
        QList<int> refills(5, 0);
        for (int c = 0; c < 5; ++c)
            connect(g.axis(c + 1), &QBarCategoryAxis::categoriesChanged, g.axis(c + 1), [&refills, c] { ++refills[c]; });
        const QByteArray behind = nmea("GNGSV,1,1,00") + nmea("GNGSV,1,1,00");
        QVERIFY(pty.writeFar(nmea("GPGSV,1,1,02,02,46,121,37,46,21,011,23,1") + nmea("GBGSV,1,1,01,07,34,061,30,1") + behind));
        QVERIFY(kesptest::waitFor([&] { return g.sky()["GB7"]->at(0) == QPointF(61, 56); }));
        QCOMPARE(g.sky()["GP2"]->at(0), QPointF(121, 44));
        QCOMPARE(refills, QList<int>(5, 0));
        QVERIFY(pty.writeFar(nmea("GPGSV,1,1,01,09,30,100,30,1") + nmea("GBGSV,1,1,01,07,34,061,04,1") + behind));
        QVERIFY(kesptest::waitFor([&] { return !g.bars(2).contains("GB7"); }));
        QCOMPARE(g.bars(1).last(), QStringLiteral("GP9"));
        QCOMPARE(refills, (QList<int>{1, 1, 0, 0, 0}));

        // Close while a burst is still being handed over, then reopen.
        QByteArray burst;
        for (int i = 0; i < 200; ++i)
            burst += nmea(QStringLiteral("GPGSV,1,1,01,%1,40,100,30,1").arg(10 + i % 40).toLatin1());
        QVERIFY(pty.writeFar(burst));
        kesptest::spin(150);
        press(*g.dialogs("GPSsignal")[0], "GPSsignalCancel");
        QVERIFY(kesptest::waitFor([&] { return g.dialogs("GPSsignal").isEmpty(); }));
        kesptest::spin(300);
        press(*g.w, "GPSsignal");
        QVERIFY(kesptest::waitFor([&] { return !g.dialogs("GPSsignal").isEmpty(); }));
        QVERIFY(g.bars(1).mid(0, 4) == (QStringList{"GP2", "GP12", "GP5", "GP46"}));
        QCOMPARE(g.bars(3), (QStringList{"GL65", "GL70"}));
        QVERIFY(pty.writeFar(burst));
        kesptest::spin(200);
        g.w.reset();
    }
};

KESP_TEST_MAIN(GpsDialogsTest)
#include "tst_gps_dialogs.moc"
