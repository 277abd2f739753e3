#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "CIE": not built yet.
void MainWindow::CIE_Init_Start()
{
}
