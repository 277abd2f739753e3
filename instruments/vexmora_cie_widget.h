#ifndef VEXMORA_CIE_WIDGET_H
#define VEXMORA_CIE_WIDGET_H

#include <QWidget>

class vexmora_cieplot;
class Ui_vexmora_cie_widget;

// The "CIE" tab's panel: the diagram, and a row for marking a point by
// hand that is built but kept hidden (the serial reader feeds the plot).
class vexmora_cie_widget : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_cie_widget(QWidget *parent = nullptr);
    ~vexmora_cie_widget() override;

    vexmora_cieplot *plot = nullptr;

public slots:
    void onPlotButtonClicked();

private:
    Ui_vexmora_cie_widget *ui;
};

#endif // VEXMORA_CIE_WIDGET_H
