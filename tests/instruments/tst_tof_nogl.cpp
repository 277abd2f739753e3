// Without OpenGL the ToF container still builds: the surface shows a
// notice instead of ending the program, and ignores what it is handed.
#include "instruments/gl_check.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_surface.h"
#include "tests/support/test_base.h"

#include <QLabel>
#include <QtTest>

class TofNoGlTest : public QObject
{
    Q_OBJECT
private slots:
    void placeholder()
    {
        QVERIFY(!GlCheck::openGlAvailable());
        vexmora_tof tof(nullptr);
        tof.show();
        tof.change(1);
        auto *notice = tof.surfaceView->findChild<QLabel *>("tofSurfacePlaceholder");
        QVERIFY(notice && notice->isVisible() && !tof.surfaceView->surfaceGraph());
        tof.surfaceView->changeArrangement(5);
        tof.surfaceView->setYRange(2000);
        tof.surfaceView->updateMultipleDataPoints(tof.surfaceView->masterPoints, QList<double>(2268, 5.0));
        tof.surfaceView->updateDataPoint(0, 0, 1.0);
    }
};

KESP_TEST_MAIN(TofNoGlTest)
#include "tst_tof_nogl.moc"
