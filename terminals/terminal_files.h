#ifndef TERMINAL_FILES_H
#define TERMINAL_FILES_H

#include <QByteArray>
#include <QString>

// File import and export shared by the terminals, and the save every window
// uses to overwrite a file the user chose.
namespace TerminalFiles {

enum class LoadResult { Ok, OpenFailed, TooLarge };

// Reads the whole file when it holds at most `limit` bytes.  Never reads
// more than limit + 1 bytes, so a FIFO or a device cannot flood memory.
// *size receives the file's size, or for a stream the bytes seen.
LoadResult readLimited(const QString &path, qint64 limit, QByteArray *data, qint64 *size);

enum class SaveResult { Ok, OpenFailed, WriteFailed };

// Replaces the file's contents with bytes.  A regular file is written to a
// temporary file beside it, which takes its place only once every byte is
// on disk: a write that fails (disk full, size limit) leaves the old file
// whole.  A device or a pipe is written in place.  On failure *error gets
// the reason.
SaveResult saveBytes(const QString &path, const QByteArray &bytes, QString *error);

// saveBytes of text as UTF-8; on success *canonicalPath names the file.
SaveResult saveText(const QString &path, const QString &text, QString *error, QString *canonicalPath);

} // namespace TerminalFiles

#endif // TERMINAL_FILES_H
