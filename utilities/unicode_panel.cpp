#include "app/mainwindow.h"
#include "ui_mainwindow.h"
#include "utilities/unicode_escape.h"

// "Unicode": text to UTF-16 escapes and back.
void MainWindow::Unicode_Init_Start()
{
    connect(ui->StoUpushButton, &QPushButton::pressed, this, &MainWindow::actionStoUpushButton_triggered);
    connect(ui->UtoSpushButton, &QPushButton::pressed, this, &MainWindow::actionUtoSpushButton_triggered);
}

void MainWindow::actionStoUpushButton_triggered()
{
    ui->UnicodetextBrowser->setPlainText(
            UnicodeEscape::toEscapes(ui->UnicodetextEdit->toPlainText(), ui->UnicodecheckBox->isChecked()));
}

void MainWindow::actionUtoSpushButton_triggered()
{
    // Plain text: decoded markup such as "<b>x</b>" must show as typed.
    ui->UnicodetextBrowser->setPlainText(
            UnicodeEscape::fromEscapes(ui->UnicodetextEdit->toPlainText(), ui->UnicodecheckBox->isChecked()));
}
