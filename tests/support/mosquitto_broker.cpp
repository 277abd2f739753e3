#include "tests/support/mosquitto_broker.h"
#include "tests/support/kesp_test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QTcpSocket>

#include <csignal>
#include <unistd.h>

namespace kesptest {

namespace {

bool run(const QString &program, const QStringList &args, int timeoutMs = 15000)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool accepts(quint16 port)
{
    QTcpSocket s;
    s.connectToHost(QStringLiteral("127.0.0.1"), port);
    const bool ok = s.waitForConnected(200);
    s.abort();
    return ok;
}

} // namespace

MosquittoBroker::MosquittoBroker(const Options &options)
{
    const QList<quint16> ports = freeTcpPorts(4);
    if (ports.size() != 4) {
        m_failure = QStringLiteral("no free loopback ports");
        return;
    }
    m_tcp = ports[0];
    m_tls = ports[1];
    m_ws = ports[2];
    m_wss = ports[3];
    if (!writeConfig(options))
        return;
    m_process.setProgram(QStringLiteral("mosquitto"));
    m_process.setArguments({QStringLiteral("-c"), m_dir.path() + QStringLiteral("/mosquitto.conf")});
    m_process.start();
    if (!m_process.waitForStarted(5000)) {
        m_failure = QStringLiteral("mosquitto did not start");
        return;
    }
    m_ready = waitFor([this] {
        return m_process.state() == QProcess::Running && accepts(m_tcp) && accepts(m_tls) && accepts(m_ws)
               && accepts(m_wss);
    }, 10000);
    if (!m_ready)
        m_failure = QStringLiteral("mosquitto listeners not up: ") + log();
}

MosquittoBroker::~MosquittoBroker()
{
    stop();
}

bool MosquittoBroker::writeConfig(const Options &options)
{
    const QString dir = m_dir.path();
    // An EC key: made in milliseconds, and any TLS stack takes it.
    if (!run(QStringLiteral("openssl"),
             {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-keyout",
              dir + "/key.pem", "-out", dir + "/cert.pem", "-subj", "/CN=localhost", "-days", "2"})) {
        m_failure = QStringLiteral("openssl could not make a certificate");
        return false;
    }
    QStringList conf;
    // mosquitto started as root drops to its own user, which could not read
    // this private folder: keep root.
    if (::geteuid() == 0)
        conf << "user root";
    // Its WebSockets listeners start only with a log file.
    conf << "log_dest file " + dir + "/mosquitto.log"
         << "log_type all"
         << "allow_anonymous true";
    if (!options.users.isEmpty()) {
        const QString passwords = dir + "/passwords";
        QFile(passwords).open(QIODevice::WriteOnly);
        for (auto it = options.users.constBegin(); it != options.users.constEnd(); ++it) {
            if (!run(QStringLiteral("mosquitto_passwd"), {"-b", passwords, it.key(), it.value()})) {
                m_failure = QStringLiteral("mosquitto_passwd failed");
                return false;
            }
        }
        conf << "password_file " + passwords;
    }
    conf << options.extraConfig;
    const QString tls = "certfile " + dir + "/cert.pem\nkeyfile " + dir + "/key.pem";
    conf << QStringLiteral("listener %1 127.0.0.1").arg(m_tcp)
         << QStringLiteral("listener %1 127.0.0.1").arg(m_tls) << tls
         << QStringLiteral("listener %1 127.0.0.1").arg(m_ws) << "protocol websockets"
         << QStringLiteral("listener %1 127.0.0.1").arg(m_wss) << "protocol websockets" << tls;
    QFile f(dir + "/mosquitto.conf");
    if (!f.open(QIODevice::WriteOnly)) {
        m_failure = QStringLiteral("cannot write the broker's configuration");
        return false;
    }
    const QByteArray text = conf.join('\n').toUtf8() + '\n';
    return f.write(text) == text.size();
}

QString MosquittoBroker::log() const
{
    QFile f(m_dir.path() + QStringLiteral("/mosquitto.log"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void MosquittoBroker::pause()
{
    if (m_process.state() == QProcess::Running)
        ::kill(pid_t(m_process.processId()), SIGSTOP);
}

void MosquittoBroker::resume()
{
    if (m_process.state() == QProcess::Running)
        ::kill(pid_t(m_process.processId()), SIGCONT);
}

void MosquittoBroker::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    resume();
    m_process.terminate();
    if (!m_process.waitForFinished(3000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

// mosquitto_pub on the plain TCP listener with `input` on its standard input.
bool MosquittoBroker::publishFromInput(const QStringList &args, const QByteArray &input)
{
    QProcess p;
    p.start(QStringLiteral("mosquitto_pub"), QStringList{"-h", "127.0.0.1", "-p", QString::number(m_tcp)} + args);
    if (!p.waitForStarted(5000))
        return false;
    p.write(input);
    p.closeWriteChannel();
    // The receiving client may live in this thread: keep its events going.
    if (!waitFor([&p] { return p.state() == QProcess::NotRunning; }, 60000)) {
        p.kill();
        p.waitForFinished(1000);
        return false;
    }
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool MosquittoBroker::publish(const QString &topic, const QByteArray &message, const QStringList &extraArgs)
{
    // Through standard input: any size, any bytes.
    return publishFromInput(QStringList{"-t", topic, "-s"} + extraArgs, message);
}

bool MosquittoBroker::publishLines(const QString &topic, const QByteArray &lines)
{
    return publishFromInput({"-t", topic, "-l"}, lines);
}

MosquittoBroker::Subscriber::Subscriber(const MosquittoBroker &broker, const QString &topic)
{
    static int serial = 0;
    const QString id = QStringLiteral("kesp-sub-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
    // -v prefixes the topic; the broker's log tells when the SUBACK went.
    m_process.start(QStringLiteral("mosquitto_sub"),
                    {"-v", "-i", id, "-h", "127.0.0.1", "-p", QString::number(broker.tcpPort()), "-t", topic});
    m_ready = m_process.waitForStarted(5000)
              && waitFor([&] { return broker.log().contains(QStringLiteral("Sending SUBACK to ") + id); }, 5000);
}

MosquittoBroker::Subscriber::~Subscriber()
{
    m_process.terminate();
    if (!m_process.waitForFinished(2000)) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
}

QStringList MosquittoBroker::Subscriber::lines(int count, int timeoutMs)
{
    QStringList result;
    auto collect = [&] {
        m_out += m_process.readAllStandardOutput();
        result.clear();
        QList<QByteArray> all = m_out.split('\n');
        all.removeLast(); // not ended yet, or empty
        for (const QByteArray &line : std::as_const(all)) {
            result << QString::fromUtf8(line);
        }
        return result.size() >= count;
    };
    waitFor(collect, timeoutMs);
    return result;
}

} // namespace kesptest
