#include "instruments/vexmora_cie_widget.h"
#include "ui_vexmora_cie_widget.h"

#include "instruments/cie_line.h"
#include "instruments/vexmora_cieplot.h"

#include <QDoubleValidator>
#include <QMessageBox>

vexmora_cie_widget::vexmora_cie_widget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_cie_widget)
{
    ui->setupUi(this);
    auto *validator = new QDoubleValidator(this);
    for (QLineEdit *edit : {ui->xLineEdit, ui->yLineEdit, ui->luxLineEdit, ui->cctLineEdit})
        edit->setValidator(validator);

    plot = new vexmora_cieplot(this);
    plot->setObjectName(QStringLiteral("cieplot"));
    ui->gridLayout->addWidget(plot);

    for (int i = 0; i < ui->horizontalLayout->count(); ++i)
        if (QWidget *w = ui->horizontalLayout->itemAt(i)->widget())
            w->hide();

    connect(ui->plotButton, &QPushButton::clicked, this, &vexmora_cie_widget::onPlotButtonClicked);
}

vexmora_cie_widget::~vexmora_cie_widget()
{
    delete ui;
}

void vexmora_cie_widget::onPlotButtonClicked()
{
    double x = 0, y = 0, lux = 0, cct = 0;
    const bool okX = CieLine::toNumber(ui->xLineEdit->text(), &x);
    const bool okY = CieLine::toNumber(ui->yLineEdit->text(), &y);
    if (!CieLine::toNumber(ui->luxLineEdit->text(), &lux))
        lux = 0;
    if (!CieLine::toNumber(ui->cctLineEdit->text(), &cct))
        cct = 0;
    if (okX && okY)
        plot->plotPoint(x, y, lux, cct);
    else
        QMessageBox::warning(this, QStringLiteral("输入错误"), QStringLiteral("请输入有效的 CIE x 和 CIE y 值。"),
                             QMessageBox::Ok);
}
