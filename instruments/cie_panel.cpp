#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "CIE": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::CIE_Init_Start()
{
    sensorInit(SensorTab::CIE);
}

void MainWindow::readCIECom(const QByteArray &)
{
}
