// The "UDP Debug" tab against real sockets on 127.0.0.1.
#include "app/mainwindow.h"
#include "terminals/file_dialogs.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLCDNumber>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>

#include <chrono>
#include <thread>

using namespace kesptest;

static QString g_fileName;
static QString seamFileName(const QString &, const QString &, const QString &)
{
    return g_fileName;
}

class UdpTerminalTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;
    QUdpSocket peer;
    quint16 localPort = 0;

    template<typename T> T *get(const char *name) { return kesptest::child<T>(*w, name); }
    void press(const char *name) { kesptest::press(*w, name); }
    QString status() { return kesptest::status(*w); }
    QString text() { return get<QPlainTextEdit>("UDP_StrTextBrowser")->toPlainText(); }
    QString hex() { return get<QPlainTextEdit>("UDP_HexTextBrowser")->toPlainText(); }
    int received() { return get<QLCDNumber>("UDPrecvbyteslcdNumber")->intValue(); }
    int sent() { return get<QLCDNumber>("UDPsendbyteslcdNumber")->intValue(); }
    bool opened() { return get<QPushButton>("UDPopencompushButton")->text() == "Stop"; }

    void open(quint16 port)
    {
        get<QLineEdit>("UDPSenderPortlineEdit")->setText(QString::number(port));
        press("UDPopencompushButton");
    }
    void close()
    {
        if (opened())
            press("UDPopencompushButton");
    }
    void sendTo(quint16 port, const QString &boxText, bool hexSend = false, const QString &ip = "127.0.0.1")
    {
        get<QLineEdit>("UDPFarIPlineEdit")->setText(ip);
        get<QLineEdit>("UDPFarPortlineEdit")->setText(QString::number(port));
        get<QCheckBox>("UDPsendAsHexcheckBox")->setChecked(hexSend);
        get<QPlainTextEdit>("UDPsendMsgtextEdit")->setPlainText(boxText);
        press("UDPsendmsgBtn");
    }
    QByteArray peerRead(int timeoutMs = 2000)
    {
        if (!waitFor([&] { return peer.hasPendingDatagrams(); }, timeoutMs))
            return QByteArray("<nothing>");
        return peer.receiveDatagram().data();
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        auto *tabs = get<QTabWidget>("tabWidget");
        tabs->setCurrentWidget(get<QWidget>("udp"));
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        FileDialogs::setOpenHook(seamFileName);
        FileDialogs::setSaveHook(seamFileName);
        QVERIFY(peer.bind(QHostAddress::LocalHost, 0));
    }
    void init()
    {
        close();
        press("UDPcleandatapushButton");
        press("UDPcleanbytespushButton");
        get<QCheckBox>("UDP_showtime_checkBox")->setChecked(false);
        while (peer.hasPendingDatagrams())
            peer.receiveDatagram();
        localPort = freeUdpPort();
        open(localPort);
        QVERIFY(opened());
    }
    void cleanupTestCase()
    {
        w.reset();
        home.reset();
    }

    // Every host address, in the system's order, in all three boxes.
    void addressBoxesListEveryAddress()
    {
        QStringList expected;
        for (const QHostAddress &a : QNetworkInterface::allAddresses())
            expected << a.toString();
        QVERIFY(!expected.isEmpty());
        for (const char *name : {"UDPServerIPcomboBox", "TCPServerIPcomboBox", "GPSTCPServerIPcomboBox"}) {
            auto *box = get<QComboBox>(name);
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            QCOMPARE(items, expected);
        }
    }

    void sendControlsFollowTheTabState()
    {
        close();
        QVERIFY(!get<QPushButton>("UDPsendmsgBtn")->isEnabled());
        QVERIFY(!get<QPlainTextEdit>("UDPsendMsgtextEdit")->isEnabled());
        QVERIFY(!get<QSpinBox>("UDPdelayspinBox")->isEnabled());
        QVERIFY(get<QLineEdit>("UDPSenderPortlineEdit")->isEnabled());
        open(localPort);
        QVERIFY(get<QPushButton>("UDPsendmsgBtn")->isEnabled());
        QVERIFY(!get<QLineEdit>("UDPSenderPortlineEdit")->isEnabled());
        QCOMPARE(status(), QString("UDP starts listening on port %1").arg(localPort));
    }

    void receiveDisplay_data()
    {
        QTest::addColumn<QByteArray>("datagram");
        QTest::addColumn<bool>("stamped");
        QTest::addColumn<QString>("hexText");
        QTest::addColumn<QString>("plainText");
        QTest::addColumn<int>("counted");

        QTest::newRow("CR removed from text and count, kept in hex")
            << QByteArray::fromHex("61620D0A63") << false << "0x61, 0x62, 0x0D, 0x0A, 0x63, " << "ab\nc" << 4;
        QTest::newRow("empty datagram") << QByteArray() << false << "" << "" << 0;
        QTest::newRow("GBK text") << QByteArray::fromHex("D6D0CEC4") << false << "0xD6, 0xD0, 0xCE, 0xC4, "
                                  << QString::fromUtf8("中文") << 4;
        QTest::newRow("markup stays text when stamped") << QByteArray("<b>x</b>") << true
                                                        << "0x3C, 0x62, 0x3E, 0x78, 0x3C, 0x2F, 0x62, 0x3E, "
                                                        << "<b>x</b>" << 8;
    }
    void receiveDisplay()
    {
        QFETCH(QByteArray, datagram);
        QFETCH(bool, stamped);
        QFETCH(QString, hexText);
        QFETCH(QString, plainText);
        QFETCH(int, counted);

        get<QCheckBox>("UDP_showtime_checkBox")->setChecked(stamped);
        QCOMPARE(peer.writeDatagram(datagram, QHostAddress::LocalHost, localPort), qint64(datagram.size()));
        const QString from = QString("UDP receive from:::ffff:127.0.0.1:%1").arg(peer.localPort());
        QVERIFY2(waitFor([&] { return status() == from; }), qPrintable(status()));

        static const QRegularExpression stamp("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
        QString shownText = text();
        QString shownHex = hex();
        if (stamped) {
            QVERIFY(shownText.contains(stamp));
            QVERIFY(shownHex.contains(stamp));
            shownText.remove(stamp);
            shownHex.remove(stamp);
        }
        QCOMPARE(shownHex, hexText);
        QCOMPARE(shownText, plainText);
        QCOMPARE(received(), counted);
    }

    void sendBytes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("hexSend");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("final LF goes out as CR LF") << "AB\n" << false << QByteArray::fromHex("41420D0A");
        QTest::newRow("hex view text sent back") << "0x41, 0x42, " << true << QByteArray("AB");
        QTest::newRow("hex without digits: empty datagram") << "zz" << true << QByteArray();
    }
    void sendBytes()
    {
        QFETCH(QString, box);
        QFETCH(bool, hexSend);
        QFETCH(QByteArray, wire);
        sendTo(peer.localPort(), box, hexSend);
        QCOMPARE(peerRead().toHex(' '), wire.toHex(' '));
        QCOMPARE(sent(), int(wire.size()));
    }

    // Bad destinations were counted and sent to this host.
    void badDestinationRefused_data()
    {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("message");
        QTest::newRow("not an address") << "127.0.0.300" << "" << "Invalid remote IP: 127.0.0.300";
        QTest::newRow("words") << "localhost-ish" << "" << "Invalid remote IP: localhost-ish";
        QTest::newRow("port above 65535") << "127.0.0.1" << "70000" << "Invalid remote port: 70000";
        QTest::newRow("port not a number") << "127.0.0.1" << "x1" << "Invalid remote port: x1";
    }
    void badDestinationRefused()
    {
        QFETCH(QString, ip);
        QFETCH(QString, port);
        QFETCH(QString, message);
        get<QLineEdit>("UDPFarIPlineEdit")->setText(ip);
        get<QLineEdit>("UDPFarPortlineEdit")->setText(port.isEmpty() ? QString::number(peer.localPort()) : port);
        get<QCheckBox>("UDPsendAsHexcheckBox")->setChecked(false);
        get<QPlainTextEdit>("UDPsendMsgtextEdit")->setPlainText("hello");
        press("UDPsendmsgBtn");
        QCOMPARE(status(), message);
        QCOMPARE(sent(), 0);
        spin(100);
        QVERIFY(!peer.hasPendingDatagrams());
        QCOMPARE(received(), 0);
    }

    // A datagram the system refuses was counted and reported as sent.
    void failedSendIsReported()
    {
        sendTo(peer.localPort(), QString(70000, 'a'));
        QVERIFY2(status().startsWith("UDP send failed: "), qPrintable(status()));
        QCOMPARE(sent(), 0);
    }

    void portInUseIsReported()
    {
        close();
        QUdpSocket holder;
        QVERIFY(holder.bind(QHostAddress::LocalHost, 0, QAbstractSocket::DontShareAddress));
        open(holder.localPort());
        QVERIFY2(status().startsWith("UDP failed to listen on port"), qPrintable(status()));
        QVERIFY(!opened());
        QVERIFY(!get<QPushButton>("UDPsendmsgBtn")->isEnabled());
        QVERIFY(get<QLineEdit>("UDPSenderPortlineEdit")->isEnabled());
        // The tab can still start elsewhere.
        open(localPort);
        QVERIFY(opened());
    }

    // Start/Stop must never add a second timer connection: one datagram per tick.
    void oneSendPerTickAfterCycles()
    {
        for (int i = 0; i < 3; ++i) {
            close();
            open(localPort);
        }
        auto *timer = w->findChild<QTimer *>("udpSendTimer");
        QVERIFY(timer);
        get<QCheckBox>("UDPobocheckBox")->setChecked(true);
        QVERIFY(get<QSpinBox>("UDPdelayspinBox")->isEnabled());
        get<QSpinBox>("UDPdelayspinBox")->setValue(20);
        QSignalSpy ticks(timer, &QTimer::timeout);
        sendTo(peer.localPort(), "t");
        QCOMPARE(get<QPushButton>("UDPsendmsgBtn")->text(), QString("Pause"));
        QVERIFY(waitFor([&] { return ticks.count() >= 5; }));
        press("UDPsendmsgBtn");
        QCOMPARE(get<QPushButton>("UDPsendmsgBtn")->text(), QString("Send"));
        get<QCheckBox>("UDPobocheckBox")->setChecked(false);
        spin(100);
        int datagrams = 0;
        while (peer.hasPendingDatagrams()) {
            peer.receiveDatagram();
            ++datagrams;
        }
        QCOMPARE(datagrams, ticks.count());
        QCOMPARE(sent(), ticks.count());
    }

    // A burst larger than one display batch is shown whole.
    // One datagram a millisecond for 20 s, with a window that keeps up:
    // the reader must go on draining its socket to the last datagram.
    void steadyStreamIsShownWhole()
    {
        const int n = 20000;
        std::thread sender([port = localPort] {
            QUdpSocket s;
            auto next = std::chrono::steady_clock::now();
            for (int i = 0; i < n; ++i) {
                s.writeDatagram(QByteArray::number(i % 10000).rightJustified(4, '0'), QHostAddress::LocalHost, port);
                next += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(next);
            }
        });
        const bool all = waitFor([&] { return received() == n * 4; }, 40000);
        sender.join();
        QVERIFY2(all, qPrintable(QString("%1 of %2 bytes shown").arg(received()).arg(n * 4)));
        QString expected;
        for (int i = 0; i < n; ++i)
            expected += QString::number(i % 10000).rightJustified(4, '0');
        QCOMPARE(text().remove('\n'), expected);
    }

    void burstIsNotLost()
    {
        const int n = 200;
        for (int i = 0; i < n; ++i)
            peer.writeDatagram(QByteArray::number(1000 + i), QHostAddress::LocalHost, localPort);
        QVERIFY(waitFor([&] { return received() == n * 4; }));
        QString expected;
        for (int i = 0; i < n; ++i)
            expected += QString::number(1000 + i);
        QCOMPARE(text().remove('\n'), expected);
    }

    void exportAndImport()
    {
        QTemporaryDir dir;
        g_fileName = dir.filePath("out.txt");
        press("UDPsavetxtpushButton");
        QCOMPARE(status(), QString("No data need to save"));
        QVERIFY(!QFile::exists(g_fileName));

        // A line longer than the view's rows leaves and is copied whole.
        const QByteArray line2 = "line2" + QByteArray(3000, '2');
        peer.writeDatagram("line1\r\n" + line2, QHostAddress::LocalHost, localPort);
        QVERIFY(waitFor([&] { return received() == 6 + line2.size(); }));
        press("UDPsavetxtpushButton");
        QVERIFY2(status().startsWith("Saved success.\tsaved: "), qPrintable(status()));
        QCOMPARE(status(), "Saved success.\tsaved: " + QFileInfo(g_fileName).canonicalFilePath() + "\tlines: 2");
        QFile saved(g_fileName);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), "line1\n" + line2);
        get<QPlainTextEdit>("UDP_StrTextBrowser")->selectAll();
        get<QPlainTextEdit>("UDP_StrTextBrowser")->copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), "line1\n" + line2);

        auto *box = get<QPlainTextEdit>("UDPsendMsgtextEdit");
        box->setPlainText("head:");
        auto writeFile = [&](const QString &name, const QByteArray &bytes) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
            return;
        };
        QByteArray exact(9998, 'a');
        exact += "\nb";
        writeFile("exact.txt", exact);
        g_fileName = dir.filePath("exact.txt");
        press("UDPreadtxtpushButton");
        QCOMPARE(status(), QString("Success for read the data in the file"));
        QCOMPARE(box->toPlainText(), "head:" + QString::fromLatin1(exact));

        writeFile("big.txt", QByteArray(10001, 'a'));
        g_fileName = dir.filePath("big.txt");
        press("UDPreadtxtpushButton");
        QCOMPARE(status(), QString("Load failed: file size is 10001 bytes, Exceeded the limit size 10000 bytes"));
        QCOMPARE(box->toPlainText().size(), 5 + exact.size());

        // A device never ends: at most 10001 bytes are read, then it is refused.
        g_fileName = "/dev/zero";
        press("UDPreadtxtpushButton");
        QCOMPARE(status(), QString("Load failed: file size is 10001 bytes, Exceeded the limit size 10000 bytes"));

        g_fileName = dir.filePath("missing/none.txt");
        press("UDPreadtxtpushButton");
        QVERIFY(status().startsWith("Open failed:"));
        g_fileName.clear();
    }
};

KESP_TEST_MAIN(UdpTerminalTest)
#include "tst_udp_terminal.moc"
