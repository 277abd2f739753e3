#ifndef AT_EXCHANGE_H
#define AT_EXCHANGE_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <functional>

// The modem console's command exchange: write a command, then look at every
// byte received since that write, poll by poll, until a check accepts the
// reply or the polls run out.
//
// The serial holder consumes the port on each batch, so the exchange takes
// the batches instead of reading the port: feed() routes every batch to the
// innermost exchange running (one started from a slot during another's wait
// gets the bytes first), and, while none runs, to the readers connected to
// received().  Bytes an exchange did not use (those after the line that
// answered it) go on to the exchange around it or to the reader attached
// next, so a "RING" in the batch of an "OK" is kept; so do the lines before
// the answer that `unsolicited` calls the modem's own.
class AtExchange : public QObject
{
    Q_OBJECT

public:
    explicit AtExchange(QObject *parent = nullptr);

    // Writes to the port; false when nothing could be written.
    std::function<bool(const QByteArray &)> writer;
    // Waits while the event loop runs (other slots, new batches).
    std::function<void(int ms)> waiter;
    // Tells a line (without its CR LF) the modem sent on its own.
    std::function<bool(const QByteArray &line)> unsolicited;

    // What a check returns besides the count of reply bytes it used.
    static constexpr qsizetype kGoOn = -1; // no answer yet: poll again
    static constexpr qsizetype kStop = -2; // give up now, no answer
    using Check = std::function<qsizetype(const QByteArray &reply)>;
    // What of the whole reply goes on past the exchange, given how many
    // bytes the check used; by default the modem's own lines before the
    // answer and everything after it.
    using Keep = std::function<QByteArray(const QByteArray &reply, qsizetype used)>;

    enum class Outcome { Answered, NoAnswer, Ended };

    // Writes `command` and polls: the first poll right away, then after each
    // `waitMs` wait, `polls` polls in all (a negative count: until the check
    // stops or the exchange ends).
    Outcome exchange(const QByteArray &command, int polls, int waitMs, const Check &check, const Keep &keep = {});

    // Writes more bytes of the running exchange (a redial, the end of a
    // message); with clearReply the reply starts afresh.
    bool write(const QByteArray &bytes, bool clearReply);

    // The port is going (device lost, window closing): every running
    // exchange returns at its next wait and nothing more is written.
    void end();
    bool ended() const { return m_ended; }
    // A fresh port: exchanges may write again; bytes of the old one go.
    void restart();
    bool running() const { return !m_replies.isEmpty(); }

    // Hands the bytes no reader took to a reader just connected.
    void handOver();

    // Replies and unread bytes are kept to this many of the latest bytes.
    static constexpr qsizetype kKeep = 64 * 1024;

public slots:
    void feed(const QByteArray &batch);

signals:
    void received(const QByteArray &bytes);

private:
    void passOn(const QByteArray &bytes);
    QByteArray unsolicitedLines(const QByteArray &bytes) const;
    static void keepTail(QByteArray &bytes);

    QList<QByteArray> m_replies; // one per running exchange, innermost last
    QByteArray m_unread;
    bool m_ended = false;
};

#endif // AT_EXCHANGE_H
