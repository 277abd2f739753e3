#include "instruments/vexmora_tof_surface.h"
#include "ui_vexmora_tof_surface.h"

#include "instruments/gl_check.h"
#include "instruments/tof_frame.h"

#include <QLabel>
#include <QLinearGradient>
#include <QtDataVisualization/Q3DCamera>
#include <QtDataVisualization/Q3DScene>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/Q3DTheme>
#include <QtDataVisualization/QSurface3DSeries>
#include <QtDataVisualization/QValue3DAxis>

#include <algorithm>

namespace {
constexpr float kFlatHeight = 3000.0f;
}

vexmora_tof_surface::vexmora_tof_surface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_tof_surface)
{
    ui->setupUi(this);
    dataArray = new QSurfaceDataArray;
    fillFlat(8, 8);

    // The data lives in the series from the start; the graph, a GL window,
    // is made only when the view is first shown (makeGraph).
    series = new QSurface3DSeries;
    series->dataProxy()->resetArray(dataArray);
    series->setDrawMode(QSurface3DSeries::DrawSurface);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setColorAt(0.0, Qt::darkGreen);
    gradient.setColorAt(0.5, Qt::yellow);
    gradient.setColorAt(0.8, Qt::red);
    gradient.setColorAt(1.0, Qt::darkRed);
    series->setBaseGradient(gradient);
    series->setColorStyle(Q3DTheme::ColorStyleRangeGradient);
    series->setFlatShadingEnabled(false);
    series->setItemLabelVisible(false);
    series->setItemLabelFormat(QString());

    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b)
            masterPoints.append(QPoint(a, b));
    setAutoFillBackground(true);
}

// A GL window in the main window puts all of its painting through GL, which
// without a GPU driver costs every other tab dearly: the graph is made the
// first time the 3D view is shown.
void vexmora_tof_surface::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (graph || placeholder)
        return;
    if (!GlCheck::openGlAvailable()) {
        // Q3DSurface ends the process without a GL context: say so instead.
        placeholder = GlCheck::placeNotice(ui->gridLayout_3dsurface, this,
                                           tr("The 3D view needs OpenGL, which this display does not offer."),
                                           QStringLiteral("tofSurfacePlaceholder"));
        return;
    }
    makeGraph();
}

// The graph for the current data: until the first arrangement change it has
// the axis titles and the Y range of the first view, later the ranges of the
// arrangement.
void vexmora_tof_surface::makeGraph()
{
    const int rows = int(dataArray->size());
    const int cols = rows > 0 ? int(dataArray->at(0)->size()) : 0;
    graph = new Q3DSurface;
    if (!arranged) {
        graph->axisX()->setTitle(QStringLiteral("X轴"));
        graph->axisY()->setTitle(QStringLiteral("Y轴"));
        graph->axisZ()->setTitle(QStringLiteral("Z轴"));
    }
    graph->axisY()->setRange(0, yAxisMax);
    graph->axisX()->setRange(0, cols - 1);
    graph->axisZ()->setRange(0, rows - 1);
    graph->addSeries(series);
    styleGraph();
    series->dataProxy()->resetArray(dataArray);

    GlCheck::prepareWindowForContainer(this);
    container = QWidget::createWindowContainer(graph);
    ui->gridLayout_3dsurface->addWidget(container);
    placeCamera();
}

vexmora_tof_surface::~vexmora_tof_surface()
{
    // The graph owns what it shows: take the series back, then let the
    // container free the graph with it.
    if (graph)
        graph->removeSeries(series);
    delete series; // frees its proxy and, with it, dataArray
    delete container;
    delete ui;
}

void vexmora_tof_surface::fillFlat(int rows, int cols)
{
    qDeleteAll(*dataArray);
    dataArray->clear();
    dataArray->reserve(rows);
    for (int r = 0; r < rows; ++r) {
        auto *row = new QSurfaceDataRow(cols);
        for (int c = 0; c < cols; ++c)
            (*row)[c].setPosition(QVector3D(float(c), kFlatHeight, float(r)));
        dataArray->append(row);
    }
}

void vexmora_tof_surface::styleGraph()
{
    graph->activeTheme()->setLabelBackgroundEnabled(false);
    graph->axisX()->setLabelFormat(QString());
    graph->axisY()->setLabelFormat(QString());
    graph->axisZ()->setLabelFormat(QString());
}

void vexmora_tof_surface::placeCamera()
{
    Q3DCamera *camera = graph->scene()->activeCamera();
    camera->setCameraPosition(-90, 45, 0);
    camera->setZoomLevel(100);
}

void vexmora_tof_surface::update_master_points(int rows, int cols)
{
    masterPoints.clear();
    masterPoints.reserve(qMax(0, rows) * qMax(0, cols));
    for (int r = 0; r < rows; ++r)
        for (int c = cols - 1; c >= 0; --c)
            masterPoints.append(QPoint(c, r));
}

void vexmora_tof_surface::changeArrangement(int index)
{
    const int cols = TofFrame::columnsOf(index);
    const int rows = TofFrame::rowsOf(index);
    update_master_points(rows, cols);
    arranged = true;
    yAxisMax = 12000;
    // The old graph owns the series until it is removed from it.
    if (graph)
        graph->removeSeries(series);
    // Rows of the emptied array are ours to free (fillFlat does it).
    fillFlat(rows, cols);
    if (!graph) {
        series->dataProxy()->resetArray(dataArray);
        return;
    }
    delete container; // and with it the graph
    container = nullptr;
    makeGraph();
}

void vexmora_tof_surface::setYRange(int max)
{
    maxRange = max;
    yAxisMax = max;
    if (graph && graph->axisY())
        graph->axisY()->setRange(0, max);
}

void vexmora_tof_surface::updateMultipleDataPoints(const QList<QPoint> &points, const QList<double> &values)
{
    const qsizetype n = std::min(points.size(), values.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int row = points.at(i).y();
        const int col = points.at(i).x();
        if (row < 0 || row >= dataArray->size())
            continue;
        QSurfaceDataRow *items = dataArray->at(row);
        if (col < 0 || col >= items->size())
            continue;
        (*items)[col].setPosition(QVector3D(float(col), float(std::min(double(maxRange), values.at(i))), float(row)));
    }
    // Without a graph nothing draws yet: it takes the array when made.
    if (graph)
        series->dataProxy()->resetArray(dataArray);
}

void vexmora_tof_surface::updateDataPoint(int row, int col, double value)
{
    if (row < 0 || row >= dataArray->size() || col < 0 || col >= dataArray->at(row)->size())
        return;
    (*dataArray->at(row))[col].setPosition(QVector3D(float(col), float(value), float(row)));
    if (graph)
        series->dataProxy()->resetArray(dataArray);
}

void vexmora_tof_surface::recreateSurfaceContainer()
{
}
