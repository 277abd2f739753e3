#ifndef WRITE_DIALOG_H
#define WRITE_DIALOG_H

#include <QDialog>

class QComboBox;
class QLineEdit;

// Asks for the data of one characteristic write and whether it is hex.
class WriteDialog : public QDialog
{
    Q_OBJECT
public:
    explicit WriteDialog(QWidget *parent = nullptr);

    [[nodiscard]] QString getData() const;
    [[nodiscard]] bool isHexMode() const;

private:
    QLineEdit *dataEdit;
    QComboBox *modeCombo;
};

#endif // WRITE_DIALOG_H
