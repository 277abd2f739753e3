#ifndef HEX_BYTES_H
#define HEX_BYTES_H

#include <QByteArray>
#include <QList>
#include <QString>

// The byte rules behind the hex tables: 16 bytes a row, an address column,
// sixteen hex columns and sixteen character columns.  Everything here works
// on the raw bytes, so comparing and searching large files never formats a
// cell, yet gives exactly what comparing the shown texts would.
namespace HexBytes {

constexpr int BytesPerRow = 16;
constexpr int ColumnCount = 33;
constexpr int FirstCharColumn = 17;

// Largest file the tables take: offsets stay within int and memory within reach.
constexpr qint64 MaxFileSize = qint64(1) << 30;

[[nodiscard]] qint64 rowCount(qint64 size);

// Byte offset shown by a hex (1..16) or character (17..32) column; -1 otherwise.
[[nodiscard]] qint64 offsetOf(qint64 row, int column);

// Shown texts: "00000010" for row 1, "0A", and the character column's
// single character or "." (empty past the end of the data).
[[nodiscard]] QString addressText(qint64 row);
[[nodiscard]] QString hexText(char byte);
[[nodiscard]] bool isPrintable(char byte);

// Whether (row, column) shows the same value in both files.  A cell of a row
// the file lacks has no value at all, which differs from the empty text of a
// cell past the end of a partial row.  Non-printable bytes all show "." and
// count as equal in the character columns; the address column never differs.
[[nodiscard]] bool cellsEqual(const QByteArray &a, const QByteArray &b, qint64 row, int column);

// Rows where any hex column differs, ascending, up to the longer file's end.
[[nodiscard]] QList<int> differingRows(const QByteArray &a, const QByteArray &b);

// The search text as bytes: tokens split at blanks, each exactly two hex
// digits in either case.  False when any token cannot match a byte shown in
// a cell, or there is no token; then nothing can be found.
[[nodiscard]] bool parseQuery(const QString &query, QByteArray *sequence);

// Offsets where the sequence starts at or after firstRow, staying inside
// one row and inside the data.  Stops after maxHits offsets.
[[nodiscard]] QList<qint64> findInRows(const QByteArray &data, const QByteArray &sequence, qint64 firstRow = 0,
                                       qsizetype maxHits = -1);

} // namespace HexBytes

#endif // HEX_BYTES_H
