// The window as the program starts it, with the shared GL context deferred:
// no GL driver and no web engine process until a view that needs them is
// shown; then the oscilloscope, the ToF surface, the IMU view and both web
// views work on the context made late.
#include "tests/support/kesp_test_support.h"
#include "tests/support/map_service.h"
#include "tests/support/widget_helpers.h"

#include "app/mainwindow.h"
#include "instruments/gl_check.h"
#include "instruments/vexmora_3d_imu.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_surface.h"
#include "instruments/widget3d.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QOpenGLContext>
#include <QScreen>
#include <QTabWidget>
#include <QWebEngineView>
#include <QtDataVisualization/Q3DSurface>
#include <QtTest>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

using namespace kesptest;

// Whether a GL driver is mapped into this process.
static bool glDriverLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return true;
    const QByteArray all = maps.readAll();
    return all.contains("_dri.so") || all.contains("libLLVM");
}

class GlOnDemandTest : public QObject
{
    Q_OBJECT
private slots:
    void viewsMadeWhenShown()
    {
        TempHome home(quietIni({{"GPS", "true"}}));
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        spin(500);
        QVERIFY(!qt_gl_global_share_context()->isValid());
        QVERIFY(!glDriverLoaded());
        QCOMPARE(childProcesses(), 0);

        auto *tabs = child<QTabWidget>(w, "tabWidget");
        const auto front = [&](const char *page) {
            tabs->setCurrentWidget(child<QWidget>(w, page));
            spin(300);
        };
        front("Oscilloscope");
        QVERIFY(qt_gl_global_share_context()->isValid());

        front("TOF");
        child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(1);
        Q3DSurface *graph = w.findChild<vexmora_tof *>()->surfaceView->surfaceGraph();
        QVERIFY(graph);
        QVERIFY(!graph->renderToImage(0, QSize(80, 60)).isNull());

        front("tab_3");
        vexmora_3d_imu *imu = w.findChild<vexmora_3d_imu *>();
        QVERIFY(imu->view && imu->view->getCuboidEntity());
        // Drawn: the cyan face turned to the camera shows mid-window.
        imu->Set_Value(1, 0, 0, 0);
        QWidget *box = imu->findChild<QWidget *>(QStringLiteral("imu3dContainer"));
        QVERIFY(waitFor([&] {
            const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const QRgb c = screen.pixel(box->mapToGlobal(box->rect().center()));
            return qRed(c) < 80 && qGreen(c) > 150 && qBlue(c) > 150;
        }, 10000));

        for (const char *page : {"gps", "tab_2"}) {
            front(page);
            auto *web = w.findChild<QWebEngineView *>(page == QByteArray("gps") ? "gpsMapView" : "moreWebView");
            QVERIFY(web);
            bool loaded = false;
            connect(web, &QWebEngineView::loadFinished, web, [&](bool ok) { loaded = ok; });
            web->setHtml(QStringLiteral("<p>map</p>"));
            QVERIFY(waitFor([&] { return loaded; }, 30000));
            QCOMPARE(pageScript(web->page(), QStringLiteral("6*7")), QString("42"));
        }
        QVERIFY(childProcesses() > 0);
    }
};

int main(int argc, char *argv[])
{
    GlCheck::deferSharedContext();
    QApplication app(argc, argv);
    GlOnDemandTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gl_on_demand.moc"
