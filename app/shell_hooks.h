#ifndef SHELL_HOOKS_H
#define SHELL_HOOKS_H

#include <QString>
#include <QUrl>
#include <functional>

// The two places where the shell hands work to the operating system.
// The program never changes them; tests replace them to watch the calls
// without starting a process or a browser.
namespace ShellHooks {

// Starts a new, detached instance of the given program without arguments.
extern std::function<bool(const QString &program)> startProgram;

// Opens an address in the system's web browser.
extern std::function<bool(const QUrl &url)> openUrl;

} // namespace ShellHooks

#endif // SHELL_HOOKS_H
