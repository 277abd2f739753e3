#ifndef TERMINAL_VIEW_H
#define TERMINAL_VIEW_H

#include "terminals/terminal_text.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QTextCharFormat>
#include <QTime>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <utility>

class QLCDNumber;
class QMimeData;
class QObject;
class QPlainTextEdit;
class QTextCursor;
class QTextDocument;
class QTextDecoder;

// The pair of receive views of a terminal (text and hex) with their display
// rules: optional green time stamps, at most 10000 blocks, every block of
// bounded length, received text shown as text (never as markup) and
// multi-byte characters decoded across block boundaries.
//
// Received blocks are collected and shown once per paint tick: one insert
// per view and tick, whatever the number of reads, so the cost of showing
// data does not grow with the number of reads it came in.
//
// A hex view that is not on screen while data has kept coming for a second
// is filled when it is shown (or on flush()), from the bytes it would hold:
// until then its hex text would only be made to scroll out unseen.
class TerminalView
{
public:
    // plainCodec decodes in plain mode, stampedCodec in time-stamped mode
    // (codec names as QTextCodec knows them, e.g. "UTF8", "GBK").
    // hex may be null: a log of text only.
    TerminalView(QPlainTextEdit *text, QPlainTextEdit *hex, TerminalText::HexStyle style,
                 const char *plainCodec, const char *stampedCodec);
    ~TerminalView();
    TerminalView(const TerminalView &) = delete;
    TerminalView &operator=(const TerminalView &) = delete;

    // Read-only, selectable, 10000 blocks each; the hex view starts hidden.
    void setUp();

    // Decoding state of one byte stream (plain and stamped codec).
    struct Decoders
    {
        Decoders();
        ~Decoders();
        Decoders(Decoders &&) noexcept;
        Decoders &operator=(Decoders &&) noexcept;
        std::unique_ptr<QTextDecoder> plain;
        std::unique_ptr<QTextDecoder> stamped;
        // The next read in either mode: a character the last read left half
        // received is finished by the decoder that began it, whichever way
        // the Time box stands now.
        QString decode(const QByteArray &bytes, bool stamped);

    private:
        friend class TerminalView;
        bool holdsPart(bool stampedMode) const;
        QString take(bool stampedMode, const char *bytes, int size);
        bool stampedLast = false;
        // A GBK decoder does not tell whether it holds a lead byte: kept
        // here (plain, stamped), with which of the two decode GBK.
        bool gbk[2] = {false, false};
        bool gbkLead[2] = {false, false};
    };
    // Fresh decoders with this view's codecs, for a caller that shows
    // several streams (clients of one server) in the same views.
    std::unique_ptr<Decoders> makeDecoders() const;

    // Takes one received block; it shows at once after a pause, otherwise
    // with the next paint tick.  Empty blocks show nothing but are reported.
    void append(const QByteArray &bytes, bool stamped);
    // The same, decoding with the caller's stream state instead of the view's.
    void append(const QByteArray &bytes, bool stamped, Decoders *decoders);

    // Shows everything received so far (before a close, an export, ...).
    void flush();

    // Called after each shown batch with the number of received bytes it
    // held and how many of them were carriage returns: the place for the
    // counters and the status message, once per batch instead of per read.
    void setShownHandler(std::function<void(qint64 bytes, qint64 carriageReturns)> handler);

    // Shows what is waiting, then empties both views and starts decoding afresh.
    void clear();

    // Forgets a partly received character (a new port or connection).
    void resetDecoders();

    void scrollToBottom();

    // "Hex" box: shows or hides the hex view; in time-stamped mode both
    // views then jump to the newest entry.
    void showHex(bool shown, bool stamped);

    QPlainTextEdit *textView() const { return m_text; }
    QPlainTextEdit *hexView() const { return m_hex; }

    // The received text of a view: the breaks the view added to bound its
    // lines are left out, every other block ends as it did when received.
    static QString exportText(const QPlainTextEdit *view);
    // The same for the part of a log between two positions.
    static QString receivedText(const QTextDocument *doc, int from, int to);
    // What a copy or drag of `selection` gives: its received text, and its
    // rich text with the view's own breaks joined.
    static QMimeData *selectionData(const QTextCursor &selection);

    // Counter rule: adds n bytes to a counter that stops at "99999".
    static void count(QLCDNumber *counter, qint64 n);
    // A counter paints its own background (the base colour), so that a
    // new count repaints it alone and not the group box, tab and window
    // beneath it.
    static void setUpCounter(QLCDNumber *counter);

    // Drops the oldest blocks of `view` so that `adding` more still fit in
    // maxBlocks; for any bounded log, not only these two views.
    static void makeRoom(QPlainTextEdit *view, int adding, int maxBlocks = kMaxBlocks);
    static void makeRoom(QTextDocument *doc, int adding, int maxBlocks = kMaxBlocks);

    static constexpr int kMaxBlocks = 10000;
    // Block state of a line that a log broke itself: the break is not data.
    // A block that ended in another character a text document starts a
    // block at (TerminalText::startsBlock) holds that character's code.
    static constexpr int kSoftBreak = 1;
    // Blocks dropped at once beyond what is needed, so trimming is rare.
    static constexpr int kTrimBatch = 500;
    // While data keeps coming; each tick lays out and paints the whole view,
    // so at 40 ms a paced 115200 baud stream cost a third more CPU.
    static constexpr int kPaintIntervalMs = 100;
    // While each tick brings more new lines than the text view shows.
    static constexpr int kFloodPaintIntervalMs = 200;
    // Received bytes shown per view and turn of the event loop; more waits
    // for the next turn, so input and timers keep going during a flood.
    static constexpr qint64 kBatchBytes = 48 * 1024;
    static constexpr int kBatchEntries = 2000;
    // How long reads keep coming before a hex view off screen waits.
    static constexpr int kHiddenHexAfterMs = 1000;

private:
    struct TextChunk
    {
        bool stamped = false;
        QTime time;
        QString body;          // wrapped, carriage returns removed
        int breaks = 0;        // line feeds in body
        // Lines of body that end other than in a received line feed, with
        // the block state that says how.
        QList<std::pair<int, int>> lineEnds;
        qint64 bytes = 0;
        qint64 carriageReturns = 0;
    };
    struct HexChunk
    {
        bool stamped = false;
        QTime time;
        QByteArray bytes;
    };

    void onTick();
    void flushText(bool all);
    void flushHex(bool all);
    void reportShown();
    void dropOldestHex();
    void pruneHexQueue();
    void hexShown();
    static void showNewest(QPlainTextEdit *view);
    static void dropOldest(QTextDocument *doc, int blocks);
    void repaintChanged(bool draining);

    QPlainTextEdit *m_text;
    QPlainTextEdit *m_hex;
    TerminalText::HexStyle m_style;
    QByteArray m_plainCodec;
    QByteArray m_stampedCodec;
    Decoders m_decoders;
    int m_textColumn = 0;
    int m_hexBytesOnLine = 0;
    QTextCharFormat m_stampFormat;
    QTextCharFormat m_dataFormat;
    QTextCharFormat m_unshapedFormat;
    QTimer m_tick;
    std::deque<TextChunk> m_textQueue;
    std::deque<HexChunk> m_hexQueue;
    qint64 m_textQueued = 0;
    qint64 m_hexQueued = 0;
    QElapsedTimer m_busy;       // since reads began to keep the tick busy
    bool m_hexWaits = false;    // the hex view is filled when next shown
    bool m_hexReplace = false;  // what waits replaces the hex view's text
    std::unique_ptr<QObject> m_hexWatcher;
    int m_lastBatchBlocks = 0; // text blocks the last tick added
    bool m_textChanged = false; // not repainted since its last batch
    bool m_hexChanged = false;
    QElapsedTimer m_painted;
    int m_reads = 0; // reads since the last report
    qint64 m_shownBytes = 0;
    qint64 m_shownCarriageReturns = 0;
    std::function<void(qint64, qint64)> m_shownHandler;
};

#endif // TERMINAL_VIEW_H
