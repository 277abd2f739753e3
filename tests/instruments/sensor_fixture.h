#ifndef SENSOR_FIXTURE_H
#define SENSOR_FIXTURE_H

// A sensor tab's window on a pty, and the fake board (fake_sensor_board.py)
// playing the device on the far end.

#include "tests/terminals/serial_fixture.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTabWidget>

namespace sensortest {

using namespace serialtest;

struct SensorWindow
{
    SensorWindow()
        : home(kesptest::quietIni())
    {
        // Held open so the far end outlives each board run.
        pty.farFd();
    }
    kesptest::TempHome home;
    kesptest::PtyPair pty;
    MainWindow w;

    // Brings the tab to the front, points its port list at the pty and
    // presses Open.
    bool open(const char *button, const char *portCombo)
    {
        if (!pty.isReady())
            return false;
        w.show();
        auto *open = child<QPushButton>(w, button);
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(open))
                tabs->setCurrentIndex(i);
        choosePort(w, portCombo, pty.deviceA());
        press(open);
        return status(w) == QStringLiteral("Serial opened");
    }

    // Runs the board to the end, the window working meanwhile; returns what
    // it printed, one object per set or line, the "done" summary last.
    QList<QJsonObject> board(const QString &mode, int sets, int seed, double rate = -1)
    {
        QProcess p;
        QStringList args{QStringLiteral(KESP_FAKE_BOARD), pty.deviceB(), mode, "--sets", QString::number(sets),
                         "--seed", QString::number(seed)};
        if (rate >= 0)
            args << "--rate" << QString::number(rate);
        p.start(QStringLiteral("python3"), args);
        if (!p.waitForStarted(5000))
            return {};
        kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 300000);
        QList<QJsonObject> out;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
            if (!line.trimmed().isEmpty())
                out << QJsonDocument::fromJson(line).object();
        return out;
    }
};

} // namespace sensortest

#endif // SENSOR_FIXTURE_H
