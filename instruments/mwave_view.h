#ifndef MWAVE_VIEW_H
#define MWAVE_VIEW_H

#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointF>
#include <QtCharts/QChartView>

class QChart;
class QLineSeries;
class QValueAxis;

enum WAVE_CH {
    WAVE_CH0, WAVE_CH1, WAVE_CH2, WAVE_CH3, WAVE_CH4, WAVE_CH5, WAVE_CH6, WAVE_CH7,
    WAVE_CH8, WAVE_CH9, WAVE_CH10, WAVE_CH11, WAVE_CH12, WAVE_CH13, WAVE_CH14, WAVE_CH15
};

// The oscilloscope's chart: sixteen coloured channels on one axis pair,
// following the newest point, with drag, wheel zoom around the cursor,
// right-click fit to the visible data and the value under the cursor.
class MWaveView : public QChartView
{
    Q_OBJECT

public:
    explicit MWaveView(QWidget *parent = nullptr);
    ~MWaveView() override;

    void addChannel(WAVE_CH channel);
    void openChannel(WAVE_CH channel);
    void closeChannel(WAVE_CH channel);
    void clearChannel(WAVE_CH channel);
    // Replaces the channel's points and moves the X window to the newest.
    void addSeriesData(WAVE_CH channel, const QList<QPointF> &points);
    // Appends one point; the axes stay.
    void addSeriesData(WAVE_CH channel, const QPointF &point);

    void setRangeX(int range);
    void setRangeY(int range);
    void setZoomX(double factor);
    void setZoomY(double factor);
    void ZoomX();
    void ZoomY();
    void ZoomOutX();
    void ZoomOutY();
    void updateRange();
    void updateRange_for_addSeriesData();
    // Bounding box of the visible finite points; empty (null) when there
    // are none.
    QRectF calculateDataRange();

    void startGraph();
    void pauseGraph();

    double getRangeX() const { return rangeX; }
    double getRangeY() const { return rangeY; }

public slots:
    void slots_startGraph();
    void slots_pauseGraph();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitToData();

    QMap<WAVE_CH, QLineSeries *> channels;
    QChart *waveChart = nullptr;
    QValueAxis *axisX = nullptr;
    QValueAxis *axisY = nullptr;
    double rangeX = 50.0;
    double rangeY = 50.0;
    double zoomX = 1.2;
    double zoomY = 1.2;
    double newestX = 0.0;
    bool dragging = false;
    QPoint lastPosition{0, 0};
    QPointF viewOffset{0.0, 0.0};
    bool paused = false;
};

#endif // MWAVE_VIEW_H
