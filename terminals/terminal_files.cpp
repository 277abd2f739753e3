#include "terminals/terminal_files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace TerminalFiles {

LoadResult readLimited(const QString &path, qint64 limit, QByteArray *data, qint64 *size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadResult::OpenFailed;
    const QByteArray bytes = file.read(limit + 1);
    const QFileInfo info(path);
    const bool regular = info.isFile() && !file.isSequential();
    if (size)
        *size = regular ? qMax(info.size(), qint64(bytes.size())) : qint64(bytes.size());
    if (bytes.size() > limit)
        return LoadResult::TooLarge;
    if (data)
        *data = bytes;
    return LoadResult::Ok;
}

namespace {

// Unbuffered writes: a buffered file reports a write cut short by a full
// disk or a size limit as a whole one.  A short count with no error set is
// a failure too.
bool writeAll(QFileDevice &file, const QByteArray &bytes, QString *error)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written == bytes.size())
        return true;
    if (error)
        *error = file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QStringLiteral("only %1 of %2 bytes written").arg(written).arg(bytes.size());
    return false;
}

} // namespace

SaveResult saveBytes(const QString &path, const QByteArray &bytes, QString *error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir()) {
        // A temporary file renamed over a device or a pipe would replace
        // the node itself; there are no old contents to keep anyway.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            if (error)
                *error = file.errorString();
            return SaveResult::OpenFailed;
        }
        return writeAll(file, bytes, error) ? SaveResult::Ok : SaveResult::WriteFailed;
    }
    // No direct-write fallback: where no temporary file can be made, the
    // save is refused rather than risk the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return SaveResult::OpenFailed;
    }
    if (!writeAll(file, bytes, error)) {
        file.cancelWriting();
        return SaveResult::WriteFailed;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return SaveResult::WriteFailed;
    }
    return SaveResult::Ok;
}

SaveResult saveText(const QString &path, const QString &text, QString *error, QString *canonicalPath)
{
    const SaveResult result = saveBytes(path, text.toUtf8(), error);
    if (result == SaveResult::Ok && canonicalPath)
        *canonicalPath = QFileInfo(path).canonicalFilePath();
    return result;
}

} // namespace TerminalFiles
