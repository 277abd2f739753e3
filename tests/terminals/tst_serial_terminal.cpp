// The "Serial Debug" terminal against a pty device: what arrives is shown
// byte for byte, what is sent arrives exactly, files go out unchanged
// without freezing the window, and the views stay bounded.
#include "serial_fixture.h"
#include "terminals/file_dialogs.h"
#include "tests/support/test_base.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

using namespace serialtest;
using kesptest::PtyPair;
using kesptest::TempHome;

// A window with the terminal's port open on a fresh pty.
struct OpenTerminal : TerminalWindow
{
    QPlainTextEdit *text() { return child<QPlainTextEdit>(w, "COM_StrTextBrowser"); }
    QPlainTextEdit *hex() { return child<QPlainTextEdit>(w, "COM_HexTextBrowser"); }
    QPlainTextEdit *box() { return child<QPlainTextEdit>(w, "sendMsgtextEdit"); }
    bool received(int n)
    {
        return kesptest::waitFor([&] { return lcd(w, "recvbyteslcdNumber") >= n; });
    }
};

// Bytes back from the hex view's "0x..," tokens.
static QByteArray bytesOfHexView(const QString &view)
{
    QByteArray out;
    static const QRegularExpression token("0x([0-9a-f]{2}),");
    auto it = token.globalMatch(view);
    while (it.hasNext())
        out.append(char(it.next().captured(1).toInt(nullptr, 16)));
    return out;
}

class SerialTerminalTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        FileDialogs::setOpenHook({});
        FileDialogs::setSaveHook({});
    }

    void startState()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        w.show();
        for (const char *name : {"delayspinBox", "sendmsgBtn", "sendfileBtn", "sendMsgtextEdit",
                                 "com_checkBox_DTR", "com_checkBox_RTS", "com_expandpushButton"})
            QVERIFY2(!child<QWidget>(w, name)->isEnabled(), name);
        for (const char *name : {"COM_HexTextBrowser", "com_checkBox_DTR", "com_checkBox_RTS"})
            QVERIFY2(child<QWidget>(w, name)->isHidden(), name);
        QVERIFY(child<QPlainTextEdit>(w, "COM_StrTextBrowser")->isReadOnly());
        QCOMPARE(child<QPlainTextEdit>(w, "COM_StrTextBrowser")->maximumBlockCount(), 10000);
        QCOMPARE(child<QComboBox>(w, "baudRateComboBox")->currentText(), QStringLiteral("115200"));
        QCOMPARE(child<QComboBox>(w, "baudRateComboBox")->itemText(14), QStringLiteral("921600 "));
        QCOMPARE(child<QComboBox>(w, "dataBitsComboBox")->currentText(), QStringLiteral("8"));
        press(w, "HEXcheckBox");
        QVERIFY(child<QWidget>(w, "COM_HexTextBrowser")->isVisible());

        // A language change empties the text view and selects 115200 again;
        // the hex view and the other settings stay.
        child<QPlainTextEdit>(w, "COM_StrTextBrowser")->setPlainText("old");
        child<QPlainTextEdit>(w, "COM_HexTextBrowser")->setPlainText("0x41,");
        child<QComboBox>(w, "baudRateComboBox")->setCurrentIndex(0);
        child<QComboBox>(w, "parityComboBox")->setCurrentIndex(2);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&w, &change);
        QCOMPARE(child<QPlainTextEdit>(w, "COM_StrTextBrowser")->toPlainText(), QString());
        QCOMPARE(child<QPlainTextEdit>(w, "COM_HexTextBrowser")->toPlainText(), QStringLiteral("0x41,"));
        QCOMPARE(child<QComboBox>(w, "baudRateComboBox")->currentText(), QStringLiteral("115200"));
        QCOMPARE(child<QComboBox>(w, "parityComboBox")->currentIndex(), 2);
    }

    // Writes arrive in separate driver reads; the views show them as one
    // stream: carriage returns dropped in the text, every byte in the hex.
    // An empty write switches the Time box; stamps left out, the views
    // read the same.
    void receiveForms_data()
    {
        QTest::addColumn<QList<QByteArray>>("writes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("hex");
        QTest::newRow("CR LF") << QList<QByteArray>{"Hi\r\n"} << "Hi\n" << "0x48,0x69,0x0d,0x0a,\n";
        QTest::newRow("line feed breaks the hex line")
            << QList<QByteArray>{"A\nB"} << "A\nB" << "0x41,0x0a,\n0x42,";
        QTest::newRow("markup stays text") << QList<QByteArray>{"<b>x</b>&amp;"} << "<b>x</b>&amp;"
                                           << "0x3c,0x62,0x3e,0x78,0x3c,0x2f,0x62,0x3e,0x26,0x61,0x6d,0x70,0x3b,";
        QTest::newRow("UTF-8 character split across two reads")
            << QList<QByteArray>{"\xc3", "\xa9!"} << QString::fromUtf8("\xc3\xa9!") << "0xc3,0xa9,0x21,";
        QTest::newRow("three-byte character in three reads")
            << QList<QByteArray>{"\xe2", "\x82", "\xac"} << QString::fromUtf8("\xe2\x82\xac") << "0xe2,0x82,0xac,";
        QTest::newRow("Time box switched amid characters")
            << QList<QByteArray>{"\xe4\xbc\xa0\xe6", "", "\x84\x9f\xe5", "", "\x99\xa8!", "", "\xe4", "", "\xb8\xad"}
            << QString::fromUtf8("\xe4\xbc\xa0\xe6\x84\x9f\xe5\x99\xa8!\xe4\xb8\xad")
            << "0xe4,0xbc,0xa0,0xe6,0x84,0x9f,0xe5,0x99,0xa8,0x21,0xe4,0xb8,0xad,";
    }
    void receiveForms()
    {
        QFETCH(QList<QByteArray>, writes);
        QFETCH(QString, text);
        QFETCH(QString, hex);
        OpenTerminal t;
        QVERIFY(t.open());
        auto *time = child<QCheckBox>(t.w, "showtime_checkBox");
        int total = 0;
        for (const QByteArray &part : writes) {
            time->setChecked(time->isChecked() != part.isEmpty());
            QVERIFY(part.isEmpty() || t.pty.writeFar(part));
            total += int(part.size());
            QVERIFY(t.received(total));
        }
        static const QRegularExpression stamp("\\n?\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
        QCOMPARE(t.text()->toPlainText().remove(stamp), text);
        QCOMPARE(t.hex()->toPlainText().remove(stamp), hex);
        QCOMPARE(lcd(t.w, "recvbyteslcdNumber"), total);
        QCOMPARE(status(t.w), QStringLiteral("Successfully read %1 byte data").arg(writes.last().size()));
    }

    // A long stream through the pty matches the views byte for byte.
    void streamByteForByte()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QByteArray data;
        QRandomGenerator rng(7);
        while (data.size() < 60000) {
            const int len = int(rng.bounded(200));
            for (int i = 0; i < len; ++i)
                data.append(char(0x20 + rng.bounded(0x5f)));
            data.append(rng.bounded(2) ? "\r\n" : "\n");
        }
        QVERIFY(t.pty.writeFar(data));
        QVERIFY(t.received(int(data.size())));
        QCOMPARE(t.text()->toPlainText().toLatin1(), QByteArray(data).replace("\r", ""));
        QCOMPARE(bytesOfHexView(t.hex()->toPlainText()), data);
        // Repaints held back during the stream resume once it stops.
        QVERIFY(kesptest::waitFor([&] {
            return t.text()->viewport()->updatesEnabled() && t.hex()->viewport()->updatesEnabled();
        }, 500));
    }

    // Stamped entries: each its own block, starting with a green stamp, the
    // data after it in black, markup shown as text.
    void stampedEntries()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        child<QCheckBox>(t.w, "showtime_checkBox")->setChecked(true);
        QVERIFY(t.pty.writeFar("one<i>"));
        QVERIFY(t.received(6));
        QVERIFY(t.pty.writeFar("two\r\n"));
        QVERIFY(t.received(11));
        QTextDocument *doc = t.text()->document();
        const QRegularExpression stamp("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
        QCOMPARE(doc->blockCount() >= 2, true);
        const QTextBlock first = doc->firstBlock();
        QVERIFY2(stamp.match(first.text()).hasMatch(), qPrintable(first.text()));
        QCOMPARE(first.text().mid(14), QStringLiteral("one<i>"));
        QVERIFY(stamp.match(first.next().text()).hasMatch());
        QCOMPARE(first.next().text().mid(14), QStringLiteral("two"));
        const QTextCharFormat stampFormat = first.begin().fragment().charFormat();
        QCOMPARE(stampFormat.foreground().color(), QColor(0, 128, 0));
        QVERIFY(stamp.match(t.hex()->document()->firstBlock().text()).hasMatch());
        QCOMPARE(t.hex()->document()->firstBlock().text().mid(14),
                 QStringLiteral("0x6f,0x6e,0x65,0x3c,0x69,0x3e,"));
    }

    // 20000 stamped entries: at most 10000 blocks kept, and the last
    // entries cost no more than the first.
    void boundedAtFlatCost()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        child<QCheckBox>(t.w, "showtime_checkBox")->setChecked(true);
        QElapsedTimer clock;
        qint64 firstCost = 0;
        qint64 lastCost = 0;
        clock.start();
        for (int i = 0; i < 20000; ++i) {
            if (i == 2000)
                firstCost = clock.restart();
            if (i == 18000)
                clock.restart();
            QMetaObject::invokeMethod(&t.w, "readCom", Q_ARG(QByteArray, QByteArray("entry ") + QByteArray::number(i)));
        }
        lastCost = clock.elapsed();
        // Shown with the next paint tick.
        QVERIFY(kesptest::waitFor([&] { return t.text()->document()->lastBlock().text().endsWith("entry 19999"); }));
        QVERIFY(t.text()->document()->blockCount() <= 10000);
        QVERIFY(t.hex()->document()->blockCount() <= 10000);
        QVERIFY(t.text()->document()->lastBlock().text().endsWith("entry 19999"));
        QVERIFY2(lastCost < firstCost * 3 + 50, qPrintable(QString("first %1 ms, last %2 ms").arg(firstCost).arg(lastCost)));
        QCOMPARE(lcd(t.w, "recvbyteslcdNumber"), 99999);
    }

    // A long plain stream: the views keep at most 10000 lines, and what they
    // keep is exactly the newest part of the stream, whole lines only.
    void plainStreamKeepsNewestLines()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QByteArray all;
        for (int chunk = 0; chunk < 250; ++chunk) {
            QByteArray block;
            for (int i = 0; i < 100; ++i)
                block += "line " + QByteArray::number(chunk * 100 + i) + "\n";
            all += block;
            QMetaObject::invokeMethod(&t.w, "readCom", Q_ARG(QByteArray, block));
        }
        QVERIFY(kesptest::waitFor([&] { return t.text()->toPlainText().endsWith("line 24999\n"); }));
        for (QPlainTextEdit *view : {t.text(), t.hex()}) {
            QVERIFY(view->document()->blockCount() <= 10000);
            QVERIFY(view->document()->blockCount() >= 9000);
        }
        const QString shown = t.text()->toPlainText();
        QVERIFY(shown.startsWith("line "));
        QVERIFY(QString::fromLatin1(all).endsWith(shown));
        QVERIFY(t.hex()->toPlainText().endsWith("0x39,0x39,0x0a,\n"));
    }

    void sendExamples_data()
    {
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("arrives");
        QTest::addColumn<QString>("message");
        const QString ok = "Send Success";
        const QString bad = "The input data format is wrong!";
        QTest::newRow("text: lines get CR LF") << false << "ab\ncd" << QByteArray("ab\r\ncd") << ok;
        QTest::newRow("text: UTF-8") << false << QString::fromUtf8("\xc3\xa9") << QByteArray("\xc3\xa9") << ok;
        QTest::newRow("hex: commas and blanks") << true << "0x01, 02,,03  ff" << QByteArray("\x01\x02\x03\xff") << ok;
        QTest::newRow("hex: a long token is its bytes")
            << true << "AA55 0102 0304 0x1FF ABC" << QByteArray::fromHex("aa550102030401ff0abc") << ok;
        QTest::newRow("hex: a dump pasted without blanks")
            << true << QString(QByteArray(3000, '\x5a').toHex()) << QByteArray(3000, '\x5a') << ok;
        QTest::newRow("hex: bad digit") << true << "01 0x0G" << QByteArray() << bad;
        QTest::newRow("hex: capital X") << true << "0X01" << QByteArray() << bad;
        QTest::newRow("hex: line break") << true << "01\n02" << QByteArray() << bad;
        QTest::newRow("hex: tab") << true << "01\t02" << QByteArray() << bad;
        QTest::newRow("hex: blanks only") << true << "   " << QByteArray() << ok;
    }
    void sendExamples()
    {
        QFETCH(bool, hex);
        QFETCH(QString, box);
        QFETCH(QByteArray, arrives);
        QFETCH(QString, message);
        OpenTerminal t;
        QVERIFY(t.open());
        child<QCheckBox>(t.w, "sendAsHexcheckBox")->setChecked(hex);
        t.box()->setPlainText(box);
        press(t.w, "sendmsgBtn");
        QCOMPARE(status(t.w), message);
        // Wait for what must come, then for anything extra: a quiet gap
        // alone reads nothing yet on a loaded machine.
        QByteArray got = arrives.isEmpty() ? QByteArray() : t.pty.readFar(arrives.size());
        got += t.pty.drainFar(150);
        QCOMPARE(got, arrives);
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), int(arrives.size()));
    }

    void sendCounterStops()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        child<QLCDNumber>(t.w, "sendbyteslcdNumber")->display(99990);
        t.box()->setPlainText("0123456789");
        press(t.w, "sendmsgBtn");
        QCOMPARE(child<QLCDNumber>(t.w, "sendbyteslcdNumber")->value(), 99999.0);
        press(t.w, "sendmsgBtn");
        QCOMPARE(child<QLCDNumber>(t.w, "sendbyteslcdNumber")->value(), 99999.0);
        press(t.w, "cleanbytespushButton");
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), 0);
        QCOMPARE(status(t.w), QStringLiteral("Counter has been cleared"));
        t.pty.drainFar(100);
        t.box()->clear();
        press(t.w, "sendmsgBtn");
        QCOMPARE(status(t.w), QStringLiteral("No Data"));
    }

    // Keep-sending: one send per tick, counted at the far end; Pause and a
    // hex format error stop it; Close leaves it idle without sending.
    void repeatSending()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        auto *send = child<QPushButton>(t.w, "sendmsgBtn");
        press(t.w, "obocheckBox");
        QCOMPARE(status(t.w), QStringLiteral("Enable Keep sending"));
        QVERIFY(child<QWidget>(t.w, "delayspinBox")->isEnabled());
        // Long beside the time a byte takes to be seen at the far end, which
        // grows in the sanitizer build.
        const int interval = int(kesptest::bound(100));
        child<QSpinBox>(t.w, "delayspinBox")->setValue(interval);
        t.box()->setPlainText("x");
        // The first send comes no earlier than one interval after the
        // press, timed from the press itself, not by a quiet window after
        // it (read timeouts stretch in the sanitizer build).  A coarse
        // timer may fire up to 5 % early.
        QElapsedTimer sincePress;
        sincePress.start();
        press(send);
        QCOMPARE(send->text(), QStringLiteral("Pause"));
        const QByteArray first = t.pty.readFar(1, 5000);
        const qint64 firstAfter = sincePress.elapsed();
        QCOMPARE(first, QByteArray("x"));
        QVERIFY2(firstAfter >= interval - interval / 20,
                 qPrintable(QString("first send %1 ms after the press").arg(firstAfter)));
        const QByteArray got = first + t.pty.readFar(9, 5000);
        QVERIFY(got.size() >= 10 && got.count('x') == got.size());
        press(send);
        QCOMPARE(send->text(), QStringLiteral("Send"));
        const QByteArray tail = t.pty.drainFar(200);
        QVERIFY(tail.size() <= 1);
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), int(got.size() + tail.size()));

        // A format error at a tick ends the keep-sending.
        child<QCheckBox>(t.w, "sendAsHexcheckBox")->setChecked(true);
        t.box()->setPlainText("01 0xZZ");
        press(send);
        QCOMPARE(send->text(), QStringLiteral("Pause"));
        QVERIFY(kesptest::waitFor([&] { return send->text() == "Send"; }, 1000));
        QCOMPARE(status(t.w), QStringLiteral("The input data format is wrong!"));
        t.box()->setPlainText("01");
        QCOMPARE(t.pty.drainFar(200), QByteArray());
    }

    // Close while keep-sending runs: the ticks do nothing; the next Open
    // resumes the periodic send without a press.
    void repeatSurvivesReopen()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        press(t.w, "obocheckBox");
        child<QSpinBox>(t.w, "delayspinBox")->setValue(40);
        t.box()->setPlainText("k");
        press(t.w, "sendmsgBtn");
        // Ticks can bunch up under load: at least two sends, nothing else.
        const QByteArray before = t.pty.readFar(2, 5000);
        QVERIFY(before.size() >= 2 && before.count('k') == before.size());
        press(t.w, "opencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial closed"));
        t.pty.drainFar(100);
        kesptest::spin(200);
        QCOMPARE(t.pty.drainFar(50), QByteArray());
        press(t.w, "opencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial opened"));
        const QByteArray after = t.pty.readFar(3, 5000);
        QVERIFY(after.size() >= 3 && after.count('k') == after.size());
    }

    // A file with CR and binary bytes goes out unchanged, line by line,
    // while the window keeps running its timers.
    void sendFileIsExactAndResponsive()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QTemporaryDir dir;
        QByteArray content;
        for (int i = 0; i < 150; ++i)
            content += QByteArray("line ") + QByteArray::number(i) + (i % 3 ? "\r\n" : "\r\r\n") + char(i);
        content += QByteArray("\x00\xff\rno line end", 14);
        QFile f(dir.path() + "/send.bin");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        QStringList captions;
        FileDialogs::setOpenHook([&](const QString &caption, const QString &, const QString &filter) {
            captions << caption << filter;
            return f.fileName();
        });

        kesptest::StallProbe probe;
        probe.start();
        QElapsedTimer clock;
        clock.start();
        press(t.w, "sendfileBtn");
        const qint64 pressCost = clock.elapsed();
        const QByteArray got = t.pty.readFar(int(content.size()), 10000);
        QVERIFY(kesptest::waitFor([&] { return status(t.w) == "Success for send the data in the file"; }));
        probe.stop();
        QCOMPARE(captions, (QStringList{"Read file", "(*)"}));
        QCOMPARE(got.size(), content.size());
        QCOMPARE(got, content);
        QVERIFY2(pressCost < kesptest::bound(100), qPrintable(QString::number(pressCost)));
        QVERIFY2(probe.worstLatenessMs() < kesptest::bound(100), qPrintable(QString::number(probe.worstLatenessMs())));
        // Paced: at least 5 ms per line.
        QVERIFY(clock.elapsed() >= 150 * 5);
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), 0);
        QVERIFY(child<QWidget>(t.w, "sendfileBtn")->isEnabled());

        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) {
            return dir.path() + "/missing";
        });
        press(t.w, "sendfileBtn");
        QCOMPARE(status(t.w),
                 QStringLiteral("Open failed: Failed to open this file, this may be due to insufficient permissions."));
    }

    // Closing in the middle of a file send stops it cleanly.
    void closeDuringFileSend()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QTemporaryDir dir;
        QFile f(dir.path() + "/long.txt");
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < 2000; ++i)
            f.write("0123456789\n");
        f.close();
        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return f.fileName(); });
        press(t.w, "sendfileBtn");
        QVERIFY(t.pty.readFar(100, 3000).size() >= 100);
        press(t.w, "opencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial closed"));
        t.pty.drainFar(100);
        kesptest::spin(100);
        QCOMPARE(t.pty.drainFar(50), QByteArray());
        QVERIFY(!child<QWidget>(t.w, "sendfileBtn")->isEnabled());
    }

    void loadLimits_data()
    {
        QTest::addColumn<QString>("source"); // "size:<n>" or a path
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("10000 bytes load") << "size:10000" << "Success for read the data in the file" << true;
        QTest::newRow("10001 bytes refused")
            << "size:10001" << "Load failed: file size is 10001 bytes, Exceeded the limit size 10000 bytes" << false;
        QTest::newRow("endless device refused")
            << "/dev/zero" << "Load failed: file size is 10001 bytes, Exceeded the limit size 10000 bytes" << false;
        QTest::newRow("missing file")
            << "missing" << "Open failed: Failed to open this file, this may be due to insufficient permissions."
            << false;
    }
    void loadLimits()
    {
        QFETCH(QString, source);
        QFETCH(QString, message);
        QFETCH(bool, loaded);
        TempHome home(kesptest::quietIni());
        MainWindow w;
        QTemporaryDir dir;
        QString path = source.startsWith('/') ? source : dir.path() + "/" + source;
        QByteArray content;
        if (source.startsWith("size:")) {
            const int n = source.mid(5).toInt();
            for (int i = 0; i < n; ++i)
                content.append(i % 50 == 49 ? '\n' : char('a' + i % 26));
            path = dir.path() + "/load.txt";
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        FileDialogs::setOpenHook([&](const QString &, const QString &, const QString &) { return path; });
        auto *box = child<QPlainTextEdit>(w, "sendMsgtextEdit");
        box->setPlainText("before:");
        press(w, "readtxtpushButton"); // loading works with no port open
        QCOMPARE(status(w), message);
        QCOMPARE(box->toPlainText(), loaded ? "before:" + QString::fromLatin1(content) : QStringLiteral("before:"));
    }

    // Export writes exactly the received text: the breaks the views add to
    // bound their lines are not data.  A write cut short is a failure, and
    // leaves the file as it was.
    void exportIsExact()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QByteArray data(200000, 'A');
        data += "\r\nend";
        for (qsizetype i = 0; i < data.size(); i += 4096)
            QMetaObject::invokeMethod(&t.w, "readCom", Q_ARG(QByteArray, data.mid(i, 4096)));
        QTemporaryDir dir;
        const QString path = dir.filePath("out.txt");
        const QString expected = dir.filePath("expected.txt");
        QFile e(expected);
        QVERIFY(e.open(QIODevice::WriteOnly));
        e.write(QByteArray(data).replace("\r", ""));
        e.close();
        FileDialogs::setSaveHook([&](const QString &, const QString &, const QString &) { return path; });
        press(t.w, "savetxtpushButton");
        QVERIFY2(status(t.w).startsWith("Saved success."), qPrintable(status(t.w)));
        QCOMPARE(QProcess::execute("cmp", {expected, path}), 0);
        QVERIFY(t.text()->document()->blockCount() > 190); // the view itself breaks the line

        // Under a 512-byte file-size limit the write comes out short.
        {
            kesptest::FileSizeLimit limit(512);
            press(t.w, "savetxtpushButton");
        }
        QVERIFY2(status(t.w).startsWith("Save failed:Writing file "), qPrintable(status(t.w)));
        QCOMPARE(QProcess::execute("cmp", {expected, path}), 0); // the last good export stays whole
    }

    void saveReceived()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QTemporaryDir dir;
        QString proposed;
        FileDialogs::setSaveHook([&](const QString &caption, const QString &name, const QString &) {
            proposed = caption + "|" + name;
            return dir.path() + "/out.txt";
        });
        press(t.w, "savetxtpushButton");
        QCOMPARE(status(t.w), QStringLiteral("No data need to save"));
        QVERIFY(proposed.isEmpty());

        child<QCheckBox>(t.w, "showtime_checkBox")->setChecked(true);
        QVERIFY(t.pty.writeFar(QByteArray("r\xc3\xa9sum\xc3\xa9\r\n")));
        QVERIFY(t.received(10));
        press(t.w, "savetxtpushButton");
        QCOMPARE(proposed, QStringLiteral("Save as|newtxt.txt"));
        QCOMPARE(status(t.w), "Saved success.\tsaved: " + QFileInfo(dir.path() + "/out.txt").canonicalFilePath()
                                  + "\tlines: 1");
        QFile f(dir.path() + "/out.txt");
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), t.text()->toPlainText());

        FileDialogs::setSaveHook([&](const QString &, const QString &, const QString &) {
            return dir.path() + "/no/such/dir/out.txt";
        });
        press(t.w, "savetxtpushButton");
        QVERIFY(status(t.w).startsWith("Save failed:Open file " + dir.path() + "/no/such/dir/out.txt failed, can't save\n"));

        press(t.w, "cleandatapushButton");
        QCOMPARE(status(t.w), QStringLiteral("Receive has been cleared"));
        QVERIFY(t.text()->toPlainText().isEmpty() && t.hex()->toPlainText().isEmpty());
        press(t.w, "cleansendpushButton");
        QCOMPARE(status(t.w), QStringLiteral("Send has been cleared"));
    }

    // Clear forgets half a character: the next bytes do not join it.
    void clearResetsDecoder()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        QVERIFY(t.pty.writeFar("\xc3"));
        QVERIFY(t.received(1));
        press(t.w, "cleandatapushButton");
        QVERIFY(t.pty.writeFar("ok"));
        QVERIFY(t.received(3));
        QCOMPARE(t.text()->toPlainText(), QStringLiteral("ok"));

        // So does a new open: half a character from the last session is gone.
        QVERIFY(t.pty.writeFar("\xe2\x82"));
        QVERIFY(t.received(5));
        press(t.w, "opencompushButton");
        press(t.w, "opencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial opened"));
        QVERIFY(t.pty.writeFar("!"));
        QVERIFY(t.received(6));
        QCOMPARE(t.text()->toPlainText(), QStringLiteral("ok!"));
    }
};

KESP_TEST_MAIN(SerialTerminalTest)
#include "tst_serial_terminal.moc"
