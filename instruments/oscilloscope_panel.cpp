#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Oscilloscope": not built yet.
void MainWindow::Oscilloscope_Init_Start()
{
}
