#ifndef LINE_FRAMER_H
#define LINE_FRAMER_H

#include <QByteArray>
#include <QList>

// Cuts a serial byte stream into lines ending CR LF.  Chunks arrive as the
// port hands them over, so a line (or its CR LF) may be split anywhere.
// Every byte is data, NUL included; a lone CR or LF stays inside its line.
// A line end that never comes must not grow the tail without bound: past
// maxTail the oldest bytes go and are counted.
class LineFramer
{
public:
    static constexpr int kMaxTail = 64 * 1024;

    explicit LineFramer(int maxTail = kMaxTail);

    // Appends a chunk and returns the lines it completed, without CR LF.
    [[nodiscard]] QList<QByteArray> push(const QByteArray &chunk);

    // The bytes after the last complete line.
    const QByteArray &tail() const { return m_tail; }
    // Bytes dropped from the front of an overlong tail since the start.
    qint64 dropped() const { return m_dropped; }
    void clear();

private:
    QByteArray m_tail;
    int m_maxTail;
    qint64 m_dropped = 0;
};

#endif // LINE_FRAMER_H
