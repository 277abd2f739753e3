#include "terminals/line_sender.h"
#include "terminals/send_queue.h"

LineSender::LineSender(QIODevice *source, QIODevice *sink, int gapMs, QObject *parent)
    : QObject(parent)
    , m_source(source)
    , m_sink(sink)
{
    m_gap.setSingleShot(true);
    m_gap.setInterval(gapMs);
    m_gap.setTimerType(Qt::PreciseTimer);
    connect(&m_gap, &QTimer::timeout, this, &LineSender::writeNext);
    if (sink)
        connect(sink, &QIODevice::bytesWritten, this, &LineSender::drained);
}

LineSender::~LineSender() = default;

void LineSender::start()
{
    m_running = true;
    m_sent = 0;
    writeNext();
}

void LineSender::abort()
{
    m_running = false;
    m_waitingDrain = false;
    m_gap.stop();
}

void LineSender::writeNext()
{
    if (!m_running)
        return;
    if (!m_sink || !m_sink->isOpen()) {
        finish(false, tr("The port was closed"));
        return;
    }
    if (m_line.isEmpty()) {
        if (m_source->atEnd()) {
            finish(true, QString());
            return;
        }
        m_line = m_source->readLine(kMaxLine);
        if (m_line.isEmpty() && m_source->atEnd()) {
            finish(true, QString());
            return;
        }
    }
    // The same bounded write as every other send: when other sends filled
    // the device's queue, this line waits for it to drain.
    const SendQueue::Outcome out = SendQueue::write(m_sink, m_line);
    if (out.result == SendQueue::Result::Full) {
        m_waitingDrain = true;
        return;
    }
    if (out.result != SendQueue::Result::Accepted) {
        finish(false, out.error);
        return;
    }
    m_sent += m_line.size();
    m_line.clear();
    if (m_sink->bytesToWrite() > 0) {
        m_waitingDrain = true;
        return;
    }
    m_gap.start();
}

void LineSender::drained()
{
    if (!m_running || !m_waitingDrain || !m_sink || m_sink->bytesToWrite() > 0)
        return;
    m_waitingDrain = false;
    m_gap.start();
}

void LineSender::finish(bool ok, const QString &error)
{
    m_running = false;
    m_waitingDrain = false;
    m_gap.stop();
    emit finished(ok, error);
}
