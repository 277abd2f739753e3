#ifndef VEXMORA_SPECTROSCOPY_SQUAREDIAGRAM_H
#define VEXMORA_SPECTROSCOPY_SQUAREDIAGRAM_H

#include <QColor>
#include <QStringList>
#include <QWidget>

#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

// One bar chart for one spectral chip: a bar per channel side by side,
// named in the legend, on a value axis from 0 to 1.
class vexmora_spectroscopy_Squarediagram : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kMaxChannels = 18;

    explicit vexmora_spectroscopy_Squarediagram(QWidget *parent = nullptr);
    ~vexmora_spectroscopy_Squarediagram() override;

    void setupPlot_AS7341();
    void setupPlot_AS7343();
    void setupPlot_AS7265X();

    // Channels the chart has no bar for are ignored.
    void update_data_barset(unsigned char channel, double value);

    QChartView *chartView = nullptr;
    QBarSet *barSets[kMaxChannels] = {};
    QChart *chart = nullptr;

    int channelCount() const { return m_channels; }

private:
    void setupPlot(const QStringList &labels, const QList<QColor> &colours);
    int m_channels = 0;
};

#endif // VEXMORA_SPECTROSCOPY_SQUAREDIAGRAM_H
