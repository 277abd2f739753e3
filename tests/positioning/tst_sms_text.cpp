// The SMS cores: UCS2 hex text against iconv's UTF-16BE, decoding whatever
// a modem or a user puts in, and the "+CMGR: " reply read into sender, time
// and text, or left raw, for every cut and damage of a reply.
#include "positioning/sms_reply.h"
#include "positioning/ucs2_text.h"
#include "tests/support/test_base.h"

#include <QProcess>
#include <QtTest>

static QString iconvUcs2(const QString &text)
{
    QProcess iconv;
    iconv.start("iconv", {"-f", "UTF-8", "-t", "UTF-16BE"});
    iconv.write(text.toUtf8());
    iconv.closeWriteChannel();
    iconv.waitForFinished(5000);
    return QString::fromLatin1(iconv.readAllStandardOutput().toHex());
}

static const QByteArray kRec = "AT+CMGR=1\r\r\n+CMGR: \"REC UNREAD\",\"00310030003000380036\",\"\",\"24/01/01,12:00:00+32\"\r\n"
                               "4e2d658700200074006500730074\r\n\r\nOK\r\n";
static const QByteArray kSto = "\r\n+CMGR: \"STO UNSENT\",\"00310030003000380036\",\"\"\r\n00480069\r\n\r\nOK\r\n";

class SmsTextTest : public QObject
{
    Q_OBJECT
private slots:
    void encodesAsIconv()
    {
        const QStringList texts = {"abc中\t", "中文 test", "😀", "a<b>&\"'\r\n", QString(), QString(200, QChar(0x7FFF))};
        for (const QString &text : texts) {
            const QString hex = Ucs2Text::encode(text);
            QCOMPARE(hex, iconvUcs2(text));
            QCOMPARE(Ucs2Text::decode(hex), text);
        }
        QCOMPARE(Ucs2Text::encode("abc中\t"), QString("0061006200634e2d0009"));
        QCOMPARE(Ucs2Text::encode("😀"), QString("d83dde00"));
    }

    void decodesAnyInput_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("text");
        QTest::newRow("trailing digits dropped") << "0041004" << "A";
        QTest::newRow("non-hex group is U+0000") << "zzzz" << QString(QChar(0));
        QTest::newRow("sign, blank or 0x prefix is no number") << "+041 041x041" << QString(3, QChar(0));
        QTest::newRow("upper-case digits") << "4E2D4e2d" << "中中";
        QTest::newRow("lone surrogate kept") << "d83d0041" << QString(QChar(0xD83D)) + "A";
        QTest::newRow("thousands of digits") << QString("0041").repeated(5000) << QString(5000, 'A');
        QTest::newRow("empty") << "" << "";
    }
    void decodesAnyInput()
    {
        QFETCH(QString, hex);
        QFETCH(QString, text);
        QCOMPARE(Ucs2Text::decode(hex), text);
    }

    void readsReplies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("shown");
        QTest::newRow("received") << kRec << "Sender:10086\nTime:24/01/01,12:00:00+32\n中文 test";
        QTest::newRow("stored") << kSto << "Sender:10086\nTime:\nHi";
        QTest::newRow("empty box is raw") << QByteArray("\r\nOK\r\n") << "\nOK\n";
        QTest::newRow("name field left out is raw")
            << QByteArray("\r\n+CMGR: \"REC READ\",\"0031\",\"24/01/01\"\r\n0041\r\nOK\r\n")
            << "\n+CMGR: \"REC READ\",\"0031\",\"24/01/01\"\n0041\nOK\n";
        QTest::newRow("no quote before the text is raw")
            << QByteArray("+CMGR: \"REC READ\",\"0031\",\"\",24/01/01\r\n0041\r\nOK\r\n")
            << "+CMGR: \"REC READ\",\"0031\",\"\",24/01/01\n0041\nOK\n";
        QTest::newRow("separators in the text are no fields")
            << QByteArray("+CMGR: \"STO SENT\",\"0031\"\r\n\",\",\",\"\r\nOK\r\n")
            << "+CMGR: \"STO SENT\",\"0031\"\n\",\",\",\"\nOK\n";
    }
    void readsReplies()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, shown);
        const qsizetype end = SmsReply::end(reply);
        QCOMPARE(end, reply.size());
        QCOMPARE(SmsReply::parse(reply.left(end)).shown(), shown);
    }

    // Every cut of a reply, and every byte of it turned NUL, parses without
    // a crash; a cut before its "OK" is never taken as complete.
    void anyCutOrDamage()
    {
        for (const QByteArray &reply : {kRec, kSto}) {
            for (qsizetype n = 0; n < reply.size(); ++n) {
                const QByteArray prefix = reply.left(n);
                QCOMPARE(SmsReply::end(prefix), -1);
                (void)SmsReply::parse(prefix).shown();
                QByteArray damaged = reply;
                damaged[n] = '\0';
                const SmsReply parsed = SmsReply::parse(damaged);
                QVERIFY(!parsed.shown().isEmpty());
            }
        }
    }
};

KESP_TEST_GUILESS_MAIN(SmsTextTest)
#include "tst_sms_text.moc"
