#include "terminals/terminal_view.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLCDNumber>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocument>

TerminalView::TerminalView(QPlainTextEdit *text, QPlainTextEdit *hex, TerminalText::HexStyle style,
                           const char *plainCodec, const char *stampedCodec)
    : m_text(text)
    , m_hex(hex)
    , m_style(style)
    , m_plainCodec(plainCodec)
    , m_stampedCodec(stampedCodec)
{
    m_stampFormat.setForeground(QColor(0, 128, 0));
    m_dataFormat.setForeground(Qt::black);
    resetDecoders();
}

TerminalView::~TerminalView() = default;

TerminalView::Decoders::Decoders() = default;
TerminalView::Decoders::~Decoders() = default;
TerminalView::Decoders::Decoders(Decoders &&) noexcept = default;
TerminalView::Decoders &TerminalView::Decoders::operator=(Decoders &&) noexcept = default;

void TerminalView::setUp()
{
    for (QPlainTextEdit *view : {m_text, m_hex}) {
        view->setMaximumBlockCount(kMaxBlocks);
        // An undo history would keep every received byte forever.
        view->setUndoRedoEnabled(false);
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    m_hex->hide();
}

std::unique_ptr<TerminalView::Decoders> TerminalView::makeDecoders() const
{
    auto make = [](const QByteArray &name) {
        QTextCodec *codec = QTextCodec::codecForName(name);
        if (!codec)
            codec = QTextCodec::codecForName("UTF-8");
        return std::unique_ptr<QTextDecoder>(codec->makeDecoder());
    };
    auto decoders = std::make_unique<Decoders>();
    decoders->plain = make(m_plainCodec);
    decoders->stamped = make(m_stampedCodec);
    return decoders;
}

void TerminalView::resetDecoders()
{
    m_decoders = std::move(*makeDecoders());
}

void TerminalView::append(const QByteArray &bytes, bool stamped)
{
    append(bytes, stamped, &m_decoders);
}

void TerminalView::append(const QByteArray &bytes, bool stamped, Decoders *decoders)
{
    if (bytes.isEmpty())
        return;
    QTextDecoder *decoder = stamped ? decoders->stamped.get() : decoders->plain.get();
    QString text = decoder->toUnicode(bytes.constData(), int(bytes.size()));
    text.remove(QLatin1Char('\r'));

    if (stamped) {
        const QString stampText = TerminalText::stamp(QDateTime::currentDateTime());
        // Each entry starts its own block right after the stamp.
        m_textColumn = int(stampText.size());
        m_hexBytesOnLine = 0;
        appendEntry(m_text, stampText, TerminalText::wrapLines(text, m_textColumn));
        appendEntry(m_hex, stampText, TerminalText::hex(bytes, m_style, m_hexBytesOnLine));
    } else {
        appendPlain(m_text, TerminalText::wrapLines(text, m_textColumn));
        appendPlain(m_hex, TerminalText::hex(bytes, m_style, m_hexBytesOnLine));
    }
}

void TerminalView::appendPlain(QPlainTextEdit *view, const QString &text)
{
    if (text.isEmpty())
        return;
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text, m_dataFormat);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void TerminalView::appendEntry(QPlainTextEdit *view, const QString &stamp, const QString &body)
{
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!view->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(stamp, m_stampFormat);
    cursor.insertText(body, m_dataFormat);
    cursor.endEditBlock();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void TerminalView::clear()
{
    m_text->clear();
    m_hex->clear();
    m_textColumn = 0;
    m_hexBytesOnLine = 0;
    resetDecoders();
}

void TerminalView::scrollToBottom()
{
    for (QPlainTextEdit *view : {m_text, m_hex})
        view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void TerminalView::count(QLCDNumber *counter, qint64 n)
{
    bool saturated = false;
    const double value = TerminalText::addToCounter(counter->value(), n, &saturated);
    if (saturated)
        counter->display(QCoreApplication::translate("MainWindow", "99999"));
    else
        counter->display(value);
}
