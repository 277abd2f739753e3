#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "GPS Debug": not built yet.
void MainWindow::GPS_Init_Start()
{
}
