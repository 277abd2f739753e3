#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "GSM Debug": not built yet.
void MainWindow::GSM_Init_Start()
{
}
