#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Unicode": not built yet.
void MainWindow::Unicode_Init_Start()
{
}
