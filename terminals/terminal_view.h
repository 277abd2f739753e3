#ifndef TERMINAL_VIEW_H
#define TERMINAL_VIEW_H

#include "terminals/terminal_text.h"

#include <QByteArray>
#include <QTextCharFormat>
#include <QTimer>
#include <memory>

class QLCDNumber;
class QPlainTextEdit;
class QTextDecoder;

// The pair of receive views of a terminal (text and hex) with their display
// rules: optional green time stamps, at most 10000 blocks, every block of
// bounded length, received text shown as text (never as markup) and
// multi-byte characters decoded across block boundaries.
class TerminalView
{
public:
    // plainCodec decodes in plain mode, stampedCodec in time-stamped mode
    // (codec names as QTextCodec knows them, e.g. "UTF8", "GBK").
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
    };
    // Fresh decoders with this view's codecs, for a caller that shows
    // several streams (clients of one server) in the same views.
    std::unique_ptr<Decoders> makeDecoders() const;

    // Shows one received block.  Empty blocks show nothing.
    void append(const QByteArray &bytes, bool stamped);
    // The same, decoding with the caller's stream state instead of the view's.
    void append(const QByteArray &bytes, bool stamped, Decoders *decoders);

    // Empties both views and starts decoding afresh.
    void clear();

    // Forgets a partly received character (a new port or connection).
    void resetDecoders();

    void scrollToBottom();

    // "Hex" box: shows or hides the hex view; in time-stamped mode both
    // views then jump to the newest entry.
    void showHex(bool shown, bool stamped);

    QPlainTextEdit *textView() const { return m_text; }
    QPlainTextEdit *hexView() const { return m_hex; }

    // Counter rule: adds n bytes to a counter that stops at "99999".
    static void count(QLCDNumber *counter, qint64 n);

    // Drops the oldest blocks of `view` so that `adding` more still fit in
    // maxBlocks; for any bounded log, not only these two views.
    static void makeRoom(QPlainTextEdit *view, int adding, int maxBlocks = kMaxBlocks);

    static constexpr int kMaxBlocks = 10000;
    // Blocks dropped at once beyond what is needed, so trimming is rare.
    static constexpr int kTrimBatch = 500;
    static constexpr int kPaintIntervalMs = 40;

private:
    void appendPlain(QPlainTextEdit *view, const QString &text);
    // A steady stream repaints the views at most every kPaintIntervalMs;
    // the documents themselves are always up to date.
    void paintLater();
    void resumePainting();
    void appendEntry(QPlainTextEdit *view, const QString &stamp, const QString &body);

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
    QTimer m_paintTimer;
    bool m_paintHeld = false;
};

#endif // TERMINAL_VIEW_H
