#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "i2cdump": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::I2Cdump_Init_Start()
{
    sensorInit(SensorTab::I2Cdump);
}

void MainWindow::readi2cdumpCom(const QByteArray &)
{
}
