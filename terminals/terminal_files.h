#ifndef TERMINAL_FILES_H
#define TERMINAL_FILES_H

#include <QByteArray>
#include <QString>

// File import and export shared by the terminals.
namespace TerminalFiles {

enum class LoadResult { Ok, OpenFailed, TooLarge };

// Reads the whole file when it holds at most `limit` bytes.  Never reads
// more than limit + 1 bytes, so a FIFO or a device cannot flood memory.
// *size receives the file's size, or for a stream the bytes seen.
LoadResult readLimited(const QString &path, qint64 limit, QByteArray *data, qint64 *size);

// Writes text (UTF-8) to path, truncating it.  On failure returns false with
// the file's error string; on success *canonicalPath names the file.
bool saveText(const QString &path, const QString &text, QString *error, QString *canonicalPath);

} // namespace TerminalFiles

#endif // TERMINAL_FILES_H
