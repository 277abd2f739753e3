#include "app/mainwindow.h"
#include "terminals/terminal_view.h"
#include "ui_mainwindow.h"

#include "terminals/file_dialogs.h"
#include "terminals/send_encoding.h"
#include "terminals/terminal_files.h"

#include <QCheckBox>
#include <QIcon>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace {
constexpr qint64 kImportLimit = 10000;
}

// Export: the text view only, stamps included, without the breaks the
// view added to bound its lines.
void MainWindow::terminalSaveText(TerminalView *view)
{
    view->flush();
    const QString text = TerminalView::exportText(view->textView());
    if (text.isEmpty()) {
        ui->statusBar->showMessage(tr("No data need to save"), 0);
        return;
    }
    const QString path = FileDialogs::getSaveFileName(this, tr("Save as"), tr("newtxt.txt"), QString());
    if (path.isEmpty())
        return;
    QString error;
    QString canonical;
    switch (TerminalFiles::saveText(path, text, &error, &canonical)) {
    case TerminalFiles::SaveResult::OpenFailed:
        ui->statusBar->showMessage(tr("Save failed:Open file %1 failed, can't save\n%2").arg(path, error), 0);
        return;
    case TerminalFiles::SaveResult::WriteFailed:
        ui->statusBar->showMessage(
            tr("Save failed:Writing file %1 failed, the file is left as it was\n%2").arg(path, error), 0);
        return;
    case TerminalFiles::SaveResult::Ok:
        break;
    }
    // The views keep only their newest lines: say how many reached the file.
    const qsizetype lines = text.count(QLatin1Char('\n')) + (text.endsWith(QLatin1Char('\n')) ? 0 : 1);
    ui->statusBar->showMessage(QStringLiteral("Saved success.\tsaved: ") + canonical + tr("\tlines: %1").arg(lines),
                               0);
}

QString MainWindow::portRefusal(const QString &text, bool systemChooses) const
{
    return systemChooses ? tr("Invalid port \"%1\": enter a number from 0 to 65535 (0 lets the system choose)").arg(text)
                         : tr("Invalid port \"%1\": enter a number from 1 to 65535").arg(text);
}

// Checked before anything starts, so a refused field leaves the tab as it was.
bool MainWindow::portFieldAccepted(const QString &text, bool systemChooses, quint16 *port)
{
    if (SendEncoding::portField(text, systemChooses, port))
        return true;
    ui->statusBar->showMessage(portRefusal(text, systemChooses), 0);
    return false;
}

// Import: appends a small file to the send box, line ends as a text-mode
// read gives them; the network tabs keep each line up to its first NUL.
void MainWindow::terminalLoadFile(QPlainTextEdit *sendBox, bool cutLinesAtNul)
{
    const QString path = FileDialogs::getOpenFileName(this, tr("Read file"), QString(), tr("(*)"));
    if (path.isEmpty())
        return;
    QByteArray data;
    qint64 size = 0;
    switch (TerminalFiles::readLimited(path, kImportLimit, &data, &size)) {
    case TerminalFiles::LoadResult::OpenFailed:
        ui->statusBar->showMessage(
            tr("Open failed: Failed to open this file, this may be due to insufficient permissions."), 0);
        return;
    case TerminalFiles::LoadResult::TooLarge:
        ui->statusBar->showMessage(
            tr("Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes").arg(size), 0);
        return;
    case TerminalFiles::LoadResult::Ok:
        break;
    }
    data.replace("\r\n", "\n");
    QString text = sendBox->toPlainText();
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        end = end < 0 ? data.size() : end + 1;
        QByteArray line = data.mid(start, end - start);
        const qsizetype nul = cutLinesAtNul ? line.indexOf('\0') : -1;
        if (nul >= 0)
            line.truncate(nul);
        text += QString::fromUtf8(line);
        start = end;
    }
    sendBox->setPlainText(text);
    ui->statusBar->showMessage(tr("Success for read the data in the file"), 0);
}

// Send / Pause button: stops a running keep-sending, refuses an empty box,
// sends once, or starts the keep-sending timer (first send one interval on).
void MainWindow::terminalSendPressed(QPushButton *button, QPlainTextEdit *box, QCheckBox *keepSend,
                                     QTimer *timer, int interval, const QString &idleText,
                                     const std::function<void()> &sendOnce)
{
    const QString label = button->text();
    if (label == tr("Pause") || label == tr("暂停")) {
        timer->stop();
        button->setText(idleText);
        button->setIcon(QIcon(QStringLiteral(":images/send.png")));
        return;
    }
    if (box->toPlainText().isEmpty()) {
        ui->statusBar->showMessage(tr("No Data"), 0);
        return;
    }
    if (!keepSend->isChecked()) {
        box->setFocus(Qt::OtherFocusReason);
        sendOnce();
        return;
    }
    timer->start(interval);
    button->setText(tr("Pause"));
    button->setIcon(QIcon(QStringLiteral(":images/pause.png")));
}

// "Keep Send" box: only enables the interval; a running timer goes on.
void MainWindow::terminalKeepSendToggled(QCheckBox *keepSend, QSpinBox *interval)
{
    const bool on = keepSend->isChecked();
    interval->setEnabled(on);
    ui->statusBar->showMessage(on ? tr("Enable Keep sending") : tr("Disable Keep sending"), 0);
}
