#ifndef VEXMORA_TOF_H
#define VEXMORA_TOF_H

#include <QWidget>
#include <cstdint>

class QStackedWidget;
class Ui_vexmora_tof;
class vexmora_tof_data;
class vexmora_tof_heatmap;
class vexmora_tof_surface;

// The "TOF" tab's views stacked: page 0 the number grid, 1 the surface,
// 2 the heat map.
class vexmora_tof : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_tof(QWidget *parent = nullptr);
    ~vexmora_tof() override;

    void change(int index);

    vexmora_tof_surface *surfaceView = nullptr;
    vexmora_tof_data *dataView = nullptr;
    vexmora_tof_heatmap *heatmapView = nullptr;

public slots:
    void update_data_barset(uint8_t index, double value);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Ui_vexmora_tof *ui = nullptr;

public:
    QStackedWidget *stackedWidget = nullptr;
};

#endif // VEXMORA_TOF_H
