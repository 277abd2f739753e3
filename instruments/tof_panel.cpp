#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "TOF": not built yet.
void MainWindow::TOF_Init_Start()
{
}
