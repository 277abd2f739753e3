#include "positioning/nmea_framer.h"

#include "terminals/hex_digit.h"

#include <cstring>

bool NmeaFramer::checksumOk(QByteArrayView sentence)
{
    if (sentence.isEmpty() || sentence.front() != '$')
        return false;
    const qsizetype star = sentence.indexOf('*');
    if (star < 0 || star + 2 >= sentence.size())
        return false;
    const int hi = hexDigitValue(static_cast<unsigned char>(sentence[star + 1]));
    const int lo = hexDigitValue(static_cast<unsigned char>(sentence[star + 2]));
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
    // Start of the current sentence's bytes in this batch; what came in
    // earlier batches waits in m_buffer.
    const char *from = p;
    while (p < end) {
        if (!m_inside) {
            const char *dollar = static_cast<const char *>(memchr(p, '$', size_t(end - p)));
            if (!dollar) {
                m_dropped += end - p;
                break;
            }
            m_dropped += dollar - p;
            m_inside = true;
            from = dollar;
            p = dollar + 1;
            continue;
        }
        // Look for the line feed, or a '$' that starts the next sentence (a
        // receiver never sends one inside), no further than a sentence may
        // grow.
        const qsizetype have = m_buffer.size() + (p - from);
        const qsizetype room = kMaxSentence - have;
        const char *limit = end - p > room ? p + room : end;
        const char *lf = static_cast<const char *>(memchr(p, '\n', size_t(limit - p)));
        const char *q = lf ? lf : limit;
        if (const char *dollar = static_cast<const char *>(memchr(p, '$', size_t(q - p))))
            q = dollar;
        if (q == limit) {
            if (limit == end)
                break; // the line feed is still to come
            // Too long for a sentence: a lost line feed or noise.
            m_dropped += have + (limit - p);
            m_buffer.clear();
            m_inside = false;
            p = limit;
            continue;
        }
        if (*q == '$') {
            m_dropped += have + (q - p);
            m_buffer.clear();
            from = q;
            p = q + 1;
            continue;
        }
        QByteArray sentence;
        if (m_buffer.isEmpty()) {
            sentence = QByteArray(from, q + 1 - from);
        } else {
            sentence = m_buffer.append(from, q + 1 - from);
            m_buffer.clear();
        }
        m_inside = false;
        p = q + 1;
        ++m_sentences;
        if (checksumOk(sentence))
            out.append(std::move(sentence));
        else
            ++m_bad;
    }
    if (m_inside)
        m_buffer.append(from, end - from);
    return out;
}

void NmeaFramer::clear()
{
    m_buffer.clear();
    m_inside = false;
}
