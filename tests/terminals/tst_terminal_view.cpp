// Receive views shared by the terminals: stamps, bounded blocks, text shown
// as text, characters split across reads, the 99999 counter.
#include "terminals/log_plain_text_edit.h"
#include "terminals/terminal_text.h"
#include "terminals/terminal_view.h"
#include "tests/support/test_base.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLCDNumber>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCodec>
#include <QVBoxLayout>
#include <QtTest>

using TerminalText::HexStyle;

class TerminalViewTest : public QObject
{
    Q_OBJECT
private slots:
    void counterStopsAt99999()
    {
        QLCDNumber lcd;
        lcd.display(99990);
        TerminalView::count(&lcd, 5);
        QCOMPARE(lcd.value(), 99995.0);
        TerminalView::count(&lcd, 20);
        QCOMPARE(lcd.value(), 99999.0);
        TerminalView::count(&lcd, 1);
        QCOMPARE(lcd.value(), 99999.0);
        QCOMPARE(lcd.intValue(), 99999);
    }

    void plainModeShowsTextAndHex()
    {
        QPlainTextEdit text, hex;
        TerminalView view(&text, &hex, HexStyle::Serial, "UTF8", "UTF8");
        view.setUp();
        QVERIFY(text.isReadOnly());
        QCOMPARE(text.maximumBlockCount(), 10000);
        view.append("Hi\r\n", false);
        view.append("<b>x</b>", false);
        view.flush();
        QCOMPARE(text.toPlainText(), QString("Hi\n<b>x</b>"));
        QCOMPARE(hex.toPlainText(), QString("0x48,0x69,0x0d,0x0a,\n0x3c,0x62,0x3e,0x78,0x3c,0x2f,0x62,0x3e,"));
    }

    // Stamped entries: each its own block, markup shown literally, line
    // feeds kept, the stamp in green.
    void stampedEntries()
    {
        QPlainTextEdit text, hex;
        TerminalView view(&text, &hex, HexStyle::Network, "GBK", "UTF8");
        view.setUp();
        view.append("<b>bold</b>", true);
        view.append("one\ntwo", true);
        view.flush();
        const QStringList lines = text.toPlainText().split('\n');
        QCOMPARE(lines.size(), 3);
        const QRegularExpression stamp("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\]");
        QVERIFY(stamp.match(lines[0]).hasMatch());
        QVERIFY(lines[0].endsWith("<b>bold</b>"));
        QVERIFY(stamp.match(lines[1]).hasMatch());
        QVERIFY(lines[1].endsWith("one"));
        QCOMPARE(lines[2], QString("two"));
        const QTextBlock first = text.document()->firstBlock();
        QCOMPARE(first.begin().fragment().charFormat().foreground().color(), QColor(0, 128, 0));
        QVERIFY(hex.toPlainText().contains("0x3C, 0x62, 0x3E, "));
    }

    // A character split across two reads shows whole, in both codecs.
    void splitCharacters_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QByteArray>("encoded");
        QTest::addColumn<QString>("expected");
        QTest::newRow("utf-8") << QByteArray("UTF8") << QByteArray("\xE4\xBD\xA0\xE5\xA5\xBD") << QString::fromUtf8("你好");
        QTest::newRow("gbk") << QByteArray("GBK") << QByteArray("\xC4\xE3\xBA\xC3") << QString::fromUtf8("你好");
    }
    void splitCharacters()
    {
        QFETCH(QByteArray, codec);
        QFETCH(QByteArray, encoded);
        QFETCH(QString, expected);
        QPlainTextEdit text, hex;
        TerminalView view(&text, &hex, HexStyle::Network, codec.constData(), codec.constData());
        view.setUp();
        view.append(encoded.left(1), false);
        view.append(encoded.mid(1, 2), false);
        view.append(encoded.mid(3), false);
        view.flush();
        QCOMPARE(text.toPlainText(), expected);

        // After clear a dangling half character is forgotten.
        view.append(encoded.left(1), false);
        view.clear();
        view.append(encoded, false);
        view.flush();
        QCOMPARE(text.toPlainText(), expected);
    }

    // 20000 stamped entries keep at most 10000 blocks, and the last
    // thousand cost about as much as the first thousand.
    void stampedFloodIsBounded()
    {
        QPlainTextEdit text, hex;
        TerminalView view(&text, &hex, HexStyle::Serial, "UTF8", "UTF8");
        view.setUp();
        QElapsedTimer t;
        qint64 first = 0, last = 0;
        for (int i = 0; i < 20000; ++i) {
            if (i == 0 || i == 19000)
                t.start();
            view.append(QByteArray("entry ") + QByteArray::number(i), true);
            if (i == 999)
                first = t.elapsed();
            if (i == 19999)
                last = t.elapsed();
        }
        view.flush();
        QVERIFY(text.document()->blockCount() <= 10000);
        QVERIFY(hex.document()->blockCount() <= 10000);
        QVERIFY(text.toPlainText().endsWith("entry 19999"));
        QVERIFY2(last <= first * 4 + 50, qPrintable(QString("first %1 ms, last %2 ms").arg(first).arg(last)));
    }

    // Data without line feeds still ends up in bounded blocks.
    void endlessLineIsBroken()
    {
        QPlainTextEdit text, hex;
        TerminalView view(&text, &hex, HexStyle::Network, "GBK", "UTF8");
        view.setUp();
        for (int i = 0; i < 200; ++i)
            view.append(QByteArray(500, 'z'), false);
        view.flush();
        for (QTextBlock b = text.document()->firstBlock(); b.isValid(); b = b.next())
            QVERIFY(b.length() <= TerminalText::kMaxLineChars + 1);
        for (QTextBlock b = hex.document()->firstBlock(); b.isValid(); b = b.next())
            QVERIFY(b.length() <= TerminalText::kMaxHexBytesPerLine * 6 + 1);
        QCOMPARE(text.toPlainText().count('z'), 100000);
    }

    // Export and a copy give the text as received: the view's rows of a
    // long line are joined again, wherever a selection starts and ends, and
    // U+2029, U+FDD0 and U+FDD1 show as line breaks without moving the marks.
    void copyAndExportGiveTheTextAsReceived_data()
    {
        QTest::addColumn<QByteArrayList>("reads");
        QTest::addColumn<bool>("stamped");
        QTest::addColumn<int>("from"); // selected part of the first line; -1: all
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("rows"); // -1: not counted
        QByteArray line;
        for (int i = 0; line.size() < 5000; ++i)
            line += QByteArray::number(i) + ' ';
        const QByteArray paragraph("\xE2\x80\xA9"), frameStart("\xEF\xB7\x90"), frameEnd("\xEF\xB7\x91");
        QByteArray binary;
        for (quint32 x = 5; binary.size() < 200000;)
            binary += (x = x * 1103515245u + 12345u) % 97 ? QByteArray(1, char(x >> 16)) : paragraph + frameEnd;
        QTest::newRow("lines") << QByteArrayList{line + "\r\nnext\n" + line} << false << -1 << 0 << -1;
        QTest::newRow("inside rows") << QByteArrayList{line} << false << 100 << 3072 << -1;
        QTest::newRow("characters") << QByteArrayList{QByteArray("\xE4\xBD\xA0\xF0\x9F\x98\x80").repeated(1500)}
                                    << false << -1 << 0 << 5;
        QTest::newRow("separator in a line")
            << QByteArrayList{QByteArray(1500, 'a') + paragraph + QByteArray(3500, 'b')} << false << -1 << 0 << 6;
        QTest::newRow("frame marks at a row's end")
            << QByteArrayList{QByteArray(1024, 'c') + frameStart + "dd" + frameEnd + QByteArray(2000, 'e')} << false
            << -1 << 0 << 4;
        QTest::newRow("split separator") << QByteArrayList{QByteArray(1000, 'f') + "\xE2\x80", "\xA9\r\n" + line}
                                         << false << -1 << 0 << 7;
        QTest::newRow("stamped") << QByteArrayList{QByteArray(2000, 'i') + paragraph + "j"} << true << -1 << 0 << 3;
        QTest::newRow("binary") << QByteArrayList{binary} << false << -1 << 0 << -1;
    }
    void copyAndExportGiveTheTextAsReceived()
    {
        QFETCH(QByteArrayList, reads);
        QFETCH(bool, stamped);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, rows);
        LogPlainTextEdit text;
        TerminalView view(&text, nullptr, HexStyle::Serial, "UTF8", "UTF8");
        view.setUp();
        for (const QByteArray &read : reads)
            view.append(read, stamped);
        view.flush();
        const QString received = QTextCodec::codecForName("UTF8")->toUnicode(reads.join()).remove('\r');
        const QString exported = TerminalView::exportText(&text);
        QCOMPARE(exported.mid(stamped ? 14 : 0), received);
        text.selectAll();
        if (from >= 0) {
            QTextCursor selection(text.document()); // rows of kMaxLineChars and a break
            selection.setPosition(from + from / TerminalText::kMaxLineChars);
            selection.setPosition(to + to / TerminalText::kMaxLineChars, QTextCursor::KeepAnchor);
            text.setTextCursor(selection);
        }
        text.copy();
        QCOMPARE(QGuiApplication::clipboard()->text(), from < 0 ? exported : received.mid(from, to - from));
        QVERIFY(rows < 0 || text.document()->blockCount() == rows);
    }

    // A hex view kept hidden through a long stream is filled when it is
    // shown, with the newest whole lines it would have held, at most 10000;
    // a view on screen beside it got the same stream as it came.
    void hiddenHexFilledWhenShown()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QPlainTextEdit *texts[2], *hexes[2];
        for (int i = 0; i < 2; ++i) {
            layout->addWidget(texts[i] = new QPlainTextEdit);
            layout->addWidget(hexes[i] = new QPlainTextEdit);
        }
        TerminalView onScreen(texts[0], hexes[0], HexStyle::Serial, "UTF8", "UTF8");
        TerminalView hidden(texts[1], hexes[1], HexStyle::Serial, "UTF8", "UTF8");
        onScreen.setUp();
        hidden.setUp();
        onScreen.showHex(true, false);
        window.show();

        QByteArray all;
        quint32 x = 7;
        auto feed = [&](int size) {
            QByteArray bytes;
            for (int i = 0; i < size; ++i) {
                x = x * 1103515245u + 12345u;
                bytes.append(char(x >> 16));
            }
            all += bytes;
            onScreen.append(bytes, false);
            hidden.append(bytes, false);
        };
        // Reads keep coming for over a second, then a flood far larger
        // than the view.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < TerminalView::kHiddenHexAfterMs + 300) {
            feed(64);
            QTest::qWait(10);
        }
        const int before = hexes[1]->document()->blockCount();
        for (int i = 0; i < 12; ++i) {
            feed(48 * 1024);
            QTest::qWait(5);
        }
        QTest::qWait(2 * TerminalView::kPaintIntervalMs);
        QCOMPARE(hexes[1]->document()->blockCount(), before);

        int onLine = 0;
        const QString log = TerminalText::hex(all, HexStyle::Serial, onLine);
        auto wholeLinesOfLog = [&](const QPlainTextEdit *view) {
            const QString shown = view->toPlainText();
            return log.endsWith(shown) && log.at(log.size() - shown.size() - 1) == QLatin1Char('\n');
        };
        QVERIFY(QTest::qWaitFor([&] { return wholeLinesOfLog(hexes[0]); }));

        hidden.showHex(true, false);
        QVERIFY(QTest::qWaitFor([&] { return wholeLinesOfLog(hexes[1]); }));
        QVERIFY(hexes[1]->document()->blockCount() <= TerminalView::kMaxBlocks);
        QVERIFY(hexes[1]->document()->blockCount() >= TerminalView::kMaxBlocks - TerminalView::kTrimBatch);
        QCOMPARE(texts[1]->toPlainText(), texts[0]->toPlainText());
    }

    // A full view streaming pages of lines: it keeps exactly 10000 blocks
    // with the newest line at the bottom, and repaints its text alone: not
    // its scroll bar (same range), not a counter stopped at 99999, and a
    // counting counter without the window beneath.  Such a flood, and a
    // backlog shown batch by batch, are painted every 200 ms.
    void fullViewRepaintsOnlyTheText()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *text = new QPlainTextEdit;
        auto *stopped = new QLCDNumber;
        auto *counting = new QLCDNumber;
        layout->addWidget(text);
        layout->addWidget(stopped);
        layout->addWidget(counting);
        TerminalView view(text, nullptr, HexStyle::Serial, "UTF8", "UTF8");
        view.setUp();
        TerminalView::setUpCounter(stopped);
        TerminalView::setUpCounter(counting);
        view.setShownHandler([&](qint64 bytes, qint64) {
            TerminalView::count(stopped, bytes);
            TerminalView::count(counting, bytes);
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        int line = 0;
        auto lines = [&line](int n) {
            QByteArray bytes;
            for (int i = 0; i < n; ++i)
                bytes += "line " + QByteArray::number(line++) + '\n';
            return bytes;
        };
        view.append(lines(12000), false);
        view.flush();
        QTest::qWait(3 * TerminalView::kFloodPaintIntervalMs);
        QCOMPARE(stopped->intValue(), 99999);
        counting->display(0);
        QTest::qWait(50);

        struct Paints : QObject
        {
            QMap<QObject *, int> counts;
            bool eventFilter(QObject *o, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    ++counts[o];
                return false;
            }
        } paints;
        QScrollBar *bar = text->verticalScrollBar();
        for (QObject *o : std::initializer_list<QObject *> {&window, text->viewport(), bar, stopped, counting})
            o->installEventFilter(&paints);
        const int range = bar->maximum();

        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000) {
            view.append(lines(40), false);
            QTest::qWait(10);
            QCOMPARE(text->document()->blockCount(), TerminalView::kMaxBlocks);
        }
        view.flush();
        QTest::qWait(3 * TerminalView::kFloodPaintIntervalMs);

        QCOMPARE(bar->maximum(), range);
        QCOMPARE(bar->value(), bar->maximum());
        const QTextBlock last = text->document()->lastBlock().previous(); // the last one is empty
        QCOMPARE(last.text(), "line " + QString::number(line - 1));
        QVERIFY(text->cursorForPosition(QPoint(2, text->viewport()->height() - 20)).blockNumber()
                >= last.blockNumber() - 1);
        QCOMPARE(paints.counts.value(bar), 0);
        QCOMPARE(paints.counts.value(stopped), 0);
        QVERIFY(paints.counts.value(counting) > 0);
        QCOMPARE(paints.counts.value(&window), 0);
        // About 5 in a second of flood (10 at the 100 ms pace), and at least
        // one.
        const int textPaints = paints.counts.value(text->viewport());
        QVERIFY2(textPaints >= 1 && textPaints <= 8, qPrintable(QString::number(textPaints)));

        // A backlog of some thirty batches at once: shown batch by batch,
        // painted every 200 ms and once more when it is through.
        paints.counts.clear();
        view.append(lines(150000), false);
        const QString newest = "line " + QString::number(line - 1);
        clock.restart();
        QVERIFY(QTest::qWaitFor([&] { return text->document()->lastBlock().previous().text() == newest; }));
        const qint64 drained = clock.elapsed();
        QTest::qWait(TerminalView::kFloodPaintIntervalMs);
        const int backlogPaints = paints.counts.value(text->viewport());
        QVERIFY2(backlogPaints >= 1 && backlogPaints <= 2 + drained / TerminalView::kFloodPaintIntervalMs,
                 qPrintable(QString("%1 paints in %2 ms").arg(backlogPaints).arg(drained)));
    }
};

KESP_TEST_MAIN(TerminalViewTest)
#include "tst_terminal_view.moc"
