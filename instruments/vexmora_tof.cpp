#include "instruments/vexmora_tof.h"
#include "ui_vexmora_tof.h"

#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"

#include <QStackedWidget>

vexmora_tof::vexmora_tof(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_tof)
{
    ui->setupUi(this);
    stackedWidget = new QStackedWidget(this);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    surfaceView = new vexmora_tof_surface(this);
    dataView = new vexmora_tof_data(this);
    heatmapView = new vexmora_tof_heatmap(this);
    dataView->changeArrangement(0);
    stackedWidget->addWidget(dataView);
    stackedWidget->addWidget(surfaceView);
    stackedWidget->addWidget(heatmapView);
    ui->gridLayout->addWidget(stackedWidget);
}

vexmora_tof::~vexmora_tof()
{
    delete ui;
}

void vexmora_tof::change(int index)
{
    stackedWidget->setCurrentIndex(index);
}

void vexmora_tof::update_data_barset(uint8_t, double)
{
}

void vexmora_tof::resizeEvent(QResizeEvent *)
{
}
