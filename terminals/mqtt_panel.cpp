#include "app/mainwindow.h"
#include "ui_mainwindow.h"

// "MQTT": not built yet.
void MainWindow::Mqtt_Init_Start()
{
}
