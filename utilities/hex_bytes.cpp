#include "utilities/hex_bytes.h"

#include <cstring>

namespace HexBytes {

namespace {

// What a cell of one file holds: no value (row missing), the empty text
// (past the end of a partial row) or a byte.
enum class Kind { None, Empty, Byte };

Kind kindAt(const QByteArray &data, qint64 row, qint64 offset)
{
    if (row >= rowCount(data.size()))
        return Kind::None;
    return offset < data.size() ? Kind::Byte : Kind::Empty;
}

bool hexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

int hexValue(QChar c)
{
    return c.unicode() <= '9' ? c.unicode() - '0' : c.unicode() - 'A' + 10;
}

} // namespace

qint64 rowCount(qint64 size)
{
    return (size + BytesPerRow - 1) / BytesPerRow;
}

qint64 offsetOf(qint64 row, int column)
{
    if (row < 0 || column < 1 || column >= ColumnCount)
        return -1;
    const int inRow = column < FirstCharColumn ? column - 1 : column - FirstCharColumn;
    return row * BytesPerRow + inRow;
}

QString addressText(qint64 row)
{
    return QStringLiteral("%1").arg(row * BytesPerRow, 8, 16, QLatin1Char('0')).toUpper();
}

QString hexText(char byte)
{
    static const char digits[] = "0123456789ABCDEF";
    const auto b = static_cast<unsigned char>(byte);
    const QChar text[2] = {QLatin1Char(digits[b >> 4]), QLatin1Char(digits[b & 0x0F])};
    return QString(text, 2);
}

bool isPrintable(char byte)
{
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x20 && b <= 0x7E;
}

bool cellsEqual(const QByteArray &a, const QByteArray &b, qint64 row, int column)
{
    const qint64 offset = offsetOf(row, column);
    if (offset < 0)
        return true;
    const Kind ka = kindAt(a, row, offset);
    const Kind kb = kindAt(b, row, offset);
    if (ka != kb)
        return false;
    if (ka != Kind::Byte)
        return true;
    const char x = a.at(offset);
    const char y = b.at(offset);
    if (column < FirstCharColumn || isPrintable(x) || isPrintable(y))
        return x == y;
    return true;
}

QList<int> differingRows(const QByteArray &a, const QByteArray &b)
{
    QList<int> rows;
    const qint64 common = qMin(a.size(), b.size());
    const qint64 maxRows = qMax(rowCount(a.size()), rowCount(b.size()));
    const char *pa = a.constData();
    const char *pb = b.constData();
    const qint64 fullRows = common / BytesPerRow;
    for (qint64 row = 0; row < fullRows; ++row) {
        quint64 wa[2], wb[2];
        std::memcpy(wa, pa + row * BytesPerRow, BytesPerRow);
        std::memcpy(wb, pb + row * BytesPerRow, BytesPerRow);
        if (wa[0] != wb[0] || wa[1] != wb[1])
            rows.append(int(row));
    }
    if (fullRows >= maxRows)
        return rows;
    if (a.size() == b.size()) {
        // One partial last row in both: the cells past the end are empty in both.
        if (std::memcmp(pa + fullRows * BytesPerRow, pb + fullRows * BytesPerRow, common % BytesPerRow) != 0)
            rows.append(int(fullRows));
        return rows;
    }
    // From the shorter file's end on, one side shows a byte where the other
    // shows an empty cell or has no row at all.
    for (qint64 row = fullRows; row < maxRows; ++row)
        rows.append(int(row));
    return rows;
}

bool parseQuery(const QString &query, QByteArray *sequence)
{
    QByteArray bytes;
    const QStringList tokens = query.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &token : tokens) {
        const QString upper = token.toUpper();
        if (upper.size() != 2 || !hexDigit(upper.at(0)) || !hexDigit(upper.at(1)))
            return false;
        bytes.append(char(hexValue(upper.at(0)) << 4 | hexValue(upper.at(1))));
    }
    if (bytes.isEmpty() || bytes.size() > BytesPerRow)
        return false;
    if (sequence)
        *sequence = bytes;
    return true;
}

QList<qint64> findInRows(const QByteArray &data, const QByteArray &sequence, qint64 firstRow, qsizetype maxHits)
{
    QList<qint64> hits;
    const qint64 n = sequence.size();
    if (n == 0 || n > BytesPerRow || maxHits == 0)
        return hits;
    const char *begin = data.constData();
    const qint64 size = data.size();
    const char first = sequence.at(0);
    qint64 from = qMax<qint64>(0, firstRow) * BytesPerRow;
    // memchr on the first byte, then the rest: several times faster than a
    // general substring search on the short sequences typed here.
    while (from + n <= size) {
        const auto *hit = static_cast<const char *>(std::memchr(begin + from, first, size_t(size - from - n + 1)));
        if (!hit)
            break;
        const qint64 pos = hit - begin;
        if (std::memcmp(hit + 1, sequence.constData() + 1, size_t(n - 1)) != 0) {
            from = pos + 1;
            continue;
        }
        if (pos % BytesPerRow + n <= BytesPerRow) {
            hits.append(pos);
            if (maxHits >= 0 && hits.size() >= maxHits)
                break;
        }
        from = pos + 1;
    }
    return hits;
}

} // namespace HexBytes
