#include "app/mainwindow.h"
#include "ui_mainwindow.h"
#include "utilities/crypty_text.h"

#include <QMessageBox>

// "Crypty": one DES block per press, and Base64 of text.
void MainWindow::Crypty_Init_Start()
{
    connect(ui->DespushButton_Encryption, &QPushButton::pressed, this, &MainWindow::DesEncryption_triggered);
    connect(ui->DespushButton_Decryption, &QPushButton::pressed, this, &MainWindow::DesDecryption_triggered);
    connect(ui->DEScomboBox, &QComboBox::currentIndexChanged, this, &MainWindow::DEScomboBox_triggered);
    connect(ui->DeslineEdit_Data, &QLineEdit::textEdited, this, &MainWindow::DeslineEdit_Data_triggered);
    connect(ui->DeslineEdit_KEY, &QLineEdit::textEdited, this, &MainWindow::DeslineEdit_KEY_triggered);
    connect(ui->base64_encode_pushButton, &QPushButton::clicked, this, &MainWindow::base64_encode);
    connect(ui->base64_decode_pushButton, &QPushButton::clicked, this, &MainWindow::base64_decode);
    ui->DeslineEdit_Data->setMaxLength(16);
    ui->DeslineEdit_KEY->setMaxLength(16);
}

void MainWindow::desRun(bool decrypt)
{
    const CryptyText::DesOutcome outcome = CryptyText::desBlock(
            ui->DEScomboBox->currentIndex(), ui->DeslineEdit_KEY->text(), ui->DeslineEdit_Data->text(), decrypt);
    switch (outcome.check) {
    case CryptyText::DesCheck::Ok:
        ui->DeslineEdit_Result->setText(outcome.result);
        break;
    case CryptyText::DesCheck::BadLength:
        QMessageBox::warning(this, tr("warning:"), tr("Error for Data"));
        break;
    case CryptyText::DesCheck::NotHexDigit:
        QMessageBox::warning(this, tr("warning:"), tr("Please enter '0' - '9', 'A' - 'F'"));
        break;
    }
}

void MainWindow::DesEncryption_triggered()
{
    desRun(false);
}

void MainWindow::DesDecryption_triggered()
{
    desRun(true);
}

void MainWindow::DEScomboBox_triggered(int index)
{
    // A shorter limit cuts the key; the length display keeps its number
    // until the key is edited again.
    if (index < 0 || index > 2)
        return;
    ui->DeslineEdit_KEY->setMaxLength(16 * (index + 1));
    ui->DeslineEdit_Data->setMaxLength(16);
}

void MainWindow::DeslineEdit_Data_triggered(const QString &text)
{
    ui->DeslineEdit_Datalen->setText(QString::number(text.size()));
}

void MainWindow::DeslineEdit_KEY_triggered(const QString &text)
{
    ui->DeslineEdit_KEYLEN->setText(QString::number(text.size()));
}

void MainWindow::base64_encode()
{
    ui->base64_to_textBrowser->setPlainText(CryptyText::base64Encode(ui->base64_source_textBrowser->toPlainText()));
}

void MainWindow::base64_decode()
{
    ui->base64_to_textBrowser->setPlainText(CryptyText::base64Decode(ui->base64_source_textBrowser->toPlainText()));
}
