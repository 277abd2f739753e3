// Runs a reference serial terminal (Debian's cutecom, its text view) on the
// same socat pty pair with the same data and pacing as bench_serial_stream,
// so the two compare in one run.
//
//   bench_serial_reference [--sizes=20] [--paced-sizes=2] [--no-paced] [--no-unpaced]
//
// Run it under a display (xvfb-run); it needs cutecom and xdotool.  Each row
// starts cutecom afresh in a temporary HOME whose session names the pty,
// presses its Open button through xdotool, streams, and takes cutecom's CPU
// (all its threads) from /proc.  A row ends once cutecom has read every
// byte and its CPU has stayed still for 300 ms: the time until then gives
// bytes/s.
#include "bench/serial_stream_data.h"
#include "tests/support/kesp_test_support.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

// utime + stime of the whole process, in seconds.
double processCpu(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = f.readAll();
    // Fields after "(name) ": state is field 3, utime 14, stime 15.
    const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (rest.size() < 13)
        return -1;
    return (rest.at(11).toDouble() + rest.at(12).toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// Whether the process holds the file that `path` leads to open.
bool holdsOpen(qint64 pid, const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString &fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System))
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target)
            return true;
    return false;
}

bool xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(5000) && p.exitCode() == 0;
}

// A session of the reference terminal on `device` at 115200 8N1, no flow
// control, text view (no hex, no time stamps).
void writeSession(const QString &home, const QString &device)
{
    QDir().mkpath(home + "/.config/CuteCom");
    QFile f(home + "/.config/CuteCom/CuteCom5.conf");
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("[sessions]\n1\\BaudRate=115200\n1\\DataBits=8\n1\\Device=" + device.toLocal8Bit()
            + "\n1\\FlowControl=0\n1\\OpenMode=3\n1\\Parity=0\n1\\StopBits=1\n1\\autoReconnect=false\n"
              "1\\name=Default\n1\\showCtrlCharacters=false\n1\\showTimestamp=false\nsize=1\n");
}

struct Row
{
    bool ok = false;
    double seconds = 0;
    double cpu = 0;
};

Row runOne(const QByteArray &data, bool paced)
{
    Row row;
    kesptest::PtyPair pty;
    QTemporaryDir home;
    if (!pty.isReady() || !home.isValid())
        return row;
    writeSession(home.path(), pty.deviceA());

    QProcess terminal;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    terminal.setProcessEnvironment(env);
    terminal.setStandardOutputFile(QProcess::nullDevice());
    terminal.setStandardErrorFile(QProcess::nullDevice());
    terminal.start(QStringLiteral("cutecom"), {});
    if (!terminal.waitForStarted(5000))
        return row;
    const qint64 pid = terminal.processId();
    // No window manager: the window sits at 0,0 and "Open" is its first
    // button, top left.  Its keyboard shortcut is the fallback.
    QElapsedTimer wait;
    wait.start();
    while (!holdsOpen(pid, pty.deviceA()) && wait.elapsed() < 15000) {
        QThread::msleep(500);
        if (xdotool({"search", "--name", "CuteCom"})) {
            xdotool({"mousemove", "50", "43", "click", "1"});
            QThread::msleep(500);
            if (!holdsOpen(pid, pty.deviceA()))
                xdotool({"search", "--name", "CuteCom", "windowfocus", "--sync", "key", "alt+o"});
        }
    }
    if (!holdsOpen(pid, pty.deviceA())) {
        terminal.kill();
        terminal.waitForFinished(3000);
        return row;
    }
    QThread::msleep(1000);

    // What still waits on the way in: in the writer's output queue and in
    // the reader's input queue.
    const int far = pty.farFd();
    const int near = ::open(pty.deviceA().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    auto pending = [&] {
        int out = 0, in = 0;
        ioctl(far, TIOCOUTQ, &out);
        if (near >= 0)
            ioctl(near, FIONREAD, &in);
        return out + in;
    };

    std::atomic<bool> failed {false};
    std::atomic<bool> done {false};
    const double cpu0 = processCpu(pid);
    QElapsedTimer clock;
    clock.start();
    std::thread writer([&] {
        benchdata::writeStream(far, data, paced, failed);
        done = true;
    });
    double lastCpu = cpu0;
    qint64 lastBusy = 0;
    int drained = 0;
    while (clock.elapsed() < 600000) {
        QThread::msleep(50);
        const double cpu = processCpu(pid);
        if (cpu < 0)
            break; // it died
        if (cpu > lastCpu) {
            lastCpu = cpu;
            lastBusy = clock.elapsed();
        }
        drained = (done && pending() == 0) ? drained + 1 : 0;
        if (failed || (drained >= 2 && clock.elapsed() - lastBusy > 300))
            break;
    }
    writer.join();
    if (near >= 0)
        ::close(near);
    row.ok = !failed && drained >= 2;
    row.seconds = qMax<qint64>(lastBusy, 1) / 1000.0;
    row.cpu = lastCpu - cpu0;
    terminal.terminate();
    if (!terminal.waitForFinished(3000)) {
        terminal.kill();
        terminal.waitForFinished(3000);
    }
    return row;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchdata::StreamOptions opt;
    opt.sizes = {20};
    opt.pacedSizes = {2};
    for (const QString &arg : app.arguments().mid(1)) {
        if (!opt.take(arg)) {
            std::fprintf(stderr, "usage: bench_serial_reference [--sizes=20] [--paced-sizes=2] [--no-paced] [--no-unpaced]\n");
            return 2;
        }
    }
    std::printf("reference: cutecom, text view\n%-8s %-8s %-6s %10s %12s %12s\n", "size_MB", "pacing", "kind",
                "seconds", "bytes/s", "process_s/MB");
    bool allOk = true;
    for (bool isPaced : {true, false}) {
        if ((isPaced && !opt.paced) || (!isPaced && !opt.unpaced))
            continue;
        for (double mb : isPaced ? opt.pacedSizes : opt.sizes) {
            for (bool text : {true, false}) {
                const QByteArray data = benchdata::makeData(qint64(mb * 1024 * 1024), text);
                const Row r = runOne(data, isPaced);
                allOk = allOk && r.ok;
                if (!r.ok) {
                    std::printf("%-8g %-8s %-6s did not run (cutecom did not open the pty or read it all)\n", mb,
                                isPaced ? "paced" : "unpaced", text ? "text" : "binary");
                    continue;
                }
                std::printf("%-8g %-8s %-6s %10.2f %12.0f %12.3f\n", mb, isPaced ? "paced" : "unpaced",
                            text ? "text" : "binary", r.seconds, double(data.size()) / r.seconds,
                            r.cpu / (double(data.size()) / (1024.0 * 1024.0)));
                std::fflush(stdout);
            }
        }
    }
    return allOk ? 0 : 1;
}
