// A long paste into each box where users paste: how long the window stops
// answering, and how long until the box holds the text.
//
//   bench_paste [--quiet] [--sizes=300000,1000000] [--boxes=serial,udp,...]
//
// The paste is one line of counting digits with nowhere to break it (a hex
// dump without spaces), put on the clipboard and pasted with Ctrl+V into the
// box, which is enabled as a user finds it: the serial port open on a pty,
// UDP and TCP started on loopback, the GSM console open on the scripted modem.
// Figures per box and size: the worst lateness of a 10 ms timer from the key
// press until the window has been quiet for a second, and the time until the
// box holds the paste (the SMS box keeps its 70 units).
#include "app/mainwindow.h"
#include "tests/positioning/fake_modem.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <cstdio>
#include <memory>

using namespace kesptest;

namespace {

struct Box
{
    const char *key;
    const char *name;
    qsizetype limit; // units the box keeps, -1 for all
};

const Box kBoxes[] = {
    {"serial", "sendMsgtextEdit", -1},
    {"udp", "UDPsendMsgtextEdit", -1},
    {"tcp", "TCPsendMsgtextEdit", -1},
    {"mqtt", "mqtt_pub_textEdit", -1},
    {"sms", "GSMtextBrowser", 70},
    {"number", "GSMNUMtextEdit", -1},
    {"gprs", "GSMTcpsendBrowser", -1},
    {"unicode", "UnicodetextEdit", -1},
    {"base64", "base64_source_textBrowser", -1},
};

qsizetype boxLength(QWidget *box)
{
    if (auto *p = qobject_cast<QPlainTextEdit *>(box))
        return p->document()->characterCount() - 1;
    return static_cast<QTextEdit *>(box)->document()->characterCount() - 1;
}

void clearBox(QWidget *box)
{
    if (auto *p = qobject_cast<QPlainTextEdit *>(box))
        p->clear();
    else
        static_cast<QTextEdit *>(box)->clear();
}

struct Paste
{
    qint64 worstMs = 0;
    qint64 heldMs = -1; // until the box held the paste; -1 when it never did
};

Paste paste(QWidget *box, const QString &text, qsizetype expected)
{
    clearBox(box);
    spin(300);
    QApplication::clipboard()->setText(text);
    box->setFocus();
    spin(300);

    StallProbe probe;
    QElapsedTimer clock;
    Paste result;
    probe.start();
    clock.start();
    QTimer::singleShot(0, box, [box] { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); });
    // Until the box holds the paste, then a second for the layout that
    // follows when its scroll bar appears.
    if (waitFor([&] { return boxLength(box) == expected; }, 3600 * 1000))
        result.heldMs = clock.elapsed();
    qint64 lastStall = clock.elapsed();
    qint64 seen = probe.worstLatenessMs();
    while (clock.elapsed() - lastStall < 1000) {
        spin(50);
        if (probe.worstLatenessMs() != seen) {
            seen = probe.worstLatenessMs();
            lastStall = clock.elapsed();
        }
    }
    probe.stop();
    result.worstMs = probe.worstLatenessMs();
    clearBox(box);
    spin(300);
    return result;
}

} // namespace

int main(int argc, char **argv)
{
    auto home = startBenchmark(argc, argv);
    QApplication app(argc, argv);
    QCommandLineParser parser;
    QCommandLineOption sizesOption("sizes", "Paste lengths in characters.", "list", "300000,1000000");
    QCommandLineOption boxesOption("boxes", "Boxes to paste into.", "list",
                                   "serial,udp,tcp,mqtt,sms,number,gprs,unicode,base64");
    parser.addOption(sizesOption);
    parser.addOption(boxesOption);
    parser.process(app);
    const QStringList boxes = parser.value(boxesOption).split(',', Qt::SkipEmptyParts);
    QList<qsizetype> sizes;
    for (const QString &s : parser.value(sizesOption).split(',', Qt::SkipEmptyParts))
        sizes << s.toLongLong();

    MainWindow w;
    showSettled(w);

    // The boxes enabled as a user finds them.  One serial port at a time:
    // the serial terminal and the GSM console take turns.
    PtyPair serialPty;
    PtyPair modemPty;
    std::unique_ptr<FakeModem> modem;
    bool serialOpen = false;
    bool modemOpen = false;
    auto prepare = [&](const QString &key) {
        const bool gsm = key == "sms" || key == "number" || key == "gprs";
        if (key == "serial" && !serialOpen) {
            if (modemOpen)
                press(w, "GSMopencompushButton"), modemOpen = false;
            choosePort(w, "portNameComboBox", serialPty.deviceA());
            press(w, "opencompushButton");
            serialOpen = true;
        } else if (gsm && !modemOpen) {
            if (serialOpen)
                press(w, "opencompushButton"), serialOpen = false;
            if (!modem) {
                modem = std::make_unique<FakeModem>(QStringLiteral(KESP_FAKE_MODEM), modemPty.deviceB());
                if (!modem->isReady())
                    qFatal("the scripted modem did not start");
            }
            choosePort(w, "GSMportNameComboBox", modemPty.deviceA());
            press(w, "GSMopencompushButton");
            modemOpen = true;
        } else if (key == "udp" && !child<QWidget>(w, "UDPsendMsgtextEdit")->isEnabled()) {
            child<QLineEdit>(w, "UDPSenderPortlineEdit")->setText(QString::number(freeUdpPort()));
            press(w, "UDPopencompushButton");
        } else if (key == "tcp" && !child<QWidget>(w, "TCPsendMsgtextEdit")->isEnabled()) {
            child<QLineEdit>(w, "TCPServerPortlineEdit")->setText(QString::number(freeTcpPort()));
            press(w, "TCPopencompushButton");
        }
    };

    std::printf("%-8s %26s %10s %12s %10s\n", "box", "widget", "chars", "worst_ms", "held_ms");
    for (const QString &key : boxes) {
        const Box *box = nullptr;
        for (const Box &b : kBoxes)
            if (key == QLatin1String(b.key))
                box = &b;
        if (!box)
            qFatal("no box %s", qPrintable(key));
        prepare(key);
        auto *widget = child<QWidget>(w, box->name);
        // The box's tab in front, as a user sees it: a hidden box lays
        // nothing out.
        auto *tabs = child<QTabWidget>(w, "tabWidget");
        for (QWidget *page = widget; page; page = page->parentWidget())
            if (tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
        spin(500);
        if (!widget->isEnabled())
            qFatal("%s is disabled", box->name);
        for (qsizetype size : sizes) {
            const QString text = QString::fromLatin1(countingLine(size));
            const qsizetype expected = box->limit < 0 ? size : qMin(size, box->limit);
            const Paste p = paste(widget, text, expected);
            std::printf("%-8s %26s %10lld %12lld %10lld\n", box->key, box->name, (long long)size,
                        (long long)p.worstMs, (long long)p.heldMs);
            std::fflush(stdout);
        }
    }
    return 0;
}
