#include "terminals/write_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

WriteDialog::WriteDialog(QWidget *parent)
    : QDialog(parent)
{
    dataEdit = new QLineEdit(this);
    dataEdit->setObjectName(QStringLiteral("dataEdit"));
    modeCombo = new QComboBox(this);
    modeCombo->setObjectName(QStringLiteral("modeCombo"));
    modeCombo->addItem(QStringLiteral("ASCII"));
    modeCombo->addItem(QStringLiteral("Hex"));

    auto *layout = new QFormLayout(this);
    layout->addRow(tr("Data:"), dataEdit);
    layout->addRow(tr("Send Mode:"), modeCombo);
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    layout->addRow(ok);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    setWindowTitle(tr("Write Data"));
}

QString WriteDialog::getData() const
{
    return dataEdit->text();
}

bool WriteDialog::isHexMode() const
{
    return modeCombo->currentText() == QLatin1String("Hex");
}
