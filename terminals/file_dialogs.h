#ifndef FILE_DIALOGS_H
#define FILE_DIALOGS_H

#include <QString>
#include <functional>

class QWidget;

// The terminals ask for file names through here, so a test can answer in
// place of the modal file dialog.
namespace FileDialogs {

// Receives the caption, the proposed directory or name and the filter;
// returns the chosen name, or an empty one for Cancel.
using Hook = std::function<QString(const QString &caption, const QString &dir, const QString &filter)>;

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);

// An empty hook brings back the real dialogs.
void setOpenHook(Hook hook);
void setSaveHook(Hook hook);

} // namespace FileDialogs

#endif // FILE_DIALOGS_H
