#ifndef WIDGET_HELPERS_H
#define WIDGET_HELPERS_H

// Driving the main window as a user would: widgets by object name, button
// presses, a device path chosen in a port list, the status line.

#include <QAbstractButton>
#include <QComboBox>
#include <QLCDNumber>
#include <QMainWindow>
#include <QStatusBar>
#include <QtTest>

namespace kesptest {

template <typename T>
T *child(QObject &w, const char *name)
{
    T *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no widget %s", name);
    return c;
}

// Buttons act on pressed(): press and release like a mouse click.
inline void press(QAbstractButton *b)
{
    QTest::mousePress(b, Qt::LeftButton);
    QTest::mouseRelease(b, Qt::LeftButton);
}

inline void press(QObject &w, const char *name)
{
    press(child<QAbstractButton>(w, name));
}

// Puts a device path into a port list and selects it (ptys are not listed
// by the system's port enumeration).
inline void choosePort(QObject &w, const char *combo, const QString &path)
{
    auto *box = child<QComboBox>(w, combo);
    box->addItem(path);
    box->setCurrentIndex(box->count() - 1);
}

inline QString status(QMainWindow &w)
{
    return w.statusBar()->currentMessage();
}

inline int lcd(QObject &w, const char *name)
{
    return child<QLCDNumber>(w, name)->intValue();
}

} // namespace kesptest

#endif // WIDGET_HELPERS_H
