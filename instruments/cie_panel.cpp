#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "instruments/cie_line.h"
#include "instruments/vexmora_cie_widget.h"
#include "instruments/vexmora_cieplot.h"

// "CIE": the colour sensor's lines become one point on the CIE 1931 diagram.

void MainWindow::CIE_Init_Start()
{
    cieWidget = new vexmora_cie_widget(this);
    cieWidget->setObjectName(QStringLiteral("cieWidget"));
    ui->gridLayout_cie->addWidget(cieWidget);
    cieLineBuffer.clear();
    portInit(PortTab::CIE);
    connect(ui->CIE_Clear_pushButton, &QPushButton::pressed, this, &MainWindow::CIEactionClear_triggered);
    ui->CIE_StrTextBrowser->setReadOnly(true);
    ui->CIE_StrTextBrowser->hide();
    ui->CIE_Clear_pushButton->hide();
}

void MainWindow::cieClearBuffer()
{
    cieLineBuffer.clear();
}

void MainWindow::CIEactionClear_triggered()
{
    ui->CIE_StrTextBrowser->clear();
}

// Lines are cut as bytes and decoded whole, so a character split across
// two reads is never garbled; the last line's point stays on the plot.
void MainWindow::readCIECom(const QByteArray &data)
{
    for (const QByteArray &line : cieLineBuffer.push(data))
        CIE_extractValuesFromQString(QString::fromUtf8(line));
}

void MainWindow::CIE_extractValuesFromQString(const QString &dataString)
{
    if (!cieWidget)
        return;
    const CieLine::Reading r = CieLine::parse(dataString);
    if (r.joined)
        return;
    cieWidget->plot->plotPoint(r.x, r.y, r.lux, r.cct);
}
