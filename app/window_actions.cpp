// Window-level actions of the shell: About, and the helpers other code can
// reach by name (style sheet, wait, quit).
#include "app/mainwindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

void MainWindow::on_actionAbout_triggered()
{
    aboutDialog.setWindowFlags(aboutDialog.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    aboutDialog.show();
    aboutDialog.raise();
    aboutDialog.move(x() + (width() - aboutDialog.width()) / 2,
                     y() + (height() - aboutDialog.height()) / 2);
}

void MainWindow::setStyleSheets(QString path)
{
    QFile file(path, this);
    if (!file.open(QIODevice::ReadOnly))
        return;
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
    file.close();
}

// Waits about ms milliseconds while every other slot keeps running.  The
// wait sleeps in an event loop on a monotonic timer, so it neither burns a
// core nor trips over the clock passing midnight.
void MainWindow::msleep(int ms)
{
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void MainWindow::Software_Quite()
{
    QCoreApplication::quit();
}

// Open dialogs report their end to this window's slots: let them go while
// the window is still whole, not from the base class's child clean-up.
void MainWindow::closeShellDialogs()
{
    delete configDialog;
    if (helpDialogOpened)
        delete helpDialog;
}
