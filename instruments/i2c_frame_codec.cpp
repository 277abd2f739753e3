#include "instruments/i2c_frame_codec.h"

static const char kHeader[] = "VX";

unsigned char I2CFrameCodec::checksum(const unsigned char *data, std::size_t length)
{
    unsigned sum = 0;
    for (std::size_t i = 0; i < length; ++i)
        sum += data[i];
    return static_cast<unsigned char>(sum & 0xff);
}

QByteArray I2CFrameCodec::frame(unsigned char type, const QByteArray &payload)
{
    const auto length = static_cast<quint16>(payload.size());
    QByteArray out;
    out.reserve(payload.size() + 6);
    out.append(kHeader, 2);
    out.append(char(type));
    out.append(char(length >> 8));
    out.append(char(length & 0xff));
    out.append(payload);
    out.append(char(checksum(reinterpret_cast<const unsigned char *>(payload.constData()), std::size_t(payload.size()))));
    return out;
}

QByteArray I2CFrameCodec::selectAddress(unsigned char address)
{
    return frame(SelectAddress, QByteArray(1, char(address)));
}

QByteArray I2CFrameCodec::readRegisters(unsigned char reg, unsigned char count)
{
    QByteArray payload;
    payload.append(char(reg));
    payload.append(char(count));
    return frame(ReadRegisters, payload);
}

QByteArray I2CFrameCodec::writeRegisters(unsigned char reg, const QByteArray &data)
{
    if (data.size() > kMaxWriteData)
        return {};
    return frame(WriteRegisters, char(reg) + data);
}

QList<I2CFrameCodec::Frame> I2CFrameCodec::push(const QByteArray &chunk, qint64 nowMs)
{
    QList<Frame> out;
    m_lastChunkMs = nowMs;
    m_buffer.append(chunk);
    parse(out);
    return out;
}

qint64 I2CFrameCodec::quietAtMs() const
{
    return m_buffer.isEmpty() ? -1 : m_lastChunkMs + kCutGapMs;
}

QList<I2CFrameCodec::Frame> I2CFrameCodec::lineQuiet(qint64 nowMs)
{
    QList<Frame> out;
    if (m_buffer.isEmpty() || nowMs < quietAtMs())
        return out;
    // What is left starts with an unfinished frame's header (or a lone "V"):
    // it goes like a bad frame's, and the search goes on behind it.
    while (!m_buffer.isEmpty()) {
        const qsizetype drop = m_buffer.startsWith(kHeader) ? 2 : m_buffer.size();
        m_badFrames += drop == 2;
        m_skipped += drop;
        m_buffer.remove(0, drop);
        parse(out);
    }
    return out;
}

void I2CFrameCodec::parse(QList<Frame> &out)
{
    const auto *b = reinterpret_cast<const unsigned char *>(m_buffer.constData());
    const qsizetype size = m_buffer.size();
    // Consumed bytes are counted here and removed once at the end, so a
    // flood of false headers costs no copy per byte.  The search always goes
    // on from the first unconsumed byte: a second frame in the same chunk
    // must not wait for the next one, which on a quiet line never comes.
    qsizetype pos = 0;
    for (;;) {
        const qsizetype p = m_buffer.indexOf(kHeader, pos);
        if (p < 0) {
            // Noise only; a trailing "V" may still begin a header.
            const qsizetype keep = size > pos && b[size - 1] == 'V' ? 1 : 0;
            m_skipped += size - keep - pos;
            pos = size - keep;
            break;
        }
        m_skipped += p - pos;
        pos = p;
        if (size - p < 5)
            break;
        const int length = (b[p + 3] << 8) | b[p + 4];
        if (length > kMaxPayload) {
            // No frame of ours is that long: a "VX" inside data.
            ++m_skipped;
            ++pos;
            continue;
        }
        // A plausible frame at the head is waited for whole; a "VX" in its
        // still-missing payload is data, not a header.
        if (size - p < length + 6)
            break;
        if (checksum(b + p + 5, std::size_t(length)) == b[p + 5 + length]) {
            out.append({b[p + 2], m_buffer.mid(p + 5, length)});
            pos = p + length + 6;
            continue;
        }
        // A frame cut short by a bridge reset took the next frames in as
        // its payload: only its header is dropped, and the search goes on
        // inside, where whole frames still pass their own checksums.
        ++m_badFrames;
        m_skipped += 2;
        pos = p + 2;
    }
    m_buffer.remove(0, pos);
    if (m_buffer.size() > kMaxBuffer) {
        // Unreachable with the bounds above; kept as the last guard.
        const qsizetype next = m_buffer.indexOf(kHeader, m_buffer.size() - kMaxBuffer);
        const qsizetype drop = next < 0 ? m_buffer.size() : next;
        m_skipped += drop;
        m_buffer.remove(0, drop);
    }
}

void I2CFrameCodec::clear()
{
    m_buffer.clear();
}
