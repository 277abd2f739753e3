#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "TOF": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::TOF_Init_Start()
{
    sensorInit(SensorTab::TOF);
}

void MainWindow::readTOFCom(const QByteArray &)
{
}
