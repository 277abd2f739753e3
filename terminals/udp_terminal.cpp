#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include <QTcpServer>

// "UDP Debug": not built yet.
void MainWindow::UDP_Init_Start()
{
}

// Network objects every network page relies on, kept or not.
void MainWindow::getLocalIP()
{
    gpsServer = new QTcpServer(this);
    gpsServerClients.clear();
}
