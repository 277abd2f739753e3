#include "app/shell_hooks.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>

namespace ShellHooks {

std::function<bool(const QString &)> startProgram = [](const QString &program) {
    return QProcess::startDetached(program, QStringList());
};

std::function<bool(const QUrl &)> openUrl = [](const QUrl &url) {
    return QDesktopServices::openUrl(url);
};

} // namespace ShellHooks
