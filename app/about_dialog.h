#ifndef ABOUT_DIALOG_H
#define ABOUT_DIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// Product name, version and the maker's addresses.  The main window keeps
// one for the whole run and shows it again on every About.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);
    ~AboutDialog() override;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_closeBtn_clicked();

private:
    Ui::AboutDialog *ui;
};

#endif // ABOUT_DIALOG_H
