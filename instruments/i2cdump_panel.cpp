#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "i2cdump": not built yet.
void MainWindow::I2Cdump_Init_Start()
{
}
