#include "terminals/log_plain_text_edit.h"

#include "terminals/terminal_view.h"

QMimeData *LogPlainTextEdit::createMimeDataFromSelection() const
{
    return TerminalView::selectionData(textCursor());
}
