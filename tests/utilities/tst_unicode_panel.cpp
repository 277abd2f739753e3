// The "Unicode" tab through its widgets against iconv's UTF-16BE.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"

#include <QCheckBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

using namespace kesptest;

static QByteArray iconv(const char *from, const char *to, const QByteArray &in)
{
    QProcess p;
    p.start("iconv", {"-f", from, "-t", to});
    p.write(in);
    p.closeWriteChannel();
    if (!p.waitForFinished(10000) || p.exitCode() != 0)
        return "<iconv failed>";
    return p.readAllStandardOutput();
}

class UnicodePanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;

    QString convert(const char *button, const QString &input, bool prefix)
    {
        child<QCheckBox>(*w, "UnicodecheckBox")->setChecked(prefix);
        child<QTextEdit>(*w, "UnicodetextEdit")->setPlainText(input);
        press(*w, button);
        return child<QTextBrowser>(*w, "UnicodetextBrowser")->toPlainText();
    }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        child<QTabWidget>(*w, "tabWidget")->setCurrentWidget(child<QWidget>(*w, "Unicode"));
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(!child<QCheckBox>(*w, "UnicodecheckBox")->isChecked());
    }
    void cleanupTestCase()
    {
        w.reset();
        home.reset();
    }

    // Groups are iconv's UTF-16BE code units, and they come back as the
    // same text, with the prefix on or off.
    void roundTripAgainstIconv_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("Chinese") << QStringLiteral("中文");
        QTest::newRow("line feed") << QStringLiteral("中文A\n");
        QTest::newRow("emoji") << QString::fromUtf8("😀");
        QTest::newRow("empty") << QString();
        QRandomGenerator rng(300);
        QString mixed;
        while (mixed.size() < 300) {
            switch (rng.bounded(4)) {
            case 0: mixed += QChar(char16_t(0x20 + rng.bounded(0x5F))); break;
            case 1: mixed += QChar(char16_t(0x4E00 + rng.bounded(0x5000))); break;
            case 2: mixed += QChar('\n'); break;
            default: mixed += QString::fromUcs4(U"😀🚀𝄞").at(2 * rng.bounded(3)); mixed += QString::fromUcs4(U"😀🚀𝄞").at(1); break;
            }
        }
        mixed = QString::fromUtf8(mixed.toUtf8());
        QTest::newRow("300 characters") << mixed;
    }
    void roundTripAgainstIconv()
    {
        QFETCH(QString, text);
        const QByteArray units = iconv("UTF-8", "UTF-16BE", text.toUtf8());
        const QString plain = QString::fromLatin1(units.toHex().toUpper());
        QString prefixed;
        for (int i = 0; i < plain.size(); i += 4)
            prefixed += "\\U" + plain.mid(i, 4);

        QCOMPARE(convert("StoUpushButton", text, false), plain);
        QCOMPARE(convert("StoUpushButton", text, true), prefixed);
        QCOMPARE(convert("UtoSpushButton", plain, false), text);
        QCOMPARE(convert("UtoSpushButton", prefixed, true), text);
        QCOMPARE(convert("UtoSpushButton", prefixed.toLower().replace("\\u", "\\u"), true).toUtf8(),
                 iconv("UTF-16BE", "UTF-8", units));
    }

    // 100 000 characters each way without stalling the window.
    void longTextKeepsTheWindowLive()
    {
        QString text;
        for (int i = 0; i < 100000; ++i)
            text += QChar(char16_t(0x4E00 + i % 0x5000));
        StallProbe probe;
        probe.start();
        const QString escaped = convert("StoUpushButton", text, true);
        QCOMPARE(escaped.size(), 600000);
        QCOMPARE(convert("UtoSpushButton", escaped, true), text);
        spin(50);
        probe.stop();
        QVERIFY2(probe.worstLatenessMs() < kesptest::bound(3000), qPrintable(QString::number(probe.worstLatenessMs())));
    }

    void decodeCases_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("prefix");
        QTest::addColumn<QString>("shown");
        const QChar nul(0);
        QTest::newRow("\\U4E2D unchecked") << "\\U4E2D" << false << QString(nul);
        QTest::newRow("short tail") << "4E2D41" << false << "中";
        QTest::newRow("group that does not parse") << "4E2DZZZZ" << false << QString("中") + nul;
        QTest::newRow("lower case") << "4e2d6587" << false << "中文";
        QTest::newRow("lower-case prefix") << "\\u4e2d\\U6587" << true << "中文";
        QTest::newRow("prefix alone") << "\\u" << true << "";
        QTest::newRow("0x group") << "0x41" << false << "A";
        QTest::newRow("line break counts") << "004\n0041" << false << QString(QChar(4)) + "A";
        QTest::newRow("lone surrogate") << "D83D0041" << false << QString(QChar(0xD83D)) + "A";
        QTest::newRow("markup stays text") << "003C0062003E0078003C002F0062003E" << false << "<b>x</b>";
    }
    void decodeCases()
    {
        QFETCH(QString, input);
        QFETCH(bool, prefix);
        QFETCH(QString, shown);
        const QString out = convert("UtoSpushButton", input, prefix);
        // The text view may stand in for a lone surrogate; its length and
        // every other unit must be kept.
        QCOMPARE(out.size(), shown.size());
        for (int i = 0; i < out.size(); ++i)
            if (!shown.at(i).isSurrogate())
                QCOMPARE(out.at(i), shown.at(i));
    }
};

KESP_TEST_MAIN(UnicodePanelTest)
#include "tst_unicode_panel.moc"
