#include "app/mainwindow.h"
#include "ui_gpssignal.h"

#include "app/single_dialog.h"
#include "positioning/callout.h"
#include "positioning/gps_signal.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QGridLayout>
#include <QPolarChart>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTimer>
#include <QValueAxis>

namespace {

struct Constellation
{
    const char *name;
    const char *prefix;
    const char *colour;
    int row, column;
};

// Indexed by constellation code - 1.
const Constellation kConstellations[5] = {
    {"GPS", "GP", "#209FDF", 1, 0},
    {"BEIDOU", "GB", "#F96B18", 2, 0},
    {"GLONASS", "GL", "#99CA53", 2, 1},
    {"GALILEE", "GA", "#F9F553", 1, 1},
    {"QZSS", "GQ", "#8E3009", 0, 1},
};

} // namespace

void MainWindow::slotGPSsignal()
{
    if (gpsSignalDialogOpen)
        return;
    // A thread left from an earlier opening goes first.
    gpsStopSatelliteThread();

    gpsSatelliteThread = new GPS_Signal(this);
    gpsSatelliteThread->start(QThread::InheritPriority);
    gpsSatelliteConnections = {
        connect(this, &MainWindow::GPS_Signal_Data_Over, gpsSatelliteThread, &GPS_Signal::Get_Data),
        connect(this, &MainWindow::GPS_GUI_Wait_Data_Over, gpsSatelliteThread, &GPS_Signal::Wait_Data),
        connect(gpsSatelliteThread, &GPS_Signal::ReturnResult, this, &MainWindow::GPS_SignalSetbuf)};

    gpsSignalDialog =
        openSingleDialog(this, gpsSignalDialogOpen, gpsSignalForm, &MainWindow::slotgpssignaldialogclose);
    connect(gpsSignalForm->GPSsignalCancel, &QPushButton::pressed, gpsSignalDialog, &QDialog::close);
    gpsSignalTip = nullptr;

    gpsSkyChart = new QPolarChart;
    gpsSkyAngularAxis = new QValueAxis;
    gpsSkyAngularAxis->setTickCount(25);
    gpsSkyAngularAxis->setLabelFormat(QStringLiteral("%d"));
    gpsSkyAngularAxis->setShadesVisible(true);
    gpsSkyAngularAxis->setShadesBrush(QBrush(QColor(0xF9, 0xF9, 0xFF)));
    gpsSkyAngularAxis->setRange(0, 360);
    gpsSkyChart->addAxis(gpsSkyAngularAxis, QPolarChart::PolarOrientationAngular);
    gpsSkyRadialAxis = new QValueAxis;
    gpsSkyRadialAxis->setTickCount(10);
    gpsSkyRadialAxis->setLabelFormat(QStringLiteral("%d"));
    gpsSkyRadialAxis->setLabelsVisible(false);
    gpsSkyRadialAxis->setRange(0, 90);
    gpsSkyChart->addAxis(gpsSkyRadialAxis, QPolarChart::PolarOrientationRadial);
    gpsSkyChart->legend()->hide();

    auto *grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    auto *skyView = new QChartView(gpsSkyChart);
    skyView->setObjectName(QStringLiteral("gpsSkyView"));
    skyView->setRenderHint(QPainter::Antialiasing);
    grid->addWidget(skyView, 0, 0);
    for (int c = 0; c < 5; ++c) {
        gpsBarSeries[c] = new QStackedBarSeries;
        gpsBarSeries[c]->setUseOpenGL(true);
        gpsBarChart[c] = new QChart;
        gpsBarChart[c]->addSeries(gpsBarSeries[c]);
        gpsBarAxis[c] = new QBarCategoryAxis;
        gpsBarAxis[c]->append(gpsBarLabels[c]);
        gpsBarAxis[c]->setTitleText(QString());
        gpsBarAxis[c]->setTitleVisible(false);
        gpsBarChart[c]->createDefaultAxes();
        gpsBarChart[c]->addAxis(gpsBarAxis[c], Qt::AlignBottom);
        for (QAbstractAxis *axis : gpsBarChart[c]->axes(Qt::Horizontal))
            if (axis != gpsBarAxis[c]) {
                gpsBarSeries[c]->detachAxis(axis);
                gpsBarChart[c]->removeAxis(axis);
                delete axis;
            }
        gpsBarSeries[c]->attachAxis(gpsBarAxis[c]);
        for (QAbstractAxis *axis : gpsBarChart[c]->axes(Qt::Vertical)) {
            axis->setRange(0, 50);
            axis->setTitleText(QString());
            axis->setTitleVisible(false);
        }
        gpsBarChart[c]->legend()->show();
        auto *view = new QChartView(gpsBarChart[c]);
        view->setObjectName(QStringLiteral("gpsBarView%1").arg(c + 1));
        view->setRenderHint(QPainter::Antialiasing);
        grid->addWidget(view, kConstellations[c].row, kConstellations[c].column);
    }
    gpsSignalForm->horizontalLayout->addLayout(grid);

    gpsSignalDialog->setWindowFlags((gpsSignalDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint)
                                    | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
    gpsSignalDialog->show();
    gpsSignalDialog->setStyleSheet(QStringLiteral("background-color: white grey"));

    for (int v = 0; v < kSkySlots; ++v) {
        gpsBarValues[0].append(v);
        for (int c = 1; c < 5; ++c)
            gpsBarValues[c].append(0);
    }
    for (int c = 0; c < 5; ++c) {
        std::fill(std::begin(gpsSkySeries[c]), std::end(gpsSkySeries[c]), nullptr);
        std::fill(std::begin(gpsSkyPlotted[c]), std::end(gpsSkyPlotted[c]), false);
        std::fill(std::begin(gpsSkyPoint[c]), std::end(gpsSkyPoint[c]), GpsSkyPoint{});
        gpsBarSet[c] = new QBarSet(QString::fromLatin1(kConstellations[c].name));
        gpsBarSeries[c]->append(gpsBarSet[c]);
        gpsBarSet[c]->append(gpsBarValues[c]);
        gpsBarSet[c]->setColor(QColor(QLatin1String(kConstellations[c].colour)));
        gpsBarShown[c] = gpsBarValues[c];
    }
    // Records change what the dialog shows at once; the charts take it at
    // most this often, so a 10 Hz receiver does not lay them out 120 times
    // a second.
    gpsSignalDrawTimer = new QTimer(gpsSignalDialog);
    gpsSignalDrawTimer->setSingleShot(true);
    gpsSignalDrawTimer->setInterval(kSignalDrawMs);
    connect(gpsSignalDrawTimer, &QTimer::timeout, this, &MainWindow::gpsDrawSignal);
    gpsSignalBusy = false;
}

void MainWindow::GPS_SignalSetbuf(GsvRecords records)
{
    // Only the current worker's results, and only into a live dialog: a
    // result queued before the close may arrive after it.
    if (!gpsSatelliteThread || records.source != gpsSatelliteThread->id())
        return;
    if (!gpsSignalBusy && gpsSignalDialogOpen) {
        gpsSignalBusy = true;
        for (const nmea_slmsg &r : records.sat)
            if (r.constellation != 0)
                GPS_Signaltip_Setting(r);
    }
    emit GPS_GUI_Wait_Data_Over(false);
    gpsSignalBusy = false;
}

void MainWindow::GPS_Signaltip_Setting(nmea_slmsg record)
{
    if (!gpsSignalDialogOpen || record.constellation < 1 || record.constellation > 5)
        return;
    const int p = record.PRN, s = record.SNR;
    const int c = record.constellation - 1;

    const QString label = QLatin1String(kConstellations[c].prefix) + QString::number(p);
    QStringList &labels = gpsBarLabels[c];
    if (!labels.contains(label))
        labels.append(label);
    const int i = int(labels.indexOf(label));
    QList<qreal> &values = gpsBarShown[c];
    while (values.size() <= i)
        values.append(0);
    values[i] = s;
    if (s < 5) {
        values.remove(i);
        values.append(0);
        labels.removeAt(i);
    }

    // The sky plot has room for numbers 0-98; higher ones keep their bar only.
    if (p >= 0 && p < kSkySlots) {
        GpsSkyPoint &point = gpsSkyPoint[c][p];
        if (record.hasPosition)
            point.known = true, point.at = QPointF(record.azimuth, 90 - record.elevation);
        point.wanted = s >= 6;
    }
    if (!gpsSignalDrawTimer->isActive())
        gpsSignalDrawTimer->start();
    gpsSignalBusy = false;
}

void MainWindow::gpsDrawSignal()
{
    if (!gpsSignalDialogOpen)
        return;
    for (int c = 0; c < 5; ++c) {
        // Laying out an axis' labels is the costly part of a chart: only
        // an axis whose labels changed is filled again.
        if (gpsBarAxis[c]->categories() != gpsBarLabels[c])
            gpsBarAxis[c]->setCategories(gpsBarLabels[c]);
        QBarSet *set = gpsBarSet[c];
        const QList<qreal> &values = gpsBarShown[c];
        while (set->count() < values.size())
            set->append(values[set->count()]);
        for (int i = 0; i < values.size(); ++i)
            if (set->at(i) != values[i])
                set->replace(i, values[i]);
    }
    for (int c = 0; c < 5; ++c)
        for (int p = 0; p < kSkySlots; ++p) {
            const GpsSkyPoint &point = gpsSkyPoint[c][p];
            QScatterSeries *&series = gpsSkySeries[c][p];
            bool &plotted = gpsSkyPlotted[c][p];
            const bool show = point.wanted && point.known;
            if (show && plotted) {
                // Satellites move: the point follows the latest position given.
                if (series->at(0) != point.at)
                    series->replace(0, point.at);
            } else if (show) {
                if (!series)
                    series = new QScatterSeries(gpsSignalDialog);
                series->setName(QString::number(p));
                series->append(point.at);
                gpsSkyChart->addSeries(series);
                series->attachAxis(gpsSkyAngularAxis);
                series->attachAxis(gpsSkyRadialAxis);
                connect(series, &QScatterSeries::hovered, this, &MainWindow::GPS_SignaltipSlot,
                        Qt::UniqueConnection);
                plotted = true;
                series->setColor(QColor(QLatin1String(kConstellations[c].colour)));
            } else if (plotted) {
                series->clear();
                gpsSkyChart->removeSeries(series);
                // Released by the chart: the dialog owns it again.
                series->setParent(gpsSignalDialog);
                plotted = false;
            }
        }
}

void MainWindow::GPS_SignaltipSlot(QPointF point, bool state)
{
    if (!gpsSkyChart)
        return;
    if (!gpsSignalTip)
        gpsSignalTip = new Callout(gpsSkyChart);
    if (state) {
        auto *series = qobject_cast<QScatterSeries *>(sender());
        const QString name = series ? series->name() : QString();
        gpsSignalTip->setText(QStringLiteral("PRN number: %1 \nElevation: %2 \nAzimuth: %3 ")
                                  .arg(name, QString::number(90 - point.y(), 'g', 6),
                                       QString::number(point.x(), 'g', 6)));
        gpsSignalTip->setAnchor(point);
        gpsSignalTip->setZValue(99);
        gpsSignalTip->updateGeometry();
        gpsSignalTip->show();
    } else {
        gpsSignalTip->hide();
    }
}

void MainWindow::gpsStopSatelliteThread()
{
    for (const QMetaObject::Connection &c : gpsSatelliteConnections)
        disconnect(c);
    gpsSatelliteConnections.clear();
    if (!gpsSatelliteThread)
        return;
    gpsSatelliteThread->stop();
    gpsSatelliteThread->quit();
    gpsSatelliteThread->wait();
    delete gpsSatelliteThread;
    gpsSatelliteThread = nullptr;
}

void MainWindow::slotgpssignaldialogclose()
{
    gpsStopSatelliteThread();
    singleDialogClosed(gpsSignalDialogOpen, gpsSignalForm);
    gpsSignalBusy = false;
    gpsSignalDialog = nullptr;
    gpsSignalDrawTimer = nullptr;
    gpsSignalTip = nullptr;
    gpsSkyChart = nullptr;
    gpsSkyAngularAxis = gpsSkyRadialAxis = nullptr;
    for (int c = 0; c < 5; ++c) {
        std::fill(std::begin(gpsSkySeries[c]), std::end(gpsSkySeries[c]), nullptr);
        std::fill(std::begin(gpsSkyPlotted[c]), std::end(gpsSkyPlotted[c]), false);
        gpsBarChart[c] = nullptr;
        gpsBarSeries[c] = nullptr;
        gpsBarAxis[c] = nullptr;
        gpsBarSet[c] = nullptr;
    }
}

void MainWindow::gpsCloseDialogs()
{
    delete gpsSignalDialog;
    delete gpsCalcDialog;
    gpsStopSatelliteThread();
}
