#include "terminals/file_dialogs.h"

#include <QFileDialog>

namespace FileDialogs {

static Hook &openHook()
{
    static Hook hook;
    return hook;
}

static Hook &saveHook()
{
    static Hook hook;
    return hook;
}

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (openHook())
        return openHook()(caption, dir, filter);
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (saveHook())
        return saveHook()(caption, dir, filter);
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

void setOpenHook(Hook hook)
{
    openHook() = std::move(hook);
}

void setSaveHook(Hook hook)
{
    saveHook() = std::move(hook);
}

} // namespace FileDialogs
