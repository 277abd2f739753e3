#include "positioning/nmea_framer.h"

#include <cstring>

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

bool NmeaFramer::checksumOk(QByteArrayView sentence)
{
    if (sentence.isEmpty() || sentence.front() != '$')
        return false;
    const qsizetype star = sentence.indexOf('*');
    if (star < 0 || star + 2 >= sentence.size())
        return false;
    const int hi = hexDigit(sentence[star + 1]);
    const int lo = hexDigit(sentence[star + 2]);
    if (hi < 0 || lo < 0)
        return false;
    unsigned char sum = 0;
    for (qsizetype i = 1; i < star; ++i)
        sum ^= static_cast<unsigned char>(sentence[i]);
    return sum == ((hi << 4) | lo);
}

QList<QByteArray> NmeaFramer::feed(QByteArrayView bytes)
{
    QList<QByteArray> out;
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while (p < end) {
        if (m_buffer.isEmpty()) {
            // Outside a sentence: skip to the next '$'.
            const char *dollar = static_cast<const char *>(memchr(p, '$', size_t(end - p)));
            if (!dollar) {
                m_dropped += end - p;
                break;
            }
            m_dropped += dollar - p;
            m_buffer.append('$');
            p = dollar + 1;
            continue;
        }
        // Inside: look for the line feed, or a '$' that starts the next
        // sentence (a receiver never sends one inside), no further than the
        // sentence may grow.
        const qsizetype room = kMaxSentence - m_buffer.size();
        const char *limit = end - p > room ? p + room : end;
        const char *q = p;
        while (q < limit && *q != '\n' && *q != '$')
            ++q;
        if (q == limit) {
            if (limit == end) {
                m_buffer.append(p, end - p);
                break;
            }
            // Too long for a sentence: a lost line feed or noise.
            m_dropped += m_buffer.size() + (limit - p);
            m_buffer.clear();
            p = limit;
            continue;
        }
        if (*q == '$') {
            m_dropped += m_buffer.size() + (q - p);
            m_buffer.clear();
            p = q;
            continue;
        }
        m_buffer.append(p, q + 1 - p);
        p = q + 1;
        ++m_sentences;
        if (checksumOk(m_buffer))
            out.append(m_buffer);
        else
            ++m_bad;
        m_buffer.clear();
    }
    return out;
}

void NmeaFramer::clear()
{
    m_buffer.clear();
}
