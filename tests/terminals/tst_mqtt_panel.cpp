// The "MQTT" tab driven through its widgets against a real mosquitto, with
// mosquitto_pub / mosquitto_sub as the other client.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/mosquitto_broker.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace kesptest;

static const QString kPassword = QStringLiteral("s\u00e9cret\u2713");

class MqttPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MosquittoBroker> broker;
    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;

    template<typename T> T *get(const char *name) { return kesptest::child<T>(*w, name); }
    void press(const char *name) { kesptest::press(*w, name); }
    QString status() { return kesptest::status(*w); }
    QLineEdit *field(const char *name) { return get<QLineEdit>(name); }
    QTextEdit *log() { return get<QTextEdit>("mqtt_textEdit"); }
    QString lastLine() { return log()->document()->lastBlock().text(); }
    QPushButton *connectButton() { return get<QPushButton>("mqtt_opencompushButton"); }
    bool idle()
    {
        return connectButton()->text() == "Connect" && connectButton()->styleSheet().contains("#4CAF50")
               && status() == "MQTT was disconnected.";
    }

    void newWindow()
    {
        w = std::make_unique<MainWindow>();
        w->show();
        auto *tabs = get<QTabWidget>("tabWidget");
        tabs->setCurrentWidget(get<QWidget>("Mqtt"));
    }
    void fill(int protocol, quint16 port, const QString &user = {}, const QString &password = {})
    {
        get<QComboBox>("mqtt_protocol_combox")->setCurrentIndex(protocol);
        field("mqtt_host_lineEdit")->setText("127.0.0.1");
        field("mqtt_port_lineEdit")->setText(QString::number(port));
        field("mqtt_username_lineEdit")->setText(user);
        field("mqtt_password_lineEdit")->setText(password);
        field("mqtt_clientid_lineEdit")->setText("kesp-panel");
    }
    bool connectAt(int protocol, quint16 port, const QString &user = {}, const QString &password = {})
    {
        fill(protocol, port, user, password);
        press("mqtt_opencompushButton");
        return waitFor([&] { return status() == "MQTT Connected"; });
    }
    void disconnectPanel()
    {
        if (connectButton()->text() == "Disconnect")
            press("mqtt_opencompushButton");
    }
    static quint16 portOf(const MosquittoBroker &b, int protocol)
    {
        return QList<quint16>{b.tcpPort(), b.tlsPort(), b.wsPort(), b.wssPort()}.at(protocol);
    }

private slots:
    void initTestCase()
    {
        MosquittoBroker::Options o;
        o.users.insert("bob", kPassword);
        broker = std::make_unique<MosquittoBroker>(o);
        QVERIFY2(broker->isReady(), qPrintable(broker->failure()));
        // A stored protocol index no item has must not break the panel.
        home = std::make_unique<TempHome>(quietIni({{"MQTT_PROTOCOL", 7}}));
        newWindow();
    }

    void cleanup() { disconnectPanel(); }

    void firstStart()
    {
        QCOMPARE(get<QComboBox>("mqtt_protocol_combox")->currentText(), QString("mqtt://"));
        for (const char *name : {"mqtt_host_lineEdit", "mqtt_port_lineEdit", "mqtt_username_lineEdit",
                                 "mqtt_password_lineEdit", "mqtt_clientid_lineEdit"})
            QCOMPARE(field(name)->text(), QString());
        QVERIFY(log()->isReadOnly());
        QVERIFY(connectButton()->styleSheet().contains("#4CAF50"));
    }

    void transports_data()
    {
        QTest::addColumn<int>("protocol");
        QTest::newRow("mqtt://") << 0;
        QTest::newRow("mqtts://") << 1;
        QTest::newRow("ws://") << 2;
        QTest::newRow("wss://") << 3;
    }

    // Connect, refused filters then a subscription with blanks in the field,
    // receive markup as text exactly once, refused topics then a publish to a
    // second client, disconnect.
    void transports()
    {
        QFETCH(int, protocol);
        QVERIFY(connectAt(protocol, portOf(*broker, protocol)));
        QCOMPARE(connectButton()->text(), QString("Disconnect"));
        QVERIFY(connectButton()->styleSheet().contains("#FF4A19"));

        for (const QString filter : {"", "a/#/c"}) {
            field("mqtt_subscribe_lineEdit")->setText(filter);
            press("mqtt_subscribed_pushButton");
            QCOMPARE(status(), "Topic:" + filter + " is not a valid topic filter.");
        }
        field("mqtt_subscribe_lineEdit")->setText("a b/c");
        press("mqtt_subscribed_pushButton");
        QVERIFY(waitFor([&] { return status() == "Topic:ab/c was subcribed success."; }));

        log()->setPlainText("kept");
        log()->setTextCursor(QTextCursor(log()->document()));
        QVERIFY(broker->publish("ab/c", "<b>x</b> a<b"));
        QVERIFY(waitFor([&] { return lastLine().endsWith("receive:<b>x</b> a<b"); }));
        spin(200);
        QCOMPARE(log()->document()->blockCount(), 2);
        QCOMPARE(log()->textCursor().position(), 0); // the user's caret stays put
        static const QRegularExpression line("^Time:\\d\\d:\\d\\d\t\tTopic:ab/c\t\treceive:<b>x</b> a<b$");
        QVERIFY2(line.match(lastLine()).hasMatch(), qPrintable(lastLine()));
        QTextCursor at(log()->document());
        at.setPosition(log()->document()->lastBlock().position() + lastLine().indexOf("ab/c") + 1);
        QCOMPARE(at.charFormat().foreground().color(), QColor(Qt::blue));

        MosquittoBroker::Subscriber peer(*broker, "out/#");
        QVERIFY(peer.isReady());
        get<QTextEdit>("mqtt_pub_textEdit")->setPlainText(QStringLiteral("hi \u2713"));
        for (const QString topic : {"", "out/#", "out/+/p", "out/p"}) {
            field("mqtt_publish_lineEdit")->setText(topic);
            press("mqtt_publish_pushButton");
            if (topic != "out/p")
                QCOMPARE(status(), "Topic:" + topic + " is not a valid topic name.");
        }
        QCOMPARE(peer.lines(1), QStringList{QStringLiteral("out/p hi \u2713")});
        QCOMPARE(status(), QString()); // the refusal goes, and a publish made says nothing

        press("mqtt_opencompushButton");
        QVERIFY(idle());
    }

    // Success texts only once the broker has said yes; a refusal shows the
    // broker's reason; a non-ASCII password is sent as typed.
    void passwordsAndAcceptance()
    {
        QVERIFY(connectAt(0, broker->tcpPort(), "bob", kPassword));
        disconnectPanel();

        fill(0, broker->tcpPort(), "bob", "wrong");
        press("mqtt_opencompushButton");
        // The log line follows with the next batch of lines.
        QVERIFY2(waitFor([&] { return idle() && lastLine().contains("code 5"); }), qPrintable(lastLine()));

        broker->pause();
        fill(0, broker->tcpPort());
        press("mqtt_opencompushButton");
        spin(300);
        QVERIFY(status() != "MQTT Connected");
        // Neither a publish nor a subscription is made yet, and both say so.
        press("mqtt_publish_pushButton");
        QCOMPARE(status(), QString("MQTT was not connected."));
        w->statusBar()->clearMessage();
        press("mqtt_subscribed_pushButton");
        QCOMPARE(status(), QString("MQTT was not connected."));
        disconnectPanel();
        broker->resume();
        spin(500);

        // Disconnect during a WebSocket handshake: nothing may open later.
        const int sessions = broker->log().count("New client connected");
        broker->pause();
        fill(2, broker->wsPort());
        press("mqtt_opencompushButton");
        spin(300);
        press("mqtt_publish_pushButton");
        QCOMPARE(status(), QString("MQTT was not connected."));
        press("mqtt_opencompushButton");
        QVERIFY(idle());
        broker->resume();
        spin(1500);
        QVERIFY(idle());
        QCOMPARE(broker->log().count("New client connected"), sessions);
    }

    // Every way the link ends reads "MQTT was disconnected." with a green Connect.
    void linkEnds()
    {
        fill(0, freeTcpPort());
        press("mqtt_opencompushButton");
        QVERIFY(waitFor([&] { return idle(); }));

        // A port that would wrap (99999 to 34463) or no number starts nothing.
        for (const QString &port : QStringList{"99999", "x"}) {
            fill(2, broker->wsPort());
            field("mqtt_port_lineEdit")->setText(port);
            press("mqtt_opencompushButton");
            QCOMPARE(status(), "Invalid port \"" + port + "\": enter a number from 1 to 65535");
            QCOMPARE(connectButton()->text(), QString("Connect"));
        }

        // A WebSocket address that cannot even be parsed.
        fill(2, broker->wsPort());
        field("mqtt_host_lineEdit")->setText("[");
        press("mqtt_opencompushButton");
        QVERIFY(waitFor([&] { return idle(); }));

        // A prefix the panel does not know stays disconnected.
        auto *protocols = get<QComboBox>("mqtt_protocol_combox");
        protocols->setItemText(0, "tcp://");
        protocols->setCurrentIndex(0);
        press("mqtt_opencompushButton");
        QCOMPARE(status(), QString("MQTT was not connected."));
        QCOMPARE(connectButton()->text(), QString("Connect"));
        protocols->setItemText(0, "mqtt://");

        for (int protocol : {0, 2}) {
            MosquittoBroker own;
            QVERIFY2(own.isReady(), qPrintable(own.failure()));
            QVERIFY(connectAt(protocol, portOf(own, protocol)));
            own.stop();
            QVERIFY2(waitFor([&] { return idle(); }), qPrintable(QString::number(protocol)));
        }
    }

    // The log keeps at most 10000 lines, the newest last.
    void boundedLogAndClear()
    {
        QVERIFY(connectAt(0, broker->tcpPort()));
        field("mqtt_subscribe_lineEdit")->setText("flood");
        press("mqtt_subscribed_pushButton");
        QVERIFY(waitFor([&] { return status() == "Topic:flood was subcribed success."; }));
        QByteArray lines;
        for (int i = 0; i < 10100; ++i)
            lines += "line " + QByteArray::number(i) + '\n';
        QVERIFY(broker->publishLines("flood", lines));
        QVERIFY(waitFor([&] { return lastLine().endsWith("receive:line 10099"); }, 30000));
        QVERIFY(log()->document()->blockCount() <= 10000);
        QVERIFY(log()->document()->blockCount() >= 9000);

        emit log()->customContextMenuRequested(QPoint(5, 5));
        QMenu *menu = nullptr;
        QVERIFY(waitFor([&] {
            menu = w->findChild<QMenu *>();
            return menu && menu->isVisible();
        }));
        menu->actions().first()->trigger();
        menu->close();
        QVERIFY(log()->toPlainText().isEmpty());
    }

    // A megabyte on one line, then 300 KB of random bytes: the log shows
    // them in rows no longer than the terminals' (one block of it froze the
    // window for a minute, and the broker dropped the link), the link stays
    // up, the next message shows, and a copy holds the line as received.
    void longMessages()
    {
        QVERIFY(connectAt(0, broker->tcpPort()));
        field("mqtt_subscribe_lineEdit")->setText("long/#");
        press("mqtt_subscribed_pushButton");
        QVERIFY(waitFor([&] { return status() == "Topic:long/# was subcribed success."; }));
        MqttClient *client = nullptr;
        for (MqttClient *c : w->findChildren<MqttClient *>())
            if (c->state() == MqttClient::Connected)
                client = c;
        QVERIFY(client);
        QSignalSpy received(client, &MqttClient::messageReceived);
        log()->clear();

        const QByteArray line = countingLine(1 << 20);
        const QByteArray binary = randomBytes(300 * 1024, 7);
        QVERIFY(broker->publish("long/line", line));
        QVERIFY(broker->publish("long/binary", binary));
        QVERIFY(broker->publish("long/end", "small"));
        QVERIFY(waitFor([&] { return lastLine().endsWith("receive:small"); }, 30000));
        QCOMPARE(client->state(), MqttClient::Connected);
        QCOMPARE(connectButton()->text(), QString("Disconnect"));
        QCOMPARE(received.size(), 3);
        QVERIFY(received.at(0).at(0).toByteArray() == line);
        QVERIFY(received.at(1).at(0).toByteArray() == binary);

        int longest = 0;
        for (QTextBlock b = log()->document()->begin(); b.isValid(); b = b.next())
            longest = qMax(longest, b.length() - 1);
        QVERIFY2(longest <= 1024, qPrintable(QString::number(longest)));

        log()->selectAll();
        log()->copy();
        const QString copied = QGuiApplication::clipboard()->text();
        const QString first = "\t\tTopic:long/line\t\treceive:" + QString::fromLatin1(line) + "\nTime:";
        QVERIFY2(copied.startsWith("Time:") && copied.indexOf(first) == 10, qPrintable(copied.left(200)));
        QVERIFY(copied.endsWith("\t\tTopic:long/end\t\treceive:small"));
    }

    // Save writes the eight keys; the next start shows them again.
    void saveAndRestore()
    {
        // Closing the window with a live WebSocket link must be clean too.
        QVERIFY(connectAt(2, broker->wsPort()));
        fill(3, 8883, "bob", kPassword);
        field("mqtt_subscribe_lineEdit")->setText("s/t");
        field("mqtt_publish_lineEdit")->setText("p/t");
        press("mqtt_save_pushButton");
        {
            QSettings ini(home->iniPath(), QSettings::IniFormat);
            QCOMPARE(ini.value("MQTT_PROTOCOL").toInt(), 3);
            QCOMPARE(ini.value("MQTT_PASSWORD").toString(), kPassword);
            QCOMPARE(ini.value("MQTT_PORT").toString(), QString("8883"));
        }
        w.reset();
        newWindow();
        QCOMPARE(get<QComboBox>("mqtt_protocol_combox")->currentText(), QString("wss://"));
        QCOMPARE(field("mqtt_host_lineEdit")->text(), QString("127.0.0.1"));
        QCOMPARE(field("mqtt_port_lineEdit")->text(), QString("8883"));
        QCOMPARE(field("mqtt_username_lineEdit")->text(), QString("bob"));
        QCOMPARE(field("mqtt_password_lineEdit")->text(), kPassword);
        QCOMPARE(field("mqtt_clientid_lineEdit")->text(), QString("kesp-panel"));
        QCOMPARE(field("mqtt_subscribe_lineEdit")->text(), QString("s/t"));
        QCOMPARE(field("mqtt_publish_lineEdit")->text(), QString("p/t"));
    }

    void cleanupTestCase()
    {
        w.reset();
        broker.reset();
    }
};

KESP_TEST_MAIN(MqttPanelTest)
#include "tst_mqtt_panel.moc"
