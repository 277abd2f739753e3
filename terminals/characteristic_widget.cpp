#include "terminals/characteristic_widget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QStringList>
#include <QVBoxLayout>

#include "terminals/write_dialog.h"

namespace {

QString notifyButtonName(const QString &uuid)
{
    return QStringLiteral("notifyButton_%1").arg(uuid);
}

QString modeComboName(const QString &uuid)
{
    return QStringLiteral("displayModeComboBox_temp_%1").arg(uuid);
}

} // namespace

CharacteristicWidget::CharacteristicWidget(const QString &, QWidget *parent)
    : QWidget(parent)
{
    mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(0, 0, 0, 0);
}

void CharacteristicWidget::setCharacteristicInfo(const QString &name, const QString &uuid,
                                                 const QString &value, const QString &permission)
{
    if (shownUuids.contains(uuid))
        return;
    shownUuids.insert(uuid);

    auto *block = new QGroupBox(this);
    auto *form = new QFormLayout(block);
    form->setLabelAlignment(Qt::AlignLeft);

    auto *nameEdit = new QLineEdit(name, block);
    nameEdit->setReadOnly(true);
    form->addRow(tr("Characteristic Name:"), nameEdit);
    auto *uuidEdit = new QLineEdit(QString(uuid).remove(QLatin1Char('{')).remove(QLatin1Char('}')), block);
    uuidEdit->setReadOnly(true);
    form->addRow(tr("Characteristic UUID:"), uuidEdit);
    form->addRow(tr("Characteristic Permission:"), new QLabel(permission, block));

    auto *buttonRow = new QHBoxLayout;
    auto *buttons = new QHBoxLayout;
    buttonRow->addLayout(buttons);
    form->addRow(buttonRow);
    auto addButton = [&](QPushButton *b) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(b, 0, Qt::AlignLeft);
    };
    auto addValueLine = [&](const QString &label) {
        if (valueEdits.contains(uuid))
            return;
        auto *line = new QLineEdit(value, block);
        line->setFocusPolicy(Qt::NoFocus);
        form->addRow(label, line);
        valueEdits.insert(uuid, line);
    };

    if (permission.contains(QLatin1String("Read"))) {
        auto *read = new QPushButton(tr("Read"), block);
        addButton(read);
        connect(read, &QPushButton::clicked, this, [this, uuid] { emit readCharacteristicRequested(uuid); });
        addValueLine(QStringLiteral("Read Value:"));
    }
    if (permission.contains(QLatin1String("Notify"))) {
        auto *notify = new QPushButton(tr("Notify"), block);
        notify->setObjectName(notifyButtonName(uuid));
        addButton(notify);
        connect(notify, &QPushButton::clicked, this, [this, uuid] { onNotifyButtonClicked(uuid); });
        addValueLine(QStringLiteral("Notify Value:"));
    }
    if (permission.contains(QLatin1String("Write"))) {
        auto *write = new QPushButton(tr("W"), block);
        addButton(write);
        connect(write, &QPushButton::clicked, this, [this, uuid] { onWriteButtonClicked(uuid); });
    }
    for (int i = 0; i < 3; ++i)
        buttons->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Fixed));

    auto *mode = new QComboBox(block);
    mode->addItem(QStringLiteral("ASCII"));
    mode->addItem(QStringLiteral("Hexadecimal"));
    mode->setCurrentIndex(0);
    mode->setObjectName(modeComboName(uuid));
    connect(mode, &QComboBox::currentIndexChanged, this,
            [this, uuid](int index) { onDisplayModeChanged(uuid, index); });
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(mode);
    modeRow->addStretch();
    form->addRow(QStringLiteral("Display Mode:"), modeRow);

    mainLayout->addWidget(block);
    subscribed.insert(uuid, false);
}

void CharacteristicWidget::updateCharacteristicValue(const QString &uuid, const QString &value)
{
    updateCharacteristicValue(uuid, value.toUtf8());
}

void CharacteristicWidget::updateCharacteristicValue(const QString &uuid, const QByteArray &value)
{
    if (!valueEdits.contains(uuid) || !findChild<QComboBox *>(modeComboName(uuid)))
        return;
    values.insert(uuid, value);
    showValue(uuid);
}

void CharacteristicWidget::showValue(const QString &uuid)
{
    QLineEdit *line = valueEdits.value(uuid);
    auto *mode = findChild<QComboBox *>(modeComboName(uuid));
    if (!line || !mode)
        return;
    const QByteArray raw = values.value(uuid);
    // Latin-1 maps each byte to one character, so the hex form is the bytes themselves.
    line->setText(mode->currentIndex() == 1 ? convertAsciiToHex(QString::fromLatin1(raw))
                                            : QString::fromUtf8(raw));
}

void CharacteristicWidget::onDisplayModeChanged(const QString &uuid, int)
{
    // Re-shown from the stored bytes: a round trip through the text forms
    // would turn whatever is not Latin-1 into '?'.
    showValue(uuid);
}

void CharacteristicWidget::onNotifyButtonClicked(const QString &uuid)
{
    const bool on = !subscribed.value(uuid, false);
    subscribed.insert(uuid, on);
    if (auto *button = findChild<QPushButton *>(notifyButtonName(uuid))) {
        button->setText(on ? QStringLiteral("Subscribed") : QStringLiteral("Notify"));
        button->setStyleSheet(on ? QStringLiteral("background-color: green; color: white;") : QString());
    }
    emit notifyCharacteristicRequested(uuid, on);
}

void CharacteristicWidget::onWriteButtonClicked(const QString &uuid)
{
    WriteDialog dialog;
    // The service list may be rebuilt while the dialog runs its own loop.
    QPointer<CharacteristicWidget> self(this);
    if (dialog.exec() != QDialog::Accepted || !self)
        return;
    emit writeCharacteristicRequested(uuid, dialog.getData(), dialog.isHexMode());
}

QString CharacteristicWidget::convertAsciiToHex(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    QString hex;
    for (const char c : bytes)
        hex += QStringLiteral("0x%1, ").arg(uchar(c), 2, 16, QLatin1Char('0'));
    hex.chop(2);
    return hex;
}

QString CharacteristicWidget::convertHexToAscii(const QString &text)
{
    QString out;
    const QStringList pieces = text.split(QStringLiteral(", "), Qt::KeepEmptyParts);
    for (const QString &piece : pieces) {
        bool ok = false;
        const int value = piece.toInt(&ok, 16);
        if (ok && value >= 0 && value <= 255)
            out += QChar(value);
    }
    return out;
}
