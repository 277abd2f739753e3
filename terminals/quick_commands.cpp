#include "app/mainwindow.h"
#include "ui_com_expand.h"
#include "ui_mainwindow.h"

#include "app/single_dialog.h"

#include "terminals/terminal_view.h"
#include "terminals/thread_serial.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>

// Quick-command dialog of "Serial Debug": twelve named commands kept in the
// settings file, each sent with one press.

namespace {

QPushButton *sendButton(Ui_COM_Expand *f, int n)
{
    QPushButton *const all[] = {f->com_pushButton,   f->com_pushButton_2,  f->com_pushButton_3,
                                f->com_pushButton_4, f->com_pushButton_5,  f->com_pushButton_6,
                                f->com_pushButton_7, f->com_pushButton_8,  f->com_pushButton_9,
                                f->com_pushButton_10, f->com_pushButton_11, f->com_pushButton_12};
    return all[n - 1];
}

QPushButton *renameButton(Ui_COM_Expand *f, int n)
{
    QPushButton *const all[] = {f->com_set_pushButton,    f->com_set_pushButton_2,  f->com_set_pushButton_3,
                                f->com_set_pushButton_4,  f->com_set_pushButton_5,  f->com_set_pushButton_6,
                                f->com_set_pushButton_7,  f->com_set_pushButton_8,  f->com_set_pushButton_9,
                                f->com_set_pushButton_10, f->com_set_pushButton_11, f->com_set_pushButton_12};
    return all[n - 1];
}

QLineEdit *commandLine(Ui_COM_Expand *f, int n)
{
    QLineEdit *const all[] = {f->com_qlineedit,    f->com_qlineedit_2,  f->com_qlineedit_3,
                              f->com_qlineedit_4,  f->com_qlineedit_5,  f->com_qlineedit_6,
                              f->com_qlineedit_7,  f->com_qlineedit_8,  f->com_qlineedit_9,
                              f->com_qlineedit_10, f->com_qlineedit_11, f->com_qlineedit_12};
    return all[n - 1];
}

QString nameKey(int n)
{
    return QStringLiteral("COMMAND%1_NAME").arg(n);
}

QString commandKey(int n)
{
    return QStringLiteral("COMMAND%1").arg(n);
}

} // namespace

void MainWindow::slotCom_expand()
{
    QDialog *dialog = openSingleDialog(this, comExpandOpened, comExpandUi, &MainWindow::slotCom_expandclose);
    if (!dialog)
        return;
    comExpandDialog = dialog;

    using Slot = void (MainWindow::*)();
    static const Slot renameSlots[] = {
        &MainWindow::slotcom_set_pushButton,    &MainWindow::slotcom_set_pushButton_2,
        &MainWindow::slotcom_set_pushButton_3,  &MainWindow::slotcom_set_pushButton_4,
        &MainWindow::slotcom_set_pushButton_5,  &MainWindow::slotcom_set_pushButton_6,
        &MainWindow::slotcom_set_pushButton_7,  &MainWindow::slotcom_set_pushButton_8,
        &MainWindow::slotcom_set_pushButton_9,  &MainWindow::slotcom_set_pushButton_10,
        &MainWindow::slotcom_set_pushButton_11, &MainWindow::slotcom_set_pushButton_12};
    static const Slot sendSlots[] = {
        &MainWindow::slotcom_pushButton,    &MainWindow::slotcom_pushButton_2,  &MainWindow::slotcom_pushButton_3,
        &MainWindow::slotcom_pushButton_4,  &MainWindow::slotcom_pushButton_5,  &MainWindow::slotcom_pushButton_6,
        &MainWindow::slotcom_pushButton_7,  &MainWindow::slotcom_pushButton_8,  &MainWindow::slotcom_pushButton_9,
        &MainWindow::slotcom_pushButton_10, &MainWindow::slotcom_pushButton_11, &MainWindow::slotcom_pushButton_12};
    connect(comExpandUi->save_pushButton, &QPushButton::pressed, this, &MainWindow::slotCOM_expandsave);
    for (int n = 1; n <= 12; ++n)
        connect(renameButton(comExpandUi, n), &QPushButton::pressed, this, renameSlots[n - 1]);
    for (int n = 1; n <= 12; ++n)
        connect(sendButton(comExpandUi, n), &QPushButton::pressed, this, sendSlots[n - 1]);

    comExpandDialog->show();
    comExpandDialog->setStyleSheet(QStringLiteral("background-color: white grey"));

    for (int n = 1; n <= 12; ++n) {
        const QString name = settings->value(nameKey(n)).toString();
        if (!name.isEmpty())
            sendButton(comExpandUi, n)->setText(name);
        const QString command = settings->value(commandKey(n)).toString();
        if (!command.isEmpty())
            commandLine(comExpandUi, n)->setText(command);
    }
}

void MainWindow::slotCom_expandclose()
{
    singleDialogClosed(comExpandOpened, comExpandUi);
}

void MainWindow::slotCOM_expandsave()
{
    if (!comExpandUi)
        return;
    for (int n = 1; n <= 12; ++n) {
        settings->setValue(nameKey(n), sendButton(comExpandUi, n)->text());
        settings->setValue(commandKey(n), commandLine(comExpandUi, n)->text());
    }
}

void MainWindow::renameQuickCommand(int n)
{
    bool ok = false;
    const QString name =
        QInputDialog::getText(nullptr, tr("command"), QString(), QLineEdit::Normal, QString(), &ok);
    // The dialog may have gone while the question was open.
    if (ok && comExpandUi)
        sendButton(comExpandUi, n)->setText(name);
}

void MainWindow::sendQuickCommand(int n)
{
    if (comExpandUi)
        command_sendMsg(commandLine(comExpandUi, n)->text().toUtf8());
}

void MainWindow::command_sendMsg(QByteArray data)
{
    static const char *const escapes[][2] = {{"\\r", "\r"}, {"\\n", "\n"}, {"\\t", "\t"},  {"\\a", "\a"},
                                             {"\\b", "\b"}, {"\\f", "\f"}, {"\\v", "\v"},  {"\\\\", "\\"},
                                             {"\\?", "?"},  {"\\'", "'"},  {"\\\"", "\""}};
    for (const auto &e : escapes)
        data.replace(e[0], e[1]);

    if (!serialThread || !serialThread->port || !serialThread->port->isOpen()) {
        ui->statusBar->showMessage(tr("Send failed: no serial port is open"), 0);
        return;
    }
    serialWrite(data);
}

void MainWindow::slotcom_set_pushButton() { renameQuickCommand(1); }
void MainWindow::slotcom_set_pushButton_2() { renameQuickCommand(2); }
void MainWindow::slotcom_set_pushButton_3() { renameQuickCommand(3); }
void MainWindow::slotcom_set_pushButton_4() { renameQuickCommand(4); }
void MainWindow::slotcom_set_pushButton_5() { renameQuickCommand(5); }
void MainWindow::slotcom_set_pushButton_6() { renameQuickCommand(6); }
void MainWindow::slotcom_set_pushButton_7() { renameQuickCommand(7); }
void MainWindow::slotcom_set_pushButton_8() { renameQuickCommand(8); }
void MainWindow::slotcom_set_pushButton_9() { renameQuickCommand(9); }
void MainWindow::slotcom_set_pushButton_10() { renameQuickCommand(10); }
void MainWindow::slotcom_set_pushButton_11() { renameQuickCommand(11); }
void MainWindow::slotcom_set_pushButton_12() { renameQuickCommand(12); }

void MainWindow::slotcom_pushButton() { sendQuickCommand(1); }
void MainWindow::slotcom_pushButton_2() { sendQuickCommand(2); }
void MainWindow::slotcom_pushButton_3() { sendQuickCommand(3); }
void MainWindow::slotcom_pushButton_4() { sendQuickCommand(4); }
void MainWindow::slotcom_pushButton_5() { sendQuickCommand(5); }
void MainWindow::slotcom_pushButton_6() { sendQuickCommand(6); }
void MainWindow::slotcom_pushButton_7() { sendQuickCommand(7); }
void MainWindow::slotcom_pushButton_8() { sendQuickCommand(8); }
void MainWindow::slotcom_pushButton_9() { sendQuickCommand(9); }
void MainWindow::slotcom_pushButton_10() { sendQuickCommand(10); }
void MainWindow::slotcom_pushButton_11() { sendQuickCommand(11); }
void MainWindow::slotcom_pushButton_12() { sendQuickCommand(12); }
