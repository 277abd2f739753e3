// "Help": the line formats the sensor panels and the position server read.
#include "app/mainwindow.h"
#include "ui_help.h"

#include <QDialog>
#include <QPushButton>

void MainWindow::on_actionHelp_triggered()
{
    if (helpDialogOpened)
        return;
    helpDialog = new QDialog(this);
    helpDialog->setAttribute(Qt::WA_DeleteOnClose);
    helpUi = new Ui_Help;
    helpUi->setupUi(helpDialog);
    connect(helpUi->helpdialogCancel, &QPushButton::pressed, helpDialog, &QDialog::close);
    connect(helpDialog, &QObject::destroyed, this, &MainWindow::slothelpdialogclose);
    helpDialogOpened = true;
    helpDialog->setWindowFlags(helpDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    helpDialog->show();
}

void MainWindow::slothelpdialogclose()
{
    helpDialogOpened = false;
    helpDialog = nullptr;
    delete helpUi;
    helpUi = nullptr;
}
