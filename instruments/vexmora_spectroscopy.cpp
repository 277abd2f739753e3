#include "instruments/vexmora_spectroscopy.h"
#include "ui_vexmora_spectroscopy.h"

#include "instruments/vexmora_spectroscopy_spline.h"
#include "instruments/vexmora_spectroscopy_squarediagram.h"

#include <QStackedWidget>

vexmora_spectroscopy::vexmora_spectroscopy(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::vexmora_spectroscopy)
{
    ui->setupUi(this);
    stackedWidget = new QStackedWidget(this);

    diagramAS7341 = new vexmora_spectroscopy_Squarediagram;
    diagramAS7341->setupPlot_AS7341();
    diagramAS7343 = new vexmora_spectroscopy_Squarediagram;
    diagramAS7343->setupPlot_AS7343();
    diagramAS7265X = new vexmora_spectroscopy_Squarediagram;
    diagramAS7265X->setupPlot_AS7265X();
    spline = new vexmora_spectroscopy_spline;

    stackedWidget->addWidget(diagramAS7341->chartView);
    stackedWidget->addWidget(diagramAS7343->chartView);
    stackedWidget->addWidget(diagramAS7265X->chartView);
    stackedWidget->addWidget(spline);
    stackedWidget->setCurrentIndex(0);
    ui->gridLayout->addWidget(stackedWidget);
}

vexmora_spectroscopy::~vexmora_spectroscopy()
{
    // The diagrams have no parent; their chart views belong to the stack.
    delete diagramAS7341;
    delete diagramAS7343;
    delete diagramAS7265X;
    delete ui;
}

void vexmora_spectroscopy::change(int page)
{
    stackedWidget->setCurrentIndex(page);
}

void vexmora_spectroscopy::update_data_barset(unsigned char channel, double value, unsigned char chip,
                                              unsigned char mode)
{
    if (mode == 1) {
        spline->update_data_barset(static_cast<unsigned char>(channel + 1), value);
        return;
    }
    if (mode != 0)
        return;
    if (chip == 2 && channel <= 17)
        diagramAS7265X->update_data_barset(channel, value);
    else if (chip == 1 && channel <= 11)
        diagramAS7343->update_data_barset(channel, value);
    else if (chip == 0 && channel <= 8)
        diagramAS7341->update_data_barset(channel, value);
}

void vexmora_spectroscopy::resizeEvent(QResizeEvent *)
{
}
