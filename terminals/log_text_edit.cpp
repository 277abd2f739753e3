#include "terminals/log_text_edit.h"

#include "terminals/terminal_view.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

QMimeData *LogTextEdit::createMimeDataFromSelection() const
{
    const QTextCursor selection = textCursor();
    QTextDocument copy;
    QTextCursor(&copy).insertFragment(selection.selection());
    // The copy starts at the selection's start; joining from the last break
    // back keeps the earlier ones where they were.
    const int start = selection.selectionStart();
    for (QTextBlock block = document()->findBlock(selection.selectionEnd()).previous();
         block.isValid() && block.position() + block.length() - 1 >= start; block = block.previous()) {
        if (block.userState() != TerminalView::kSoftBreak)
            continue;
        QTextCursor join(&copy);
        join.setPosition(block.position() + block.length() - 1 - start);
        join.deleteChar();
    }
    auto *data = new QMimeData;
    data->setHtml(QTextDocumentFragment(&copy).toHtml());
    data->setText(copy.toPlainText());
    return data;
}
