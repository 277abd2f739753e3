#include "app/about_dialog.h"
#include "ui_aboutdialog.h"

#include <QEvent>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::AboutDialog)
{
    ui->setupUi(this);
    // Held without a parent, so it is a window of its own: left open, it
    // must not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
}

AboutDialog::~AboutDialog()
{
    delete ui;
}

void AboutDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void AboutDialog::on_closeBtn_clicked()
{
    close();
}
