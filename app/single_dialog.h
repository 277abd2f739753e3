#ifndef SINGLE_DIALOG_H
#define SINGLE_DIALOG_H

#include <QDialog>
#include <QObject>

// The window's dialogs that may be open only once are all made this one way:
// while the open flag is set the opener gets null and makes nothing;
// otherwise the dialog is a child of the window, deleted when it closes, its
// form is built on it, and its destroyed() reaches `closed`, which clears
// the flag and frees the form (singleDialogClosed).  The opener then wires
// the form and shows the dialog.
template <class Form, class Window, class Closed>
QDialog *openSingleDialog(Window *window, bool &opened, Form *&form, Closed closed)
{
    if (opened)
        return nullptr;
    auto *dialog = new QDialog(window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    form = new Form;
    form->setupUi(dialog);
    QObject::connect(dialog, &QObject::destroyed, window, closed);
    opened = true;
    return dialog;
}

template <class Form>
void singleDialogClosed(bool &opened, Form *&form)
{
    opened = false;
    delete form;
    form = nullptr;
}

#endif // SINGLE_DIALOG_H
