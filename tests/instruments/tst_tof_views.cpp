// The ToF views on their own: colour ramps of grid and heat map, the grid's
// labels per arrangement, heat-map cells as painted, surface heights and
// renders, and arrangement switches that must not leak labels or graphs.
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"
#include "tests/support/kesp_test_support.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QStackedWidget>
#include <QWindow>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/QValue3DAxis>
#include <QtTest>

class TofViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void colourRamps()
    {
        vexmora_tof_data grid;
        const QList<QPair<int, QColor>> gridSamples = {
            {0, QColor(255, 255, 255)}, {1000, QColor(0, 0, 127)}, {2000, QColor(0, 0, 255)},
            {3000, QColor(127, 0, 127)}, {4000, QColor(255, 0, 0)}, {9000, QColor(255, 0, 0)},
            {-7, QColor(0, 0, 0)}};
        for (const auto &[value, colour] : gridSamples)
            QVERIFY2(grid.calculateColor(value) == colour, qPrintable(QString::number(value)));
        QCOMPARE(vexmora_tof_data::calculateValue("12x"), 0);
        QCOMPARE(vexmora_tof_data::calculateValue("99999999999"), 0);

        vexmora_tof_heatmap map;
        const QList<QPair<int, QColor>> mapSamples = {
            {50, QColor(10, 12, 18)}, {4001, QColor(10, 12, 18)}, {51, QColor(180, 0, 0)},
            {1000, QColor(241, 88, 0)}, {3000, QColor(0, 130, 174)}, {4000, QColor(0, 0, 160)}};
        for (const auto &[value, colour] : mapSamples)
            QVERIFY2(map.calculateColor(value) == colour, qPrintable(QString::number(value)));
    }

    void gridLabels()
    {
        vexmora_tof tof(nullptr);
        vexmora_tof_data *grid = tof.dataView;
        auto *layout = grid->findChild<QGridLayout *>("gridLayout_tofdata");
        QCOMPARE(grid->labels.size(), 16);
        const QList<std::tuple<int, int, int>> cases = {{-1, 64, 10}, {5, 2268, 1}, {7, 64, 10}, {6, 480, 4},
                                                         {0, 16, 12}, {2, 256, 6}};
        for (const auto &[index, count, points] : cases) {
            grid->changeArrangement(index);
            QCOMPARE(grid->labels.size(), count);
            QCOMPARE(layout->count(), count);
            QCOMPARE(grid->findChildren<QLabel *>().size(), count);
            QCOMPARE(grid->labels.first()->font().pointSize(), points);
            QVERIFY(grid->labels.first()->font().bold());
        }
        grid->updateLabelValues(3, 1000);
        QCOMPARE(grid->labels.at(3)->text(), QStringLiteral("1000"));
        QCOMPARE(grid->labels.at(3)->styleSheet(), QStringLiteral("background-color: #00007f; color: white;"));
        grid->updateLabelValues(256, 5);
        grid->updateLabelValues(-1, 5);
        QCOMPARE(grid->labels.at(0)->text(), QStringLiteral("0"));

        tof.change(1);
        QCOMPARE(tof.stackedWidget->currentWidget(), tof.surfaceView);
        tof.change(2);
        QCOMPARE(tof.stackedWidget->currentWidget(), tof.heatmapView);
    }

    void heatmapCells()
    {
        vexmora_tof_heatmap map;
        map.resize(400, 300);
        map.changeArrangement(32, 48);
        QCOMPARE(map.values.size(), 1536);
        map.updateData(QList<int>(567, 1000)); // ignored
        QCOMPARE(map.rows, 32);
        map.updateData(QList<int>(480, 1000));
        QCOMPARE(map.rows, 20);
        QCOMPARE(map.cols, 24);

        map.changeArrangement(3, 4);
        const QList<int> values = {60, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 10, 800};
        map.updateData(values);
        const QImage image = map.grab().toImage();
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 4; ++c) {
                const QColor got = image.pixelColor(c * 100 + 50, r * 100 + 50);
                QCOMPARE(got, map.calculateColor(values[r * 4 + c]));
            }
        // A short list leaves the rest at 0, which paints out of window.
        map.changeArrangement(2, 2);
        map.values = {1000};
        const QImage shortImage = map.grab().toImage();
        QCOMPARE(shortImage.pixelColor(300, 225), QColor(10, 12, 18));
    }

    void surfaceHeights()
    {
        vexmora_tof_surface surface;
        QVERIFY(surface.surfaceGraph());
        const QSurfaceDataArray &data = *surface.surfaceData();
        // Before any arrangement change a frame lands transposed.
        QList<double> frame;
        for (int i = 0; i < 64; ++i)
            frame << i;
        surface.updateMultipleDataPoints(surface.masterPoints, frame);
        QCOMPARE(data.at(2)->at(1).y(), 10.f);

        surface.changeArrangement(0);
        QCOMPARE(data.size(), 4);
        QCOMPARE(data.at(0)->size(), 4);
        QCOMPARE(surface.surfaceGraph()->axisX()->max(), 3.f);
        surface.setYRange(12);
        QCOMPARE(surface.surfaceGraph()->axisY()->max(), 12.f);
        frame.clear();
        for (int i = 1; i <= 16; ++i)
            frame << i;
        frame << -3 << 99; // beyond the master points
        surface.updateMultipleDataPoints(surface.masterPoints, frame);
        for (int c = 0; c < 4; ++c)
            QCOMPARE(data.at(0)->at(c).y(), float(4 - c));
        QCOMPARE(data.at(3)->at(0).y(), 12.f); // 16 capped at the range
        QCOMPARE(data.at(3)->at(0).x(), 0.f);
        QCOMPARE(data.at(3)->at(0).z(), 3.f);

        surface.changeArrangement(9);
        QCOMPARE(data.size(), 8);
        QCOMPARE(surface.surfaceGraph()->axisZ()->max(), 7.f);
        QCOMPARE(data.at(7)->at(7).y(), 3000.f);
    }

    void surfaceRenders()
    {
        vexmora_tof_surface surface;
        surface.resize(400, 300);
        surface.changeArrangement(1);
        surface.setYRange(4000);
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        QList<double> flat(64, 2000), ramp;
        for (int i = 0; i < 64; ++i)
            ramp << (i % 8) * 500;
        surface.updateMultipleDataPoints(surface.masterPoints, flat);
        const QImage a = surface.surfaceGraph()->renderToImage(0, QSize(200, 150));
        surface.updateMultipleDataPoints(surface.masterPoints, ramp);
        const QImage b = surface.surfaceGraph()->renderToImage(0, QSize(200, 150));
        QVERIFY(!a.isNull() && !b.isNull());
        QVERIFY(a != b);
    }

    // Labels, layout items and 3D windows come and go with each switch.
    void switchesDoNotLeak()
    {
        vexmora_tof tof(nullptr);
        tof.show();
        tof.change(1);
        auto cycle = [&](int rounds) {
            for (int i = 0; i < rounds; ++i) {
                tof.surfaceView->changeArrangement(i % 7);
                tof.dataView->changeArrangement(i % 7);
                QCoreApplication::processEvents();
            }
        };
        cycle(7);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const qsizetype windows = QGuiApplication::allWindows().size();
        const double rss = kesptest::rssMB();
        cycle(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QGuiApplication::allWindows().size(), windows);
        QCOMPARE(tof.dataView->findChildren<QLabel *>().size(), tof.dataView->labels.size());
        QVERIFY2(kesptest::rssMB() - rss < 30, qPrintable(QString::number(kesptest::rssMB() - rss)));
    }
};

QTEST_MAIN(TofViewsTest)
#include "tst_tof_views.moc"
