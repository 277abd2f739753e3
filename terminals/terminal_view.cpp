#include "terminals/terminal_view.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QLCDNumber>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCodec>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Text waiting for a view beyond this is older than anything the view can
// still hold once it is shown (10000 blocks of at most 1024 characters).
constexpr qint64 kMaxQueuedChars = 16 * 1024 * 1024;
// The hex view holds 10000 lines of at most 32 bytes.
constexpr qint64 kMaxQueuedHexBytes = 1024 * 1024;
// Consecutive plain reads share one entry, so at least every other entry
// is a stamped one of its own block.
constexpr size_t kMaxQueuedEntries = 2 * (TerminalView::kMaxBlocks + 1);

// Whether text shows the same laid out glyph by glyph as shaped: Latin,
// Greek, Cyrillic and the CJK blocks do (kerning aside).  Control
// characters, combining marks and the scripts that join or reorder their
// letters (Arabic, Indic, Thai, ...) need the shaper.
bool showsUnshaped(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F)
            continue;
        if (u == '\n' || u == '\t' || (u >= 0xA0 && u < 0x0300) || (u >= 0x0370 && u < 0x0530)
            || (u >= 0x2E80 && u < 0xA000) || (u >= 0xAC00 && u < 0xD7A4) || (u >= 0xF900 && u < 0xFB00)
            || (u >= 0xFF00 && u < 0xFFF0) || u == 0xFFFD)
            continue;
        return false;
    }
    return true;
}

// Calls back when the watched widget is shown (its own box or its tab).
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(std::function<void()> shown)
        : m_shown(std::move(shown))
    {
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_shown();
        return false;
    }

private:
    std::function<void()> m_shown;
};

// Holds a view's layout signals while a batch is dropped and added, then
// passes on the end size once: a full view that drops as many blocks as it
// adds keeps its scroll range, and its scroll bar is not repainted for the
// range it had in between.  The view's text is repainted by the caller.
class HeldLayout
{
public:
    explicit HeldLayout(QPlainTextEdit *view)
        : m_layout(view->document()->documentLayout())
        , m_wasBlocked(m_layout->blockSignals(true))
    {
    }
    ~HeldLayout()
    {
        m_layout->blockSignals(m_wasBlocked);
        if (!m_wasBlocked)
            emit m_layout->documentSizeChanged(m_layout->documentSize());
    }
    HeldLayout(const HeldLayout &) = delete;
    HeldLayout &operator=(const HeldLayout &) = delete;

private:
    QAbstractTextDocumentLayout *m_layout;
    bool m_wasBlocked;
};

} // namespace

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
    // Shaping received text (kerning, ligatures) costs more than the rest of
    // showing it, and is done again at every paint: text that shows the
    // same without it is laid out glyph by glyph.
    m_stampFormat.setFontStyleStrategy(QFont::PreferNoShaping);
    m_unshapedFormat = m_dataFormat;
    m_unshapedFormat.setFontStyleStrategy(QFont::PreferNoShaping);
    m_tick.setSingleShot(true);
    QObject::connect(&m_tick, &QTimer::timeout, m_text, [this] { onTick(); });
    if (m_hex) {
        m_hexWatcher = std::make_unique<ShowWatcher>([this] { hexShown(); });
        m_hex->installEventFilter(m_hexWatcher.get());
    }
    resetDecoders();
}

TerminalView::~TerminalView() = default;

TerminalView::Decoders::Decoders() = default;
TerminalView::Decoders::~Decoders() = default;
TerminalView::Decoders::Decoders(Decoders &&) noexcept = default;
TerminalView::Decoders &TerminalView::Decoders::operator=(Decoders &&) noexcept = default;

QString TerminalView::Decoders::decode(const QByteArray &bytes, bool stampedMode)
{
    // Each decoder would keep its half character: one spliced into a later
    // read of its mode, the other's remainder shown as replacement marks.
    QString text;
    int at = 0;
    if (stampedLast != stampedMode) {
        while (holdsPart(stampedLast) && at < bytes.size())
            text += take(stampedLast, bytes.constData() + at++, 1);
        if (!holdsPart(stampedLast))
            stampedLast = stampedMode;
    }
    return text + take(stampedLast, bytes.constData() + at, int(bytes.size()) - at);
}

bool TerminalView::Decoders::holdsPart(bool stampedMode) const
{
    return gbk[stampedMode] ? gbkLead[stampedMode] : (stampedMode ? stamped : plain)->needsMoreData();
}

QString TerminalView::Decoders::take(bool stampedMode, const char *bytes, int size)
{
    if (gbk[stampedMode])
        gbkLead[stampedMode] = TerminalText::gbkLeadAfter(gbkLead[stampedMode], QByteArrayView(bytes, size));
    return (stampedMode ? stamped : plain)->toUnicode(bytes, size);
}

void TerminalView::setUp()
{
    for (QPlainTextEdit *view : {m_text, m_hex}) {
        if (!view)
            continue;
        view->setMaximumBlockCount(kMaxBlocks);
        // An undo history would keep every received byte forever.
        view->setUndoRedoEnabled(false);
        view->setReadOnly(true);
        view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // Its range moves with every shown batch: painting its own
        // background, it repaints alone, not with the tab and window
        // beneath it.
        view->verticalScrollBar()->setAutoFillBackground(true);
    }
    if (m_hex)
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
    decoders->gbk[0] = m_plainCodec == "GBK";
    decoders->gbk[1] = m_stampedCodec == "GBK";
    return decoders;
}

void TerminalView::resetDecoders()
{
    m_decoders = std::move(*makeDecoders());
}

void TerminalView::setShownHandler(std::function<void(qint64, qint64)> handler)
{
    m_shownHandler = std::move(handler);
}

void TerminalView::append(const QByteArray &bytes, bool stamped)
{
    append(bytes, stamped, &m_decoders);
}

// Decoding and line breaking happen here, in arrival order, so the queue
// holds finished text and never a pointer to a stream's decoder.
void TerminalView::append(const QByteArray &bytes, bool stamped, Decoders *decoders)
{
    // A long read (only a window far behind its port gets one) goes in as
    // several, so that no batch reports more than a counter takes in one
    // step (it stops at 99999); stamped, each part has the read's stamp.
    if (bytes.size() > kBatchBytes) {
        for (qsizetype at = 0; at < bytes.size(); at += kBatchBytes)
            append(bytes.mid(at, kBatchBytes), stamped, decoders);
        return;
    }
    // An empty read still reports (a datagram without data), but shows nothing.
    ++m_reads;
    if (bytes.isEmpty()) {
        if (!m_tick.isActive())
            reportShown();
        return;
    }
    QString text = decoders->decode(bytes, stamped);
    const qint64 carriageReturns = bytes.count('\r');
    if (carriageReturns)
        text.remove(QLatin1Char('\r'));

    const bool startNew = stamped || m_textQueue.empty() || m_textQueue.back().stamped
                          || m_textQueue.back().bytes + bytes.size() > kBatchBytes;
    if (startNew) {
        m_textQueue.emplace_back();
        TextChunk &chunk = m_textQueue.back();
        chunk.stamped = stamped;
        if (stamped) {
            chunk.time = QTime::currentTime();
            // Each entry starts its own block right after the stamp.
            m_textColumn = 14;
        }
    }
    TextChunk &chunk = m_textQueue.back();
    const qsizetype queuedBefore = chunk.body.size();
    // A text document starts a block at U+2029, U+FDD0 and U+FDD1 as at a
    // line feed: they show as line breaks, so they go in as line feeds, and
    // the row remembers which character ended it.  Counted this way, rows
    // and the marks of the breaks of our own stay in step.
    QStringView rest(text);
    for (;;) {
        const auto mark = std::find_if(rest.cbegin(), rest.cend(), TerminalText::startsBlock);
        QList<int> softLines;
        int breaks = 0;
        chunk.body += TerminalText::wrapLines(rest.first(mark - rest.cbegin()), m_textColumn,
                                              TerminalText::kMaxLineChars, &softLines, &breaks);
        for (int line : std::as_const(softLines))
            chunk.lineEnds.append({chunk.breaks + line, kSoftBreak});
        chunk.breaks += breaks;
        if (mark == rest.cend())
            break;
        chunk.lineEnds.append({chunk.breaks++, mark->unicode()});
        chunk.body += QLatin1Char('\n');
        m_textColumn = 0;
        rest = rest.sliced(mark - rest.cbegin() + 1);
    }
    chunk.bytes += bytes.size();
    chunk.carriageReturns += carriageReturns;
    m_textQueued += chunk.body.size() - queuedBefore;

    if (!m_hex) {
        // Text only: nothing to queue for a hex view.
    } else if (stamped || m_hexQueue.empty() || m_hexQueue.back().stamped
               || m_hexQueue.back().bytes.size() + bytes.size() > kBatchBytes) {
        m_hexQueue.push_back(HexChunk{stamped, chunk.time, bytes});
        m_hexQueued += bytes.size();
    } else {
        m_hexQueue.back().bytes += bytes;
        m_hexQueued += bytes.size();
    }

    // Far behind (a flood the window cannot show as fast): what is older
    // than a full view would be dropped on arrival anyway.
    while ((m_textQueued > kMaxQueuedChars || m_textQueue.size() > kMaxQueuedEntries) && m_textQueue.size() > 1) {
        TextChunk &old = m_textQueue.front();
        m_shownBytes += old.bytes;
        m_shownCarriageReturns += old.carriageReturns;
        m_textQueued -= old.body.size();
        m_textQueue.pop_front();
    }
    while ((m_hexQueued > kMaxQueuedHexBytes || m_hexQueue.size() > kMaxQueuedEntries) && m_hexQueue.size() > 1)
        dropOldestHex();

    // After a pause the first block shows at once; while data keeps coming
    // it waits for the tick.
    if (!m_tick.isActive()) {
        m_busy.start();
        flushText(false);
        flushHex(false);
        repaintChanged(false);
        reportShown();
        m_tick.start(kPaintIntervalMs);
    }
}

void TerminalView::onTick()
{
    if (m_hexWaits && m_hex->isVisible())
        hexShown();
    if (m_textQueue.empty() && (m_hexQueue.empty() || m_hexWaits)) {
        repaintChanged(false);
        reportShown();
        m_busy.invalidate();
        return; // idle: the next block shows at once
    }
    if (m_hex && !m_hexWaits && !m_hex->isVisible() && m_busy.isValid() && m_busy.elapsed() >= kHiddenHexAfterMs)
        m_hexWaits = true;
    m_lastBatchBlocks = 0;
    flushText(false);
    flushHex(false);
    const bool more = !m_textQueue.empty() || (!m_hexQueue.empty() && !m_hexWaits);
    repaintChanged(more);
    reportShown();
    // A tick that brought a whole page of new lines showed nothing of the
    // page before: painting such a flood more often shows no more of it.
    const int pageLines = m_text->viewport()->height() / qMax(1, m_text->fontMetrics().lineSpacing());
    m_tick.start(more ? 0 : m_lastBatchBlocks > pageLines ? kFloodPaintIntervalMs : kPaintIntervalMs);
}

void TerminalView::flush()
{
    flushText(true);
    if (m_hexWaits) {
        m_hexWaits = false;
        pruneHexQueue();
    }
    flushHex(true);
    repaintChanged(false);
    reportShown();
}

// A backlog is shown a batch per turn of the event loop so that it keeps
// up with the data, but each paint lays out and draws the whole page: while
// batches follow each other, a view asks to be painted every
// kFloodPaintIntervalMs, and at once when the backlog is through.  (One
// that scrolls, because its lines still grow, repaints as it scrolls.)
void TerminalView::repaintChanged(bool draining)
{
    if (draining && m_painted.isValid() && m_painted.elapsed() < kFloodPaintIntervalMs)
        return;
    if (m_textChanged)
        m_text->viewport()->update();
    if (m_hexChanged)
        m_hex->viewport()->update();
    m_textChanged = m_hexChanged = false;
    m_painted.start();
}

// The hex view is on screen again: what waits for it is shown from the
// next tick on, in batches, newest whole view only.
void TerminalView::hexShown()
{
    if (!m_hexWaits)
        return;
    m_hexWaits = false;
    pruneHexQueue();
    if (!m_hexQueue.empty() && !m_tick.isActive())
        m_tick.start(0);
}

// Takes the oldest waiting hex chunk as if it had been shown and had then
// scrolled out: its bytes still decide where the later lines break.  Only
// called while what stays behind fills the view by itself.
void TerminalView::dropOldestHex()
{
    const HexChunk &old = m_hexQueue.front();
    if (old.stamped)
        m_hexBytesOnLine = 0;
    TerminalText::hexLineBreaks(old.bytes, m_style, m_hexBytesOnLine);
    m_hexQueued -= old.bytes.size();
    m_hexQueue.pop_front();
    m_hexReplace = true;
}

// Drops the waiting hex chunks older than the newest that fill the view.
// When the view is to start afresh, it starts with a whole line and holds
// no more lines than it may.
void TerminalView::pruneHexQueue()
{
    std::vector<int> blocks(m_hexQueue.size());
    int onLine = m_hexBytesOnLine;
    for (size_t i = 0; i < m_hexQueue.size(); ++i) {
        const HexChunk &c = m_hexQueue[i];
        if (c.stamped)
            onLine = 0;
        blocks[i] = TerminalText::hexLineBreaks(c.bytes, m_style, onLine) + (c.stamped ? 1 : 0);
    }
    const int lines = kMaxBlocks - 1;
    size_t first = m_hexQueue.size();
    int kept = 0;
    while (first > 0 && kept < lines)
        kept += blocks[--first];
    for (size_t i = 0; i < first; ++i)
        dropOldestHex();
    if (!m_hexReplace || m_hexQueue.empty())
        return;
    HexChunk &front = m_hexQueue.front();
    const int startsOnLine = front.stamped ? 0 : m_hexBytesOnLine;
    const int cut = qMax(kept - lines, startsOnLine ? 1 : 0);
    if (cut == 0)
        return;
    const qsizetype from = TerminalText::afterHexLines(front.bytes, m_style, startsOnLine, cut);
    front.bytes.remove(0, from);
    front.stamped = false;
    m_hexQueued -= from;
    m_hexBytesOnLine = 0;
    if (front.bytes.isEmpty())
        m_hexQueue.pop_front();
}

void TerminalView::reportShown()
{
    if (!m_reads && !m_shownBytes && !m_shownCarriageReturns)
        return;
    m_reads = 0;
    const qint64 bytes = m_shownBytes;
    const qint64 carriageReturns = m_shownCarriageReturns;
    m_shownBytes = 0;
    m_shownCarriageReturns = 0;
    if (m_shownHandler)
        m_shownHandler(bytes, carriageReturns);
}

// Blocks that `chunk` adds to its view.
static int blocksOf(bool stamped, int breaks)
{
    return breaks + (stamped ? 1 : 0);
}

void TerminalView::flushText(bool all)
{
    if (m_textQueue.empty())
        return;
    // One batch: whole chunks up to the byte and entry budgets.
    size_t take = 0;
    qint64 bytes = 0;
    int blocks = 0;
    while (take < m_textQueue.size()
           && (all || take == 0 || (bytes < kBatchBytes && int(take) < kBatchEntries))) {
        const TextChunk &c = m_textQueue[take];
        bytes += c.bytes;
        blocks += blocksOf(c.stamped, c.breaks);
        ++take;
    }

    QTextDocument *doc = m_text->document();
    std::optional<HeldLayout> held(m_text);
    // A batch that alone fills the view replaces everything before it.
    size_t first = 0;
    if (blocks >= kMaxBlocks) {
        while (first + 1 < take
               && blocks - blocksOf(m_textQueue[first].stamped, m_textQueue[first].breaks) >= kMaxBlocks) {
            blocks -= blocksOf(m_textQueue[first].stamped, m_textQueue[first].breaks);
            ++first;
        }
        doc->clear();
    } else {
        // Exactly the excess: a full view keeps its block count, and so
        // its scroll range.
        dropOldest(doc, doc->blockCount() + blocks - kMaxBlocks);
    }

    QTextCursor cursor(doc);
    cursor.setPosition(doc->characterCount() - 1);
    cursor.beginEditBlock();
    for (size_t i = 0; i < take; ++i) {
        TextChunk &c = m_textQueue[i];
        m_shownBytes += c.bytes;
        m_shownCarriageReturns += c.carriageReturns;
        m_textQueued -= c.body.size();
        if (i < first)
            continue;
        QString body;
        QList<std::pair<int, int>> lineEnds;
        // The oldest lines of a chunk that alone is larger than the view.
        if (c.breaks >= kMaxBlocks) {
            const int skip = c.breaks - (kMaxBlocks - 2);
            qsizetype from = 0;
            for (int n = 0; n < skip; ++n)
                from = c.body.indexOf(QLatin1Char('\n'), from) + 1;
            body = c.body.mid(from);
            for (const auto &[line, state] : std::as_const(c.lineEnds))
                if (line >= skip)
                    lineEnds.append({line - skip, state});
            c.stamped = false;
        } else {
            body = std::move(c.body);
            lineEnds = std::move(c.lineEnds);
        }
        if (c.stamped) {
            if (!doc->isEmpty())
                cursor.insertBlock();
            cursor.insertText(TerminalText::stamp(c.time), m_stampFormat);
        }
        const int firstBlock = cursor.blockNumber();
        cursor.insertText(body, showsUnshaped(body) ? m_unshapedFormat : m_dataFormat);
        for (const auto &[line, state] : std::as_const(lineEnds)) {
            QTextBlock block = doc->findBlockByNumber(firstBlock + line);
            block.setUserState(state);
        }
    }
    cursor.endEditBlock();
    m_textQueue.erase(m_textQueue.begin(), m_textQueue.begin() + take);
    m_lastBatchBlocks += blocks;
    m_textChanged = true;
    held.reset();
    showNewest(m_text);
}

void TerminalView::flushHex(bool all)
{
    if (m_hexQueue.empty() || m_hexWaits)
        return;
    if (m_hexReplace)
        pruneHexQueue();
    QTextDocument *doc = m_hex->document();
    size_t take = 0;
    qint64 bytes = 0;
    while (take < m_hexQueue.size() && (all || take == 0 || (bytes < kBatchBytes && int(take) < kBatchEntries))) {
        bytes += m_hexQueue[take].bytes.size();
        ++take;
    }
    QStringList bodies;
    bodies.reserve(int(take));
    int blocks = 0;
    for (size_t i = 0; i < take; ++i) {
        const HexChunk &c = m_hexQueue[i];
        if (c.stamped)
            m_hexBytesOnLine = 0;
        bodies << TerminalText::hex(c.bytes, m_style, m_hexBytesOnLine);
        blocks += int(bodies.last().count(QLatin1Char('\n'))) + (c.stamped ? 1 : 0);
    }
    std::optional<HeldLayout> held(m_hex);
    if (blocks >= kMaxBlocks || m_hexReplace)
        doc->clear();
    else
        dropOldest(doc, doc->blockCount() + blocks - kMaxBlocks);
    m_hexReplace = false;

    QTextCursor cursor(doc);
    cursor.setPosition(doc->characterCount() - 1);
    cursor.beginEditBlock();
    for (size_t i = 0; i < take; ++i) {
        const HexChunk &c = m_hexQueue[i];
        if (c.stamped) {
            if (!doc->isEmpty())
                cursor.insertBlock();
            cursor.insertText(TerminalText::stamp(c.time), m_stampFormat);
        }
        cursor.insertText(bodies.at(int(i)), m_unshapedFormat); // hex digits only
        m_hexQueued -= c.bytes.size();
    }
    cursor.endEditBlock();
    m_hexQueue.erase(m_hexQueue.begin(), m_hexQueue.begin() + take);
    m_hexChanged = true;
    held.reset();
    showNewest(m_hex);
}

// Scrolls to the last block.  A visible view would first lay out every
// block between its old and its new top to work out how far to scroll the
// picture, although it repaints all of it anyway; with updates held it
// just moves its top, and only the blocks then shown are laid out.
void TerminalView::showNewest(QPlainTextEdit *view)
{
    QScrollBar *bar = view->verticalScrollBar();
    if (bar->value() == bar->maximum())
        return;
    QWidget *viewport = view->viewport();
    const bool painting = viewport->updatesEnabled();
    viewport->setUpdatesEnabled(false);
    bar->setValue(bar->maximum());
    viewport->setUpdatesEnabled(painting);
}

// The document's own limit lays out every block it drops (it walks them
// with a cursor), which costs more than showing them did; dropping them
// here by position, a batch at a time, keeps it from ever acting.
void TerminalView::makeRoom(QPlainTextEdit *view, int adding, int maxBlocks)
{
    makeRoom(view->document(), adding, maxBlocks);
}

void TerminalView::makeRoom(QTextDocument *doc, int adding, int maxBlocks)
{
    const int excess = doc->blockCount() + adding - maxBlocks;
    if (excess > 0)
        dropOldest(doc, excess + qMin(kTrimBatch, maxBlocks / 20));
}

void TerminalView::dropOldest(QTextDocument *doc, int blocks)
{
    const int drop = qMin(blocks, doc->blockCount() - 1);
    if (drop <= 0)
        return;
    QTextCursor cursor(doc);
    cursor.setPosition(0);
    cursor.setPosition(doc->findBlockByNumber(drop).position(), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

QString TerminalView::exportText(const QPlainTextEdit *view)
{
    const QTextDocument *doc = view->document();
    return receivedText(doc, 0, doc->characterCount() - 1);
}

QString TerminalView::receivedText(const QTextDocument *doc, int from, int to)
{
    QString out;
    out.reserve(to - from);
    for (QTextBlock block = doc->findBlock(from); block.isValid() && block.position() <= to; block = block.next()) {
        const int end = block.position() + block.length() - 1; // where its separator sits
        const QString text = block.text();
        out += QStringView(text).sliced(qMax(0, from - block.position()), qMin(end, to) - qMax(from, block.position()));
        if (end >= to)
            break;
        const int state = block.userState();
        if (state == kSoftBreak)
            continue;
        const bool marked = state > kSoftBreak && state <= 0xFFFF && TerminalText::startsBlock(QChar(state));
        out += marked ? QChar(state) : QChar(QLatin1Char('\n'));
    }
    return out;
}

QMimeData *TerminalView::selectionData(const QTextCursor &selection)
{
    const QTextDocument *doc = selection.document();
    const int start = selection.selectionStart();
    const int end = selection.selectionEnd();
    // Without an undo history and in one edit, joining the rows of a full
    // view costs milliseconds instead of seconds.
    QTextDocument copy;
    copy.setUndoRedoEnabled(false);
    QTextCursor join(&copy);
    join.insertFragment(selection.selection());
    join.beginEditBlock();
    // The copy starts at the selection's start; joining from the last break
    // back keeps the earlier ones where they were.
    for (QTextBlock block = doc->findBlock(end).previous();
         block.isValid() && block.position() + block.length() - 1 >= start; block = block.previous()) {
        if (block.userState() != kSoftBreak)
            continue;
        join.setPosition(block.position() + block.length() - 1 - start);
        join.deleteChar();
    }
    join.endEditBlock();
    auto *data = new QMimeData;
    data->setHtml(QTextDocumentFragment(&copy).toHtml());
    data->setText(receivedText(doc, start, end));
    return data;
}

void TerminalView::clear()
{
    // What waits would be shown and wiped at once: it only counts.
    for (const TextChunk &c : m_textQueue) {
        m_shownBytes += c.bytes;
        m_shownCarriageReturns += c.carriageReturns;
    }
    m_textQueue.clear();
    m_textQueued = 0;
    reportShown();
    m_text->clear();
    if (m_hex)
        m_hex->clear();
    m_hexQueue.clear();
    m_hexQueued = 0;
    m_hexWaits = false;
    m_hexReplace = false;
    m_textColumn = 0;
    m_hexBytesOnLine = 0;
    resetDecoders();
}

void TerminalView::scrollToBottom()
{
    for (QPlainTextEdit *view : {m_text, m_hex})
        if (view)
            showNewest(view);
}

void TerminalView::showHex(bool shown, bool stamped)
{
    if (m_hex)
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

void TerminalView::setUpCounter(QLCDNumber *counter)
{
    counter->setBackgroundRole(QPalette::Base);
    counter->setAutoFillBackground(true);
}
