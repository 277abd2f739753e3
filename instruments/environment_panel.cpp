#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Environment": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::ENVironment_Init_Start()
{
    sensorInit(SensorTab::Environment);
}

void MainWindow::readENVCom(const QByteArray &)
{
}
