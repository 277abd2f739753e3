#ifndef SERIAL_STREAM_DATA_H
#define SERIAL_STREAM_DATA_H

// The data and the writer that the serial benchmarks feed through a pty, so
// the terminal and the reference terminal get the same bytes at the same
// pace.

#include "tests/support/kesp_test_support.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <atomic>
#include <cerrno>
#include <unistd.h>

namespace benchdata {

// Printable text with a line feed every 64 bytes, or binary bytes of every
// value; the same sequence in every run.
inline QByteArray makeData(qint64 size, bool text)
{
    QByteArray data;
    data.reserve(size);
    quint32 x = 12345;
    while (data.size() < size) {
        x = x * 1103515245u + 12345u;
        if (text)
            data.append((data.size() % 64 == 63) ? '\n' : char(0x20 + (x >> 16) % 0x5f));
        else
            data.append(char(x >> 16));
    }
    return data;
}

// "1,10,100" from an argument such as --sizes=1,10,100.
inline QList<double> sizesFrom(const QString &arg)
{
    QList<double> sizes;
    for (const QString &s : arg.mid(arg.indexOf('=') + 1).split(','))
        sizes << s.toDouble();
    return sizes;
}

// The stream options both serial benchmarks take.
struct StreamOptions
{
    QList<double> sizes;
    QList<double> pacedSizes;
    bool paced = true;
    bool unpaced = true;

    // True when `arg` was one of them.
    bool take(const QString &arg)
    {
        if (arg.startsWith("--sizes="))
            sizes = sizesFrom(arg);
        else if (arg.startsWith("--paced-sizes="))
            pacedSizes = sizesFrom(arg);
        else if (arg == "--no-paced")
            paced = false;
        else if (arg == "--no-unpaced")
            unpaced = false;
        else
            return false;
        return true;
    }
};

// 1152000 baud, 10 bits a byte: 115200 bytes/s.
constexpr qint64 kPacedBytesPerSecond = 115200;

// Writes `data` to fd, paced at kPacedBytesPerSecond (1152 bytes every
// 10 ms) or as fast as the reader takes it.  Returns the CPU seconds the
// writing thread spent, which belong to the benchmark, not to the reader.
inline double writeStream(int fd, const QByteArray &data, bool paced, std::atomic<bool> &failed)
{
    const double cpu0 = kesptest::threadCpuSeconds();
    const qint64 perTick = paced ? kPacedBytesPerSecond / 100 : 65536;
    QElapsedTimer t;
    t.start();
    qint64 done = 0;
    while (done < data.size()) {
        if (paced) {
            const qint64 due = (t.elapsed() / 10 + 1) * perTick;
            if (done >= due) {
                usleep(useconds_t(1000 * (10 - t.elapsed() % 10)));
                continue;
            }
        }
        const qint64 n = qMin(perTick, qint64(data.size() - done));
        const ssize_t k = ::write(fd, data.constData() + done, size_t(n));
        if (k > 0) {
            done += k;
        } else if (k < 0 && errno != EAGAIN && errno != EINTR) {
            failed = true;
            break;
        } else {
            usleep(500);
        }
    }
    return kesptest::threadCpuSeconds() - cpu0;
}

} // namespace benchdata

#endif // SERIAL_STREAM_DATA_H
