#include "instruments/vexmora_spectroscopy_squarediagram.h"

#include <QtCharts/QBarSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QValueAxis>

vexmora_spectroscopy_Squarediagram::vexmora_spectroscopy_Squarediagram(QWidget *parent)
    : QWidget(parent)
{
}

// The chart view has no parent until the page stack takes it; one that
// never got there goes with the diagram.
vexmora_spectroscopy_Squarediagram::~vexmora_spectroscopy_Squarediagram()
{
    if (chartView && !chartView->parent())
        delete chartView;
}

void vexmora_spectroscopy_Squarediagram::setupPlot_AS7341()
{
    setupPlot({"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR"},
              {QColor(0x7030A0), QColor(0x002060), QColor(0x00B0F0), QColor(0x00FFFF), QColor(0x00B050),
               QColor(0xFFFF00), QColor(0xFFC000), QColor(0xFF0000), QColor(0xC00000)});
}

void vexmora_spectroscopy_Squarediagram::setupPlot_AS7343()
{
    setupPlot({"F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "NIR", "FXL", "FZ", "FY"},
              {QColor(0x7030A0), QColor(0x002060), QColor(0x00B0F0), QColor(0x5E9DD6), QColor(0x92D050),
               QColor(0xC55A11), QColor(0xFF0000), QColor(0xC00000), QColor(0x800000), QColor(0xFF6600),
               QColor(0x0070C0), QColor(0x00B050)});
}

void vexmora_spectroscopy_Squarediagram::setupPlot_AS7265X()
{
    setupPlot({"(410nm)", "(435nm)", "(460nm)", "(485nm)", "(510nm)", "(535nm)", "(560nm)", "(585nm)",
               "(610nm)", "(645nm)", "(680nm)", "(705nm)", "(730nm)", "(760nm)", "(810nm)", "(860nm)",
               "(900nm)", "(940nm)"},
              {QColor(0x9600FF), QColor(0x5000FF), QColor(0x0032FF), QColor(0x00B4FF), QColor(0x00FFB4),
               QColor(0x32FF32), QColor(0xB4FF00), QColor(0xFFFF32), QColor(0xFF9600), QColor(0xFF3232),
               QColor(0xFF1E1E), QColor(0xFF1414), QColor(0xFF0A0A), QColor(0x800000), QColor(0x323232),
               QColor(0x646464), QColor(0x8C8C8C), QColor(0xA0A0A0)});
}

void vexmora_spectroscopy_Squarediagram::setupPlot(const QStringList &labels, const QList<QColor> &colours)
{
    auto *series = new QBarSeries;
    series->setLabelsVisible(true);
    series->setLabelsPosition(QAbstractBarSeries::LabelsInsideEnd);
    m_channels = int(qMin<qsizetype>(labels.size(), kMaxChannels));
    for (int i = 0; i < m_channels; ++i) {
        auto *set = new QBarSet(QString());
        barSets[i] = set;
        series->append(set);
        set->append(0.0);
        set->setColor(colours.value(i));
        set->setLabel(labels.at(i));
    }

    chart = new QChart;
    chart->addSeries(series);
    series->setBarWidth(1.0);

    auto *categories = new QCategoryAxis;
    auto *values = new QValueAxis;
    values->setRange(0, 1);
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(values);

    chartView = new QChartView(chart);
}

void vexmora_spectroscopy_Squarediagram::update_data_barset(unsigned char channel, double value)
{
    if (channel >= m_channels || !barSets[channel])
        return;
    barSets[channel]->replace(0, value);
    chart->update();
}
