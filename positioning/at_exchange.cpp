#include "positioning/at_exchange.h"

#include <QMetaMethod>

AtExchange::AtExchange(QObject *parent)
    : QObject(parent)
{
}

AtExchange::Outcome AtExchange::exchange(const QByteArray &command, int polls, int waitMs, const Check &check,
                                         const Keep &keep)
{
    m_replies.append(QByteArray());
    const qsizetype depth = m_replies.size();
    Outcome outcome = Outcome::NoAnswer;
    qsizetype used = 0;

    if (!write(command, true)) {
        outcome = Outcome::Ended;
    } else {
        for (int poll = 0; polls < 0 || poll < polls; ++poll) {
            if (poll > 0) {
                if (m_ended)
                    break;
                if (waiter)
                    waiter(waitMs);
            }
            if (m_ended) {
                outcome = Outcome::Ended;
                break;
            }
            const qsizetype result = check(m_replies.at(depth - 1));
            if (result == kStop)
                break;
            if (result >= 0) {
                used = qMin(result, m_replies.at(depth - 1).size());
                outcome = Outcome::Answered;
                break;
            }
        }
        if (m_ended)
            outcome = Outcome::Ended;
    }

    const QByteArray reply = m_replies.takeLast();
    if (keep)
        passOn(keep(reply, used));
    else // a code that came just before the answer is no part of it
        passOn(unsolicitedLines(reply.left(used)) + reply.mid(used));
    return outcome;
}

bool AtExchange::write(const QByteArray &bytes, bool clearReply)
{
    if (m_ended)
        return false;
    if (clearReply && !m_replies.isEmpty())
        m_replies.last().clear();
    return writer && writer(bytes);
}

void AtExchange::end()
{
    m_ended = true;
}

void AtExchange::restart()
{
    m_ended = false;
    m_unread.clear();
}

void AtExchange::feed(const QByteArray &batch)
{
    if (batch.isEmpty())
        return;
    if (!m_replies.isEmpty()) {
        m_replies.last().append(batch);
        keepTail(m_replies.last());
    } else {
        passOn(batch);
    }
}

void AtExchange::passOn(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    if (!m_replies.isEmpty()) {
        m_replies.last().append(bytes);
        keepTail(m_replies.last());
        return;
    }
    m_unread.append(bytes);
    keepTail(m_unread);
    handOver();
}

QByteArray AtExchange::unsolicitedLines(const QByteArray &bytes) const
{
    QByteArray lines;
    if (!unsolicited)
        return lines;
    for (const QByteArray &line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (!text.isEmpty() && unsolicited(text))
            lines += "\r\n" + text + "\r\n";
    }
    return lines;
}

void AtExchange::handOver()
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&AtExchange::received);
    if (m_unread.isEmpty() || !m_replies.isEmpty() || !isSignalConnected(signal))
        return;
    const QByteArray bytes = m_unread;
    m_unread.clear();
    emit received(bytes);
}

void AtExchange::keepTail(QByteArray &bytes)
{
    if (bytes.size() > kKeep)
        bytes = bytes.right(kKeep);
}
