#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Modbus": not built yet.
void MainWindow::Modbus_Init_Start()
{
}
