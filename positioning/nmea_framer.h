#ifndef NMEA_FRAMER_H
#define NMEA_FRAMER_H

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// Cuts NMEA 0183 sentences ('$' up to and including the line feed) out of a
// byte stream and keeps those whose checksum holds.  Bytes outside a
// sentence are dropped at once, a '$' starts a new sentence, and a sentence
// whose line feed never comes is dropped once it passes kMaxSentence, so
// noise or a lost line feed cannot grow the buffer.  One pass per batch: the cost is linear in the
// bytes fed, however they are split.
class NmeaFramer
{
public:
    // Far beyond the 82 characters NMEA allows, so long proprietary
    // sentences still pass.
    static constexpr int kMaxSentence = 1024;

    // Takes the next batch; returns its complete sentences that pass the
    // checksum, in order.
    [[nodiscard]] QList<QByteArray> feed(QByteArrayView bytes);

    // Forgets a partial sentence (a new port).
    void clear();

    // Bytes of the sentence still waiting for its line feed (those of
    // earlier batches).
    const QByteArray &pending() const { return m_buffer; }

    // Counters since construction.
    qint64 sentences() const { return m_sentences; }
    qint64 badSentences() const { return m_bad; }       // checksum wrong or missing
    qint64 droppedBytes() const { return m_dropped; }   // outside sentences or cut off

    // XOR of the bytes between '$' and the first '*' against the two hex
    // digits after it (either case).  Fewer than two digits fail.
    [[nodiscard]] static bool checksumOk(QByteArrayView sentence);

private:
    QByteArray m_buffer; // the current sentence's bytes from earlier batches
    bool m_inside = false;
    qint64 m_sentences = 0;
    qint64 m_bad = 0;
    qint64 m_dropped = 0;
};

#endif // NMEA_FRAMER_H
