#ifndef SENSOR_LOG_H
#define SENSOR_LOG_H

#include <QByteArray>
#include <memory>

class QPlainTextEdit;
class QTextDecoder;

// A small receive log of a sensor tab: every received byte decoded as one
// stream (a character split between two reads stays whole), appended at the
// end (a selection survives), the oldest lines dropped past a block limit.
class SensorLog
{
public:
    SensorLog(QPlainTextEdit *view, const char *codec, int maxBlocks);
    ~SensorLog();
    SensorLog(const SensorLog &) = delete;
    SensorLog &operator=(const SensorLog &) = delete;

    void append(const QByteArray &bytes);
    // Empties the view; a character begun before it still completes.
    void clear();

    QPlainTextEdit *view() const { return m_view; }

private:
    QPlainTextEdit *m_view;
    std::unique_ptr<QTextDecoder> m_decoder;
    int m_maxBlocks;
    int m_column = 0;
};

#endif // SENSOR_LOG_H
