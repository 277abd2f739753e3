#ifndef VEXMORA_TOF_HEATMAP_H
#define VEXMORA_TOF_HEATMAP_H

#include <QColor>
#include <QList>
#include <QWidget>

// The "Depth" view: one coloured cell per zone, near in red to yellow, far
// in blue, out-of-window values nearly black.
class vexmora_tof_heatmap : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_tof_heatmap(QWidget *parent = nullptr);

    void changeArrangement(int rows, int cols);
    void updateData(const QList<int> &data);
    QColor calculateColor(int value) const;

    int rows = 8;
    int cols = 8;
    int maxRange = 4000;
    QList<int> values;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // VEXMORA_TOF_HEATMAP_H
