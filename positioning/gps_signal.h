#ifndef GPS_SIGNAL_H
#define GPS_SIGNAL_H

#include <QByteArrayView>
#include <QMetaType>
#include <QMutex>
#include <QStringList>
#include <QThread>
#include <QWaitCondition>
#include <atomic>
#include <cstdint>

// One satellite of a GSV sentence.  The numbers stay whole: PRNs above 255
// (BeiDou 201, Galileo 301 on some receivers) must not wrap.
struct nmea_slmsg
{
    int PRN = 0;           // 0 for an empty slot
    int elevation = 0;     // degrees above the horizon
    int azimuth = 0;       // degrees from north
    int SNR = 0;           // dB-Hz, 0 when not tracked
    uint8_t constellation = 0; // 0 none, 1 GPS, 2 BeiDou, 3 GLONASS, 4 Galileo, 5 QZSS
    // Elevation and azimuth were both given.  A receiver leaves them empty
    // until it knows where the satellite is, and empty reads as 0 above.
    bool hasPosition = false;
};

// The four records of one sentence, handed over by value, tagged with the
// worker that made them so a late delivery from an old worker is known.
struct GsvRecords
{
    nmea_slmsg sat[4];
    quint64 source = 0;
};
Q_DECLARE_METATYPE(GsvRecords)

// Worker that turns queued GSV sentences into records, one sentence per
// GUI round trip: it parses only while `waiting` is clear and the GUI
// clears it with Wait_Data(false) once it has drawn the last result.
class GPS_Signal : public QThread
{
    Q_OBJECT
public:
    static constexpr int kQueueLimit = 51;

    explicit GPS_Signal(QObject *parent = nullptr);

    // Field n as a number (0 when empty, missing or no number).
    [[nodiscard]] static double GPS_calculation_value_double(const char *sentence, int n);
    // The four satellite blocks of one sentence.  Only whole blocks of four
    // fields count: NMEA 4.10's trailing signal ID is no satellite.
    [[nodiscard]] static GsvRecords parse(QByteArrayView sentence);
    // Constellation by talker: 1 GPS, 2 BeiDou, 3 GLONASS, 4 Galileo,
    // 5 QZSS, 0 unknown (GN).
    [[nodiscard]] static uint8_t constellationOf(QByteArrayView sentence);

    quint64 id() const { return m_id; }
    int queued() const;
    // Largest queue length seen, and results emitted (for tests and benches).
    int peakQueued() const { return m_peak.load(); }
    qint64 emitted() const { return m_emitted.load(); }

public slots:
    void Get_Data(char *sentence);
    void Wait_Data(bool waiting);
    void stop();

signals:
    void ReturnResult(GsvRecords records);

protected:
    void run() override;

private:
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    QStringList m_queue;
    std::atomic_bool m_waiting{false};
    std::atomic_bool m_stopRequested{false};
    std::atomic_int m_peak{0};
    std::atomic<qint64> m_emitted{0};
    const quint64 m_id;
};

#endif // GPS_SIGNAL_H
