#include "terminals/terminal_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QTextStream out(&file);
    out << text;
    out.flush();
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
