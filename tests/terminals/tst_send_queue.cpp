// Sends into a device or peer that stops reading, or reads slowly: what the
// program holds for it stays bounded, a send past the bound is refused whole
// and not counted, Keep Send goes on, and once the far end reads again it
// gets exactly the accepted sends, in order; an idle one takes one send
// larger than the bound whole.  Against a socat pty and real loopback sockets.
#include "serial_fixture.h"
#include "terminals/send_queue.h"
#include "tests/support/test_base.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <unistd.h>

using namespace serialtest;
using kesptest::waitFor;

// Payload n: its number first, so a lost, doubled or reordered send shows.
static QByteArray payload(int n, int size)
{
    QByteArray p = QByteArray::number(n).rightJustified(7, '0') + ':';
    return p + QByteArray(size - p.size(), char('a' + n % 26));
}

class SendQueueTest : public QObject
{
    Q_OBJECT
private slots:
    void stalledFarEnd_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("slowly"); // the far end reads slowly instead of stopping
        // The figures of a device that stops reading, only faster.
        QTest::newRow("serial device stops reading") << "serial" << 8000 << false;
        QTest::newRow("TCP server that stops reading") << "TCP Client" << 50000 << false;
        QTest::newRow("TCP client that stops reading") << "TCP Server" << 50000 << false;
        // The server sends to every client at the chosen address: the one
        // that reads must neither hide the refusal nor let the other's queue grow.
        QTest::newRow("two clients at one address, the first stops reading") << "two clients" << 40000 << false;
        // Refusals must not say that a device that reads takes nothing.
        QTest::newRow("serial device reads more slowly than Keep Send sends") << "serial" << 8000 << true;
    }

    void stalledFarEnd()
    {
        QFETCH(QString, peer);
        QFETCH(int, size);
        QFETCH(bool, slowly);
        const bool serial = peer == "serial";
        // The TCP tab's send widgets are the serial ones' names behind "TCP".
        auto name = [&](const char *n) { return QByteArray(serial ? "" : "TCP") + n; };
        TerminalWindow t;
        MainWindow &w = t.w;
        w.show();
        QTcpServer listener;
        QTcpSocket client, reader;
        const int extra = peer == "two clients" ? size : 0; // what the reading client is sent per tick
        QTcpSocket *far = nullptr;
        int farFd = -1;
        if (serial) {
            QVERIFY(t.open());
            QVERIFY((farFd = t.pty.farFd()) >= 0);
        } else if (peer == "TCP Client") {
            QVERIFY(listener.listen(QHostAddress::LocalHost));
            child<QComboBox>(w, "TCP_comboBox")->setCurrentText(peer);
            child<QLineEdit>(w, "TCPclientPortlineEdit")->setText(QString::number(listener.serverPort()));
            press(w, "TCPopencompushButton");
            QVERIFY(waitFor([&] { return listener.hasPendingConnections(); }));
            far = listener.nextPendingConnection();
        } else {
            const quint16 port = kesptest::freeTcpPort();
            child<QLineEdit>(w, "TCPServerPortlineEdit")->setText(QString::number(port));
            press(w, "TCPopencompushButton");
            client.connectToHost(QHostAddress::LocalHost, port);
            QVERIFY(client.waitForConnected(2000));
            QVERIFY(waitFor([&] { return child<QComboBox>(w, "TCP_Client_IP_comboBox")->count() == 1; }));
            far = &client;
            if (extra) {
                reader.connectToHost(QHostAddress::LocalHost, port);
                QObject::connect(&reader, &QTcpSocket::readyRead, &reader, [&] { reader.readAll(); });
                QVERIFY(waitFor([&] { return child<QComboBox>(w, "TCP_Client_IP_comboBox")->count() == 2; }));
            }
        }
        bool reading = true;
        auto farRead = [&] {
            QByteArray got = reading && far ? far->readAll() : QByteArray();
            char buf[65536];
            ssize_t n;
            // Slowly: one small read a call.
            while (reading && farFd >= 0 && (n = ::read(farFd, buf, slowly ? 512 : sizeof buf)) > 0) {
                got.append(buf, n);
                if (slowly)
                    break;
            }
            return got;
        };
        // A socket with a full read buffer stops taking from the kernel.
        auto setReading = [&](bool on) {
            reading = on;
            if (far)
                far->setReadBufferSize(on ? 0 : 4096);
        };

        auto *box = child<QPlainTextEdit>(w, name("sendMsgtextEdit"));
        const QByteArray counter = name("sendbyteslcdNumber");
        const QString accepted = serial ? "Send Success" : "Counter has been cleared";
        const QRegularExpression full("^(TCP s|S)end refused: the (device|peer [^ ]+) takes data more slowly than it "
                                      "is sent, or not at all; (\\d+) bytes are still waiting$");
        QByteArray arrived, expected, current;
        int n = 0, sent = 0, refused = 0;
        qint64 mostHeld = 0, mostWaiting = 0;
        QString badTick;
        // After each tick of Keep Send the counter and the status say what
        // became of that send; then the box gets the next payload.
        auto next = [&] {
            press(w, name("cleanbytespushButton"));
            current = payload(n++, size);
            box->setPlainText(QString::fromLatin1(current));
        };
        QObject::connect(child<QTimer>(w, serial ? "sendTimer" : "tcpSendTimer"), &QTimer::timeout, &w, [&] {
            const QRegularExpressionMatch m = full.match(status(w));
            if (status(w) == accepted && lcd(w, counter) == size + extra) {
                expected += current;
                ++sent;
            } else if (m.hasMatch() && lcd(w, counter) == extra
                       && (serial || m.captured(2).endsWith(':' + QString::number(far->localPort())))) {
                mostWaiting = qMax(mostWaiting, m.captured(3).toLongLong());
                ++refused;
            } else if (badTick.isEmpty()) {
                badTick = QString("tick %1: \"%2\", counted %3").arg(n).arg(status(w)).arg(lcd(w, counter));
            }
            for (QTcpSocket *s : w.findChildren<QTcpSocket *>())
                mostHeld = qMax(mostHeld, s->bytesToWrite());
            next();
        });
        auto pump = [&](const std::function<bool()> &until, int ms) {
            return waitFor([&] { return (arrived += farRead(), until()); }, ms);
        };

        setReading(slowly);
        child<QCheckBox>(w, name("obocheckBox"))->setChecked(true);
        child<QSpinBox>(w, name("delayspinBox"))->setValue(10);
        next();
        press(w, name("sendmsgBtn"));
        QVERIFY2(pump([&] { return refused >= 20; }, 30000), qPrintable(badTick));
        QVERIFY2(badTick.isEmpty(), qPrintable(badTick));
        QVERIFY(mostWaiting <= SendQueue::kLimit && mostWaiting + size > SendQueue::kLimit);
        QVERIFY2(mostHeld <= SendQueue::kLimit, qPrintable(QString::number(mostHeld)));
        // Past the program, a pty and socat hold a few hundred KB at most.
        if (serial)
            QVERIFY(expected.size() - arrived.size() <= SendQueue::kLimit + 512 * 1024);
        QCOMPARE(arrived.isEmpty(), !slowly);

        // The far end reads again: Keep Send, still running, gets through.
        const int sentBefore = sent;
        slowly = false;
        setReading(true);
        QVERIFY2(pump([&] { return sent >= sentBefore + 20; }, 30000), qPrintable(badTick));
        press(w, name("sendmsgBtn"));
        QVERIFY(pump([&] { return arrived.size() >= expected.size(); }, 10000));
        kesptest::spin(200);
        arrived += farRead();
        QCOMPARE(arrived.size(), expected.size());
        QVERIFY(arrived == expected);

        // One send larger than the bound (in lines, which a text box lays out
        // quickly): an idle device takes it whole; sent again while it still
        // waits, it is refused whole.
        child<QCheckBox>(w, name("obocheckBox"))->setChecked(false);
        QByteArray big;
        for (int i = 0; i < 1025; ++i)
            big += QByteArray::number(i).rightJustified(1023, '.') + (serial || i == 1024 ? "\r\n" : "\n");
        box->setPlainText(QString::fromLatin1(big).remove('\r'));
        press(w, name("cleanbytespushButton"));
        press(w, name("sendmsgBtn"));
        QCOMPARE(status(w), accepted);
        press(w, name("cleanbytespushButton"));
        press(w, name("sendmsgBtn"));
        QVERIFY2(full.match(status(w)).hasMatch(), qPrintable(status(w)));
        QCOMPARE(lcd(w, counter), 0);
        arrived.clear();
        QVERIFY(pump([&] { return arrived.size() >= big.size(); }, 10000));
        kesptest::spin(200);
        arrived += farRead();
        QVERIFY(arrived == big);
    }
};

KESP_TEST_MAIN(SendQueueTest)
#include "tst_send_queue.moc"
