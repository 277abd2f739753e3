// The "CIE" and "IMU" tabs against a fake board on a pty: lines cut over
// writes act as whole lines, a cut number never turns the cuboid, a long
// run without a line end is bounded and the next line still shows; the 3D
// view shows the cuboid and follows the mouse and the wheel; a line cut by a
// board reset and run into the next shows nothing, on the other tabs too.
#include "sensor_fixture.h"

#include "instruments/coloured_cuboid_entity.h"
#include "instruments/mwave_view.h"
#include "instruments/progress_bar_percent.h"
#include "instruments/vexmora_3d_imu.h"
#include "instruments/vexmora_cieplot.h"
#include "instruments/widget3d.h"
#include "tests/support/test_base.h"

#include <QLabel>
#include <QScreen>
#include <QtCharts/QChart>
#include <QtCharts/QXYSeries>
#include <Qt3DCore/QTransform>
#include <Qt3DRender/QCamera>

using namespace sensortest;
using Point = QList<double>; // x, y, lux, cct
using Shown = QList<double>; // what a tab shows of its last reading

static const QQuaternion kBase = QQuaternion::fromAxisAndAngle(1, 0, 0, -90);

// q and -q are the same turn.
static bool near(const QQuaternion &a, const QQuaternion &b)
{
    return qAbs(QQuaternion::dotProduct(a.normalized(), b.normalized())) > 0.99999f;
}

struct CieImuWindow : SensorWindow
{
    vexmora_cieplot *plot() { return w.findChild<vexmora_cieplot *>(); }
    vexmora_3d_imu *imu() { return w.findChild<vexmora_3d_imu *>(); }
    QQuaternion rotation() { return imu()->view->getCuboidEntity()->transform()->rotation(); }
    Point point() { return {plot()->pointX(), plot()->pointY(), plot()->pointLux(), plot()->pointCct()}; }
    QString label(const char *name) { return child<QLabel>(w, name)->text(); }
    void read(const char *slot, const QByteArray &bytes) { QMetaObject::invokeMethod(&w, slot, Q_ARG(QByteArray, bytes)); }

    // Runs the fake board with the given writes, calling `watch` on every
    // pass of the event loop meanwhile.
    bool feed(const QStringList &pieces, int junk = 0, const std::function<void()> &watch = [] {})
    {
        QProcess p;
        p.start("python3", QStringList{KESP_FAKE_CIE_IMU_BOARD, "--junk", QString::number(junk), pty.deviceB()} + pieces);
        kesptest::waitFor([&] { watch(); return p.state() == QProcess::NotRunning; }, 60000);
        kesptest::spin(100);
        watch();
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // The IMU tab in front, the window shown.
    void showImu()
    {
        w.show();
        child<QTabWidget>(w, "tabWidget")->setCurrentWidget(child<QWidget>(w, "tab_3"));
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    // The 3D window draws outside the widget tree: read the screen.
    bool centreIsCyan()
    {
        QWidget *box = w.findChild<QWidget *>(QStringLiteral("imu3dContainer"));
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QRgb c = screen.pixel(box->mapToGlobal(box->rect().center()));
        return qRed(c) < 80 && qGreen(c) > 150 && qBlue(c) > 150;
    }
};

class CieImuPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    // Lines cut anywhere, CR and LF apart, mark their points in order; a
    // blank line marks (0, 0); after 1 MB without a line end the next line
    // is shown.
    void cieFollowsTheBoard()
    {
        CieImuWindow t;
        QVERIFY(t.open("CIEopencompushButton", "CIEportNameComboBox"));
        QVERIFY(!child<QWidget>(t.w, "CIE_StrTextBrowser")->isVisible());
        QList<Point> seen;
        const auto watch = [&] {
            if (seen.isEmpty() || seen.last() != t.point())
                seen << t.point();
        };
        QVERIFY(t.feed({"CIEX:0.31270;CIEY:0.3", "2900;LUX:120.5000;CCT:6504.0000\\r", "\\nciex : 0.45",
                        " ; CIEY:0.41;lux:3;cct:2800 ,\\r\\n\\r", "\\n", "CIEX:0.2;CIEY:0.7;LUX:1;CCT:1\\r\\n"},
                       0, watch));
        QCOMPARE(seen, (QList<Point>{{-1, -1, 0, 0}, {0.3127, 0.329, 120.5, 6504}, {0.45, 0.41, 3, 2800},
                                     {0, 0, 0, 0}, {0.2, 0.7, 1, 1}}));
        const QRgb dot = t.plot()->grab().toImage().pixel(t.plot()->cieToPixel(0.2, 0.7).toPoint());
        QVERIFY(qRed(dot) > 200 && qGreen(dot) < 60);
        QVERIFY(t.feed({"CIEX:0.5;CIEY:0.4;LUX:2;CCT:2000\\r\\n"}, 1 << 20));
        QCOMPARE(t.point(), (Point{0.5, 0.4, 2, 2000}));
    }

    // Labels on the 1st and 3rd line, the cuboid on every one; a number cut
    // by the writes waits for its end; cyan faces the camera for W:1 and
    // W:2; nothing turns on a zero quaternion; a new open starts over.
    void imuFollowsTheBoard()
    {
        CieImuWindow t;
        t.w.resize(1200, 900);
        QVERIFY(t.open("imuopencompushButton", "imuportNameComboBox"));
        QVERIFY(t.feed({"W:0.7071068,X:0.7071068,Y:0,Z:0\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("0.71"));
        QCOMPARE(t.label("label_imu_x"), QStringLiteral("90.00"));
        QVERIFY(t.feed({"W:1,X:0,Y:0,Z:0\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("0.71"));
        QVERIFY(near(t.rotation(), kBase));
        QVERIFY(kesptest::waitFor([&] { return t.centreIsCyan(); }));
        QVERIFY(t.feed({"W:1,X:0,Y:0,Z:0", ".05\\r", "\\n"}));
        QCOMPARE(t.label("label_imu_euler_z"), QStringLiteral("0.05"));
        QVERIFY(near(t.rotation(), kBase * QQuaternion(1, 0, 0, 0.05f)));
        QVERIFY(t.feed({"W:0,X:0,Y:0,Z:0\\r\\nW:1;X:1;Y:0;Z:0\\r\\n", "W:2,X:0,Y:0,Z:0\\r\\n"}));
        QVERIFY(near(t.rotation(), kBase));
        QVERIFY(kesptest::waitFor([&] { return t.centreIsCyan(); }));
        QVERIFY(t.feed({"W:0,X:0,Y:1,Z:0\\r\\n"}, 1 << 20));
        QVERIFY(near(t.rotation(), kBase * QQuaternion(0, 0, 1, 0)));
        press(t.w, "imuopencompushButton");
        press(t.w, "imuopencompushButton");
        QVERIFY(t.feed({"W:0.5,X:0.5,Y:0.5,Z:0.5\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_x"), QStringLiteral("0.50"));
    }

    // A board reset cuts a line, which runs into the next: the tab keeps the
    // line before, or shows the next one in the same read.
    void cutLineRunsIntoTheNext_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("writes"); // apart by '|'
        QTest::addColumn<Shown>("shown");
        QTest::newRow("CIE") << "CIE" << "CIEX:0.31;CIEY:0.33\\r\\n|CIEX:0.64;CIEY:0.3|CIEX:0.3;CIEY:0.6\\r\\n" << Shown{0.31, 0.33};
        QTest::newRow("CIE cut in a key") << "CIE" << "CIEX:0.31;CIEY:0.33\\r\\n|CIEX:0.64;CIE|CIEX:0.3;CIEY:0.6\\r\\n" << Shown{0.31, 0.33};
        QTest::newRow("CIE board with a middle item") << "CIE"
            << "CIEX:0.31;CIEY:0.33;LUX:5;RAWLUX:9;CCT:1\\r\\n|CIEX:0.64;CIEY:0.3;LUX:1234.5;RAW|CIEX:0.3;CIEY:0.6;LUX:1;RAWLUX:9;CCT:2\\r\\n"
            << Shown{0.31, 0.33};
        QTest::newRow("Oscilloscope") << "OSC" << "$0:1;$1:2;$2:3;$3:4;\\r\\n|$0:5;$2|$0:7;$1:8;$2:9;$3:10;\\r\\n" << Shown{1, 2, 3, 4};
        QTest::newRow("IMU") << "imu" << "W:0.71,X:0,Y:0.71,Z:0|W:1,X:0,Y:0,Z:0\\r\\nW:0,X:0,Y:1,Z:0\\r\\n" << Shown{0, 0, 1, 0};
        QTest::newRow("Environment") << "ENV" << "Humidity:45.5%\\r\\n|Humidity:4|Humidity:60.5%\\r\\n" << Shown{45};
    }
    void cutLineRunsIntoTheNext()
    {
        QFETCH(QString, tab);
        QFETCH(QString, writes);
        CieImuWindow t;
        QVERIFY(t.open(qPrintable(tab + "opencompushButton"), qPrintable(tab + "portNameComboBox")));
        QVERIFY(t.feed(writes.split('|')));
        Shown v;
        if (tab == "CIE") {
            v = t.point().mid(0, 2);
        } else if (tab == "ENV") {
            v = {double(t.w.findChild<ProgressBarPercent *>()->getValue())};
        } else if (tab == "imu") {
            const QQuaternion q = kBase.inverted() * t.rotation();
            v = {double(qRound(q.scalar())), double(qRound(q.x())), double(qRound(q.y())), double(qRound(q.z()))};
        }
        for (QAbstractSeries *s : t.w.findChild<MWaveView *>()->chart()->series().mid(0, 4)) // every sample
            for (const QPointF &p : static_cast<QXYSeries *>(s)->points())
                v << p.y();
        QTEST(v, "shown");
    }

    // Every split of the streams into one to three reads acts as the whole
    // lines: both CIE lines are read, the second last; the IMU shows only
    // the whole line, never a number cut short ("Z:0" of "Z:0.55").
    void everySplit()
    {
        CieImuWindow t;
        t.showImu();
        const QByteArray cie = "CIEX:0.1;CIEY:0.2;LUX:3;CCT:4\r\nCIEX:0.25;CIEY:0.35;LUX:45;CCT:5600\r\n";
        const QByteArray imu = "noise\r\nW:0.5,X:0.5,Y:0.5,Z:0.55\r\n";
        const QQuaternion want = kBase * QQuaternion(0.5f, 0.5f, 0.5f, 0.55f).normalized();
        for (const QByteArray &s : {cie, imu}) {
            const bool isCie = s == cie;
            for (int a = 0; a <= s.size(); ++a) {
                for (int b = a; b <= s.size(); ++b) {
                    t.read(isCie ? "readCIECom" : "readimuCom", isCie ? "\r\n" : "W:1,X:0,Y:0,Z:0\r\n");
                    for (const QByteArray &piece : {s.left(a), s.mid(a, b - a), s.mid(b)}) {
                        t.read(isCie ? "readCIECom" : "readimuCom", piece);
                        QVERIFY(isCie || near(t.rotation(), kBase) || near(t.rotation(), want));
                    }
                    QVERIFY(isCie ? t.point() == Point({0.25, 0.35, 45, 5600}) : near(t.rotation(), want));
                }
            }
        }
    }

    // The 3D window is made when the tab is first shown, on the orientation
    // received before; a right drag turns 0.4 degrees a pixel about the
    // scene's axes, a left drag not at all; ten notches away take the
    // camera to about 537, and it stays within 0.2 to 1800.
    void mouseAndWheel()
    {
        CieImuWindow t;
        // No 3D window until the tab is shown; it opens on the orientation
        // that came before.
        const auto windows3d = [] {
            const QWindowList all = QGuiApplication::allWindows();
            return std::count_if(all.begin(), all.end(), [](QWindow *w) { return qobject_cast<widget3D *>(w); });
        };
        QVERIFY(!t.imu()->view && windows3d() == 0);
        t.imu()->Set_Value(1, 0, 0, 0);
        t.showImu();
        widget3D *view = t.imu()->view;
        QVERIFY(view && windows3d() == 1);
        QVERIFY(near(t.rotation(), kBase));
        const auto drag = [&](Qt::MouseButton button, QPoint by) {
            const QPoint from(100, 100);
            for (const auto &[type, at] : {std::pair{QEvent::MouseButtonPress, from}, {QEvent::MouseMove, from + by / 2},
                                           {QEvent::MouseMove, from + by}, {QEvent::MouseButtonRelease, from + by}}) {
                QMouseEvent e(type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                              type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
                QCoreApplication::sendEvent(view, &e);
            }
        };
        drag(Qt::RightButton, QPoint(10, 0));
        QVERIFY(near(t.rotation(), QQuaternion::fromAxisAndAngle(0, 1, 0, 4) * kBase));
        drag(Qt::RightButton, QPoint(0, 10));
        const QQuaternion both = QQuaternion::fromAxisAndAngle(1, 0, 0, 4) * QQuaternion::fromAxisAndAngle(0, 1, 0, 4) * kBase;
        QVERIFY(near(t.rotation(), both));
        drag(Qt::LeftButton, QPoint(30, 30));
        QVERIFY(near(t.rotation(), both));

        const auto wheel = [&](int times, QPoint pixel, QPoint angle) {
            for (int i = 0; i < times; ++i) {
                QWheelEvent e(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), pixel, angle, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(view, &e);
            }
            return double(view->sceneCamera()->position().length());
        };
        QCOMPARE(wheel(1, QPoint(30, 0), QPoint(0, 120)), 300.0); // sideways trackpad: ignored
        QVERIFY(qAbs(wheel(10, QPoint(), QPoint(0, -120)) - 537.25) < 0.5);
        QVERIFY(qAbs(wheel(100, QPoint(), QPoint(0, -120)) - 1800) < 0.01);
        QVERIFY(qAbs(wheel(300, QPoint(), QPoint(0, 120)) - 0.2) < 0.001);
    }
};

KESP_TEST_MAIN(CieImuPanelsTest)
#include "tst_cie_imu_panels.moc"
