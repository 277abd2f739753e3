#ifndef MOSQUITTO_BROKER_H
#define MOSQUITTO_BROKER_H

// A real mosquitto broker for one test: listeners on free loopback ports for
// plain TCP, TLS, WebSockets and WebSockets over TLS, a certificate made by
// openssl on the spot, optional users with passwords, and mosquitto_pub /
// mosquitto_sub as a second client.

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace kesptest {

class MosquittoBroker
{
public:
    struct Options
    {
        // user name -> password; with any user the broker checks passwords
        // (anonymous clients stay allowed).
        QMap<QString, QString> users;
        // Extra lines for the broker's configuration.
        QStringList extraConfig;
    };

    explicit MosquittoBroker(const Options &options = {});
    ~MosquittoBroker();
    MosquittoBroker(const MosquittoBroker &) = delete;
    MosquittoBroker &operator=(const MosquittoBroker &) = delete;

    // Ready once every listener accepts connections.
    bool isReady() const { return m_ready; }
    QString failure() const { return m_failure; }

    quint16 tcpPort() const { return m_tcp; }
    quint16 tlsPort() const { return m_tls; }
    quint16 wsPort() const { return m_ws; }
    quint16 wssPort() const { return m_wss; }
    QString certificatePath() const { return m_dir.path() + QStringLiteral("/cert.pem"); }
    QString log() const;

    // SIGSTOP / SIGCONT: the broker keeps its sockets but answers nothing.
    void pause();
    void resume();
    // Ends the broker; its clients see the links close.
    void stop();

    // One message of any size and bytes through mosquitto_pub on the plain
    // TCP listener.
    bool publish(const QString &topic, const QByteArray &message, const QStringList &extraArgs = {});

    // Every line of `lines` as one message (mosquitto_pub -l).
    bool publishLines(const QString &topic, const QByteArray &lines);

    // A mosquitto_sub on the plain TCP listener, printing "topic payload"
    // lines; ready once the broker has its subscription.
    class Subscriber
    {
    public:
        Subscriber(const MosquittoBroker &broker, const QString &topic);
        ~Subscriber();
        bool isReady() const { return m_ready; }
        // Lines received so far, waiting up to timeoutMs for at least `count`.
        QStringList lines(int count, int timeoutMs = 5000);

    private:
        QProcess m_process;
        QByteArray m_out;
        bool m_ready = false;
    };

private:
    bool writeConfig(const Options &options);
    bool publishFromInput(const QStringList &args, const QByteArray &input);
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_tcp = 0;
    quint16 m_tls = 0;
    quint16 m_ws = 0;
    quint16 m_wss = 0;
    bool m_ready = false;
    QString m_failure;
};

} // namespace kesptest

#endif // MOSQUITTO_BROKER_H
