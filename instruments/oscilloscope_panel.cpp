#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Oscilloscope": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::Oscilloscope_Init_Start()
{
    sensorInit(SensorTab::Oscilloscope);
}

void MainWindow::readOSCCom(const QByteArray &)
{
}
