// The "TCP Debug" tab as server and client against real sockets on 127.0.0.1.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLCDNumber>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <arpa/inet.h>
#include <chrono>
#include <poll.h>
#include <thread>
#include <unistd.h>

using namespace kesptest;

static const QString kPeer = QStringLiteral("::ffff:127.0.0.1");

// A host on 127.0.0.1 that does not answer: its own connects keep its
// accept queue full, so the kernel drops a client's SYN and the client
// retries after 1 s, 3 s...  answer() starts accepting, so the next retry
// connects, as a host that wakes up late.
class SilentHost
{
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    QList<int> fillers;
    QList<quint16> fillerPorts;
    QTcpServer server;
    QList<QTcpSocket *> peers;
    QByteArray got;
    static quint16 portOf(int s)
    {
        sockaddr_in a{};
        socklen_t len = sizeof a;
        return ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &len) == 0 ? ntohs(a.sin_port) : 0;
    }

public:
    bool ready = false;
    SilentHost()
    {
        sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
        if (::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 || ::listen(fd, 0) != 0)
            return;
        a.sin_port = htons(portOf(fd));
        for (int i = 0; i < 16 && !ready; ++i) { // until a connect hangs
            fillers.append(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
            (void)::connect(fillers.last(), reinterpret_cast<sockaddr *>(&a), sizeof a);
            fillerPorts.append(portOf(fillers.last()));
            pollfd p{fillers.last(), POLLOUT, 0};
            ready = ::poll(&p, 1, 300) == 0;
        }
    }
    ~SilentHost()
    {
        qDeleteAll(peers);
        for (int c : std::as_const(fillers))
            ::close(c);
        if (!server.isListening()) // else the server owns it
            ::close(fd);
    }
    quint16 port() const { return portOf(fd); }
    void answer()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *s = server.nextPendingConnection())
                if (!fillerPorts.contains(s->peerPort()))
                    peers.append(s);
        });
        QVERIFY(server.setSocketDescriptor(fd));
    }
    int connections() const { return int(peers.size()); }
    QByteArray received()
    {
        for (QTcpSocket *s : std::as_const(peers))
            got += s->readAll();
        return got;
    }
};

class TcpTerminalTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;

    template<typename T> T *get(const char *name) { return kesptest::child<T>(*w, name); }
    void press(const char *name) { kesptest::press(*w, name); }
    QString status() { return kesptest::status(*w); }
    QString text() { return get<QPlainTextEdit>("TCP_StrTextBrowser")->toPlainText(); }
    int received() { return get<QLCDNumber>("TCPrecvbyteslcdNumber")->intValue(); }
    int sent() { return get<QLCDNumber>("TCPsendbyteslcdNumber")->intValue(); }
    bool opened() { return get<QPushButton>("TCPopencompushButton")->text() == "Stop"; }
    QComboBox *clients() { return get<QComboBox>("TCP_Client_IP_comboBox"); }

    void close()
    {
        if (opened())
            press("TCPopencompushButton");
    }
    void startServer(quint16 port)
    {
        close();
        get<QComboBox>("TCP_comboBox")->setCurrentText("TCP Server");
        get<QLineEdit>("TCPServerPortlineEdit")->setText(QString::number(port));
        press("TCPopencompushButton");
    }
    void startClient(quint16 port)
    {
        close();
        get<QComboBox>("TCP_comboBox")->setCurrentText("TCP Client");
        get<QLineEdit>("TCPclientIPlineEdit")->setText("127.0.0.1");
        get<QLineEdit>("TCPclientPortlineEdit")->setText(QString::number(port));
        press("TCPopencompushButton");
    }
    void setSendBox(const QString &box)
    {
        get<QCheckBox>("TCPsendAsHexcheckBox")->setChecked(false);
        get<QPlainTextEdit>("TCPsendMsgtextEdit")->setPlainText(box);
    }
    static QByteArray readFrom(QTcpSocket &s, int count, int timeoutMs = 2000)
    {
        QByteArray got;
        waitFor([&] {
            got += s.readAll();
            return got.size() >= count;
        }, timeoutMs);
        return got;
    }
    // Each write as its own segment, shown before the next one goes.
    void writeAndWait(QTcpSocket &s, const QByteArray &bytes)
    {
        const int before = received();
        s.write(bytes);
        s.flush();
        QVERIFY(waitFor([&] { return received() >= before + bytes.size() - bytes.count('\r'); }));
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        get<QTabWidget>("tabWidget")->setCurrentWidget(get<QWidget>("tcp"));
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void init()
    {
        close();
        press("TCPcleandatapushButton");
        press("TCPcleanbytespushButton");
        get<QCheckBox>("TCPobocheckBox")->setChecked(false);
        get<QCheckBox>("TCP_showtime_checkBox")->setChecked(false);
        QVERIFY(!get<QPushButton>("TCPsendmsgBtn")->isEnabled());
    }
    void cleanupTestCase()
    {
        w.reset();
        home.reset();
    }

    // A client writing 16 bytes a millisecond for 5 s: the deferred reads
    // of the server tab go on to the last byte.
    void steadyStreamIsShownWhole()
    {
        const quint16 port = freeTcpPort();
        startServer(port);
        const int n = 5000;
        std::thread client([port] {
            QTcpSocket s;
            s.connectToHost(QHostAddress::LocalHost, port);
            if (!s.waitForConnected(5000))
                return;
            auto next = std::chrono::steady_clock::now();
            for (int i = 0; i < n; ++i) {
                s.write(QByteArray::number(i).rightJustified(16, '.'));
                s.waitForBytesWritten(1000);
                next += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(next);
            }
            s.disconnectFromHost();
            if (s.state() != QAbstractSocket::UnconnectedState)
                s.waitForDisconnected(5000);
        });
        const bool all = waitFor([&] { return received() == n * 16; }, 20000);
        client.join();
        QVERIFY2(all, qPrintable(QString("%1 of %2 bytes shown").arg(received()).arg(n * 16)));
        QString expected;
        for (int i = 0; i < n; ++i)
            expected += QString::number(i).rightJustified(16, '.');
        QCOMPARE(text().remove('\n'), expected);
    }

    void serverWithSeveralClients()
    {
        const quint16 port = freeTcpPort();
        startServer(port);
        QCOMPARE(status(), QString("Server has started on port %1").arg(port));
        QVERIFY(opened());
        QVERIFY(!get<QComboBox>("TCP_comboBox")->isEnabled());

        QTcpSocket a, b, c;
        for (QTcpSocket *s : {&a, &b, &c})
            s->connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return clients()->count() == 3; }));
        QCOMPARE(clients()->itemText(0), kPeer);
        QCOMPARE(status(), QString("new client: %1 joined").arg(kPeer));

        // Interleaved, each shown as it comes, from whichever client.
        writeAndWait(a, "a1 ");
        writeAndWait(b, "b1 ");
        writeAndWait(c, "c1 ");
        writeAndWait(b, "b2\r\n");
        writeAndWait(a, "a2");
        QCOMPARE(text(), QString("a1 b1 c1 b2\na2"));
        QCOMPARE(received(), 14);
        QVERIFY(status().startsWith(QString("TCP receive from:%1:%2").arg(kPeer).arg(a.localPort())));

        // The chosen address is that of all three: each gets the bytes.
        setSendBox("hi\n");
        press("TCPsendmsgBtn");
        for (QTcpSocket *s : {&a, &b, &c})
            QCOMPARE(readFrom(*s, 4), QByteArray("hi\r\n"));
        QCOMPARE(sent(), 12);

        b.disconnectFromHost();
        QVERIFY(waitFor([&] { return clients()->count() == 2; }));
        QCOMPARE(status(), QString("client: %1 left").arg(kPeer));
        press("TCPsendmsgBtn");
        QCOMPARE(readFrom(a, 4), QByteArray("hi\r\n"));
        QCOMPARE(readFrom(c, 4), QByteArray("hi\r\n"));
        QCOMPARE(sent(), 20);

        close();
        QCOMPARE(status(), QString("Server has stopped"));
        QCOMPARE(clients()->count(), 0);
        QVERIFY(waitFor([&] {
            return a.state() == QAbstractSocket::UnconnectedState && c.state() == QAbstractSocket::UnconnectedState;
        }));
        QVERIFY(get<QComboBox>("TCP_comboBox")->isEnabled());
    }

    // Clients leaving while keep-sending writes to them must not bring the program down.
    void clientsLeaveDuringKeepSending()
    {
        const quint16 port = freeTcpPort();
        startServer(port);
        std::vector<std::unique_ptr<QTcpSocket>> peers;
        for (int i = 0; i < 3; ++i) {
            peers.push_back(std::make_unique<QTcpSocket>());
            peers.back()->connectToHost(QHostAddress::LocalHost, port);
        }
        QVERIFY(waitFor([&] { return clients()->count() == 3; }));
        get<QCheckBox>("TCPobocheckBox")->setChecked(true);
        get<QSpinBox>("TCPdelayspinBox")->setValue(10);
        setSendBox("x");
        press("TCPsendmsgBtn");
        spin(50);
        peers[0]->abort();
        spin(30);
        peers[1].reset();
        QVERIFY(waitFor([&] { return clients()->count() == 1; }));
        const int before = sent();
        spin(100);
        QVERIFY(sent() > before);
        QVERIFY(peers[2]->bytesAvailable() > 0 || readFrom(*peers[2], 1).size() > 0);
        press("TCPsendmsgBtn");
        QCOMPARE(get<QPushButton>("TCPsendmsgBtn")->text(), QString("send"));
    }

    // A GBK character split across two reads shows whole, also when two
    // clients interleave their halves, or the Time box is switched between.
    void splitCharacterShowsWhole()
    {
        const quint16 port = freeTcpPort();
        startServer(port);
        QTcpSocket a, b;
        a.connectToHost(QHostAddress::LocalHost, port);
        b.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return clients()->count() == 2; }));
        writeAndWait(a, QByteArray::fromHex("D6"));
        writeAndWait(b, QByteArray::fromHex("C4"));
        writeAndWait(a, QByteArray::fromHex("D0"));
        writeAndWait(b, QByteArray::fromHex("E3"));
        QCOMPARE(text(), QString::fromUtf8("中你"));
        QCOMPARE(get<QPlainTextEdit>("TCP_HexTextBrowser")->toPlainText(), QString("0xD6, 0xC4, 0xD0, 0xE3, "));

        writeAndWait(a, QByteArray::fromHex("D6"));
        get<QCheckBox>("TCP_showtime_checkBox")->setChecked(true);
        writeAndWait(a, QByteArray::fromHex("D0") + "ab");
        get<QCheckBox>("TCP_showtime_checkBox")->setChecked(false);
        writeAndWait(a, QByteArray::fromHex("CEC4"));
        static const QRegularExpression stamp("\\n?\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
        QCOMPARE(text().remove(stamp), QString::fromUtf8("中你中ab文"));
    }

    void listenOnPortInUseIsReported()
    {
        QTcpServer holder;
        QVERIFY(holder.listen(QHostAddress::LocalHost, 0));
        startServer(holder.serverPort());
        QVERIFY2(status().startsWith("Server failed to start on port"), qPrintable(status()));
        QVERIFY(!opened());
        QVERIFY(!get<QPushButton>("TCPsendmsgBtn")->isEnabled());
        QVERIFY(get<QComboBox>("TCP_comboBox")->isEnabled());
    }

    // A port that would wrap (70000 to 4464), 0 or a typo starts nothing:
    // the tab and its fields stay as they were and the status says why.
    // The server, as the UDP tab, lets the system choose for 0 or a typo.
    void portOutOfRangeIsRefused()
    {
        for (const char *mode : {"TCP Server", "TCP Client"}) {
            const bool server = QString(mode) == "TCP Server";
            auto *field = get<QLineEdit>(server ? "TCPServerPortlineEdit" : "TCPclientPortlineEdit");
            for (const QString &text : QStringList{"70000", "99999", "0", "80a"}) {
                get<QComboBox>("TCP_comboBox")->setCurrentText(mode);
                field->setText(text);
                press("TCPopencompushButton");
                if (server && (text == "0" || text == "80a")) {
                    const QString chosen = status().section(' ', -1);
                    QCOMPARE(status(), "Server has started on port " + chosen);
                    QTcpSocket peer;
                    peer.connectToHost(QHostAddress::LocalHost, chosen.toUShort());
                    QVERIFY(chosen.toInt() > 0 && waitFor([&] { return clients()->count() == 1; }));
                    close();
                    continue;
                }
                const QString range = server ? "0 to 65535 (0 lets the system choose)" : "1 to 65535";
                QCOMPARE(status(), "Invalid port \"" + text + "\": enter a number from " + range);
                QVERIFY(!opened());
                QVERIFY(field->isEnabled());
                QVERIFY(get<QComboBox>("TCP_comboBox")->isEnabled());
                QVERIFY(!get<QPushButton>("TCPsendmsgBtn")->isEnabled());
            }
        }
        for (QTcpServer *s : w->findChildren<QTcpServer *>())
            QVERIFY(!s->isListening());
    }

    void emptyPortWarns()
    {
        ModalCloser closer;
        get<QComboBox>("TCP_comboBox")->setCurrentText("TCP Client");
        get<QLineEdit>("TCPclientPortlineEdit")->setText("");
        press("TCPopencompushButton");
        QVERIFY(waitFor([&] { return closer.count() == 1; }));
        QCOMPARE(closer.titles.value(0), QString("warning:"));
        QCOMPARE(closer.texts.value(0), QString("IP or Port is empty!"));
        QVERIFY(!opened());
    }

    void clientAgainstClosedPort()
    {
        startClient(freeTcpPort());
        QVERIFY(waitFor([&] { return status() == "No server found"; }));
        QVERIFY(!opened());
        QCOMPARE(get<QPushButton>("TCPopencompushButton")->text(), QString("Start"));
        QVERIFY(!get<QPushButton>("TCPsendmsgBtn")->isEnabled());
        QVERIFY(get<QComboBox>("TCP_comboBox")->isEnabled());
    }

    void clientExchangesWithServer()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        startClient(server.serverPort());
        QCOMPARE(status(), QString("Connected to TCP server"));
        // Sent while the link still comes up: it goes out once connected.
        setSendBox("early\n");
        press("TCPsendmsgBtn");
        QCOMPARE(status(), QString("Connected to TCP server"));
        QVERIFY(server.waitForNewConnection(2000));
        QTcpSocket *link = server.nextPendingConnection();
        QCOMPARE(readFrom(*link, 7), QByteArray("early\r\n"));
        QVERIFY(waitFor([&] { return opened() && get<QPushButton>("TCPsendmsgBtn")->isEnabled(); }));
        spin(50);
        press("TCPcleanbytespushButton");

        setSendBox("AB\n");
        press("TCPsendmsgBtn");
        QCOMPARE(readFrom(*link, 4).toHex(' '), QByteArray("41 42 0d 0a"));
        QCOMPARE(sent(), 4);

        link->write(QByteArray::fromHex("D6"));
        link->flush();
        QVERIFY(waitFor([&] { return received() == 1; }));
        link->write(QByteArray::fromHex("D0") + "ok");
        link->flush();
        QVERIFY(waitFor([&] { return received() == 4; }));
        QCOMPARE(text(), QString::fromUtf8("中ok"));

        // The server goes away: the tab closes itself, keeping what arrived.
        link->write("bye");
        link->flush();
        link->close();
        QVERIFY(waitFor([&] { return status() == "No server found"; }));
        QVERIFY(!opened());
        QVERIFY(text().endsWith("bye"));
    }

    // Sends made while the link comes up leave, and count, once it is up;
    // a failed link, or Stop before it is up, says they were not sent, and
    // nothing leaves after Stop.  `shown` is the status when the host
    // refused, received, or saw Stop, or (Keep Send) at the refusal.
    void sendsBeforeTheLinkIsUp_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("counted");
        QTest::addColumn<int>("arrived");
        const QString notSent = "; 28 bytes waiting for the link were not sent";
        QTest::newRow("a host that refuses") << "refuses" << "No server found" + notSent << 0 << 0;
        QTest::newRow("a host that answers after 1 s") << "answers" << "Connected to TCP server" << 28 << 28;
        QTest::newRow("Stop before the host answers") << "stops" << "Disconnected TCP server" + notSent << 0 << 0;
        QTest::newRow("Keep Send past the bound, then the host answers")
            << "keeps" << "TCP send refused: the link to 127.0.0.1:%1 is not up yet; 600000 bytes are waiting to be sent"
            << 99999 << 600000; // the counter stops at 99999
    }
    void sendsBeforeTheLinkIsUp()
    {
        QFETCH(QString, host);
        QFETCH(QString, shown);
        SilentHost silent;
        QVERIFY(silent.ready);
        const quint16 port = host == "refuses" ? freeTcpPort() : silent.port();
        setSendBox(host == "keeps" ? QString(600000, 'k') : QString("early\n"));
        startClient(port);
        get<QCheckBox>("TCPobocheckBox")->setChecked(host == "keeps");
        get<QSpinBox>("TCPdelayspinBox")->setValue(10);
        for (int i = 0; i < (host == "keeps" ? 2 : 4); ++i) { // Keep Send: Send, then Pause once refused
            press("TCPsendmsgBtn");
            QVERIFY(host != "keeps" || i || waitFor([&] { return status() == shown.arg(port); }));
        }
        QCOMPARE(sent(), 0);
        if (host == "refuses")
            QVERIFY(waitFor([&] { return !opened(); }));
        if (host == "stops") {
            spin(300);
            close();
            silent.answer();
            spin(1500); // past the first retry a live attempt would make
        } else if (host != "refuses") {
            spin(1000);
            silent.answer();
            QFETCH(int, arrived);
            QVERIFY(waitFor([&] { return silent.received().size() >= arrived; }, 8000));
            spin(200);
        }
        if (host != "keeps")
            QCOMPARE(status(), shown);
        QTEST(sent(), "counted");
        QTEST(int(silent.received().size()), "arrived");
        QCOMPARE(silent.connections(), host == "answers" || host == "keeps" ? 1 : 0);
        if (host == "answers")
            QCOMPARE(silent.received(), QByteArray("early\r\n").repeated(4));
    }

    // The first socket's late refusal must not close the link made after it.
    void replacedClientCannotCloseNewLink()
    {
        const quint16 nobody = freeTcpPort();
        startClient(nobody);
        close();
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        startClient(server.serverPort());
        QVERIFY(server.waitForNewConnection(2000));
        QTcpSocket *link = server.nextPendingConnection();
        spin(200);
        QVERIFY(opened());
        QCOMPARE(status(), QString("Connected to TCP server"));
        QCOMPARE(link->state(), QAbstractSocket::ConnectedState);
    }

    // Sockets torn down with the window must not call back into it.
    void windowClosesWithLinksOpen()
    {
        auto second = std::make_unique<MainWindow>();
        auto *tabs = second->findChild<QTabWidget *>("tabWidget");
        QVERIFY(tabs);
        const quint16 port = freeTcpPort();
        second->findChild<QComboBox *>("TCP_comboBox")->setCurrentText("TCP Server");
        second->findChild<QLineEdit *>("TCPServerPortlineEdit")->setText(QString::number(port));
        emit second->findChild<QPushButton *>("TCPopencompushButton")->pressed();
        QTcpSocket a, b;
        a.connectToHost(QHostAddress::LocalHost, port);
        b.connectToHost(QHostAddress::LocalHost, port);
        auto *box = second->findChild<QComboBox *>("TCP_Client_IP_comboBox");
        QVERIFY(waitFor([&] { return box->count() == 2; }));
        a.write("pending");
        a.flush();
        spin(50);
        second.reset();
        QVERIFY(waitFor([&] { return a.state() == QAbstractSocket::UnconnectedState; }));
    }

    // However the tab was opened and closed before, a tick sends once.
    void oneSendPerTickAcrossModes()
    {
        QTcpServer other;
        QVERIFY(other.listen(QHostAddress::LocalHost, 0));
        for (int i = 0; i < 2; ++i) {
            startClient(other.serverPort());
            QVERIFY(other.waitForNewConnection(2000));
            close();
            const quint16 port = freeTcpPort();
            startServer(port);
            close();
        }
        const quint16 port = freeTcpPort();
        startServer(port);
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(waitFor([&] { return clients()->count() == 1; }));

        auto *timer = w->findChild<QTimer *>("tcpSendTimer");
        QVERIFY(timer);
        get<QCheckBox>("TCPobocheckBox")->setChecked(true);
        get<QSpinBox>("TCPdelayspinBox")->setValue(20);
        QSignalSpy ticks(timer, &QTimer::timeout);
        setSendBox("t");
        press("TCPsendmsgBtn");
        QCOMPARE(get<QPushButton>("TCPsendmsgBtn")->text(), QString("Pause"));
        QVERIFY(waitFor([&] { return ticks.count() >= 5; }));
        press("TCPsendmsgBtn");
        const QByteArray got = readFrom(peer, ticks.count(), 1000);
        spin(50);
        QCOMPARE(int(got.size() + peer.bytesAvailable()), int(ticks.count()));
        QCOMPARE(sent(), int(ticks.count()));
    }
};

KESP_TEST_MAIN(TcpTerminalTest)
#include "tst_tcp_terminal.moc"
