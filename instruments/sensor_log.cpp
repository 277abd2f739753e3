#include "instruments/sensor_log.h"

#include "terminals/terminal_text.h"
#include "terminals/terminal_view.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDecoder>
#include <QTextDocument>

SensorLog::SensorLog(QPlainTextEdit *view, const char *codec, int maxBlocks)
    : m_view(view)
    , m_maxBlocks(maxBlocks)
{
    QTextCodec *c = QTextCodec::codecForName(codec);
    if (!c)
        c = QTextCodec::codecForName("UTF-8");
    m_decoder.reset(c->makeDecoder());
    m_view->setReadOnly(true);
}

SensorLog::~SensorLog() = default;

void SensorLog::append(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    QString text = m_decoder->toUnicode(bytes.constData(), int(bytes.size()));
    text.remove(QLatin1Char('\r'));
    // Bounded lines: one endless line would make every append re-lay out
    // a huge block.
    text = TerminalText::wrapLines(text, m_column);
    if (text.isEmpty())
        return;
    int blocks = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1)
            ++blocks;
    }
    TerminalView::makeRoom(m_view, blocks, m_maxBlocks);
    QTextCursor cursor(m_view->document());
    cursor.setPosition(m_view->document()->characterCount() - 1);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
}

void SensorLog::clear()
{
    m_view->clear();
    m_column = 0;
}
