#ifndef LINE_SENDER_H
#define LINE_SENDER_H

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>

// Sends a source (a file) to a device line by line from the event loop:
// each line is written, the device is let drain, then a short gap follows
// before the next line, so the file never piles up in the program.  The
// window stays responsive throughout.
class LineSender : public QObject
{
    Q_OBJECT

public:
    // Takes ownership of source, which must be open for reading.
    LineSender(QIODevice *source, QIODevice *sink, int gapMs, QObject *parent = nullptr);
    ~LineSender() override;

    void start();
    // Stops without a finished() signal.
    void abort();
    bool isRunning() const { return m_running; }
    qint64 bytesSent() const { return m_sent; }

    // Longest piece written at once when a line has no end in sight.
    static constexpr qint64 kMaxLine = 64 * 1024;

signals:
    // ok false: the sink refused a write (error holds its reason).
    void finished(bool ok, const QString &error);

private:
    void writeNext();
    void drained();
    void finish(bool ok, const QString &error);

    std::unique_ptr<QIODevice> m_source;
    QPointer<QIODevice> m_sink;
    QTimer m_gap;
    bool m_running = false;
    bool m_waitingDrain = false;
    qint64 m_sent = 0;
    QByteArray m_line; // read, not yet written
};

#endif // LINE_SENDER_H
