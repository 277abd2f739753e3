#include "positioning/gps_signal.h"

#include "positioning/nmea_decoder.h"

#include <QMutexLocker>
#include <cmath>
#include <cstring>

namespace {

std::atomic<quint64> nextWorkerId{1};

// Whole part of a field, 0 when it does not fit comfortably in an int.
int wholeNumber(double v)
{
    return std::fabs(v) < 1e9 ? int(std::trunc(v)) : 0;
}

} // namespace

GPS_Signal::GPS_Signal(QObject *parent)
    : QThread(parent)
    , m_id(nextWorkerId++)
{
}

double GPS_Signal::GPS_calculation_value_double(const char *sentence, int n)
{
    if (!sentence)
        return 0;
    return Nmea::number(Nmea::field(QByteArrayView(sentence, qsizetype(std::strlen(sentence))), n));
}

uint8_t GPS_Signal::constellationOf(QByteArrayView s)
{
    if (s.contains("PGSV"))
        return 1;
    if (s.contains("DGSV") || s.contains("BGSV"))
        return 2;
    if (s.contains("LGSV"))
        return 3;
    if (s.contains("QGSV"))
        return 5;
    if (s.contains("AGSV"))
        return 4;
    return 0;
}

GsvRecords GPS_Signal::parse(QByteArrayView s)
{
    // Fields before the checksum: commas + 1.
    qsizetype end = s.indexOf('*');
    if (end < 0)
        end = s.size();
    int fields = 1;
    for (qsizetype i = 0; i < end; ++i)
        if (s[i] == ',')
            ++fields;

    const uint8_t c = constellationOf(s);
    GsvRecords r;
    for (int k = 0; k < 4; ++k) {
        const int first = 4 + 4 * k;
        if (first + 3 >= fields)
            break;
        nmea_slmsg &m = r.sat[k];
        m.PRN = wholeNumber(Nmea::number(Nmea::field(s, first)));
        const QByteArray elevation = Nmea::field(s, first + 1), azimuth = Nmea::field(s, first + 2);
        m.elevation = wholeNumber(Nmea::number(elevation));
        m.azimuth = wholeNumber(Nmea::number(azimuth));
        m.hasPosition = !elevation.isEmpty() && !azimuth.isEmpty();
        m.SNR = wholeNumber(Nmea::number(Nmea::field(s, first + 3)));
        m.constellation = m.PRN != 0 ? c : 0;
    }
    return r;
}

int GPS_Signal::queued() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_queue.size());
}

void GPS_Signal::Get_Data(char *sentence)
{
    const QString text = sentence ? QString::fromUtf8(sentence) : QString();
    QMutexLocker lock(&m_mutex);
    // A GUI that is behind loses the backlog rather than growing it.
    if (m_queue.size() >= kQueueLimit)
        m_queue.clear();
    m_queue.append(text);
    if (m_queue.size() > m_peak.load())
        m_peak.store(int(m_queue.size()));
    if (!m_waiting && m_queue.size() >= 2)
        m_wake.wakeOne();
}

void GPS_Signal::Wait_Data(bool waiting)
{
    QMutexLocker lock(&m_mutex);
    m_waiting = waiting;
    if (!waiting)
        m_wake.wakeOne();
}

void GPS_Signal::stop()
{
    QMutexLocker lock(&m_mutex);
    m_stopRequested = true;
    m_wake.wakeOne();
}

void GPS_Signal::run()
{
    QMutexLocker lock(&m_mutex);
    while (!m_stopRequested) {
        if (m_queue.size() >= 2 && !m_waiting) {
            const QByteArray bytes = m_queue.takeFirst().toLatin1();
            m_waiting = true;
            lock.unlock();
            GsvRecords r = parse(bytes);
            r.source = m_id;
            ++m_emitted;
            emit ReturnResult(r);
            lock.relock();
        } else if (m_queue.size() >= kQueueLimit) {
            m_queue.clear();
        } else {
            // Woken at once by the GUI's answer, a second sentence or a
            // stop: a 10 Hz five-system receiver sends 120 GSV a second,
            // more than looks every 10 ms would take.
            m_wake.wait(&m_mutex, 100);
        }
    }
}
