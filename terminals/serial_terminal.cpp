#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Serial Debug": not built yet.
void MainWindow::Serial_Init_Start()
{
}
