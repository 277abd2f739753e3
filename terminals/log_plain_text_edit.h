#ifndef LOG_PLAIN_TEXT_EDIT_H
#define LOG_PLAIN_TEXT_EDIT_H

#include <QPlainTextEdit>

// A terminal's receive view, which breaks long lines for display (see
// TerminalView): what is copied, selected or dragged out of it holds the
// received text without those breaks.
class LogPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override;
};

#endif // LOG_PLAIN_TEXT_EDIT_H
