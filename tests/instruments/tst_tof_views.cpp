// The ToF views alone: colour ramps, the grid's labels per arrangement,
// heat-map cells as painted, surface heights and renders, and arrangement
// switches that leave no label, layout item or 3D window behind.
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QGridLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QWindow>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/QValue3DAxis>
#include <QtTest>

using Samples = QList<QPair<int, QColor>>;

class TofViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void gridAndHeatMapAndSwitches()
    {
        vexmora_tof tof(nullptr);
        vexmora_tof_data *grid = tof.dataView;
        vexmora_tof_heatmap *map = tof.heatmapView;
        for (const auto &[v, c] : Samples{{0, Qt::white}, {1000, QColor(0, 0, 127)}, {2000, Qt::blue},
                                          {3000, QColor(127, 0, 127)}, {9000, Qt::red}, {-7, Qt::black}})
            QVERIFY2(grid->calculateColor(v) == c, qPrintable(QString::number(v)));
        for (const auto &[v, c] : Samples{{50, QColor(10, 12, 18)}, {4001, QColor(10, 12, 18)}, {51, QColor(180, 0, 0)},
                                          {1000, QColor(241, 88, 0)}, {3000, QColor(0, 130, 174)}, {4000, QColor(0, 0, 160)}})
            QVERIFY2(map->calculateColor(v) == c, qPrintable(QString::number(v)));

        // 50 switches of grid and surface leave no label, layout item or
        // 3D window behind.
        tof.show();
        tof.change(1);
        auto cycle = [&](int rounds) {
            for (int i = 0; i < rounds; ++i) {
                tof.surfaceView->changeArrangement(i % 7);
                grid->changeArrangement(i % 7);
                QCoreApplication::processEvents();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        cycle(7);
        const qsizetype windows = QGuiApplication::allWindows().size();
        [[maybe_unused]] const double rss = kesptest::rssMB();
        cycle(50);
        QCOMPARE(QGuiApplication::allWindows().size(), windows);
#ifndef __SANITIZE_ADDRESS__ // its quarantine keeps freed memory resident
        QVERIFY2(kesptest::rssMB() - rss < 30, qPrintable(QString::number(kesptest::rssMB() - rss)));
#endif
        // Old labels are gone from widget and layout after each switch.
        auto *layout = grid->findChild<QGridLayout *>("gridLayout_tofdata");
        for (const auto &[index, count, points] : QList<std::tuple<int, int, int>>{
                 {-1, 64, 10}, {5, 2268, 1}, {7, 64, 10}, {6, 480, 4}, {2, 256, 6}, {0, 16, 12}}) {
            grid->changeArrangement(index);
            QVERIFY(grid->labels.size() == count && layout->count() == count);
            QCOMPARE(grid->findChildren<QLabel *>().size(), count);
            QVERIFY(grid->labels.first()->font().pointSize() == points && grid->labels.first()->font().bold());
        }
        grid->updateLabelValues(3, 1000);
        grid->updateLabelValues(16, 5);
        grid->updateLabelValues(-1, 5);
        QCOMPARE(grid->labels.at(3)->styleSheet(), QStringLiteral("background-color: #00007f; color: white;"));
        QCOMPARE(grid->labels.at(3)->text() + grid->labels.at(0)->text(), QStringLiteral("10000"));

        tof.change(2);
        QCOMPARE(tof.stackedWidget->currentWidget(), map);
        vexmora_tof_heatmap alone;
        map = &alone;
        map->resize(400, 300);
        map->changeArrangement(3, 4);
        const QList<int> values = {60, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 10, 800};
        map->updateData(QList<int>(567, 1)); // no known size: ignored
        map->updateData(values);
        QImage image = map->grab().toImage();
        for (int i = 0; i < 12; ++i)
            QCOMPARE(image.pixelColor(i % 4 * 100 + 50, i / 4 * 100 + 50), map->calculateColor(values[i]));
        map->changeArrangement(2, 2);
        map->values = {1000}; // short: the rest paints as 0
        QCOMPARE(map->grab().toImage().pixelColor(300, 225), QColor(10, 12, 18));
    }

    void surface()
    {
        vexmora_tof_surface surface;
        surface.resize(400, 300);
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        const QSurfaceDataArray &data = *surface.surfaceData();
        QList<double> frame(64);
        std::iota(frame.begin(), frame.end(), 0);
        surface.updateMultipleDataPoints(surface.masterPoints, frame);
        QCOMPARE(data.at(2)->at(1).y(), 10.f); // transposed before any arrangement

        surface.changeArrangement(0);
        surface.setYRange(12);
        QVERIFY(data.size() == 4 && data.at(0)->size() == 4);
        QVERIFY(surface.surfaceGraph()->axisX()->max() == 3 && surface.surfaceGraph()->axisY()->max() == 12);
        frame = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, -3, 99};
        surface.updateMultipleDataPoints(surface.masterPoints, frame);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(data.at(0)->at(c).y(), float(4 - c));
        QCOMPARE(data.at(3)->at(0).position(), QVector3D(0, 12, 3)); // 16 capped at the range

        surface.changeArrangement(9);
        surface.setYRange(4000);
        QVERIFY(data.size() == 8 && surface.surfaceGraph()->axisZ()->max() == 7 && data.at(7)->at(7).y() == 3000);
        surface.updateMultipleDataPoints(surface.masterPoints, QList<double>(64, 2000));
        const QImage flat = surface.surfaceGraph()->renderToImage(0, QSize(200, 150));
        frame.resize(64);
        for (int i = 0; i < 64; ++i)
            frame[i] = i % 8 * 500;
        surface.updateMultipleDataPoints(surface.masterPoints, frame);
        QVERIFY(!flat.isNull() && flat != surface.surfaceGraph()->renderToImage(0, QSize(200, 150)));
    }
};

KESP_TEST_MAIN(TofViewsTest)
#include "tst_tof_views.moc"
