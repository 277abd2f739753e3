#include "terminals/log_text_edit.h"

#include "terminals/terminal_view.h"

QMimeData *LogTextEdit::createMimeDataFromSelection() const
{
    return TerminalView::selectionData(textCursor());
}
