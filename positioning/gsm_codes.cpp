#include "positioning/gsm_codes.h"

GsmCodeReader::GsmCodeReader(QByteArray &buffer, bool &incomingCall, bool &inCall, bool &ringSeen,
                             bool &callerIdReady)
    : m_buffer(buffer)
    , m_incomingCall(incomingCall)
    , m_inCall(inCall)
    , m_ringSeen(ringSeen)
    , m_callerIdReady(callerIdReady)
{
}

int GsmCodeReader::ringSilenceMs = 15000;

void GsmCodeReader::endRinging()
{
    m_incomingCall = false;
    m_ringSeen = false;
    m_callerIdReady = false;
    const qsizetype ring = m_buffer.lastIndexOf("RING");
    if (ring >= 0)
        m_buffer.remove(0, ring + 4);
}

QList<GsmNotice> GsmCodeReader::feed(const QByteArray &data)
{
    QList<GsmNotice> shown;
    // A "RING" cut between two batches counts in the batch that ends it.
    const qsizetype fresh = qMax<qsizetype>(0, m_buffer.size() - 3);
    m_buffer.append(data);
    m_rang = m_buffer.indexOf("RING", fresh) >= 0;

    // Either ends a ringing call too: the next Call dials.
    if (m_buffer.contains("NO CARRIER\r\n")) {
        shown.append(GsmNotice{GsmNotice::CallEnded, {}});
        m_inCall = false;
        endRinging();
        m_buffer.clear();
    }
    if (m_buffer.contains("BUSY\r\n")) {
        shown.append(GsmNotice{GsmNotice::Busy, {}});
        m_inCall = false;
        endRinging();
        m_buffer.clear();
    }
    if (m_buffer.contains("COLP")) {
        shown.append(GsmNotice{GsmNotice::Calling, {}});
        m_buffer.clear();
    }
    // The type-of-number field tells that the caller's line is complete.
    auto takeCaller = [&] {
        if (m_ringSeen && !m_callerIdReady
            && (m_buffer.contains(",161,") || m_buffer.contains(",145,") || m_buffer.contains(",129,"))) {
            m_ringSeen = false;
            m_callerIdReady = true;
        }
        if (m_callerIdReady && m_buffer.contains("+CLIP")) {
            // Without the opening quote there is no number to take yet.
            static const QByteArray open("+CLIP: \"");
            const qsizetype at = m_buffer.indexOf(open);
            if (at >= 0) {
                const qsizetype from = at + open.size();
                const qsizetype to = m_buffer.indexOf('"', from);
                shown.append(GsmNotice{GsmNotice::Caller, m_buffer.mid(from, to < 0 ? -1 : to - from)});
                m_incomingCall = true;
                m_callerIdReady = false;
                m_buffer.clear();
            }
        }
    };
    takeCaller();
    if (!m_ringSeen && m_buffer.contains("RING")) {
        // Kept, so the caller's line that follows completes it.
        shown.append(GsmNotice{GsmNotice::Ring, {}});
        m_incomingCall = true;
        m_ringSeen = true;
        m_callerIdReady = false;
        // The caller's line mostly comes in the same read as its "RING".
        takeCaller();
    }
    if (m_buffer.contains("+CMTI")) {
        // The box follows the store's name, whichever store it is ("SM", "ME", ...).
        const qsizetype cmti = m_buffer.indexOf("+CMTI");
        const qsizetype at = m_buffer.indexOf("\",", cmti);
        const qsizetype end = at < 0 ? -1 : m_buffer.indexOf("\r\n", at + 2);
        if (end >= 0) {
            // The box number ends with its line: a code behind it is no part of it.
            shown.append(GsmNotice{GsmNotice::NewSms, m_buffer.mid(at + 2, end - at - 2)});
            m_buffer.clear();
        }
    }

    if (m_buffer.size() > kKeep)
        m_buffer = m_buffer.right(kKeep);
    return shown;
}

qsizetype GsmCodes::lineEnd(const QByteArray &reply, qsizetype at)
{
    const qsizetype crlf = reply.indexOf("\r\n", at);
    return crlf < 0 ? reply.size() : crlf + 2;
}

// The text after `prefix` up to the end of its line (or of the reply).
static QByteArray valueAfter(const QByteArray &reply, const QByteArray &prefix, qsizetype *at, qsizetype start = 0)
{
    *at = reply.indexOf(prefix, start);
    if (*at < 0)
        return {};
    const qsizetype from = *at + prefix.size();
    qsizetype to = from;
    while (to < reply.size() && reply.at(to) != '\r' && reply.at(to) != '\n')
        ++to;
    return reply.mid(from, to - from);
}

GsmCodes::Match GsmCodes::clip(const QByteArray &reply)
{
    // A caller's line ("+CLIP: \"<number>\",...") may come just before the
    // answer: its digits are no switch state.
    qsizetype at;
    QByteArray text = valueAfter(reply, "+CLIP: ", &at);
    while (at >= 0 && text.startsWith('"'))
        text = valueAfter(reply, "+CLIP: ", &at, at + 1);
    if (at < 0)
        return {};
    const qsizetype comma = text.indexOf(',');
    if (comma >= 0)
        text.truncate(comma);
    if (text.contains('1'))
        return {1, lineEnd(reply, at)};
    if (text.contains('0'))
        return {0, lineEnd(reply, at)};
    return {};
}

// A switch reply whose on digit differs from its off digit.
static GsmCodes::Match switchState(const QByteArray &reply, const QByteArray &prefix, char onDigit, char offDigit)
{
    qsizetype at;
    const QByteArray text = valueAfter(reply, prefix, &at);
    if (at < 0)
        return {};
    if (text.contains(onDigit))
        return {1, GsmCodes::lineEnd(reply, at)};
    if (text.contains(offDigit))
        return {0, GsmCodes::lineEnd(reply, at)};
    return {};
}

GsmCodes::Match GsmCodes::calm(const QByteArray &reply)
{
    return switchState(reply, "+CALM: ", '0', '1');
}

GsmCodes::Match GsmCodes::textMode(const QByteArray &reply)
{
    return switchState(reply, "+CMGF: ", '1', '0');
}

GsmCodes::Match GsmCodes::signal(const QByteArray &reply)
{
    const qsizetype ok = reply.indexOf("OK\r\n");
    if (ok < 0)
        return {};
    qsizetype at;
    QByteArray text = valueAfter(reply, "+CSQ: ", &at);
    if (at < 0)
        return {};
    // The modem's own two characters, as a value of two digits reads them:
    // the extended range of 3G modules (100 to 191) reads as its first two.
    const QByteArray firstTwo = text.left(2);
    const qsizetype comma = text.indexOf(',');
    if (comma >= 0)
        text.truncate(comma);
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    const qsizetype used = qMax(ok + 4, lineEnd(reply, at));
    bool isNumber = false;
    int rssi = text.toInt(&isNumber, 10);
    if (!isNumber)
        rssi = 0;
    if (signalPixmap(rssi).isEmpty()) {
        const int two = firstTwo.toInt(&isNumber, 10);
        if (isNumber)
            rssi = two;
    }
    // A value without an icon (a negative one) is still an answer.
    return {rssi, used};
}

qsizetype GsmCodes::error(const QByteArray &reply, QByteArray *code, qsizetype *start)
{
    qsizetype at = reply.indexOf("ERROR\r\n");
    qsizetype end = at < 0 ? -1 : at + 7;
    QByteArray found;
    for (const char *extended : {"+CMS ERROR:", "+CME ERROR:"}) {
        const qsizetype x = reply.indexOf(extended);
        const qsizetype lineEnd = x < 0 ? -1 : reply.indexOf("\r\n", x);
        if (lineEnd >= 0 && (end < 0 || x < at)) {
            at = x;
            end = lineEnd + 2;
            found = reply.mid(x, lineEnd - x);
        }
    }
    if (code)
        *code = found;
    if (start)
        *start = end < 0 ? -1 : at;
    return end;
}

bool GsmCodes::isUnsolicited(const QByteArray &line)
{
    return line == "RING" || line.startsWith("+CLIP: \"") || line.startsWith("+CMTI:");
}

QString GsmCodes::signalPixmap(int rssi)
{
    // 2 is as weak as 0: a valid reading all the same.
    if (rssi == 0 || rssi == 2)
        return QStringLiteral(":images/sig25.png");
    if (rssi == 1)
        return QStringLiteral(":images/sig50.png");
    if (rssi >= 3 && rssi <= 30)
        return QStringLiteral(":images/sig75.png");
    if (rssi >= 31 && rssi <= 98)
        return QStringLiteral(":images/sig100.png");
    if (rssi == 99)
        return QStringLiteral(":images/sig0.png");
    return {};
}

qsizetype GsmCodes::prompt(const QByteArray &reply, qsizetype *end)
{
    // A '>' amid the host's bytes ("<html>") is no prompt.
    for (qsizetype at = reply.indexOf('>'); at >= 0; at = reply.indexOf('>', at + 1)) {
        if (at == 0 || reply.at(at - 1) == '\n' || reply.at(at - 1) == '\r') {
            *end = at + (reply.mid(at + 1, 1) == " " ? 2 : 1);
            return at;
        }
    }
    return -1;
}

static bool onlyLineEnds(const QByteArray &bytes)
{
    for (const char c : bytes)
        if (c != '\r' && c != '\n')
            return false;
    return true;
}

QByteArray GsmCodes::hostBytes(const QByteArray &reply, const QByteArray &echo, qsizetype at, qsizetype used,
                               bool wholeOnly)
{
    qsizetype from = 0;
    if (!echo.isEmpty()) {
        if (reply.startsWith(echo))
            from = echo.size();
        else if (wholeOnly)
            from = 0;
        else if (echo.startsWith(reply))
            from = reply.size(); // the rest of the echo is still coming
        else if ((echo.endsWith("\r\n") || echo.endsWith('\x1a')) && reply.startsWith(echo.chopped(1)))
            from = echo.size() - 1; // a modem that echoes the CR alone, or no Ctrl-Z
    }
    QByteArray host = reply.mid(from, (at < 0 ? reply.size() : at) - from);
    if (at >= 0) {
        if (host.endsWith("\r\n"))
            host.chop(2);
        else if (host.endsWith('\n') || host.endsWith('\r'))
            host.chop(1);
    }
    // Blank lines between the echo and the answer are the modem's own.
    if ((from > 0 || at >= 0) && onlyLineEnds(host))
        host.clear();
    if (at >= 0)
        host += reply.mid(used);
    return host;
}

GsmCodes::LinkStart GsmCodes::linkStart(const QByteArray &reply, qsizetype *used, QByteArray *code)
{
    static const QByteArray answers[] = {"CONNECT OK", "CONNECT FAIL", "ALREADY CONNECT"};
    static const LinkStart kinds[] = {LinkStart::Connected, LinkStart::Failed, LinkStart::Held};
    qsizetype first = -1;
    int answer = -1;
    for (int i = 0; i < 3; ++i) {
        const qsizetype at = reply.indexOf(answers[i]);
        if (at >= 0 && (first < 0 || at < first)) {
            first = at;
            answer = i;
        }
    }
    if (answer >= 0) {
        *used = lineEnd(reply, first);
        if (code)
            *code = kinds[answer] == LinkStart::Held ? answers[answer] : QByteArray();
        return kinds[answer];
    }
    *used = error(reply, code);
    return *used >= 0 ? LinkStart::Refused : LinkStart::Pending;
}

QByteArray GsmCodes::linkData(const QByteArray &data)
{
    if (!data.endsWith('\n'))
        return data;
    return data.left(data.size() - 1) + "\r\n";
}

bool GsmCodes::isLinkWarning(const QByteArray &batch)
{
    return batch.contains("WARNNING");
}
