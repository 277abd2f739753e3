#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Crypty": not built yet.
void MainWindow::Crypty_Init_Start()
{
}
