#ifndef MWAVE_VIEW_H
#define MWAVE_VIEW_H

#include <QtCharts/QChartView>

// Placeholder until its tool is built.
class MWaveView : public QChartView
{
    Q_OBJECT
public:
    explicit MWaveView(QWidget *parent = nullptr);
};

#endif
