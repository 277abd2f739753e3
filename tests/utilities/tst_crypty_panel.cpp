// The "Crypty" tab through its widgets: DES forms against OpenSSL, the
// warnings, the key-length limits, and Base64 against coreutils.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"
#include "tests/utilities/openssl_des.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

using namespace kesptest;

static QByteArray coreutils(const QStringList &args, const QByteArray &in, bool *ok)
{
    QProcess p;
    p.start("base64", args);
    p.write(in);
    p.closeWriteChannel();
    *ok = p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return p.readAllStandardOutput();
}

class CryptyPanelTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;

    template <typename T> T *get(const char *name) { return kesptest::child<T>(*w, name); }
    QLineEdit *edit(const char *name) { return get<QLineEdit>(name); }
    QString result() { return edit("DeslineEdit_Result")->text(); }

    // Typed, so textEdited (and the length display) sees it.
    void type(const char *name, const QString &text)
    {
        edit(name)->clear();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit(name), c.toLatin1());
            } else { // what an input method would deliver
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QCoreApplication::sendEvent(edit(name), &press);
            }
        }
    }
    void setMode(int mode) { get<QComboBox>("DEScomboBox")->setCurrentIndex(mode); }
    void base64(const char *button, const QString &text)
    {
        get<QTextEdit>("base64_source_textBrowser")->setPlainText(text);
        press(*w, button);
    }
    QString base64Out() { return get<QTextEdit>("base64_to_textBrowser")->toPlainText(); }

private slots:
    void initTestCase()
    {
        QVERIFY(loadOpenSslDes());
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        get<QTabWidget>("tabWidget")->setCurrentWidget(get<QWidget>("Crypty"));
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanupTestCase()
    {
        w.reset();
        home.reset();
    }

    // Lower-case keys and data in, OpenSSL's block out in upper case, and
    // back again with the same key.
    void everyModeMatchesOpenSsl_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("cipher");
        QTest::newRow("DES") << 0 << "DES-ECB";
        QTest::newRow("2DES") << 1 << "DES-EDE-ECB";
        QTest::newRow("3DES") << 2 << "DES-EDE3-ECB";
    }
    void everyModeMatchesOpenSsl()
    {
        QFETCH(int, mode);
        QFETCH(QString, cipher);
        setMode(mode);
        QRandomGenerator rng(7 + mode);
        for (int round = 0; round < 12; ++round) {
            QByteArray key(8 * (mode + 1), '\0'), data(8, '\0');
            for (char &c : key)
                c = char(rng.bounded(256));
            for (char &c : data)
                c = char(rng.bounded(256));
            if (round == 0 && mode == 1)
                key = key.left(8).repeated(2);
            type("DeslineEdit_KEY", QString::fromLatin1(key.toHex()));
            type("DeslineEdit_Data", QString::fromLatin1(data.toHex()));
            QCOMPARE(edit("DeslineEdit_KEYLEN")->text(), QString::number(16 * (mode + 1)));
            QCOMPARE(edit("DeslineEdit_Datalen")->text(), QStringLiteral("16"));

            press(*w, "DespushButton_Encryption");
            const QByteArray expected = evpDes(cipher.toLatin1(), key, {}, data, true).toHex().toUpper();
            QCOMPARE(result(), QString::fromLatin1(expected));
            if (round == 0 && mode == 1)
                QCOMPARE(result().toLatin1(), evpDes("DES-ECB", key.left(8), {}, data, true).toHex().toUpper());

            type("DeslineEdit_Data", result().toLower());
            press(*w, "DespushButton_Decryption");
            QCOMPARE(result(), QString::fromLatin1(data.toHex().toUpper()));
        }
    }

    // Each fault gets its one modal warning and leaves the last result.
    void warningsKeepTheResult_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("warning");
        const QString len = "Error for Data", digit = "Please enter '0' - '9', 'A' - 'F'";
        const QString k16 = "133457799bbcdff1", d16 = "0123456789abcdef";
        QTest::newRow("data of 15 digits") << 0 << k16 << d16.left(15) << len;
        QTest::newRow("16-digit key in 2DES") << 1 << k16 << d16 << len;
        QTest::newRow("32-digit key in 3DES") << 2 << k16 + k16 << d16 << len;
        QTest::newRow("empty key") << 0 << "" << d16 << len;
        QTest::newRow("empty data") << 0 << k16 << "" << len;
        QTest::newRow("G in the key") << 0 << "133457799BBCDFG1" << d16 << digit;
        QTest::newRow("blank in the data") << 0 << k16 << "0123456789 BCDEF" << digit;
        QTest::newRow("full-width digit") << 0 << k16 << QString("０123456789ABCDEF") << digit;
        QTest::newRow("Chinese in the key") << 1 << k16 + "中" + k16.left(15) << d16 << digit;
    }
    void warningsKeepTheResult()
    {
        QFETCH(int, mode);
        QFETCH(QString, key);
        QFETCH(QString, data);
        QFETCH(QString, warning);
        setMode(0);
        type("DeslineEdit_KEY", "133457799BBCDFF1");
        type("DeslineEdit_Data", "0123456789ABCDEF");
        press(*w, "DespushButton_Encryption");
        QCOMPARE(result(), QStringLiteral("85E813540F0AB405"));

        setMode(mode);
        type("DeslineEdit_KEY", key);
        type("DeslineEdit_Data", data);
        for (const char *button : {"DespushButton_Encryption", "DespushButton_Decryption"}) {
            ModalCloser closer;
            press(*w, button);
            QVERIFY(waitFor([&] { return closer.count() > 0; }));
            spin(60);
            QCOMPARE(closer.titles, QStringList{"warning:"});
            QCOMPARE(closer.texts, QStringList{warning});
            QCOMPARE(result(), QStringLiteral("85E813540F0AB405"));
        }
    }

    // A shorter limit cuts the key; the display keeps the old count until
    // the key is edited, and the cut key is the one used.
    void shorterModeCutsTheKey()
    {
        setMode(2);
        const QString k1 = "133457799BBCDFF1";
        type("DeslineEdit_KEY", k1 + "0E329232EA6D0D73" + "0123456789ABCDEF");
        QCOMPARE(edit("DeslineEdit_KEY")->text().size(), 48);
        setMode(0);
        QCOMPARE(edit("DeslineEdit_KEY")->text(), k1);
        QCOMPARE(edit("DeslineEdit_KEYLEN")->text(), QStringLiteral("48"));
        QCOMPARE(edit("DeslineEdit_KEY")->maxLength(), 16);
        QCOMPARE(edit("DeslineEdit_Data")->maxLength(), 16);
        type("DeslineEdit_Data", "0123456789ABCDEF");
        press(*w, "DespushButton_Encryption");
        QCOMPARE(result(), QStringLiteral("85E813540F0AB405"));
    }

    // Encode matches "base64 -w0"; decoding that (and garbled or pasted
    // forms of it) matches "base64 -d -i" wherever coreutils accepts it.
    void base64AgainstCoreutils()
    {
        QRandomGenerator rng(100);
        QString big;
        while (big.size() < 100 * 1024)
            big += QChar(char16_t(rng.bounded(2) ? 0x20 + rng.bounded(0x5F) : 0x4E00 + rng.bounded(0x5000)));
        const QStringList corpus = {"Hello, KESP", "中文测试\n第二行", QString::fromUtf8("😀 emoji 🚀"), "", big,
                                    "<b>x</b>"};
        int decodes = 0;
        for (const QString &text : corpus) {
            bool ok = false;
            const QByteArray encoded = coreutils({"-w0"}, text.toUtf8(), &ok);
            QVERIFY(ok);
            base64("base64_encode_pushButton", text);
            QCOMPARE(base64Out(), QString::fromLatin1(encoded));

            QByteArray garbled = encoded;
            for (int i = garbled.size(); i > 0; i -= 1 + rng.bounded(40))
                garbled.insert(i, "\n \t*~"[rng.bounded(5)]);
            for (const QByteArray &in : {encoded, garbled, encoded + encoded, encoded + "\n" + encoded.left(8)}) {
                const QByteArray reference = coreutils({"-d", "-i"}, in, &ok);
                if (!ok)
                    continue;
                base64("base64_decode_pushButton", QString::fromLatin1(in));
                QCOMPARE(base64Out(), QString::fromUtf8(reference));
                ++decodes;
            }
        }
        QVERIFY(decodes >= 12);

        // Two padded pieces, decoded one after the other.
        base64("base64_decode_pushButton", "SGVsbA==SGk=");
        QCOMPARE(base64Out(), QStringLiteral("HellHi"));
        // Markup shows as the decoded characters, invalid UTF-8 as U+FFFD,
        // text without any Base64 character as nothing.
        base64("base64_decode_pushButton", "PGI+eDwvYj4=");
        QCOMPARE(base64Out(), QStringLiteral("<b>x</b>"));
        base64("base64_decode_pushButton", "/w==");
        QCOMPARE(base64Out(), QString(QChar(0xFFFD)));
        base64("base64_decode_pushButton", "!!! ...");
        QCOMPARE(base64Out(), QString());
    }

    // A long unbroken Base64 line must not stall the window: 300 KB of
    // binary decoded, then the source encoded into the same box.
    void largeBase64KeepsTheWindowLive()
    {
        QByteArray raw(300 * 1024, '\0');
        QRandomGenerator rng(3);
        for (char &c : raw)
            c = char(rng.bounded(256));
        const QString encoded = QString::fromLatin1(raw.toBase64());
        StallProbe probe;
        probe.start();
        base64("base64_decode_pushButton", encoded);
        spin(50);
        QVERIFY(base64Out().size() > 200000);
        press(*w, "base64_encode_pushButton");
        spin(50);
        probe.stop();
        QCOMPARE(base64Out().size(), QString::fromLatin1(encoded.toLatin1().toBase64()).size());
        QVERIFY2(probe.worstLatenessMs() < kesptest::bound(3000), qPrintable(QString::number(probe.worstLatenessMs())));
    }

    // Chinese texts of the Crypty and Unicode pages; tab texts stay English.
    void chineseTexts()
    {
        QTranslator zh;
        QVERIFY(zh.load(":/transSimpleChinese.qm"));
        QCoreApplication::installTranslator(&zh);
        QVERIFY(waitFor([&] { return get<QPushButton>("DespushButton_Encryption")->text() == "加密"; }));
        QCOMPARE(get<QPushButton>("base64_decode_pushButton")->text(), QStringLiteral("解码"));
        QCOMPARE(get<QPushButton>("StoUpushButton")->text(), QStringLiteral("中文转Unicode"));
        QCOMPARE(get<QAbstractButton>("UnicodecheckBox")->text(), QStringLiteral("前缀 \"\\U\""));
        auto *tabs = get<QTabWidget>("tabWidget");
        QCOMPARE(tabs->tabText(tabs->indexOf(get<QWidget>("Crypty"))), QStringLiteral("Crypty"));
        QCOMPARE(tabs->tabText(tabs->indexOf(get<QWidget>("Unicode"))), QStringLiteral("Unicode"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Error for Data"), QStringLiteral("数据错误"));
        QCoreApplication::removeTranslator(&zh);
        QVERIFY(waitFor([&] { return get<QPushButton>("DespushButton_Encryption")->text() == "Encryption"; }));
    }
};

KESP_TEST_MAIN(CryptyPanelTest)
#include "tst_crypty_panel.moc"
