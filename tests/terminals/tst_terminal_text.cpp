// The terminals' text forms: hex of received bytes in both styles, hex
// lines bounded across calls, long lines wrapped without splitting a
// character.
#include "terminals/terminal_text.h"
#include "tests/support/test_base.h"

#include <QStringList>
#include <QtTest>

using TerminalText::HexStyle;

class TerminalTextTest : public QObject
{
    Q_OBJECT
private slots:
    void hexForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("expected");
        QTest::newRow("serial breaks after LF") << QByteArray("\x41\x0A\x42", 3) << int(HexStyle::Serial)
                                                << QString("0x41,0x0a,\n0x42,");
        QTest::newRow("serial lower case") << QByteArray("\xFF\xAB", 2) << int(HexStyle::Serial) << QString("0xff,0xab,");
        QTest::newRow("network upper, no break") << QByteArray("\x61\x62\x0D\x0A\x63", 5) << int(HexStyle::Network)
                                                 << QString("0x61, 0x62, 0x0D, 0x0A, 0x63, ");
        QTest::newRow("empty") << QByteArray() << int(HexStyle::Network) << QString();
    }
    void hexForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, style);
        QFETCH(QString, expected);
        int onLine = 0;
        QCOMPARE(TerminalText::hex(bytes, HexStyle(style), onLine), expected);
    }

    // Hex of data without line feeds must still come in bounded lines,
    // carrying the count across calls.
    void hexLinesAreBounded()
    {
        int onLine = 0;
        QString all;
        for (int i = 0; i < 100; ++i)
            all += TerminalText::hex(QByteArray(7, 'x'), HexStyle::Network, onLine);
        const QStringList lines = all.split('\n');
        for (const QString &l : lines)
            QVERIFY(l.size() <= TerminalText::kMaxHexBytesPerLine * 6);
        QCOMPARE(all.count("0x78"), 700);
    }

    // The break count and the line end that the hidden hex view trims by
    // agree with the text hex() makes, in both styles, across calls.
    void hexLineCountsMatchTheText()
    {
        quint32 x = 11;
        for (const HexStyle style : {HexStyle::Serial, HexStyle::Network}) {
            int textOnLine = 5, countOnLine = 5;
            for (int size : {0, 1, 31, 32, 33, 700}) {
                QByteArray bytes;
                for (int i = 0; i < size; ++i)
                    bytes.append(i % 9 == 0 ? '\n' : char((x = x * 1103515245u + 12345u) >> 16));
                const int before = textOnLine;
                const QString text = TerminalText::hex(bytes, style, textOnLine);
                QCOMPARE(TerminalText::hexLineBreaks(bytes, style, countOnLine), int(text.count('\n')));
                QCOMPARE(countOnLine, textOnLine);
                // The second line ends after the byte whose hex ends it.
                const int perByte = style == HexStyle::Serial ? 5 : 6;
                const qsizetype end = TerminalText::afterHexLines(bytes, style, before, 2);
                const qsizetype secondBreak = text.indexOf('\n', text.indexOf('\n') + 1);
                QCOMPARE(end, secondBreak < 0 ? bytes.size() : (secondBreak - 1) / perByte);
            }
        }
    }

    void wrapKeepsSurrogatesAndLimits()
    {
        int column = 0;
        QString text = QString(3000, 'a');
        QString out = TerminalText::wrapLines(text, column, 1024);
        QCOMPARE(out.split('\n').size(), 3);
        QCOMPARE(column, 3000 - 2048);

        // A surrogate pair right at the limit stays whole.
        column = 1023;
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        out = TerminalText::wrapLines("a" + emoji, column, 1024);
        QCOMPARE(out, "a\n" + emoji);
    }
};

KESP_TEST_APPLESS_MAIN(TerminalTextTest)
#include "tst_terminal_text.moc"
