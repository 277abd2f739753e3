#ifndef SILENT_HOST_H
#define SILENT_HOST_H

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtGlobal>

namespace kesptest {

// A TCP host on 127.0.0.1 that does not answer: a listener whose accept
// queue its own connections keep full, so the kernel drops a new SYN and a
// client's connect hangs, retrying after 1 s, 3 s, 7 s...  answer() starts
// taking connections, so the next retry gets through, as a host that wakes
// up late.
class SilentHost
{
public:
    SilentHost();
    ~SilentHost();
    SilentHost(const SilentHost &) = delete;
    SilentHost &operator=(const SilentHost &) = delete;

    bool isReady() const { return m_ready; }
    quint16 port() const { return m_port; }
    void answer();
    // Connections from others than the host's own fillers, and all they sent.
    int connections() const { return int(m_peers.size()); }
    QByteArray received();

private:
    int m_fd = -1;
    quint16 m_port = 0;
    bool m_ready = false;
    QList<int> m_fillers;
    QList<quint16> m_fillerPorts;
    QTcpServer m_server;
    QList<QTcpSocket *> m_peers;
    QByteArray m_received;
};

} // namespace kesptest

#endif // SILENT_HOST_H
