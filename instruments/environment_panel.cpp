#include "app/mainwindow.h"
#include "instruments/sensor_log.h"
#include "ui_mainwindow.h"

#include "instruments/cthermometer.h"
#include "instruments/dash_board.h"
#include "instruments/environment_line.h"
#include "instruments/progress_bar_percent.h"
#include "instruments/ultraviolet.h"

#include <QGridLayout>
#include <QPlainTextEdit>

// "Environment": gauges fed by the board's text lines, and a log of every
// received byte.

void MainWindow::ENVironment_Init_Start()
{
    envFramer.clear();
    ui->ENV_StrTextBrowser->setMaximumBlockCount(100);
    if (!envLog)
        envLog = std::make_unique<SensorLog>(ui->ENV_StrTextBrowser, "GBK", 100);
    portInit(PortTab::Environment);
    connect(ui->EVN_Clear_pushButton, &QPushButton::pressed, this, &MainWindow::ENVactionClear_triggered);

    for (int row = 0; row < 3; ++row)
        ui->env_gridLayout->setRowStretch(row, 1);
    for (int column = 0; column < 3; ++column)
        ui->gridLayout_27->setColumnStretch(column, 1);

    envUltraviolet = new Ultraviolet;
    ui->ultraviolet_gridLayout->addWidget(envUltraviolet, 0, 0);
    envUltraviolet->setValue(0.0);

    envHumidity = new ProgressBarPercent;
    ui->humidity_gridLayout->addWidget(envHumidity, 0, 0);
    envHumidity->setPercentStyle(ProgressBarPercent::PercentStyle_Arc_Polo);
    envHumidity->setNullPosition(0);

    envTemperature = new CThermometer;
    ui->temperature_gridLayout->addWidget(envTemperature, 0, 0);
    envTemperature->setValue(0.0);
    envTemperature->setPrecision(CThermometer::PRECISION_TWO);
    envTemperature->setMaxValue(80);
    envTemperature->setMinValue(-30);

    envBarometer = new DashBoard;
    ui->barometer_gridLayout->addWidget(envBarometer, 0, 0);
    envBarometer->setMinValue(0);
    envBarometer->setMaxValue(1100);
    envBarometer->setValue(0);

    // The dial's own title reads "Barometer"; these two say what they show.
    envCO2 = new DashBoard;
    ui->CO2_gridLayout->addWidget(envCO2, 0, 0);
    envCO2->setMaxValue(15000);
    envCO2->setMinValue(400);
    envCO2->setValue(400);
    envCO2->setUnits(QStringLiteral("ppm"));
    envCO2->setTitle(QStringLiteral("CO₂"));

    envTVOC = new DashBoard;
    ui->TVOC_gridLayout->addWidget(envTVOC, 0, 0);
    envTVOC->setMinValue(0);
    envTVOC->setMaxValue(5000);
    envTVOC->setValue(0);
    envTVOC->setUnits(QStringLiteral("ppb"));
    envTVOC->setTitle(QStringLiteral("TVOC"));

    ui->ENV_StrTextBrowser->setReadOnly(true);
}

// Every complete line sets its gauge, in the order the lines came, so the
// gauges end on the newest reading; an unfinished line waits for its end.
void MainWindow::readENVCom(const QByteArray &data)
{
    if (data.isEmpty())
        return;
    if (envLog)
        envLog->append(data);
    if (!envHumidity)
        return;
    using EnvironmentLine::Reading;
    for (const QByteArray &line : envFramer.push(data)) {
        for (const EnvironmentLine::Result &r : EnvironmentLine::parse(line)) {
            switch (r.reading) {
            case Reading::Humidity:
                envHumidity->setValue(r.value);
                break;
            case Reading::Temperature:
                envTemperature->setValue(r.value);
                break;
            case Reading::Barometer:
                envBarometer->setValue(int(r.value));
                break;
            case Reading::Ultraviolet:
                envUltraviolet->setValue(r.value);
                break;
            case Reading::CO2:
                envCO2->setValue(int(r.value));
                break;
            case Reading::TVOC:
                envTVOC->setValue(int(r.value));
                break;
            case Reading::None:
                break;
            }
        }
    }
}

void MainWindow::ENVactionClear_triggered()
{
    if (envLog)
        envLog->clear();
}
