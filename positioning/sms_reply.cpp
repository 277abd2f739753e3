#include "positioning/sms_reply.h"

#include "positioning/ucs2_text.h"

static const QByteArray kRec("+CMGR: \"REC");
static const QByteArray kSto("+CMGR: \"STO");

static qsizetype header(const QByteArray &reply)
{
    const qsizetype rec = reply.indexOf(kRec);
    const qsizetype sto = reply.indexOf(kSto);
    if (rec < 0)
        return sto;
    return sto < 0 ? rec : qMin(rec, sto);
}

qsizetype SmsReply::end(const QByteArray &reply)
{
    const qsizetype at = header(reply);
    const qsizetype ok = reply.indexOf("OK\r\n", at < 0 ? 0 : at);
    return ok < 0 ? -1 : ok + 4;
}

bool SmsReply::holdsMessage(const QByteArray &reply)
{
    return header(reply) >= 0;
}

QString SmsReply::rawText(const QByteArray &reply)
{
    return QString::fromUtf8(reply).remove(QLatin1Char('\r'));
}

// Many modems leave an empty name field unquoted ("+86...",,"24/05/01...");
// quoted, it reads as any other header.
static QByteArray quoteEmptyFields(const QByteArray &header)
{
    QByteArray quoted;
    bool inQuotes = false;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const char c = header.at(i);
        quoted += c;
        if (c == '"')
            inQuotes = !inQuotes;
        else if (c == ',' && !inQuotes && (i + 1 == header.size() || header.at(i + 1) == ','))
            quoted += "\"\"";
    }
    return quoted;
}

SmsReply SmsReply::parse(const QByteArray &given)
{
    SmsReply r;
    r.reply = given;
    const qsizetype at = header(given);
    if (at < 0)
        return r;
    const bool received = given.mid(at, kRec.size()) == kRec;
    qsizetype lineEnd = given.indexOf("\r\n", at);
    if (lineEnd < 0)
        return r;
    const QByteArray reply = given.left(at) + quoteEmptyFields(given.mid(at, lineEnd - at)) + given.mid(lineEnd);
    lineEnd = reply.indexOf("\r\n", at);

    // Field separators of the header line only: a message may hold any text.
    static const QByteArray sep("\",\"");
    qsizetype seps[3] = {-1, -1, -1};
    qsizetype from = at;
    for (qsizetype &s : seps) {
        s = reply.indexOf(sep, from);
        if (s < 0 || s + sep.size() > lineEnd) {
            s = -1;
            break;
        }
        from = s + sep.size();
    }
    // A modem that leaves out the name field has fewer separators: nothing
    // to read the time and text from, so the reply is shown as it came.
    if (seps[1] < 0 || (received && seps[2] < 0))
        return r;

    const qsizetype numberFrom = seps[0] + sep.size();
    const qsizetype numberTo = reply.indexOf('"', numberFrom);
    const QByteArray number = reply.mid(numberFrom, numberTo - numberFrom);

    QByteArray body;
    if (received) {
        const qsizetype timeFrom = seps[2] + sep.size();
        const qsizetype timeTo = reply.indexOf('"', timeFrom);
        const qsizetype bodyFrom = reply.indexOf("\"\r\n", seps[2] + sep.size());
        if (bodyFrom < 0)
            return r;
        r.time = reply.mid(timeFrom, timeTo - timeFrom);
        const qsizetype bodyTo = reply.indexOf('\r', bodyFrom + 3);
        body = reply.mid(bodyFrom + 3, bodyTo < 0 ? -1 : bodyTo - bodyFrom - 3);
    } else {
        body = reply.mid(lineEnd + 2);
        body.replace("OK", "").replace("\r\n", "");
    }
    r.sender = Ucs2Text::decode(QString::fromLatin1(number));
    r.text = Ucs2Text::decode(QString::fromLatin1(body));
    r.raw = false;
    return r;
}

QString SmsReply::shown() const
{
    if (raw)
        return rawText(reply);
    return QStringLiteral("Sender:") + sender + QLatin1Char('\n') + QStringLiteral("Time:")
           + QString::fromLatin1(time) + QLatin1Char('\n') + text;
}
