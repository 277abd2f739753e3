// Runs on the offscreen platform, where there is no OpenGL: the IMU view
// and a whole window still come up.
#include "app/mainwindow.h"
#include "instruments/vexmora_3d_imu.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QLabel>
#include <QTabWidget>
#include <QtTest>

class ImuNoGlTest : public QObject
{
    Q_OBJECT
private slots:
    // Without OpenGL the 3D view, once shown, is a notice, turning it is a
    // no-op, and the whole window starts with the IMU tab on.
    void noOpenGl()
    {
        vexmora_3d_imu view;
        view.Set_Value(1, 0, 0, 0);
        view.show();
        QVERIFY(!view.view);
        QVERIFY(view.notice && !view.notice->text().isEmpty());
        view.Set_Value(1, 0, 0, 0);
        // The oscilloscope's chart draws through OpenGL on its own account
        // and is no part of this.
        kesptest::TempHome home(kesptest::quietIni({{"Oscilloscope", "false"}}));
        MainWindow w;
        QVERIFY(w.initialisedTabs.contains(QStringLiteral("IMU")));
        w.show();
        w.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentWidget(w.findChild<QWidget *>("tab_3"));
        auto *notice = w.findChild<QLabel *>(QStringLiteral("imu3dNotice"));
        QVERIFY(notice);
        notice->window()->show();
        kesptest::spin(200);
        QVERIFY(notice->isVisible());
    }
};

KESP_TEST_MAIN(ImuNoGlTest)
#include "tst_imu_nogl.moc"
