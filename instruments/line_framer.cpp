#include "instruments/line_framer.h"

#include <QtGlobal>

LineFramer::LineFramer(int maxTail)
    : m_maxTail(qMax(2, maxTail))
{
}

QList<QByteArray> LineFramer::push(const QByteArray &chunk)
{
    QList<QByteArray> lines;
    if (chunk.isEmpty())
        return lines;
    // The tail holds no CR LF, so only its last byte can pair with the
    // chunk: searching from there keeps byte-by-byte feeding linear.
    qsizetype from = qMax<qsizetype>(0, m_tail.size() - 1);
    m_tail.append(chunk);

    qsizetype start = 0;
    for (;;) {
        const qsizetype end = m_tail.indexOf("\r\n", from);
        if (end < 0)
            break;
        lines.append(m_tail.mid(start, end - start));
        start = end + 2;
        from = start;
    }
    if (start > 0)
        m_tail.remove(0, start);

    if (m_tail.size() > m_maxTail) {
        // Drop a quarter more than needed, so a stream without line ends
        // fed in small pieces does not move the whole tail on every byte.
        const qsizetype excess = m_tail.size() - (m_maxTail - m_maxTail / 4);
        m_tail.remove(0, excess);
        m_dropped += excess;
    }
    return lines;
}

void LineFramer::clear()
{
    m_tail.clear();
}
