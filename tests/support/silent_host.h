#ifndef SILENT_HOST_H
#define SILENT_HOST_H

#include <QTcpServer>
#include <QTcpSocket>

namespace kesptest {

// A host on 127.0.0.1 that does not answer: its accept queue is kept full
// by its own connects, so the kernel drops a client's SYN and the client
// retries after 1 s, 3 s, 7 s...  answer() starts accepting, so the next
// retry connects, as a host that wakes up late.
class SilentHost
{
public:
    SilentHost();
    ~SilentHost();
    bool isReady() const { return m_ready; }
    quint16 port() const { return m_port; }
    void answer();
    // Connections other than the host's own, and all they sent.
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
