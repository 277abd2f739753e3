// Publishes a burst of messages through mosquitto to the "MQTT" tab and
// reports how many it showed per second, the worst lateness of a 10 ms GUI
// timer and the peak memory of the process.  With --long it publishes a
// 1 MB message without a line break, then 300 KB of random bytes, then a
// small message, and reports the worst lateness, when the small one showed,
// whether the link stayed up and the longest line of the log.
//
//   bench_mqtt_flood [--messages N]      (default 50000)
//   bench_mqtt_flood --long
//
// Needs mosquitto; run it under a display (xvfb-run).
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/mosquitto_broker.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QComboBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <cstdio>
#include "instruments/gl_check.h"

using namespace kesptest;

namespace {

void press(QPushButton *button)
{
    QTest::mousePress(button, Qt::LeftButton);
    QTest::mouseRelease(button, Qt::LeftButton);
}

int longMessages(MainWindow &w, MosquittoBroker &broker, MqttClient *client)
{
    const QByteArray line = countingLine(1 << 20);
    const QByteArray binary = randomBytes(300 * 1024, 7);
    auto *log = w.findChild<QTextEdit *>("mqtt_textEdit");

    StallProbe probe;
    probe.start();
    QElapsedTimer clock;
    clock.start();
    broker.publish("bench", line);
    broker.publish("bench", binary);
    broker.publish("bench", "small");
    const qint64 published = clock.elapsed();
    const bool shown = waitFor([&] { return log->document()->lastBlock().text().endsWith("receive:small"); }, 600000);
    const qint64 elapsed = clock.elapsed();
    spin(300);
    probe.stop();

    int longest = 0;
    for (QTextBlock b = log->document()->begin(); b.isValid(); b = b.next())
        longest = qMax(longest, b.length() - 1);
    const bool connected = client->state() == MqttClient::Connected;
    std::printf("1 MB line, 300 KB binary, small message: published in %lld ms; the small one %s after %lld ms\n",
                published, shown ? "shown" : "NOT shown", elapsed);
    std::printf("worst 10 ms timer lateness %lld ms, link %s, log blocks %d, longest block %d characters, "
                "peak memory %ld KiB\n",
                probe.worstLatenessMs(), connected ? "up" : "DOWN", log->document()->blockCount(), longest,
                long(peakRssMB() * 1024));
    return shown && connected ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    auto home = kesptest::startBenchmark(argc, argv);
    GlCheck::deferSharedContext(); // as the program starts: no GL until a view needs it
    QApplication app(argc, argv);
    QCommandLineParser args;
    args.addOption({"messages", "messages to publish", "N", "50000"});
    args.addOption({"long", "a 1 MB line and 300 KB of binary instead of a burst"});
    args.process(app);
    const int total = args.value("messages").toInt();

    MosquittoBroker broker;
    if (!broker.isReady()) {
        std::printf("broker did not start: %s\n", qPrintable(broker.failure()));
        return 1;
    }
    MainWindow w;
    w.show();
    kesptest::reportIdle("Before streaming");
    w.findChild<QTabWidget *>("tabWidget")->setCurrentWidget(w.findChild<QWidget *>("Mqtt"));
    w.findChild<QLineEdit *>("mqtt_host_lineEdit")->setText("127.0.0.1");
    w.findChild<QLineEdit *>("mqtt_port_lineEdit")->setText(QString::number(broker.tcpPort()));
    w.findChild<QLineEdit *>("mqtt_subscribe_lineEdit")->setText("bench");
    press(w.findChild<QPushButton *>("mqtt_opencompushButton"));
    if (!waitFor([&] { return w.statusBar()->currentMessage() == "MQTT Connected"; })) {
        std::printf("panel did not connect\n");
        return 1;
    }
    press(w.findChild<QPushButton *>("mqtt_subscribed_pushButton"));
    waitFor([&] { return w.statusBar()->currentMessage().startsWith("Topic:bench"); });

    if (args.isSet("long"))
        return longMessages(w, broker, w.findChild<MqttClient *>());

    qint64 shown = 0;
    QObject::connect(w.findChild<MqttClient *>(), &MqttClient::messageReceived, [&] { ++shown; });
    auto *log = w.findChild<QTextEdit *>("mqtt_textEdit");
    const long rssBefore = long(rssMB() * 1024);

    QByteArray lines;
    for (int i = 0; i < total; ++i)
        lines += "sensor reading " + QByteArray::number(i) + '\n';
    const QString lastText = "receive:sensor reading " + QString::number(total - 1);

    StallProbe probe;
    probe.start();
    QElapsedTimer clock;
    clock.start();
    broker.publishLines("bench", lines);
    const qint64 published = clock.elapsed();
    const bool all = waitFor([&] { return log->document()->lastBlock().text().endsWith(lastText); }, 120000);
    const qint64 elapsed = clock.elapsed();
    spin(300);
    probe.stop();

    std::printf("published %d messages in %lld ms; shown %lld%s in %lld ms = %.0f messages/s\n", total, published,
                shown, all ? "" : " (the last one never came)", elapsed, elapsed > 0 ? shown * 1000.0 / elapsed : 0.0);
    std::printf("log blocks %d, worst 10 ms timer lateness %lld ms, memory in use %ld KiB before / %ld KiB after, "
                "peak %ld KiB\n",
                log->document()->blockCount(), probe.worstLatenessMs(), rssBefore, long(rssMB() * 1024),
                long(peakRssMB() * 1024));
    return all ? 0 : 1;
}
