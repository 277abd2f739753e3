#ifndef FEED_FIXTURE_H
#define FEED_FIXTURE_H

// The rate feed's servers as a test needs them: python3's http.server
// serving a feed document from a folder (its request log counts the
// downloads), and a server that accepts and never answers.

#include "tests/support/kesp_test_support.h"
#include "tests/utilities/feed_data.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace feedtest {

inline bool waitListening(quint16 port)
{
    return kesptest::waitFor([port] {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        return s.waitForConnected(100);
    }, 8000);
}

inline void endProcess(QProcess &p)
{
    p.terminate();
    if (!p.waitForFinished(2000)) {
        p.kill();
        p.waitForFinished(2000);
    }
}

class FeedServer
{
public:
    FeedServer()
        : m_port(kesptest::freeTcpPort())
    {
        QDir(m_dir.path()).mkpath(QStringLiteral("stats/eurofxref"));
        m_proc.setProcessChannelMode(QProcess::MergedChannels);
        m_proc.start(QStringLiteral("python3"), {"-u", "-m", "http.server", "--bind", "127.0.0.1",
                                                 QString::number(m_port), "--directory", m_dir.path()});
        m_ready = m_proc.waitForStarted(5000) && waitListening(m_port);
    }
    ~FeedServer() { endProcess(m_proc); }

    bool isReady() const { return m_ready; }
    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/stats/eurofxref/eurofxref-daily.xml").arg(m_port);
    }
    void setBody(const QByteArray &body)
    {
        QFile f(m_dir.path() + "/stats/eurofxref/eurofxref-daily.xml");
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(body);
    }
    void removeBody() { QFile::remove(m_dir.path() + "/stats/eurofxref/eurofxref-daily.xml"); }
    // GETs of the feed logged so far.
    int requests()
    {
        // the log line may come a moment after the reply
        do
            m_log += m_proc.readAll();
        while (m_proc.waitForReadyRead(150));
        return int(m_log.count("\"GET /stats/eurofxref/eurofxref-daily.xml"));
    }

private:
    QTemporaryDir m_dir;
    quint16 m_port;
    QProcess m_proc;
    QByteArray m_log;
    bool m_ready = false;
};

// Accepts connections and never says a word.
class StalledServer
{
public:
    StalledServer()
        : m_port(kesptest::freeTcpPort())
    {
        m_proc.start(QStringLiteral("python3"),
                     {"-c", QStringLiteral("import socket,time; s=socket.socket(); s.bind(('127.0.0.1',%1)); "
                                           "s.listen(); time.sleep(60)").arg(m_port)});
        m_ready = m_proc.waitForStarted(5000) && waitListening(m_port);
    }
    ~StalledServer() { endProcess(m_proc); }
    bool isReady() const { return m_ready; }
    QString url() const
    {
        return QStringLiteral("http://127.0.0.1:%1/stats/eurofxref/eurofxref-daily.xml").arg(m_port);
    }

private:
    quint16 m_port;
    QProcess m_proc;
    bool m_ready = false;
};

} // namespace feedtest

#endif // FEED_FIXTURE_H
