#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Spectra": the port opens and closes through the shared sensor frame
// (instruments/sensor_port.cpp); the readings are not shown yet.
void MainWindow::Spectra_Init_Start()
{
    sensorInit(SensorTab::Spectra);
}

void MainWindow::readSpectraCom(const QByteArray &)
{
}
