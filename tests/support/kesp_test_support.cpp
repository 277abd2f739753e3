#include "tests/support/kesp_test_support.h"

#include "app/log_handlers.h"
#include "app/maker_site.h"
#include "app/settings_file.h"
#include "positioning/gps_map_pages.h"
#include "utilities/rate_feed.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSettings>
#include <QTcpServer>
#include <QThread>
#include <QTest>
#include <QUdpSocket>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

#include <vector>

namespace kesptest {

TempHome::TempHome(const QMap<QString, QVariant> &ini, bool writeIni)
{
    m_oldHome = qgetenv("HOME");
    qputenv("HOME", m_dir.path().toLocal8Bit());
    MakerSite::homePage = QStringLiteral("about:blank");
    GpsMapPages::openStreetMap = QStringLiteral("about:blank");
    GpsMapPages::baidu = QStringLiteral("about:blank");
    RateFeed::address = QStringLiteral("http://127.0.0.1:1/stats/eurofxref/eurofxref-daily.xml");
    if (writeIni) {
        QSettings s(SettingsFile::path(), QSettings::IniFormat);
        for (auto it = ini.constBegin(); it != ini.constEnd(); ++it)
            s.setValue(it.key(), it.value());
        s.sync();
    }
}

TempHome::~TempHome()
{
    qputenv("HOME", m_oldHome);
}

QString TempHome::iniPath() const
{
    return m_dir.path() + QStringLiteral("/.config/Vexmora/KESP/kesp_config.ini");
}

QByteArray TempHome::iniBytes() const
{
    QFile f(iniPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QMap<QString, QVariant> quietIni(const QMap<QString, QVariant> &extra)
{
    QMap<QString, QVariant> ini{{"Auto_Serial_Scan", "false"}, {"GPS", "false"}, {"Convert", "false"}};
    for (auto it = extra.constBegin(); it != extra.constEnd(); ++it)
        ini.insert(it.key(), it.value());
    return ini;
}

bool waitFor(const std::function<bool()> &cond, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!cond()) {
        if (t.elapsed() > bound(timeoutMs))
            return cond();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

void spin(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

PtyPair::PtyPair()
{
    static int pairs = 0;
    m_name = QStringLiteral("ttyK%1_%2").arg(QCoreApplication::applicationPid()).arg(++pairs);
    m_socat.setProgram(QStringLiteral("socat"));
    m_socat.setArguments({QStringLiteral("pty,raw,echo=0,link=") + deviceA(),
                          QStringLiteral("pty,raw,echo=0,link=") + deviceB()});
    m_socat.start();
    m_ready = m_socat.waitForStarted(3000)
              && waitFor([this] { return QFileInfo::exists(deviceA()) && QFileInfo::exists(deviceB()); }, 5000);
}

PtyPair::~PtyPair()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_socat.terminate();
    if (!m_socat.waitForFinished(2000)) {
        m_socat.kill();
        m_socat.waitForFinished(2000);
    }
}

void PtyPair::hangUp()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_socat.terminate();
    if (!m_socat.waitForFinished(2000)) {
        m_socat.kill();
        m_socat.waitForFinished(2000);
    }
}

int PtyPair::farFd()
{
    if (m_fd < 0)
        m_fd = ::open(deviceB().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    return m_fd;
}

bool PtyPair::writeFar(const QByteArray &data)
{
    const int fd = farFd();
    if (fd < 0)
        return false;
    qsizetype done = 0;
    QElapsedTimer t;
    t.start();
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.constData() + done, size_t(data.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else {
            if (t.elapsed() > 10000)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
        }
    }
    return true;
}

QByteArray PtyPair::readFar(int count, int timeoutMs)
{
    QByteArray got;
    const int fd = farFd();
    if (fd < 0)
        return got;
    QElapsedTimer t;
    t.start();
    char buf[4096];
    while (got.size() < count && t.elapsed() < bound(timeoutMs)) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, n);
            continue;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return got;
}

QByteArray PtyPair::drainFar(int quietMs, int timeoutMs)
{
    QByteArray got;
    const int fd = farFd();
    if (fd < 0)
        return got;
    QElapsedTimer total, quiet;
    total.start();
    quiet.start();
    char buf[4096];
    while (quiet.elapsed() < quietMs && total.elapsed() < bound(timeoutMs)) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            got.append(buf, n);
            quiet.restart();
            continue;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return got;
}

QList<quint16> freeTcpPorts(int count)
{
    // Held open together, so no two come back the same.
    std::vector<QTcpServer> held(count);
    QList<quint16> ports;
    for (QTcpServer &s : held) {
        if (!s.listen(QHostAddress::LocalHost, 0))
            return {};
        ports << s.serverPort();
    }
    return ports;
}

quint16 freeTcpPort()
{
    return freeTcpPorts(1).value(0);
}

quint16 freeUdpPort()
{
    QUdpSocket s;
    if (!s.bind(QHostAddress::LocalHost, 0))
        return 0;
    return s.localPort();
}

QByteArray countingLine(qsizetype size)
{
    QByteArray line;
    for (int i = 0; line.size() < size; ++i)
        line += QByteArray::number(i);
    line.truncate(size);
    return line;
}

QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(seed);
    for (char &c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

ModalCloser::ModalCloser(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &ModalCloser::poll);
    m_timer.start(20);
}

void ModalCloser::poll()
{
    // Top-level message boxes first, then any other modal dialog.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            titles << box->windowTitle();
            texts << box->text();
            details << box->informativeText();
            QAbstractButton *answer = nullptr;
            if (!m_buttons.isEmpty())
                answer = box->button(QMessageBox::StandardButton(m_buttons.takeFirst()));
            if (answer)
                answer->click();
            else
                box->done(QMessageBox::Cancel);
            return;
        }
    }
    if (QWidget *modal = QApplication::activeModalWidget()) {
        if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            titles << input->windowTitle();
            texts << input->labelText();
            if (!m_texts.isEmpty()) {
                input->setTextValue(m_texts.takeFirst());
                input->accept();
            } else {
                input->reject();
            }
            return;
        }
        if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            titles << dialog->windowTitle();
            texts << QString();
            dialog->reject();
        }
    }
}

FileSizeLimit::FileSizeLimit(quint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_old = limit.rlim_cur;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit {};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = m_old;
    setrlimit(RLIMIT_FSIZE, &limit);
}

StallProbe::StallProbe(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(10);
    connect(&m_timer, &QTimer::timeout, this, &StallProbe::tick);
}

void StallProbe::start()
{
    m_worst = 0;
    m_clock.start();
    m_last = 0;
    m_timer.start();
}

void StallProbe::stop()
{
    m_timer.stop();
}

void StallProbe::tick()
{
    const qint64 now = m_clock.elapsed();
    const qint64 late = now - m_last - 10;
    if (late > m_worst)
        m_worst = late;
    m_last = now;
}

static bool g_quietBenchmark = false;

std::unique_ptr<TempHome> startBenchmark(int &argc, char **argv, const QMap<QString, QVariant> &quietExtra)
{
    qInstallMessageHandler(vexmora_disable_log);
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--quiet") == 0)
            g_quietBenchmark = true;
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    argv[argc] = nullptr;
    if (g_quietBenchmark)
        return std::make_unique<TempHome>(quietIni(quietExtra));
    return std::make_unique<TempHome>(QMap<QString, QVariant>{}, false);
}

const char *benchmarkSettings()
{
    return g_quietBenchmark ? "--quiet settings" : "default settings (no settings file)";
}

IdleCpu idleCpu(int ms)
{
    const double gui0 = threadCpuSeconds();
    const double process0 = processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = clock.elapsed() / 1000.0;
    return {(processCpuSeconds() - process0) / seconds, (threadCpuSeconds() - gui0) / seconds};
}

void reportIdle(const char *when, int ms)
{
    const IdleCpu idle = idleCpu(ms);
    std::printf("%s, %s: RSS %.0f MB, %d child processes, idle CPU %.1f %% of a core (GUI thread %.1f %%)\n", when,
                benchmarkSettings(), rssMB(), childProcesses(), 100.0 * idle.process, 100.0 * idle.guiThread);
    std::fflush(stdout);
}

void settle(int maxMs)
{
    QElapsedTimer clock;
    clock.start();
    const int sliceMs = 500;
    while (clock.elapsed() < maxMs) {
        const double cpu0 = processCpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(sliceMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
        if (processCpuSeconds() - cpu0 < 0.02 * sliceMs / 1000.0)
            return;
    }
}

void showSettled(QWidget &window)
{
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    settle();
    std::printf("settings: %s\n", benchmarkSettings());
}

static double seconds(const timeval &user, const timeval &system)
{
    return double(user.tv_sec + system.tv_sec) + double(user.tv_usec + system.tv_usec) / 1e6;
}

double threadCpuSeconds()
{
    rusage u {};
    getrusage(RUSAGE_THREAD, &u);
    return seconds(u.ru_utime, u.ru_stime);
}

double processCpuSeconds()
{
    rusage u {};
    getrusage(RUSAGE_SELF, &u);
    return seconds(u.ru_utime, u.ru_stime);
}

static double statusMB(const char *key)
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

double rssMB()
{
    return statusMB("VmRSS:");
}

// VmHWM, which writing 5 to /proc/self/clear_refs starts afresh.
double peakRssMB()
{
    return statusMB("VmHWM:");
}

int childProcesses()
{
    int n = 0;
    const QByteArray self = QByteArray::number(qint64(getpid()));
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid ...": the name may hold spaces.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (rest.size() > 1 && rest.at(1) == self)
            ++n;
    }
    return n;
}

} // namespace kesptest
