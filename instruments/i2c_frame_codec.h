#ifndef I2C_FRAME_CODEC_H
#define I2C_FRAME_CODEC_H

#include <QByteArray>
#include <QList>
#include <cstddef>

// Frames of the serial I2C bridge, both ways: "VX", type, length (16 bits,
// high byte first), payload, then the payload's byte sum.  The builders make
// the host's commands; push() finds the bridge's replies in the byte stream
// as the port hands it over, in whatever pieces.
class I2CFrameCodec
{
public:
    enum Command : unsigned char {
        StopStream = 0x00,
        Scan = 0x01,
        StartStream = 0x02,
        SelectAddress = 0x03,
        WriteRegisters = 0x04,
        ReadRegisters = 0x05,
    };
    enum Reply : unsigned char { ScanResult = 0x01, RegisterDump = 0x02, ReadResult = 0x05 };

    struct Frame
    {
        unsigned char type = 0;
        QByteArray payload;
    };

    // A header announcing more than this is taken for a "VX" inside data.
    static constexpr int kMaxPayload = 1024;
    static constexpr int kMaxBuffer = 64 * 1024;
    // The bridge builds a write in a 512-byte area: register plus 505 bytes.
    static constexpr int kMaxWriteData = 505;

    [[nodiscard]] static unsigned char checksum(const unsigned char *data, std::size_t length);
    [[nodiscard]] static QByteArray frame(unsigned char type, const QByteArray &payload);
    [[nodiscard]] static QByteArray stopStream() { return frame(StopStream, QByteArray(1, '\xff')); }
    [[nodiscard]] static QByteArray scan() { return frame(Scan, QByteArray(1, '\xff')); }
    [[nodiscard]] static QByteArray startStream() { return frame(StartStream, QByteArray(1, '\xff')); }
    [[nodiscard]] static QByteArray selectAddress(unsigned char address);
    [[nodiscard]] static QByteArray readRegisters(unsigned char reg, unsigned char count);
    // Empty when the data does not fit the bridge's frame area.
    [[nodiscard]] static QByteArray writeRegisters(unsigned char reg, const QByteArray &data);

    // A bridge sends a frame in one go: a frame still unfinished when the
    // line has been quiet this long was cut by a reset.
    static constexpr qint64 kCutGapMs = 500;

    // Appends a chunk that came at `nowMs` (a monotonic clock) and returns
    // every frame with a good checksum that is now complete, in stream
    // order.  A frame is waited for whole however late its pieces are
    // handed over: only lineQuiet() gives it up.
    [[nodiscard]] QList<Frame> push(const QByteArray &chunk, qint64 nowMs = 0);
    // When lineQuiet() may give up the unfinished frame buffered at the
    // head (kCutGapMs after the last chunk); -1 while none is buffered.
    [[nodiscard]] qint64 quietAtMs() const;
    // The caller has handed over every byte that came by `nowMs`.  From
    // quietAtMs() on, each unfinished frame at the head in turn was cut:
    // its header goes, and the whole frames behind it are returned.
    [[nodiscard]] QList<Frame> lineQuiet(qint64 nowMs);
    void clear();

    const QByteArray &buffer() const { return m_buffer; }
    // Frames dropped for a bad checksum, and bytes skipped as noise.
    qint64 badFrames() const { return m_badFrames; }
    qint64 skippedBytes() const { return m_skipped; }

private:
    void parse(QList<Frame> &out);

    QByteArray m_buffer;
    qint64 m_badFrames = 0;
    qint64 m_skipped = 0;
    qint64 m_lastChunkMs = 0;
};

#endif // I2C_FRAME_CODEC_H
