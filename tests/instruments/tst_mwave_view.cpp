// MWaveView: the X window follows the newest point, pause holds everything,
// wheel zoom in and out returns to the old ranges, a fit always leaves
// finite axes with some extent, and the cursor shows its value.
#include "instruments/mwave_view.h"
#include "tests/support/test_base.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtTest>
#include <limits>

static QList<QPointF> ramp(double from, double to)
{
    QList<QPointF> points;
    for (double x = from; x <= to; x += 1.0)
        points << QPointF(x, x / 10);
    return points;
}

struct View
{
    View()
    {
        view.resize(640, 480);
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
    }
    MWaveView view;
    QChart *chart() { return view.chart(); }
    QValueAxis *axis(Qt::Orientation o) { return static_cast<QValueAxis *>(chart()->axes(o).first()); }
    QLineSeries *series(int k) { return static_cast<QLineSeries *>(chart()->series().at(k)); }
    QPair<double, double> x() { return {axis(Qt::Horizontal)->min(), axis(Qt::Horizontal)->max()}; }
    QPair<double, double> y() { return {axis(Qt::Vertical)->min(), axis(Qt::Vertical)->max()}; }
    void fit()
    {
        const QPoint at = view.viewport()->rect().center();
        QContextMenuEvent e(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(view.viewport(), &e);
    }
    void wheel(int delta)
    {
        const QPointF at(200, 150);
        QWheelEvent e(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &e);
    }
};

static bool finiteAxes(View &v)
{
    const auto x = v.x();
    const auto y = v.y();
    return qIsFinite(x.first) && qIsFinite(x.second) && qIsFinite(y.first) && qIsFinite(y.second)
        && x.second > x.first && y.second > y.first;
}

class MWaveViewTest : public QObject
{
    Q_OBJECT
private slots:
    void followsTheNewestPoint()
    {
        View v;
        QCOMPARE(v.chart()->series().size(), 16);
        QCOMPARE(v.series(0)->pen().color(), QColor("#ffe410"));
        QCOMPARE(v.series(15)->pen().color(), QColor("#ffc0cb"));
        v.view.addSeriesData(WAVE_CH0, ramp(1, 30));
        QCOMPARE(v.x(), qMakePair(0.0, 50.0));
        v.view.addSeriesData(WAVE_CH0, ramp(1, 80));
        QCOMPARE(v.x(), qMakePair(30.0, 80.0));
        QCOMPARE(v.series(0)->count(), 80);
        // An empty list empties the channel; the window stays on the newest.
        v.view.addSeriesData(WAVE_CH1, QList<QPointF>());
        QCOMPARE(v.x(), qMakePair(30.0, 80.0));
        v.view.addSeriesData(WAVE_CH0, QList<QPointF>());
        QCOMPARE(v.series(0)->count(), 0);

        // Paused, lists change neither series nor axes.
        v.view.addSeriesData(WAVE_CH0, ramp(1, 80));
        v.view.pauseGraph();
        v.view.addSeriesData(WAVE_CH0, ramp(1, 200));
        v.view.addSeriesData(WAVE_CH0, QPointF(201, 1));
        QCOMPARE(v.series(0)->count(), 80);
        QCOMPARE(v.x(), qMakePair(30.0, 80.0));
        v.view.slots_startGraph();
        v.view.addSeriesData(WAVE_CH0, QPointF(81, 1));
        QCOMPARE(v.series(0)->count(), 81);
        QCOMPARE(v.x(), qMakePair(30.0, 80.0));
    }

    void wheelInThenOutRestoresTheRanges()
    {
        View v;
        v.view.addSeriesData(WAVE_CH0, ramp(1, 100));
        const double rx = v.view.getRangeX();
        const double ry = v.view.getRangeY();
        const auto x = v.x();
        v.wheel(120);
        QVERIFY(v.view.getRangeX() < rx);
        QVERIFY(v.x().second - v.x().first < x.second - x.first);
        v.wheel(-120);
        QCOMPARE(v.view.getRangeX(), rx);
        QCOMPARE(v.view.getRangeY(), ry);
        QVERIFY(finiteAxes(v));
    }

    // A fit shows all visible finite points; with none it keeps the axes,
    // and a single point or flat data still get a window with extent.
    void fitStaysFinite()
    {
        View v;
        const auto x = v.x();
        const auto y = v.y();
        v.fit();
        QCOMPARE(v.x(), x);
        QCOMPARE(v.y(), y);

        v.view.addSeriesData(WAVE_CH2, {QPointF(5, 3)});
        v.fit();
        QVERIFY(finiteAxes(v));
        QVERIFY(v.x().first <= 5 && v.x().second >= 5 && v.y().first <= 3 && v.y().second >= 3);
        v.wheel(-120);
        QVERIFY(finiteAxes(v));

        const double nan = std::numeric_limits<double>::quiet_NaN();
        const double inf = std::numeric_limits<double>::infinity();
        v.view.addSeriesData(WAVE_CH2, {QPointF(10, 2), QPointF(11, nan), QPointF(12, inf), QPointF(20, -4)});
        v.fit();
        QCOMPARE(v.x(), qMakePair(10.0, 20.0));
        QCOMPARE(v.y(), qMakePair(-4.0, 2.0));

        // Hidden data is no data.
        v.view.closeChannel(WAVE_CH2);
        v.view.addSeriesData(WAVE_CH2, ramp(1, 500));
        const auto kept = v.x();
        v.fit();
        QVERIFY(finiteAxes(v));
        QCOMPARE(v.x().first, kept.first);
        v.view.openChannel(WAVE_CH2);
        v.fit();
        QCOMPARE(v.x(), qMakePair(1.0, 500.0));
    }

    // Dragging shifts the window; the cursor's value shows as a tool tip.
    void dragAndToolTip()
    {
        View v;
        v.view.addSeriesData(WAVE_CH0, ramp(1, 100));
        const auto before = v.x();
        QWidget *port = v.view.viewport();
        QTest::mousePress(port, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
        QCOMPARE(v.view.cursor().shape(), Qt::ClosedHandCursor);
        QMouseEvent move(QEvent::MouseMove, QPointF(200, 200), port->mapToGlobal(QPointF(200, 200)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
        QCOMPARE(v.view.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(v.x().first > before.first);
        QVERIFY(QToolTip::text().startsWith('(') && QToolTip::text().endsWith(')'));
        QVERIFY(QToolTip::text().contains(','));
    }
};

KESP_TEST_MAIN(MWaveViewTest)
#include "tst_mwave_view.moc"
