#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "IMU": not built yet.
void MainWindow::IMU_Init_Start()
{
}
