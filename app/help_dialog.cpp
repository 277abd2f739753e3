// "Help": the line formats the sensor panels and the position server read.
#include "app/mainwindow.h"
#include "ui_help.h"

#include "app/single_dialog.h"

#include <QDialog>
#include <QPushButton>

void MainWindow::on_actionHelp_triggered()
{
    QDialog *dialog = openSingleDialog(this, helpDialogOpened, helpUi, &MainWindow::slothelpdialogclose);
    if (!dialog)
        return;
    helpDialog = dialog;
    connect(helpUi->helpdialogCancel, &QPushButton::pressed, helpDialog, &QDialog::close);
    helpDialog->setWindowFlags(helpDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    helpDialog->show();
}

void MainWindow::slothelpdialogclose()
{
    helpDialog = nullptr;
    singleDialogClosed(helpDialogOpened, helpUi);
}
