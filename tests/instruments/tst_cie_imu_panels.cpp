// The "CIE" and "IMU" tabs against a fake board on a pty: lines cut over
// writes act as whole lines, a cut number never turns the cuboid, a long
// run without a line end is bounded and the next line still shows; the 3D
// view shows the cuboid and follows the mouse and the wheel.
#include "sensor_fixture.h"

#include "instruments/coloured_cuboid_entity.h"
#include "instruments/vexmora_3d_imu.h"
#include "instruments/vexmora_cieplot.h"
#include "instruments/widget3d.h"

#include <QLabel>
#include <QScreen>
#include <Qt3DCore/QTransform>
#include <Qt3DRender/QCamera>

using namespace sensortest;

struct Point
{
    double x, y, lux, cct;
    bool operator==(const Point &o) const { return x == o.x && y == o.y && lux == o.lux && cct == o.cct; }
};

struct CieImuWindow : SensorWindow
{
    vexmora_cieplot *plot() { return w.findChild<vexmora_cieplot *>(); }
    vexmora_3d_imu *imu() { return w.findChild<vexmora_3d_imu *>(); }
    QQuaternion rotation() { return imu()->view->getCuboidEntity()->transform()->rotation(); }
    Point point() { return {plot()->pointX(), plot()->pointY(), plot()->pointLux(), plot()->pointCct()}; }
    QString label(const char *name) { return child<QLabel>(w, name)->text(); }

    // Runs the fake board with the given writes; while it runs, calls
    // `watch` on every pass of the event loop.
    bool feed(const QStringList &pieces, int junk = 0, const std::function<void()> &watch = {})
    {
        QProcess p;
        QStringList args{QStringLiteral(KESP_FAKE_CIE_IMU_BOARD), "--junk", QString::number(junk), pty.deviceB()};
        p.start(QStringLiteral("python3"), args + pieces);
        if (!p.waitForStarted(5000))
            return false;
        kesptest::waitFor([&] {
            if (watch)
                watch();
            return p.state() == QProcess::NotRunning;
        }, 60000);
        kesptest::spin(100);
        if (watch)
            watch();
        return p.exitCode() == 0;
    }

    // Feeds bytes straight into a tab's reader slot, as the port would.
    void read(const char *slot, const QByteArray &bytes)
    {
        QMetaObject::invokeMethod(&w, slot, Q_ARG(QByteArray, bytes));
    }
};

static bool near(const QQuaternion &a, const QQuaternion &b)
{
    // q and -q are the same turn.
    return qAbs(QQuaternion::dotProduct(a.normalized(), b.normalized())) > 0.99999f;
}

static const QQuaternion kBase = QQuaternion::fromAxisAndAngle(1, 0, 0, -90);

class CieImuPanelsTest : public QObject
{
    Q_OBJECT
private slots:
    // Lines cut anywhere, CR and LF apart, mark their points in order; a
    // blank line marks (0, 0); 1 MB without a line end stays bounded and
    // the next line is shown.
    void cieFollowsTheBoard()
    {
        CieImuWindow t;
        QVERIFY(t.open("CIEopencompushButton", "CIEportNameComboBox"));
        QVERIFY(!child<QWidget>(t.w, "CIE_StrTextBrowser")->isVisible());
        QVERIFY(!child<QWidget>(t.w, "CIE_Clear_pushButton")->isVisible());
        QList<Point> seen;
        const auto watch = [&] {
            if (seen.isEmpty() || !(seen.last() == t.point()))
                seen << t.point();
        };
        QVERIFY(t.feed({"CIEX:0.31270;CIEY:0.3", "2900;LUX:120.5000;CCT:6504.0000\\r", "\\nciex : 0.45",
                        " ; CIEY:0.41;lux:3;cct:2800 ,\\r\\n\\r", "\\n", "CIEX:0.2;CIEY:0.7;LUX:1;CCT:1\\r\\n"},
                       0, watch));
        const QList<Point> expected{{-1, -1, 0, 0}, {0.3127, 0.329, 120.5, 6504}, {0.45, 0.41, 3, 2800},
                                    {0, 0, 0, 0}, {0.2, 0.7, 1, 1}};
        QCOMPARE(seen.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(seen.at(i) == expected.at(i), qPrintable(QString::number(i)));
        const QImage img = t.plot()->grab().toImage();
        const QRgb dot = img.pixel(t.plot()->cieToPixel(0.2, 0.7).toPoint());
        QVERIFY(qRed(dot) > 200 && qGreen(dot) < 60);

        QVERIFY(t.feed({"CIEX:0.5;CIEY:0.4;LUX:2;CCT:2000\\r\\n"}, 1 << 20));
        QVERIFY(kesptest::waitFor([&] { return t.point() == Point{0.5, 0.4, 2, 2000}; }));
    }

    // Two lines split into one to three writes at every pair of points:
    // both are read, whole, the second last.
    void cieEverySplit()
    {
        CieImuWindow t;
        const QByteArray lines = "CIEX:0.1;CIEY:0.2;LUX:3;CCT:4\r\nCIEX:0.25;CIEY:0.35;LUX:45;CCT:5600\r\n";
        for (int a = 0; a <= lines.size(); ++a) {
            for (int b = a; b <= lines.size(); ++b) {
                t.read("readCIECom", "\r\n");
                t.read("readCIECom", lines.left(a));
                if (a == lines.indexOf('\n') + 1)
                    QVERIFY(t.point() == (Point{0.1, 0.2, 3, 4}));
                t.read("readCIECom", lines.mid(a, b - a));
                t.read("readCIECom", lines.mid(b));
                QVERIFY2(t.point() == (Point{0.25, 0.35, 45, 5600}), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
            }
        }
    }

    // Labels on the 1st and 3rd line, the cuboid on every one; a cut
    // number waits for its end; the view is cyan in the middle for W:1
    // and W:2; a 1 MB run leaves the next line working.
    void imuFollowsTheBoard()
    {
        CieImuWindow t;
        t.w.resize(1200, 900);
        QVERIFY(t.open("imuopencompushButton", "imuportNameComboBox"));
        QVERIFY(t.imu()->view);
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("0.00"));

        QVERIFY(t.feed({"W:0.7071068,X:0.7071068,Y:0,Z:0\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("0.71"));
        QCOMPARE(t.label("label_imu_x"), QStringLiteral("90.00"));
        QCOMPARE(t.label("label_imu_y"), QStringLiteral("0.00"));
        QVERIFY(near(t.rotation(), kBase * QQuaternion(0.7071068f, 0.7071068f, 0, 0)));

        QVERIFY(t.feed({"W:1,X:0,Y:0,Z:0\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("0.71"));
        QVERIFY(near(t.rotation(), kBase));
        QVERIFY(kesptest::waitFor([&] { return centreIsCyan(t); }));

        QVERIFY(t.feed({"W:1,X:0,Y:0,Z:0", ".05\\r", "\\n"}));
        QCOMPARE(t.label("label_imu_euler_z"), QStringLiteral("0.05"));
        QCOMPARE(t.label("label_imu_euler_w"), QStringLiteral("1.00"));
        QVERIFY(near(t.rotation(), kBase * QQuaternion(1, 0, 0, 0.05f)));

        // Nothing a zero quaternion or semicolons could turn.
        QVERIFY(t.feed({"W:0,X:0,Y:0,Z:0\\r\\nW:1;X:1;Y:0;Z:0\\r\\n", "W:2,X:0,Y:0,Z:0\\r\\n"}));
        QVERIFY(near(t.rotation(), kBase));
        QVERIFY(kesptest::waitFor([&] { return centreIsCyan(t); }));

        QVERIFY(t.feed({"W:0,X:0,Y:1,Z:0\\r\\n"}, 1 << 20));
        QVERIFY(kesptest::waitFor([&] { return near(t.rotation(), kBase * QQuaternion(0, 0, 1, 0)); }));

        // A new open starts the labels over.
        press(t.w, "imuopencompushButton");
        press(t.w, "imuopencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial opened"));
        QVERIFY(t.feed({"W:0.5,X:0.5,Y:0.5,Z:0.5\\r\\n"}));
        QCOMPARE(t.label("label_imu_euler_x"), QStringLiteral("0.50"));
    }

    // A line of noise, then one with a number that a cut can shorten
    // ("Z:0" of "Z:0.55"), split into one to three writes anywhere: the
    // cuboid only ever shows the whole line.
    void imuEverySplit()
    {
        CieImuWindow t;
        const QByteArray lines = "noise\r\nW:0.5,X:0.5,Y:0.5,Z:0.55\r\n";
        const QQuaternion want = kBase * QQuaternion(0.5f, 0.5f, 0.5f, 0.55f).normalized();
        for (int a = 0; a <= lines.size(); ++a) {
            for (int b = a; b <= lines.size(); ++b) {
                t.read("readimuCom", "W:1,X:0,Y:0,Z:0\r\n");
                for (const QByteArray &piece : {lines.left(a), lines.mid(a, b - a), lines.mid(b)}) {
                    t.read("readimuCom", piece);
                    QVERIFY(near(t.rotation(), kBase) || near(t.rotation(), want));
                }
                QVERIFY2(near(t.rotation(), want), qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
            }
        }
    }

    // A right drag turns by 0.4 degrees a pixel about the scene's axes, a
    // left drag not at all; ten notches away take the camera to about 537
    // and no further than 1800.
    void mouseAndWheel()
    {
        CieImuWindow t;
        widget3D *view = t.imu()->view;
        QVERIFY(view);
        t.imu()->Set_Value(1, 0, 0, 0);
        const auto move = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
            QMouseEvent e(type, at, view->mapToGlobal(at), button, held, Qt::NoModifier);
            QCoreApplication::sendEvent(view, &e);
        };
        const auto drag = [&](Qt::MouseButton button, QPoint by) {
            move(QEvent::MouseButtonPress, QPoint(100, 100), button, button);
            move(QEvent::MouseMove, QPoint(100, 100) + by / 2, Qt::NoButton, button);
            move(QEvent::MouseMove, QPoint(100, 100) + by, Qt::NoButton, button);
            move(QEvent::MouseButtonRelease, QPoint(100, 100) + by, button, Qt::NoButton);
        };
        drag(Qt::RightButton, QPoint(10, 0));
        QVERIFY(near(t.rotation(), QQuaternion::fromAxisAndAngle(0, 1, 0, 4) * kBase));
        drag(Qt::RightButton, QPoint(0, 10));
        QVERIFY(near(t.rotation(), QQuaternion::fromAxisAndAngle(1, 0, 0, 4) * QQuaternion::fromAxisAndAngle(0, 1, 0, 4)
                                       * kBase));
        const QQuaternion before = t.rotation();
        drag(Qt::LeftButton, QPoint(30, 30));
        QVERIFY(near(t.rotation(), before));

        const auto wheel = [&](QPoint pixel, QPoint angle) {
            QWheelEvent e(QPointF(50, 50), view->mapToGlobal(QPointF(50, 50)), pixel, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view, &e);
        };
        const auto distance = [&] { return double(view->sceneCamera()->position().length()); };
        QCOMPARE(distance(), 300.0);
        wheel(QPoint(30, 0), QPoint(0, 120)); // sideways trackpad: ignored
        QCOMPARE(distance(), 300.0);
        for (int i = 0; i < 10; ++i)
            wheel(QPoint(), QPoint(0, -120));
        QVERIFY2(qAbs(distance() - 537.25) < 0.5, qPrintable(QString::number(distance())));
        for (int i = 0; i < 100; ++i)
            wheel(QPoint(), QPoint(0, -120));
        QVERIFY(qAbs(distance() - 1800) < 0.01);
        for (int i = 0; i < 300; ++i)
            wheel(QPoint(), QPoint(0, 120));
        QVERIFY(qAbs(distance() - 0.2) < 0.001);
    }

private:
    // The 3D window draws outside the widget tree: read the screen.
    static bool centreIsCyan(CieImuWindow &t)
    {
        QWidget *container = t.w.findChild<QWidget *>(QStringLiteral("imu3dContainer"));
        if (!container || !container->isVisible())
            return false;
        const QPoint centre = container->mapToGlobal(container->rect().center());
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QRgb c = screen.pixel(centre);
        return qRed(c) < 80 && qGreen(c) > 150 && qBlue(c) > 150;
    }
};

QTEST_MAIN(CieImuPanelsTest)
#include "tst_cie_imu_panels.moc"
