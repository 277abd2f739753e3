#ifndef KESP_TEST_SUPPORT_H
#define KESP_TEST_SUPPORT_H

// Shared fixtures of the test programs: a temporary HOME with an ini file,
// a socat pty pair standing in for a serial device, waiting helpers, a closer
// for modal boxes and a probe for GUI stalls.

#include "tests/support/test_base.h"

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>

class QWidget;

namespace kesptest {

// Points HOME at a fresh folder and writes the given keys into
// $HOME/.config/Vexmora/KESP/kesp_config.ini before any window exists.
// Also points the "More" page and the GPS map pages at about:blank and the
// rate feed at a closed loopback port so no test reaches the network.
class TempHome
{
public:
    explicit TempHome(const QMap<QString, QVariant> &ini = {}, bool writeIni = true);
    ~TempHome();
    QString path() const { return m_dir.path(); }
    QString iniPath() const;
    // Raw text of the ini file ("" when missing).
    QByteArray iniBytes() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_oldHome;
};

// Switches that keep a window quiet and local: no port rescan, and the
// tabs that reach for the network ("GPS Debug", "Convert") off.
QMap<QString, QVariant> quietIni(const QMap<QString, QVariant> &extra = {});

// Processes events until cond() holds or timeoutMs passes (stretched in the
// sanitizer build); returns cond().
bool waitFor(const std::function<bool()> &cond, int timeoutMs = 5000);

// Processes events for the given time.
void spin(int ms);

// A pair of connected ptys made by socat: the program opens deviceA(),
// the test plays the device on the far end through farFd().
class PtyPair
{
public:
    PtyPair();
    ~PtyPair();
    bool isReady() const { return m_ready; }
    // Names of their own (process and pair), so that the lock files
    // LCK..<name> of two suites running side by side never meet.
    QString deviceA() const { return m_dir.path() + "/" + m_name + "A"; }
    QString deviceB() const { return m_dir.path() + "/" + m_name + "B"; }

    // Far end (deviceB), opened raw and non-blocking on first use.
    int farFd();
    bool writeFar(const QByteArray &data);
    // Reads what arrived at the far end until `count` bytes came or the
    // time ran out (stretched in the sanitizer build, so no measure of
    // how soon something comes), processing events meanwhile.
    QByteArray readFar(int count, int timeoutMs = 3000);
    // Everything that arrives within the given quiet time.
    QByteArray drainFar(int quietMs = 200, int timeoutMs = 3000);
    // Ends socat, as if the device were unplugged: both ptys go away.
    void hangUp();

private:
    QTemporaryDir m_dir;
    QString m_name;
    QProcess m_socat;
    int m_fd = -1;
    bool m_ready = false;
};

// A TCP/UDP port on 127.0.0.1 that was free a moment ago.
quint16 freeTcpPort();
QList<quint16> freeTcpPorts(int count);
quint16 freeUdpPort();

// Payloads: `size` bytes of counting numbers written one after the other
// ("012345678910..."), with no place a line could break at, and `size`
// random bytes, the same for the same seed.
QByteArray countingLine(qsizetype size);
QByteArray randomBytes(qsizetype size, quint32 seed);

// Closes every modal dialog that appears (message boxes included) and
// remembers their titles and texts.  Queued answers are used first, one per
// dialog: a text is entered into the next input dialog and accepted, a
// button is pressed in the next message box (Cancel when it has no such
// button).
class ModalCloser : public QObject
{
    Q_OBJECT
public:
    explicit ModalCloser(QObject *parent = nullptr);
    QStringList titles;
    QStringList texts;
    QStringList details; // message boxes' informative texts
    int count() const { return titles.size(); }
    void answerText(const QString &text) { m_texts.append(text); }
    void answerButton(int standardButton) { m_buttons.append(standardButton); }

private:
    void poll();
    QTimer m_timer;
    QStringList m_texts;
    QList<int> m_buttons;
};

// While it lives, no file grows past `bytes`: a write beyond fails with
// "File too large", as on a full disk (the signal that would end the
// process is ignored).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(quint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    quint64 m_old = 0;
};

// Measures how late a 10 ms timer fires: a blocked GUI thread shows up as
// a large worst lateness.
class StallProbe : public QObject
{
    Q_OBJECT
public:
    explicit StallProbe(QObject *parent = nullptr);
    void start();
    void stop();
    qint64 worstLatenessMs() const { return m_worst; }

private:
    void tick();
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_worst = 0;
};

// A benchmark's first step, before its QApplication: Qt's own warnings
// would bury the figures, and the web engine must run as root.  Takes
// "--quiet" out of the arguments and returns the HOME the window starts
// in: by default a fresh install's (no settings file: every tab on, the
// port scan running), with --quiet quietIni(quietExtra).
std::unique_ptr<TempHome> startBenchmark(int &argc, char **argv, const QMap<QString, QVariant> &quietExtra = {});
// "default settings (no settings file)" or "--quiet settings".
const char *benchmarkSettings();
// Shares of a core that the whole process and the GUI thread take while
// the event loop waits for ms (spin() polls, and would count its own).
struct IdleCpu
{
    double process;
    double guiThread;
};
IdleCpu idleCpu(int ms);
// Lets the event loop idle for ms, then prints the settings, RSS, child
// processes and the CPU that idling took (whole process and GUI thread).
void reportIdle(const char *when, int ms = 2000);
// Runs the event loop until a shown window's start-up work is over: until
// half a second passes in which the process takes under 2 % of a core, or
// maxMs.
void settle(int maxMs = 15000);

// A benchmark's window as a user sees it: shown, exposed, settled, and the
// settings it started with printed.
void showSettled(QWidget &window);

// Figures for the benchmarks: CPU seconds of this thread and of the whole
// process (all threads), resident and peak memory in MB, and how many
// processes this one has started (the web engine's helpers).

double threadCpuSeconds();
double processCpuSeconds();
double rssMB();
double peakRssMB();
int childProcesses();

} // namespace kesptest

#endif // KESP_TEST_SUPPORT_H
