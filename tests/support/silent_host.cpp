#include "tests/support/silent_host.h"

#include <arpa/inet.h>
#include <poll.h>
#include <unistd.h>

namespace kesptest {

static quint16 localPort(int fd)
{
    sockaddr_in a{};
    socklen_t len = sizeof a;
    return ::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len) == 0 ? ntohs(a.sin_port) : 0;
}

SilentHost::SilentHost()
{
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(m_fd, 0) != 0)
        return;
    a.sin_port = htons(m_port = localPort(m_fd));
    // Connect until a connect hangs: from then on the queue is full.
    for (int i = 0; i < 16 && !m_ready; ++i) {
        const int c = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        m_fillers.append(c);
        (void)::connect(c, reinterpret_cast<sockaddr *>(&a), sizeof a);
        m_fillerPorts.append(localPort(c));
        pollfd p{c, POLLOUT, 0};
        m_ready = ::poll(&p, 1, 300) == 0;
    }
}

SilentHost::~SilentHost()
{
    qDeleteAll(m_peers);
    for (int c : std::as_const(m_fillers))
        ::close(c);
    // Once answering, the server owns the descriptor.
    if (!m_server.isListening() && m_fd >= 0)
        ::close(m_fd);
}

void SilentHost::answer()
{
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
        while (QTcpSocket *s = m_server.nextPendingConnection())
            if (!m_fillerPorts.contains(s->peerPort()))
                m_peers.append(s);
    });
    if (!m_server.setSocketDescriptor(m_fd))
        qWarning("SilentHost: the listener could not be taken over");
}

QByteArray SilentHost::received()
{
    for (QTcpSocket *s : std::as_const(m_peers))
        m_received += s->readAll();
    return m_received;
}

} // namespace kesptest
