// The modem console's reading of unsolicited codes and of the status and
// signal replies: the same result however the bytes are cut into batches,
// a bounded buffer, and no crash or hang on any input.
#include "positioning/gsm_codes.h"
#include "tests/support/test_base.h"

#include <QRandomGenerator>
#include <QtTest>
#include <algorithm>

struct ReaderRun
{
    QByteArray buffer;
    bool incomingCall = false, inCall = true, ringSeen = false, callerIdReady = false;
    QList<GsmNotice> shown;

    void feed(const QByteArray &data)
    {
        GsmCodeReader reader(buffer, incomingCall, inCall, ringSeen, callerIdReady);
        shown += reader.feed(data);
    }
    QString summary() const
    {
        QStringList kinds;
        for (const GsmNotice &n : shown)
            kinds << QString("%1:%2").arg(int(n.kind)).arg(QString::fromLatin1(n.value));
        kinds.sort(); // one batch may report its codes in another order
        return kinds.join(' ') + QString(" flags %1%2%3%4").arg(incomingCall).arg(inCall).arg(ringSeen).arg(callerIdReady);
    }
};

class GsmCodesTest : public QObject
{
    Q_OBJECT
private slots:
    void readerScenarios_data()
    {
        QTest::addColumn<QList<QByteArray>>("batches");
        QTest::addColumn<QString>("expected");
        const QByteArray clip("\r\n+CLIP: \"13800138000\",129,\"\",0,\"\",0\r\n");
        QTest::newRow("RING, then the caller's line in a later batch")
            << QList<QByteArray>{"\r\nRING\r\n", clip} << "3: 4:13800138000 flags 1100";
        QTest::newRow("RING without identification is announced once")
            << QList<QByteArray>{"\r\nRING\r\n", "\r\nRING\r\n", "\r\nRING\r\n"} << "3: flags 1110";
        QTest::newRow("new message in box 3, in two pieces")
            << QList<QByteArray>{"\r\n+CMTI: \"SM\",", "3\r\n"} << "5:3 flags 0100";
        QTest::newRow("box number ends at its line, a RING behind it is its own")
            << QList<QByteArray>{"\r\n+CMTI: \"SM\",3\r\nRING\r\n"} << "3: 5:3 flags 1110";
        QTest::newRow("the far end hangs up") << QList<QByteArray>{"\r\nNO CARRIER\r\n"} << "0: flags 0000";
        QTest::newRow("busy") << QList<QByteArray>{"\r\nBUSY\r\n"} << "1: flags 0000";
        QTest::newRow("connected line") << QList<QByteArray>{"\r\n+COLP: \"10086\",129\r\n"} << "2: flags 0100";
    }

    // Each scenario gives the same notices and flags fed whole, byte by byte
    // and cut after every prefix; no prefix crashes the reader.
    void readerScenarios()
    {
        QFETCH(QList<QByteArray>, batches);
        QFETCH(QString, expected);

        ReaderRun whole;
        for (const QByteArray &b : batches)
            whole.feed(b);
        QCOMPARE(whole.summary(), expected);

        ReaderRun bytes;
        for (const QByteArray &b : batches)
            for (char c : b)
                bytes.feed(QByteArray(1, c));
        QCOMPARE(bytes.summary(), expected);

        const QByteArray all = batches.join();
        for (qsizetype cut = 0; cut <= all.size(); ++cut) {
            ReaderRun prefix;
            prefix.feed(all.left(cut));
            QVERIFY(prefix.buffer.size() <= GsmCodeReader::kKeep);
        }
    }

    // A ",129," seen long before a RING must not complete that call.
    void staleTypeFieldIsForgotten()
    {
        ReaderRun run;
        run.feed(",129,");
        run.feed(QByteArray(2000, 'x'));
        run.feed("\r\nRING\r\n");
        run.feed("\r\n");
        QVERIFY(run.ringSeen);
        QVERIFY(!run.callerIdReady);
    }

    void readerFuzz()
    {
        QRandomGenerator rng(21);
        const QList<QByteArray> pieces = {"RING", "\r\n", "+CLIP: \"", "\"", ",129,", "+CMTI", "\"SM\",",
                                          "NO CARRIER", "BUSY", "COLP", QByteArray(1, '\0'), "+CLIP"};
        ReaderRun run;
        for (int i = 0; i < 20000; ++i) {
            QByteArray batch;
            const int n = rng.bounded(1, 8);
            for (int k = 0; k < n; ++k) {
                if (rng.bounded(2))
                    batch += pieces.at(rng.bounded(int(pieces.size())));
                else
                    batch += char(rng.bounded(256));
            }
            run.feed(batch);
            QVERIFY(run.buffer.size() <= GsmCodeReader::kKeep);
        }
        // Megabytes without a line end stay bounded.
        for (int i = 0; i < 4; ++i) {
            run.feed(QByteArray(1 << 20, 'A'));
            QCOMPARE(run.buffer.size(), GsmCodeReader::kKeep);
        }
    }

    void replyRules_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("value"); // -1: no answer
        QTest::newRow("CLIP on, echo on") << QByteArray("AT+CLIP?\r\r\n+CLIP: 1,0\r\n\r\nOK\r\n") << "clip" << 1;
        QTest::newRow("CLIP off") << QByteArray("\r\n+CLIP: 0,1\r\n") << "clip" << 0;
        QTest::newRow("CLIP off after a caller's line")
            << QByteArray("\r\n+CLIP: \"13800138000\",129,\"\",0,\"\",0\r\n\r\n+CLIP: 0,1\r\n\r\nOK\r\n") << "clip" << 0;
        QTest::newRow("CLIP value not there yet") << QByteArray("\r\n+CLIP: ") << "clip" << -1;
        QTest::newRow("CALM 0 is sound on") << QByteArray("\r\n+CALM: 0\r\n\r\nOK\r\n") << "calm" << 1;
        QTest::newRow("CALM 1 is silent") << QByteArray("\r\n+CALM: 1\r\n") << "calm" << 0;
        QTest::newRow("CALM reads its own line only")
            << QByteArray("\r\n+CALM: \r\n+CMTI: \"SM\",10\r\n") << "calm" << -1;
        QTest::newRow("CMGF text mode") << QByteArray("\r\n+CMGF: 1\r\n\r\nOK\r\n") << "cmgf" << 1;
        QTest::newRow("CMGF PDU mode") << QByteArray("\r\n+CMGF: 0\r\n\r\nOK\r\n") << "cmgf" << 0;
        QTest::newRow("CSQ 15") << QByteArray("\r\n+CSQ: 15,0\r\n\r\nOK\r\n") << "csq" << 15;
        QTest::newRow("CSQ 7 is read up to its comma") << QByteArray("\r\n+CSQ: 7,0\r\n\r\nOK\r\n") << "csq" << 7;
        QTest::newRow("CSQ 99") << QByteArray("\r\n+CSQ: 99,99\r\n\r\nOK\r\n") << "csq" << 99;
        QTest::newRow("CSQ with NULs before it") << QByteArray("\0\0\r\n+CSQ: 31,0\r\n\r\nOK\r\n", 22) << "csq" << 31;
        QTest::newRow("CSQ without OK yet") << QByteArray("\r\n+CSQ: 15,0\r\n") << "csq" << -1;
        QTest::newRow("CSQ 2 is a weak reading") << QByteArray("\r\n+CSQ: 2,0\r\n\r\nOK\r\n") << "csq" << 2;
        QTest::newRow("CSQ negative is an answer without an icon")
            << QByteArray("\r\n+CSQ: -5,0\r\n\r\nOK\r\n") << "csq" << -5;
        QTest::newRow("CSQ of the extended range reads its first two digits")
            << QByteArray("\r\n+CSQ: 115,99\r\n\r\nOK\r\n") << "csq" << 11;
        QTest::newRow("OK without CSQ") << QByteArray("\r\nOK\r\n") << "csq" << -1;
        QTest::newRow("CSQ at the very end") << QByteArray("\r\nOK\r\n+CSQ: ") << "csq" << -1;
    }

    void replyRules()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QString, rule);
        QFETCH(int, value);
        const GsmCodes::Match m = rule == "clip"   ? GsmCodes::clip(reply)
                                  : rule == "calm" ? GsmCodes::calm(reply)
                                  : rule == "cmgf" ? GsmCodes::textMode(reply)
                                                   : GsmCodes::signal(reply);
        QCOMPARE(m.found() ? m.value : -1, value);
        if (m.found())
            QVERIFY(m.used > 0 && m.used <= reply.size());
    }

    // The data's echo still coming at Ctrl-Z, from a modem that does not
    // echo the Ctrl-Z: its end goes, the host's answer after it stays.
    void sendStepEchoEndWithoutCtrlZ()
    {
        QCOMPARE(GsmCodes::hostBytes("lo\r\nhello\r\n\r\nSEND OK\r\n", "lo\r\n\x1a", 13, 22), QByteArray("hello\r\n"));
    }

    // An echo not begun in the data step is taken only whole, with the
    // Ctrl-Z no host answer holds: a host's answer of the same text stays.
    void lateEchoOnlyWhole()
    {
        const QByteArray echo = "hello\r\n\x1a";
        QCOMPARE(GsmCodes::hostBytes("hello\r\n\x1a\r\nSEND OK\r\nhi\r\n", echo, 10, 19, true), QByteArray("hi\r\n"));
        QCOMPARE(GsmCodes::hostBytes("hello\r\n", echo, -1, 0, true), QByteArray("hello\r\n"));
        QCOMPARE(GsmCodes::hostBytes("hello\r\n\r\nSEND OK\r\n", echo, 9, 18, true), QByteArray("hello\r\n"));
    }

    void replyRulesFuzz()
    {
        QRandomGenerator rng(4116);
        const QList<QByteArray> pieces = {"+CSQ: ", "+CLIP: ", "+CALM: ", "+CMGF: ", "OK\r\n", "ERROR\r\n",
                                          ",", "\r\n", QByteArray(1, '\0'), "1", "0", "99"};
        for (int i = 0; i < 20000; ++i) {
            QByteArray reply;
            const int n = rng.bounded(0, 10);
            for (int k = 0; k < n; ++k)
                reply += rng.bounded(2) ? pieces.at(rng.bounded(int(pieces.size()))) : QByteArray(1, char(rng.bounded(256)));
            for (const GsmCodes::Match &m : {GsmCodes::clip(reply), GsmCodes::calm(reply), GsmCodes::textMode(reply),
                                             GsmCodes::signal(reply)})
                QVERIFY(!m.found() || (m.used > 0 && m.used <= reply.size()));
            QVERIFY(GsmCodes::error(reply) <= reply.size());
        }
    }
};

KESP_TEST_GUILESS_MAIN(GsmCodesTest)
#include "tst_gsm_codes.moc"
