// The real executable under X: the splash stays at least three seconds,
// then the main window appears, and nothing is printed on standard error.
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class StartupE2E : public QObject
{
    Q_OBJECT
private slots:
    void startsQuietlyAfterSplash()
    {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is needed to find the window");
        kesptest::TempHome home(kesptest::quietIni());

        QProcess app;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        app.setProcessEnvironment(env);
        app.setProgram(KESP_BINARY);
        QElapsedTimer clock;
        clock.start();
        app.start();
        QVERIFY(app.waitForStarted(5000));

        // Only this process's windows: other tests may show theirs on the
        // same display meanwhile.
        const QString pid = QString::number(app.processId());
        auto windowShown = [pid] {
            QProcess search;
            search.start("xdotool", {"search", "--all", "--onlyvisible", "--pid", pid, "--name", "^Vexmora -- KESP Ver 3\\.4\\.4  http"});
            search.waitForFinished(3000);
            return !search.readAllStandardOutput().trimmed().isEmpty();
        };
        QVERIFY2(kesptest::waitFor(windowShown, 40000),
                 qPrintable(app.state() == QProcess::Running
                                ? QString("still running after %1 ms, no window").arg(clock.elapsed())
                                : QString("ended with %1 (%2)").arg(app.exitCode()).arg(int(app.exitStatus()))));
        QVERIFY2(clock.elapsed() >= 3000, qPrintable(QString::number(clock.elapsed())));

        kesptest::spin(1500); // let the web page and timers run a while
        QCOMPARE(app.state(), QProcess::Running);
        app.terminate();
        QVERIFY(app.waitForFinished(10000));
        QCOMPARE(app.readAllStandardError(), QByteArray());
    }
};

KESP_TEST_GUILESS_MAIN(StartupE2E)
#include "tst_startup_e2e.moc"
