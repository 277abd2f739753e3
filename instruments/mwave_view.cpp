#include "instruments/mwave_view.h"

MWaveView::MWaveView(QWidget *parent)
    : QChartView(parent)
{
}
