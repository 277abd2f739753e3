#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "Spectra": not built yet.
void MainWindow::Spectra_Init_Start()
{
}
