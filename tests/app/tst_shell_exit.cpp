// The program ends, with exit code 0, when its window closes while About,
// Help or Preferences is open.  Each case runs in a child process of this
// test that starts like the program's main: application, window, event loop,
// window destroyed after the loop.
#include "app/log_handlers.h"
#include "app/mainwindow.h"
#include "app/shell_hooks.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QtTest>

static int runScenario(int argc, char **argv, const QString &dialog, const QString &ending)
{
    qInstallMessageHandler(vexmora_disable_log);
    QApplication app(argc, argv);
    // A restart leaves a note instead of starting a process.
    ShellHooks::startProgram = [](const QString &program) {
        QFile note(QDir::homePath() + "/restarted");
        return note.open(QIODevice::WriteOnly) && note.write(program.toUtf8()) > 0;
    };
    MainWindow window;
    window.show();
    QTimer::singleShot(300, &window, [&] {
        window.findChild<QAction *>(dialog == "About" ? "actionAbout"
                                    : dialog == "Help" ? "actionHelp"
                                                       : "actionConfig")
            ->trigger();
    });
    QTimer::singleShot(900, &window, [&] {
        if (ending == "exit") {
            window.findChild<QAction *>("actionExit")->trigger();
        } else {
            // Preferences' OK, with the other dialog still open.
            window.findChild<QAction *>("actionConfig")->trigger();
            QTest::mousePress(window.findChild<QDialog *>("Config")->findChild<QPushButton *>("ConfigOK_Button"),
                              Qt::LeftButton);
        }
    });
    return app.exec();
}

class ShellExitTest : public QObject
{
    Q_OBJECT
private slots:
    void exitsWithDialogOpen_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("ending");
        for (const char *d : {"About", "Help", "Config"})
            QTest::newRow(qPrintable(QString("%1 open, Exit").arg(d))) << d << "exit";
        QTest::newRow("About open, Preferences OK") << "About" << "ok";
        QTest::newRow("Help open, Preferences OK") << "Help" << "ok";
    }

    void exitsWithDialogOpen()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, ending);
        kesptest::TempHome home(kesptest::quietIni());
        QProcess child;
        child.setProgram(QCoreApplication::applicationFilePath());
        child.setArguments({"--scenario", dialog, ending});
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start();
        QVERIFY(child.waitForStarted(5000));
        const bool ended = child.waitForFinished(20000);
        if (!ended) {
            child.kill();
            child.waitForFinished(3000);
        }
        QVERIFY2(ended, "the program kept running after its window closed");
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QFile::exists(home.path() + "/restarted"), ending == "ok");
    }
};

int main(int argc, char **argv)
{
    if (argc >= 4 && QByteArray(argv[1]) == "--scenario")
        return runScenario(1, argv, QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    QApplication app(argc, argv);
    ShellExitTest test;
    return kesptest::runStrict(&test, argc, argv);
}

#include "tst_shell_exit.moc"
