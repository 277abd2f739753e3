#ifndef GSM_CODES_H
#define GSM_CODES_H

#include <QByteArray>
#include <QList>
#include <QString>

// What the modem console reads out of the modem's replies and unsolicited
// result codes.  Widget-free: the console shows what these return.

// One thing the unsolicited-code reader wants shown.
struct GsmNotice
{
    enum Kind { CallEnded, Busy, Calling, Ring, Caller, NewSms };
    Kind kind;
    QByteArray value; // the caller's number or the SMS box
    bool operator==(const GsmNotice &o) const { return kind == o.kind && value == o.value; }
};

// Reads "RING", caller identification, call ends and new-message codes out
// of the bytes that arrive while no command waits for a reply.  Works on the
// console's own buffer and call flags, so they outlive a closed port.
class GsmCodeReader
{
public:
    // The buffer never holds more than this many of the latest bytes: a
    // stale "RING" or type field must not match long after.
    static constexpr qsizetype kKeep = 1024;

    // Many modems just stop sending "RING" when the caller gives up: a
    // ringing call that has rung no more for this long is over.  Tests
    // shorten it.
    static int ringSilenceMs;

    GsmCodeReader(QByteArray &buffer, bool &incomingCall, bool &inCall, bool &ringSeen, bool &callerIdReady);

    [[nodiscard]] QList<GsmNotice> feed(const QByteArray &data);
    // The last feed completed a "RING", announced or not.
    bool rang() const { return m_rang; }
    // The ringing call is over unanswered: back to idle, and its "RING",
    // still in the buffer, must not ring again.
    void endRinging();

private:
    QByteArray &m_buffer;
    bool &m_incomingCall;
    bool &m_inCall;
    bool &m_ringSeen;
    bool &m_callerIdReady;
    bool m_rang = false;
};

// Rules for the replies of the status and signal queries.  Each looks at all
// bytes received since the command and returns the value found and how many
// of the bytes it used (through the end of the line that answered); used is
// -1 while no answer is there yet.
class GsmCodes
{
public:
    struct Match
    {
        int value = 0;
        qsizetype used = -1;
        bool found() const { return used >= 0; }
    };

    // "+CLIP: " n ",": 1 or 0 (caller identification on or off).
    [[nodiscard]] static Match clip(const QByteArray &reply);
    // "+CALM: " n: '0' (normal alert) gives 1, '1' (silent) gives 0.
    [[nodiscard]] static Match calm(const QByteArray &reply);
    // "+CMGF: " n: 1 text mode, 0 PDU mode.
    [[nodiscard]] static Match textMode(const QByteArray &reply);
    // "+CSQ: " rssi "," with a final "OK\r\n": the rssi.  A value without an
    // icon reads as its first two characters; some still have none
    // (negative ones), and are an answer all the same.
    [[nodiscard]] static Match signal(const QByteArray &reply);
    // "ERROR\r\n", or a whole "+CMS ERROR: n" / "+CME ERROR: n" line,
    // whichever comes first: used through it; `code` gets the extended line
    // and `start` where the answer begins (-1 without one).
    [[nodiscard]] static qsizetype error(const QByteArray &reply, QByteArray *code = nullptr,
                                         qsizetype *start = nullptr);
    // A line the modem sends on its own, between replies or amid one:
    // "RING", a caller's "+CLIP: \"" line, a new message's "+CMTI:".
    [[nodiscard]] static bool isUnsolicited(const QByteArray &line);
    // The icon for an rssi, empty when it has none.
    [[nodiscard]] static QString signalPixmap(int rssi);
    // Where the line holding position `at` ends: after its CR LF, or the
    // reply's end when the line is not complete yet.
    [[nodiscard]] static qsizetype lineEnd(const QByteArray &reply, qsizetype at);

    // The send prompt '>' where a line starts: where it is (-1 without one)
    // and, in `end`, where it ends with its blank.
    [[nodiscard]] static qsizetype prompt(const QByteArray &reply, qsizetype *end);
    // What the host sent amid one step of a GPRS send, in order: the reply
    // without the echo of what was written at its start (whole, or all of
    // it there is yet; a final Ctrl-Z some modems do not echo), the modem's
    // answer from `at` to `used` with the line end that opens it, and line
    // ends that are all that is left between.  `at` -1: no answer came; an
    // empty `echo`: a modem with echo off.  With `wholeOnly` only the whole
    // echo counts: a late echo, told from a host's answer of the same text
    // by the Ctrl-Z it ends with.
    [[nodiscard]] static QByteArray hostBytes(const QByteArray &reply, const QByteArray &echo, qsizetype at,
                                              qsizetype used, bool wholeOnly = false);
    // The modem's answer to AT+CIPSTART: the first of CONNECT OK, CONNECT
    // FAIL and ALREADY CONNECT, each looked for whole (two of them hold
    // "CONNECT"), else an error.  `used` gets how much of the reply it took
    // and `code` what the modem said of a refusal.
    enum class LinkStart { Pending, Connected, Failed, Held, Refused };
    [[nodiscard]] static LinkStart linkStart(const QByteArray &reply, qsizetype *used, QByteArray *code = nullptr);
    // GPRS link data as written after the prompt: a final LF becomes CR LF,
    // other line ends stay as typed.
    [[nodiscard]] static QByteArray linkData(const QByteArray &data);
    // A batch holding the modem's "WARNNING" notice (its spelling) is no
    // link data.
    [[nodiscard]] static bool isLinkWarning(const QByteArray &batch);
};

#endif // GSM_CODES_H
