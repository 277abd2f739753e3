#include "instruments/tof_frame.h"

#include <algorithm>

namespace TofFrame {

namespace {
constexpr int kColumns[] = {4, 8, 16, 32, 48, 54, 24};
constexpr int kRows[] = {4, 8, 16, 32, 32, 42, 20};
} // namespace

QList<int> splitValues(const QByteArray &line)
{
    QList<int> values;
    qsizetype start = 0;
    while (start <= line.size()) {
        qsizetype end = line.indexOf(',', start);
        if (end < 0)
            end = line.size();
        if (end > start) {
            bool ok = false;
            const int v = line.mid(start, end - start).toInt(&ok, 10);
            values.append(ok ? v : 0);
        }
        start = end + 1;
    }
    return values;
}

bool acceptedCount(int count)
{
    switch (count) {
    case 16: case 64: case 256: case 480: case 567: case 576: case 1024: case 1536: case 2268:
        return true;
    default:
        return false;
    }
}

Arrangement arrangementFor(const QString &text)
{
    if (text == QLatin1String("4x4"))
        return {0, 4, 4};
    if (text == QLatin1String("8x8"))
        return {1, 8, 8};
    if (text == QLatin1String("16x16"))
        return {2, 16, 16};
    if (text == QLatin1String("32x32"))
        return {3, 32, 32};
    if (text == QLatin1String("48x32"))
        return {4, 32, 48};
    if (text.startsWith(QLatin1String("54x42")))
        return {5, 42, 54};
    if (text.startsWith(QLatin1String("24x20")))
        return {6, 20, 24};
    return {1, 8, 8};
}

int columnsOf(int index)
{
    return index >= 0 && index < 7 ? kColumns[index] : 8;
}

int rowsOf(int index)
{
    return index >= 0 && index < 7 ? kRows[index] : 8;
}

void mirrorRows(QList<int> &values, int rows, int cols)
{
    if (rows < 1 || cols < 1)
        return;
    for (int r = 0; r < rows; ++r) {
        const qsizetype from = qsizetype(r) * cols;
        if (from + cols > values.size())
            return;
        std::reverse(values.begin() + from, values.begin() + from + cols);
    }
}

int tmf8828Destination(int k)
{
    const int a = k / 8;
    const int b = k % 8;
    return 8 * (7 - 2 * (b / 2) - (a >= 4 ? 1 : 0)) + 4 * (b % 2) + (a % 4);
}

void tmf8828Rearrange(const int *source, int *destination)
{
    for (int k = 0; k < 64; ++k)
        destination[tmf8828Destination(k)] = source[k];
}

int tmf8829Index(int i, int cols)
{
    if (cols < 17)
        return i;
    if (cols == 32)
        return i < 512 ? i + 32 * (i / 32) : (i % 32) + 64 * (i / 32) - 992;
    if (cols == 48)
        return i < 768 ? i + 48 * (i / 48) : (i - 768) % 48 + 96 * ((i - 768) / 48) + 48;
    return i;
}

int apply(QList<int> &values, FilterState &filter, int type, const QList<int> &parts, bool filterOn)
{
    const int n = int(parts.size());
    if (!acceptedCount(n))
        return 0;
    if (values.size() < kMaxValues)
        values.resize(kMaxValues, 0);
    switch (type) {
    case VL53LMZ:
        std::copy(parts.begin(), parts.end(), values.begin());
        if (n == 16)
            mirrorRows(values, 4, 4);
        else
            mirrorRows(values, 8, 8);
        return n;
    case TMF8828: {
        int source[64] = {};
        int destination[64];
        std::copy_n(parts.begin(), std::min(n, 64), source);
        tmf8828Rearrange(source, destination);
        std::copy_n(destination, 64, values.begin());
        return n;
    }
    case TMF8829: {
        const int side = n == 1024 ? 32 : n == 1536 ? 48 : n == 256 ? 16 : 8;
        std::fill_n(values.begin(), n, 0);
        for (int i = 0; i < n; ++i) {
            const int p = tmf8829Index(i, side);
            if (p >= 0 && p <= 1535)
                values[p] = parts[i];
        }
        return n;
    }
    case VL53L9: {
        const int used = n == 576 ? 480 : n;
        const int first = n == 576 ? 48 : 0;
        for (int i = 0; i < used; ++i) {
            int v = parts[first + i];
            if (v < 51 || v > 3999) {
                filter[i] = 0;
                values[i] = 0;
                continue;
            }
            if (filterOn && filter[i] != 0)
                v = (7 * filter[i] + 3 * v) / 10;
            filter[i] = v;
            values[i] = v;
        }
        if (used == 480)
            mirrorRows(values, 20, 24);
        else if (used == 2268)
            mirrorRows(values, 42, 54);
        return used;
    }
    default:
        // An unknown type touches nothing but still feeds the views.
        return n;
    }
}

} // namespace TofFrame
