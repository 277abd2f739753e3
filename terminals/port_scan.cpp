#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// Fills the port lists of every serial page: not built yet.
void MainWindow::SerialSacn()
{
}

void MainWindow::SerialSacn_new()
{
}
