// Feeds the "Spectra" tab from the fake spectral board
// (tests/instruments/fake_spectra_board.py) through a pty at the byte rate of
// 256000 baud, AS7265X, log shown, once with the bars and once with the
// curve, and reports how well the tab keeps up.
//
//   bench_spectra_stream [--seconds=30]
//
// Per run: lines the board sent, lines the tab logged and (bars) bar
// updates, whether the charts end on the last sweep, GUI-thread CPU per
// 10000 lines, worst and p99 lateness of a 10 ms timer, RSS at 5 s and at
// the end.
#include "app/mainwindow.h"
#include "instruments/vexmora_spectroscopy.h"
#include "instruments/vexmora_spectroscopy_spline.h"
#include "instruments/vexmora_spectroscopy_squarediagram.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include "instruments/gl_check.h"

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    double seconds = 30;
    for (const QString &arg : app.arguments().mid(1)) {
        if (!arg.startsWith("--seconds=")) {
            std::fprintf(stderr, "usage: bench_spectra_stream [--seconds=30]\n");
            return 2;
        }
        seconds = arg.mid(10).toDouble();
    }
    kesptest::PtyPair pty;
    if (!pty.isReady() || pty.farFd() < 0) {
        std::fprintf(stderr, "socat pty pair not available\n");
        return 1;
    }
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    auto *open = kesptest::child<QAbstractButton>(w, "SpectraopencompushButton");
    auto *tabs = kesptest::child<QTabWidget>(w, "tabWidget");
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(open))
            tabs->setCurrentIndex(i);
    kesptest::child<QComboBox>(w, "SpectraYPEcomboBox")->setCurrentIndex(2);
    kesptest::child<QCheckBox>(w, "SpectracheckBox")->setChecked(true);
    kesptest::choosePort(w, "SpectraportNameComboBox", pty.deviceA());
    kesptest::press(open);
    if (kesptest::status(w) != "Serial opened") {
        std::fprintf(stderr, "could not open the spectra tab\n");
        return 1;
    }
    auto *chart = w.findChild<vexmora_spectroscopy *>();
    auto *log = kesptest::child<QPlainTextEdit>(w, "Spectra_textEdit");

    // Lines logged: block separators in whatever the log takes in.
    qint64 logged = 0;
    QObject::connect(log->document(), &QTextDocument::contentsChange, [&](int pos, int, int added) {
        QTextCursor c(log->document());
        c.setPosition(pos);
        c.setPosition(qMin(pos + added, log->document()->characterCount() - 1), QTextCursor::KeepAnchor);
        logged += c.selectedText().count(QChar::ParagraphSeparator) + (pos == 0 && added > 0 ? 1 : 0);
    });
    qint64 barUpdates = 0;
    for (QBarSet *set : chart->diagramAS7265X->barSets)
        QObject::connect(set, &QBarSet::valueChanged, [&] { ++barUpdates; });

    std::printf("%-6s %8s %8s %8s %6s %10s %12s %8s %8s %7s %7s\n", "chart", "sent", "logged", "bars", "final",
                "gui_s/10k", "process_s/10k", "worst_ms", "p99_ms", "rss5_MB", "end_MB");
    bool ok = true;
    for (int kind = 0; kind < 2; ++kind) {
        kesptest::child<QComboBox>(w, "SpectraportChartComboBox")->setCurrentIndex(kind);
        const qint64 logged0 = logged, bars0 = barUpdates;
        QList<qint64> lateness;
        QElapsedTimer clock;
        clock.start();
        qint64 lastTick = 0;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            lateness << qMax<qint64>(0, now - lastTick - 10);
            lastTick = now;
        });
        probe.start(10);
        double rss5 = 0;
        QTimer::singleShot(5000, [&] { rss5 = kesptest::rssMB(); });
        const double cpu0 = kesptest::threadCpuSeconds();
        const double processCpu0 = kesptest::processCpuSeconds();
        QProcess board;
        board.start("python3", {KESP_SPECTRA_BOARD, pty.deviceB(), "AS7265X", "--sweeps", "1", "--seconds",
                                QString::number(seconds), "--rate", "25600", "--seed", QString::number(kind + 1)});
        kesptest::waitFor([&] { return board.state() == QProcess::NotRunning; }, int(seconds * 1000) + 60000);
        const QList<QByteArray> out = board.readAllStandardOutput().trimmed().split('\n');
        const qint64 sent = QJsonDocument::fromJson(out.last()).object()["done"].toInteger();
        QList<double> last;
        for (const QJsonValue v : QJsonDocument::fromJson(out.first()).object()["values"].toArray())
            last << v.toInt() / 1000.0;
        auto shown = [&] {
            QList<double> now;
            for (int i = 0; i < 18; ++i)
                now << (kind ? chart->spline->data().at(i + 1) : chart->diagramAS7265X->barSets[i]->at(0));
            return now;
        };
        kesptest::waitFor([&] { return logged - logged0 >= sent && shown() == last; }, 10000);
        const double cpu = kesptest::threadCpuSeconds() - cpu0;
        const double processCpu = kesptest::processCpuSeconds() - processCpu0;
        probe.stop();
        std::sort(lateness.begin(), lateness.end());
        const qint64 p99 = lateness.isEmpty() ? 0 : lateness.at(int(lateness.size() * 0.99));
        const bool final = shown() == last;
        std::printf("%-6s %8lld %8lld %8lld %6s %10.3f %12.3f %8lld %8lld %7.1f %7.1f\n", kind ? "curve" : "bars",
                    sent, logged - logged0, barUpdates - bars0, final ? "yes" : "NO", cpu / qMax<qint64>(1, sent) * 1e4,
                    processCpu / qMax<qint64>(1, sent) * 1e4,
                    lateness.isEmpty() ? 0 : lateness.last(), p99, rss5, kesptest::rssMB());
        std::fflush(stdout);
        ok = ok && final && logged - logged0 == sent && (kind || barUpdates - bars0 == sent);
    }
    return ok ? 0 : 1;
}
