#ifndef SMS_REPLY_H
#define SMS_REPLY_H

#include <QByteArray>
#include <QString>

// A text-mode modem's answer to "AT+CMGR=": the header "+CMGR: " with its
// quoted fields (status, number, name, time), the message as UCS2 hex, then
// "OK".  Read into sender, time and text, or left raw when the header does
// not have the fields to read from.
class SmsReply
{
public:
    // Where the reply's "OK\r\n" ends (the bytes the read uses), -1 while
    // it has not come.
    [[nodiscard]] static qsizetype end(const QByteArray &reply);
    // The reply carries a received ("REC") or stored ("STO") message.
    [[nodiscard]] static bool holdsMessage(const QByteArray &reply);

    [[nodiscard]] static SmsReply parse(const QByteArray &reply);

    // "Sender:", "Time:" and the text on three lines; the reply itself
    // when it was left raw.
    [[nodiscard]] QString shown() const;

    bool raw = true;
    QString sender;
    QByteArray time;
    QString text;
    QByteArray reply;

    // A raw reply as the read view shows it (UTF-8, line ends as breaks).
    [[nodiscard]] static QString rawText(const QByteArray &reply);
};

#endif // SMS_REPLY_H
