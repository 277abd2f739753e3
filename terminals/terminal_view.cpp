#include "terminals/terminal_view.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLCDNumber>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCodec>
#include <QTextBlock>
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
    m_paintTimer.setSingleShot(true);
    m_paintTimer.setInterval(kPaintIntervalMs);
    QObject::connect(&m_paintTimer, &QTimer::timeout, m_text, [this] { resumePainting(); });
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
    paintLater();
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

// Blocks that inserting `text` adds: QTextCursor starts a new block at each
// of these characters.
static int newBlocksIn(const QString &text)
{
    int n = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1)
            ++n;
    }
    return n;
}

// The document's own limit lays out every block it drops (it walks them
// with a cursor), which costs more than showing them did; dropping them
// here by position, a batch at a time, keeps it from ever acting.
void TerminalView::makeRoom(QPlainTextEdit *view, int adding, int maxBlocks)
{
    QTextDocument *doc = view->document();
    const int excess = doc->blockCount() + adding - maxBlocks;
    if (excess <= 0)
        return;
    const int drop = qMin(excess + qMin(kTrimBatch, maxBlocks / 20), doc->blockCount() - 1);
    if (drop <= 0)
        return;
    QTextCursor cursor(doc);
    cursor.setPosition(0);
    cursor.setPosition(doc->findBlockByNumber(drop).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TerminalView::appendPlain(QPlainTextEdit *view, const QString &text)
{
    if (text.isEmpty())
        return;
    makeRoom(view, newBlocksIn(text));
    // Positioned, not moved, and inside an edit block: a moving cursor lays
    // out the block it passes to keep its x, for nothing here.
    QTextCursor cursor(view->document());
    cursor.setPosition(view->document()->characterCount() - 1);
    cursor.beginEditBlock();
    cursor.insertText(text, m_dataFormat);
    cursor.endEditBlock();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

void TerminalView::appendEntry(QPlainTextEdit *view, const QString &stamp, const QString &body)
{
    makeRoom(view, 1 + newBlocksIn(body));
    QTextCursor cursor(view->document());
    cursor.setPosition(view->document()->characterCount() - 1);
    cursor.beginEditBlock();
    if (!view->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(stamp, m_stampFormat);
    cursor.insertText(body, m_dataFormat);
    cursor.endEditBlock();
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
}

// Painting a view costs far more than adding a block to it, so while data
// keeps coming the views are repainted at a steady rate instead of once per
// block: the first block after a pause shows at once, later ones with the
// next repaint, at most kPaintIntervalMs later.
void TerminalView::paintLater()
{
    if (!m_paintTimer.isActive()) {
        m_paintTimer.start();
        return;
    }
    if (!m_paintHeld) {
        m_paintHeld = true;
        m_text->viewport()->setUpdatesEnabled(false);
        m_hex->viewport()->setUpdatesEnabled(false);
    }
}

void TerminalView::resumePainting()
{
    if (!m_paintHeld)
        return;
    m_paintHeld = false;
    m_text->viewport()->setUpdatesEnabled(true);
    m_hex->viewport()->setUpdatesEnabled(true);
    m_paintTimer.start();
}

void TerminalView::clear()
{
    resumePainting();
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

void TerminalView::showHex(bool shown, bool stamped)
{
    m_hex->setVisible(shown);
    if (stamped)
        scrollToBottom();
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
