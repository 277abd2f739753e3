// Sends into a device or peer that stops reading: what the program holds for
// it stays bounded, a send past the bound is refused whole and not counted,
// Keep Send goes on, and once the far end reads again it gets exactly the
// accepted sends, in order.  Against a socat pty and real loopback sockets.
#include "serial_fixture.h"
#include "terminals/send_queue.h"
#include "tests/support/test_base.h"

#include <QCheckBox>
#include <QDialog>
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

namespace {

// One tab's send widgets, by object name.
struct SendTab
{
    const char *box, *button, *keep, *interval, *clearCount, *counter, *timer;
    QString accepted;  // status left by an accepted send
    QRegularExpression full, tooLarge;
};

const SendTab kSerialTab{"sendMsgtextEdit", "sendmsgBtn", "obocheckBox", "delayspinBox",
                         "cleanbytespushButton", "sendbyteslcdNumber", "sendTimer",
                         QStringLiteral("Send Success"),
                         QRegularExpression("^Send refused: the device is not taking data, (\\d+) bytes are "
                                            "still waiting$"),
                         QRegularExpression("^Send refused: (\\d+) bytes in one send is more than the 1048576 "
                                            "bytes that may wait for the device$")};
const SendTab kTcpTab{"TCPsendMsgtextEdit", "TCPsendmsgBtn", "TCPobocheckBox", "TCPdelayspinBox",
                      "TCPcleanbytespushButton", "TCPsendbyteslcdNumber", "tcpSendTimer",
                      QStringLiteral("Counter has been cleared"),
                      QRegularExpression("^TCP send refused: the peer [^ ]+ is not taking data, (\\d+) bytes are "
                                         "still waiting$"),
                      QRegularExpression("^TCP send refused: (\\d+) bytes in one send is more than the 1048576 "
                                         "bytes that may wait for the peer$")};

// Payload n: its number first, so a lost, doubled or reordered send shows.
QByteArray payload(int n, int size)
{
    QByteArray p = QByteArray::number(n).rightJustified(7, '0') + ':';
    p += QByteArray(size - p.size(), char('a' + n % 26));
    return p;
}

} // namespace

class SendQueueTest : public QObject
{
    Q_OBJECT
private slots:
    void stalledFarEnd_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<int>("size");
        // The figures of a device that stops reading, only faster.
        QTest::newRow("serial device stops reading") << "serial" << 8000;
        QTest::newRow("TCP server that stops reading") << "TCP Client" << 50000;
        QTest::newRow("TCP client that stops reading") << "TCP Server" << 50000;
    }

    void stalledFarEnd()
    {
        QFETCH(QString, peer);
        QFETCH(int, size);
        const bool serial = peer == "serial";
        const SendTab &tab = serial ? kSerialTab : kTcpTab;

        TerminalWindow t;
        MainWindow &w = t.w;
        w.show();
        QTcpServer listener;
        QTcpSocket client;
        QTcpSocket *far = nullptr;
        int farFd = -1;
        if (serial) {
            QVERIFY(t.open());
            farFd = t.pty.farFd();
            QVERIFY(farFd >= 0);
        } else {
            child<QComboBox>(w, "TCP_comboBox")->setCurrentText(peer);
            if (peer == "TCP Client") {
                QVERIFY(listener.listen(QHostAddress::LocalHost));
                child<QLineEdit>(w, "TCPclientIPlineEdit")->setText("127.0.0.1");
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
            }
        }
        bool reading = true;
        auto farRead = [&] {
            QByteArray got;
            char buf[65536];
            ssize_t n;
            if (reading && far)
                got = far->readAll();
            while (reading && farFd >= 0 && (n = ::read(farFd, buf, sizeof buf)) > 0)
                got.append(buf, n);
            return got;
        };
        // A socket with a full read buffer stops taking from the kernel.
        auto setReading = [&](bool on) {
            reading = on;
            if (far)
                far->setReadBufferSize(on ? 0 : 4096);
        };
        auto held = [&] {
            qint64 most = 0;
            for (QTcpSocket *s : w.findChildren<QTcpSocket *>())
                most = qMax(most, s->bytesToWrite());
            return most;
        };

        auto *box = child<QPlainTextEdit>(w, tab.box);
        auto *timer = child<QTimer>(w, tab.timer);
        QByteArray arrived, expected;
        int n = 0, accepted = 0, refused = 0;
        qint64 mostHeld = 0, mostWaiting = 0;
        QString badTick;
        // After each tick of Keep Send: the counter and the status say what
        // became of that send, then the box gets the next payload.
        QByteArray current = payload(n, size);
        box->setPlainText(QString::fromLatin1(current));
        QObject::connect(timer, &QTimer::timeout, &w, [&] {
            const int counted = lcd(w, tab.counter);
            const QString said = status(w);
            const QRegularExpressionMatch full = tab.full.match(said);
            if (said == tab.accepted && counted == qMin(size, 99999)) {
                expected += current;
                ++accepted;
            } else if (full.hasMatch() && counted == 0) {
                mostWaiting = qMax(mostWaiting, full.captured(1).toLongLong());
                ++refused;
            } else if (badTick.isEmpty()) {
                badTick = QStringLiteral("tick %1: \"%2\", counted %3").arg(n).arg(said).arg(counted);
            }
            mostHeld = qMax(mostHeld, held());
            press(w, tab.clearCount);
            current = payload(++n, size);
            box->setPlainText(QString::fromLatin1(current));
        });
        auto pump = [&](const std::function<bool()> &until, int ms) {
            return waitFor([&] {
                arrived += farRead();
                return until();
            }, ms);
        };

        setReading(false);
        child<QCheckBox>(w, tab.keep)->setChecked(true);
        child<QSpinBox>(w, tab.interval)->setValue(10);
        press(w, tab.clearCount);
        press(w, tab.button);
        QCOMPARE(child<QPushButton>(w, tab.button)->text(), QStringLiteral("Pause"));
        // Until the bound has refused a good number of sends in a row.
        QVERIFY2(pump([&] { return refused >= 20; }, 30000), qPrintable(badTick));
        QVERIFY2(badTick.isEmpty(), qPrintable(badTick));
        QVERIFY(mostWaiting <= SendQueue::kLimit);
        QVERIFY(mostWaiting + size > SendQueue::kLimit);
        QVERIFY2(mostHeld <= SendQueue::kLimit, qPrintable(QString::number(mostHeld)));
        // What got past the program sits in the kernel's and socat's buffers,
        // a few hundred KB for a pty; the program itself holds at most kLimit.
        if (serial)
            QVERIFY2(expected.size() - arrived.size() <= SendQueue::kLimit + 512 * 1024,
                     qPrintable(QString::number(expected.size() - arrived.size())));

        // A quick command into the full queue is refused whole too.
        if (serial) {
            press(w, "com_expandpushButton");
            auto *dialog = w.findChild<QDialog *>("COM_Expand");
            QVERIFY(dialog);
            // Longer than the room a refused Keep Send left.
            child<QLineEdit>(*dialog, "com_qlineedit")->setText(QString(size + 1, QLatin1Char('q')));
            press(*dialog, "com_pushButton");
            QVERIFY2(tab.full.match(status(w)).hasMatch(), qPrintable(status(w)));
            dialog->close();
        }

        // The far end reads again: Keep Send, still running, gets through.
        const int acceptedBefore = accepted;
        setReading(true);
        QVERIFY2(pump([&] { return accepted >= acceptedBefore + 20; }, 30000), qPrintable(badTick));
        press(w, tab.button);
        QCOMPARE(child<QPushButton>(w, tab.button)->text(), serial ? "Send" : "send");
        QVERIFY(pump([&] { return arrived.size() >= expected.size(); }, 10000));
        kesptest::spin(200);
        arrived += farRead();
        QCOMPARE(arrived.size(), expected.size());
        QVERIFY(arrived == expected);

        // One send larger than the bound is refused whole, whatever waits.
        child<QCheckBox>(w, tab.keep)->setChecked(false);
        // In lines, which a text box lays out quickly.
        box->setPlainText((QString(1023, QLatin1Char('x')) + QLatin1Char('\n')).repeated(1025));
        press(w, tab.button);
        const QRegularExpressionMatch big = tab.tooLarge.match(status(w));
        QVERIFY2(big.hasMatch(), qPrintable(status(w)));
        QVERIFY(big.captured(1).toLongLong() > SendQueue::kLimit);
        QCOMPARE(lcd(w, tab.counter), 0);
        kesptest::spin(200);
        QCOMPARE(farRead(), QByteArray());
    }
};

KESP_TEST_MAIN(SendQueueTest)
#include "tst_send_queue.moc"
