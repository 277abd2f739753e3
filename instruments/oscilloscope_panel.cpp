#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "instruments/mwave_view.h"
#include "instruments/oscilloscope_line.h"

#include <QTimer>

// "Oscilloscope": four channels of "$0:v;$1:v;$2:v;$3:v;" lines on the chart.

namespace {
// X of every sample, shared by the whole program and never reset, so the
// plot keeps running across a close and a new open.
double sampleCounter = 0.0;
constexpr int kMaxPoints = 20000;
constexpr int kChartIntervalMs = 40;
} // namespace

void MainWindow::Oscilloscope_Init_Start()
{
    oscFramer.clear();
    portInit(PortTab::Oscilloscope);
    if (!oscChartTimer) {
        oscChartTimer = new QTimer(this);
        oscChartTimer->setObjectName(QStringLiteral("oscChartTimer"));
        oscChartTimer->setSingleShot(true);
        oscChartTimer->setInterval(kChartIntervalMs);
        connect(oscChartTimer, &QTimer::timeout, this, [this] {
            if (!oscChartPending)
                return;
            oscChartPending = false;
            oscilloscopeShowLists();
            oscChartTimer->start();
        });
    }
}

void MainWindow::oscilloscopeClearBuffer()
{
    oscFramer.clear();
}

// One sample per complete line, in order; a line still arriving waits.
void MainWindow::readOSCCom(const QByteArray &data)
{
    bool added = false;
    for (const QByteArray &line : oscFramer.push(data)) {
        std::optional<OscilloscopeLine::Values> values = OscilloscopeLine::parse(line);
        if (!values)
            continue;
        Oscilloscope_Setting_Value(values->data());
        added = true;
    }
    if (added)
        oscilloscopeChartLater();
}

void MainWindow::Oscilloscope_Setting_Value(double *values)
{
    sampleCounter += 1.0;
    for (int k = 0; k < 4; ++k) {
        QList<QPointF> &points = oscPoints[k];
        points.append(QPointF(sampleCounter, values[k]));
        if (points.size() > kMaxPoints)
            points.removeFirst();
    }
}

// The first batch after a quiet spell shows at once, later ones with the
// next tick; the last one is always shown.
void MainWindow::oscilloscopeChartLater()
{
    if (oscChartTimer && oscChartTimer->isActive()) {
        oscChartPending = true;
        return;
    }
    oscilloscopeShowLists();
    if (oscChartTimer)
        oscChartTimer->start();
}

void MainWindow::oscilloscopeShowLists()
{
    if (!oscilloscopeChart)
        return;
    for (int k = 0; k < 4; ++k)
        oscilloscopeChart->addSeriesData(WAVE_CH(k), oscPoints[k]);
}

void MainWindow::oscilloscopeChannelShown(int channel, int state)
{
    if (!oscilloscopeChart)
        return;
    if (state == 0)
        oscilloscopeChart->closeChannel(WAVE_CH(channel));
    else
        oscilloscopeChart->openChannel(WAVE_CH(channel));
}

void MainWindow::on_checkBox_0_stateChanged(int state)
{
    oscilloscopeChannelShown(0, state);
}

void MainWindow::on_checkBox_1_stateChanged(int state)
{
    oscilloscopeChannelShown(1, state);
}

void MainWindow::on_checkBox_2_stateChanged(int state)
{
    oscilloscopeChannelShown(2, state);
}

void MainWindow::on_checkBox_3_stateChanged(int state)
{
    oscilloscopeChannelShown(3, state);
}
