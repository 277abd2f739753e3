// Without OpenGL (offscreen platform) the ToF container must still build:
// the surface shows a notice instead of ending the program, and its
// operations leave it alone while the other views work.
#include "instruments/gl_check.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_surface.h"

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
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->text().isEmpty());
        QVERIFY(!tof.surfaceView->surfaceGraph());
        tof.surfaceView->changeArrangement(5);
        tof.surfaceView->setYRange(2000);
        tof.surfaceView->updateMultipleDataPoints(tof.surfaceView->masterPoints, QList<double>(2268, 5.0));
        tof.surfaceView->updateDataPoint(0, 0, 1.0);
        QCOMPARE(tof.surfaceView->masterPoints.size(), 2268);
        tof.dataView->changeArrangement(1);
        QCOMPARE(tof.dataView->labels.size(), 64);
    }
};

QTEST_MAIN(TofNoGlTest)
#include "tst_tof_nogl.moc"
