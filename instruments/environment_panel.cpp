#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Environment": not built yet.
void MainWindow::ENVironment_Init_Start()
{
}
