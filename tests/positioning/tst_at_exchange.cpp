// The modem console's command exchange, driven by a scripted port: what each
// wait delivers is fixed by the test, so budgets, split replies, bytes after
// the answer, nesting and the end of the port are checked exactly.
#include "positioning/at_exchange.h"
#include "tests/support/test_base.h"

#include <QtTest>

struct ScriptedPort
{
    AtExchange at;
    QList<QByteArray> writes;
    QList<int> waits;
    // What happens during each wait, in order; an empty script is silence.
    QList<std::function<void()>> script;
    QByteArray toReader;

    ScriptedPort()
    {
        at.writer = [this](const QByteArray &b) {
            writes << b;
            return true;
        };
        at.waiter = [this](int ms) {
            waits << ms;
            if (!script.isEmpty())
                script.takeFirst()();
        };
        QObject::connect(&at, &AtExchange::received, [this](const QByteArray &b) { toReader += b; });
    }
    std::function<void()> feed(const QByteArray &b)
    {
        return [this, b] { at.feed(b); };
    }
};

static AtExchange::Check awaitOk()
{
    return [](const QByteArray &reply) -> qsizetype {
        const qsizetype at = reply.indexOf("OK\r\n");
        return at < 0 ? AtExchange::kGoOn : at + 4;
    };
}

class AtExchangeTest : public QObject
{
    Q_OBJECT
private slots:
    // A silent modem: the command written once, 11 polls with 10 waits.
    void silentModemUsesTheBudget()
    {
        ScriptedPort p;
        int checks = 0;
        const auto outcome = p.at.exchange("AT+CSQ\r\n", 11, 100, [&](const QByteArray &) {
            ++checks;
            return AtExchange::kGoOn;
        });
        QCOMPARE(outcome, AtExchange::Outcome::NoAnswer);
        QCOMPARE(p.writes, QList<QByteArray>{"AT+CSQ\r\n"});
        QCOMPARE(checks, 11);
        QCOMPARE(p.waits, QList<int>(10, 100));
    }

    // "O" then "K\r\n" in the next batch, with NULs before: one answer, and
    // what follows the answering line goes to the reader ("RING" kept).
    void splitReplyAndTheBytesAfterIt()
    {
        ScriptedPort p;
        p.script = {p.feed(QByteArray("\0\0O", 3)), p.feed("K\r\n\r\nRING\r\n")};
        QCOMPARE(p.at.exchange("ATH\r\n", 11, 100, awaitOk()), AtExchange::Outcome::Answered);
        QCOMPARE(p.waits.size(), 2);
        QCOMPARE(p.toReader, QByteArray("\r\nRING\r\n"));
        // Between exchanges the reader gets the batches as they come.
        p.at.feed("+CMTI");
        QCOMPARE(p.toReader, QByteArray("\r\nRING\r\n+CMTI"));
    }

    // Bytes that came before a command are not its reply.
    void writeStartsTheReplyAfresh()
    {
        ScriptedPort p;
        QByteArray seen;
        p.script = {[&] {
            p.at.feed("OK\r\n");
            p.at.write("ATD123;\r\n", true);
            p.at.feed("NO CARRIER\r\n");
        }};
        p.at.exchange("ATD123;\r\n", 2, 100, [&](const QByteArray &reply) {
            seen = reply;
            return AtExchange::kGoOn;
        });
        QCOMPARE(seen, QByteArray("NO CARRIER\r\n"));
        QCOMPARE(p.writes.size(), 2);
    }

    // A command started during another's wait gets the bytes first; its
    // leftovers go to the outer one, not to the reader.
    void nestedExchangeGetsTheBytesFirst()
    {
        ScriptedPort p;
        QByteArray outerSaw;
        p.script = {[&] {
            p.script = {p.feed("\r\nOK\r\nNO CARRIER\r\n")};
            QCOMPARE(p.at.exchange("ATH\r\n", 11, 100, awaitOk()), AtExchange::Outcome::Answered);
        }};
        p.at.exchange("ATD1;\r\n", 3, 100, [&](const QByteArray &reply) {
            outerSaw = reply;
            return reply.contains("NO CARRIER") ? qsizetype(reply.size()) : AtExchange::kGoOn;
        });
        QCOMPARE(p.writes, (QList<QByteArray>{"ATD1;\r\n", "ATH\r\n"}));
        QCOMPARE(outerSaw, QByteArray("NO CARRIER\r\n"));
        QVERIFY(p.toReader.isEmpty());
    }

    // A port that goes away ends every running exchange at its next wait,
    // and nothing more is written, nested or not.
    void endStopsAtTheNextWait()
    {
        ScriptedPort p;
        p.script = {[&] {
            p.script = {[&] { p.at.end(); }};
            QCOMPARE(p.at.exchange("ATH\r\n", 11, 100, awaitOk()), AtExchange::Outcome::Ended);
        }};
        QCOMPARE(p.at.exchange("AT+CLIP?\r\n", 11, 500, awaitOk()), AtExchange::Outcome::Ended);
        QCOMPARE(p.waits, (QList<int>{500, 100}));
        QCOMPARE(p.at.exchange("AT+CALM?\r\n", 11, 100, awaitOk()), AtExchange::Outcome::Ended);
        QVERIFY(!p.at.write("AT\r\n", true));
        QCOMPARE(p.writes.size(), 2);
        QVERIFY(!p.at.running());
        p.at.restart();
        QVERIFY(p.at.write("AT\r\n", true));
    }

    // Without a reader the bytes wait for the next one; a flood stays bounded.
    void unreadBytesWaitForTheNextReader()
    {
        AtExchange at;
        at.feed("RING\r\n");
        for (int i = 0; i < 8; ++i)
            at.feed(QByteArray(64 * 1024, 'x'));
        QByteArray got;
        QObject::connect(&at, &AtExchange::received, [&](const QByteArray &b) { got += b; });
        at.handOver();
        QCOMPARE(got.size(), AtExchange::kKeep);
    }
};

KESP_TEST_GUILESS_MAIN(AtExchangeTest)
#include "tst_at_exchange.moc"
