#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "TCP Debug": not built yet.
void MainWindow::TCP_Init_Start()
{
}
