#include "terminals/terminal_files.h"

#include <QFile>
#include <QFileInfo>

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

bool saveText(const QString &path, const QString &text, QString *error, QString *canonicalPath)
{
    // Unbuffered: a buffered QFile reports a write cut short by a full disk
    // or a size limit as a whole one.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size()) {
        if (error)
            *error = file.error() != QFileDevice::NoError
                         ? file.errorString()
                         : QStringLiteral("only %1 of %2 bytes written").arg(written).arg(bytes.size());
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (canonicalPath)
        *canonicalPath = QFileInfo(path).canonicalFilePath();
    return true;
}

} // namespace TerminalFiles
