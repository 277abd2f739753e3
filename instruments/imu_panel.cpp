#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "IMU": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::IMU_Init_Start()
{
    sensorInit(SensorTab::IMU);
}

void MainWindow::readimuCom(const QByteArray &)
{
}
