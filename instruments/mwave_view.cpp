#include "instruments/mwave_view.h"

#include "instruments/gl_check.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <QtMath>
#include <limits>

static const char *const kChannelColours[16] = {
    "#ffe410", "#00e1ff", "#ff14ff", "#0017ff", "#7fff00", "#ff00ff", "#9370db", "#00ffff",
    "#000080", "#800080", "#2e8b57", "#98fb98", "#00ff7f", "#0000ff", "#87cefa", "#ffc0cb"};

MWaveView::MWaveView(QWidget *parent)
    : QChartView(parent)
    , waveChart(new QChart)
{
    axisX = new QValueAxis;
    axisX->setTickCount(9);
    axisX->setLabelFormat(QStringLiteral("%d"));
    axisX->setTickType(QValueAxis::TicksFixed);
    axisX->setRange(0, 50);
    axisY = new QValueAxis;
    axisY->setTickCount(9);
    axisY->setLabelFormat(QStringLiteral("%.2f"));
    axisY->setRange(-25, 25);

    waveChart->legend()->hide();
    waveChart->setTheme(QChart::ChartThemeLight);
    setChart(waveChart);
    waveChart->addAxis(axisX, Qt::AlignBottom);
    waveChart->addAxis(axisY, Qt::AlignLeft);
    const QColor labels(255, 255, 255, 150);
    axisX->setLabelsColor(labels);
    axisY->setLabelsColor(labels);
    setRenderHint(QPainter::Antialiasing);
    waveChart->setBackgroundBrush(QBrush(Qt::black));

    for (int ch = WAVE_CH0; ch <= WAVE_CH15; ++ch)
        addChannel(WAVE_CH(ch));
}

MWaveView::~MWaveView() = default;

void MWaveView::addChannel(WAVE_CH channel)
{
    auto *series = new QLineSeries;
    QPen pen(QColor(QLatin1String(kChannelColours[channel])));
    pen.setWidth(3);
    series->setPen(pen);
    channels.insert(channel, series);
    waveChart->addSeries(series);
    series->attachAxis(axisX);
    series->attachAxis(axisY);
}

// The series are drawn through OpenGL from the first time the chart is
// shown: a GL surface in the window puts all of its painting through GL,
// which without a GPU driver costs every other tab dearly.
void MWaveView::showEvent(QShowEvent *event)
{
    QChartView::showEvent(event);
    GlCheck::openGlAvailable(); // makes the shared context first
    for (QLineSeries *series : std::as_const(channels))
        series->setUseOpenGL(true);
}

void MWaveView::openChannel(WAVE_CH channel)
{
    if (QLineSeries *s = channels.value(channel))
        s->show();
}

void MWaveView::closeChannel(WAVE_CH channel)
{
    if (QLineSeries *s = channels.value(channel))
        s->hide();
}

void MWaveView::clearChannel(WAVE_CH channel)
{
    if (QLineSeries *s = channels.value(channel))
        s->clear();
}

void MWaveView::addSeriesData(WAVE_CH channel, const QList<QPointF> &points)
{
    QLineSeries *s = channels.value(channel);
    if (paused || !s)
        return;
    s->replace(points);
    newestX = qMax(newestX, points.isEmpty() ? 0.0 : points.last().x());
    updateRange_for_addSeriesData();
}

void MWaveView::addSeriesData(WAVE_CH channel, const QPointF &point)
{
    QLineSeries *s = channels.value(channel);
    if (paused || !s)
        return;
    s->append(point);
}

void MWaveView::setRangeX(int range)
{
    rangeX = range;
}

void MWaveView::setRangeY(int range)
{
    rangeY = range;
}

void MWaveView::setZoomX(double factor)
{
    if (factor > 0)
        zoomX = factor;
}

void MWaveView::setZoomY(double factor)
{
    if (factor > 0)
        zoomY = factor;
}

void MWaveView::ZoomX()
{
    rangeX *= zoomX;
}

void MWaveView::ZoomY()
{
    rangeY *= zoomY;
}

void MWaveView::ZoomOutX()
{
    rangeX *= 1 / zoomX;
}

void MWaveView::ZoomOutY()
{
    rangeY *= 1 / zoomY;
}

void MWaveView::updateRange_for_addSeriesData()
{
    const double hi = qMax(newestX, rangeX);
    axisX->setRange(qMax(hi - rangeX, 0.0), hi);
}

void MWaveView::updateRange()
{
    updateRange_for_addSeriesData();
    axisY->setRange(viewOffset.y() - rangeY * 0.5, viewOffset.y() + rangeY * 0.5);
}

QRectF MWaveView::calculateDataRange()
{
    double minX = std::numeric_limits<double>::max();
    double minY = minX;
    double maxX = -minX;
    double maxY = -minX;
    bool any = false;
    for (QLineSeries *s : std::as_const(channels)) {
        if (!s->isVisible())
            continue;
        const QList<QPointF> points = s->points();
        for (const QPointF &p : points) {
            // A NaN or infinite sample would make the whole box unusable.
            if (!qIsFinite(p.x()) || !qIsFinite(p.y()))
                continue;
            any = true;
            minX = qMin(minX, p.x());
            maxX = qMax(maxX, p.x());
            minY = qMin(minY, p.y());
            maxY = qMax(maxY, p.y());
        }
    }
    if (!any)
        return {};
    // Flat data still gets a window that zooming can grow.
    if (maxX - minX <= 0) {
        minX -= 1.0;
        maxX += 1.0;
    }
    if (maxY - minY <= 0) {
        minY -= 1.0;
        maxY += 1.0;
    }
    const QRectF box(minX, minY, maxX - minX, maxY - minY);
    rangeX = box.width();
    rangeY = box.height() * 1.5 + viewOffset.y();
    return box;
}

void MWaveView::startGraph()
{
    paused = false;
}

void MWaveView::pauseGraph()
{
    paused = true;
}

void MWaveView::slots_startGraph()
{
    startGraph();
}

void MWaveView::slots_pauseGraph()
{
    pauseGraph();
}

void MWaveView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = true;
        lastPosition = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
    }
}

void MWaveView::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        dragging = false;
        setCursor(Qt::ArrowCursor);
    }
}

void MWaveView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (dragging) {
        waveChart->scroll(lastPosition.x() - p.x(), p.y() - lastPosition.y());
        viewOffset -= waveChart->mapToValue(p) - waveChart->mapToValue(lastPosition);
        lastPosition = p;
    }
    const QPointF value = waveChart->mapToValue(p);
    QToolTip::showText(event->globalPosition().toPoint(),
                       QStringLiteral("(%1,%2)")
                           .arg(QString::number(value.x(), 'g', 6), QString::number(value.y(), 'g', 6)));
}

void MWaveView::wheelEvent(QWheelEvent *event)
{
    const QRectF plot = waveChart->plotArea();
    const QPointF c = plot.center();
    const bool zoomIn = event->angleDelta().y() > -8;
    const QPointF f = zoomIn ? QPointF(1 / zoomX, 1 / zoomY) : QPointF(zoomX, zoomY);
    rangeX *= f.x();
    rangeY *= f.y();
    const QSizeF size(plot.width() * f.x(), plot.height() * f.y());
    const double a = (f.x() + f.y()) * 0.5;
    const QPointF q = event->position();
    const QPointF n = 2 * c - q - (c - q) / a;
    viewOffset.ry() += waveChart->mapToValue(n).y() - waveChart->mapToValue(c).y();
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(n);
    waveChart->zoomIn(target);
    event->accept();
}

void MWaveView::contextMenuEvent(QContextMenuEvent *event)
{
    fitToData();
    event->accept();
}

void MWaveView::fitToData()
{
    // Nothing visible to fit: the axes stay as they are rather than take
    // infinite or NaN ranges.
    const QRectF box = calculateDataRange();
    if (box.isNull())
        return;
    axisX->setRange(box.left(), box.right());
    axisY->setRange(box.top(), box.bottom());
}
