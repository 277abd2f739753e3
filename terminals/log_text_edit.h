#ifndef LOG_TEXT_EDIT_H
#define LOG_TEXT_EDIT_H

#include <QTextEdit>

// A rich-text log that breaks long lines for display (blocks marked
// TerminalView::kSoftBreak): what is copied, selected or dragged out of it
// holds the logged text without those breaks.
class LogTextEdit : public QTextEdit
{
    Q_OBJECT
public:
    using QTextEdit::QTextEdit;

protected:
    QMimeData *createMimeDataFromSelection() const override;
};

#endif // LOG_TEXT_EDIT_H
