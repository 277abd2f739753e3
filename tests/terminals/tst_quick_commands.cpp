// The quick-command dialog: opened once, commands unescaped and written to
// the terminal's port, names and texts kept in the settings file, and no
// crash when the port or the window goes first.
#include "serial_fixture.h"
#include "tests/support/test_base.h"

#include <QDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QSerialPort>
#include <QSettings>

using namespace serialtest;
using kesptest::PtyPair;
using kesptest::TempHome;

struct OpenTerminal : TerminalWindow
{
    using TerminalWindow::TerminalWindow;
    QList<QDialog *> dialogs() { return w.findChildren<QDialog *>("COM_Expand"); }
    QDialog *dialog()
    {
        const QList<QDialog *> all = dialogs();
        return all.size() == 1 ? all.first() : nullptr;
    }
};

static QString suffix(int n)
{
    return n == 1 ? QString() : QStringLiteral("_%1").arg(n);
}

class QuickCommandsTest : public QObject
{
    Q_OBJECT
private slots:
    void opensOnceWhileThePortIsOpen()
    {
        OpenTerminal t;
        auto *advanced = child<QPushButton>(t.w, "com_expandpushButton");
        QVERIFY(!advanced->isEnabled());
        QVERIFY(t.open());
        QVERIFY(advanced->isEnabled());
        press(advanced);
        QVERIFY(t.dialog());
        QVERIFY(t.dialog()->isVisible());
        QVERIFY(!t.dialog()->isModal());
        QCOMPARE(t.dialog()->size(), QSize(416, 376));
        QCOMPARE(child<QPushButton>(*t.dialog(), "com_pushButton_12")->text(), QStringLiteral("command12"));
        press(advanced);
        QCOMPARE(t.dialogs().size(), 1);

        // Closing the port closes the dialog and drops unsaved edits.
        child<QLineEdit>(*t.dialog(), "com_qlineedit")->setText("unsaved");
        QPointer<QDialog> d = t.dialog();
        press(t.w, "opencompushButton");
        QVERIFY(!advanced->isEnabled());
        QVERIFY(kesptest::waitFor([&] { return d.isNull(); }));
        QVERIFY(t.open());
        press(advanced);
        QVERIFY(t.dialog());
        QCOMPARE(child<QLineEdit>(*t.dialog(), "com_qlineedit")->text(), QString());

        // Close and reopen before the old dialog is deleted: its late end
        // leaves the new dialog working.
        press(t.w, "opencompushButton");
        QVERIFY(t.open());
        press(advanced);
        kesptest::spin(50);
        QDialog *fresh = nullptr;
        for (QDialog *d2 : t.dialogs())
            if (d2->isVisible())
                fresh = d2;
        QVERIFY(fresh);
        child<QLineEdit>(*fresh, "com_qlineedit")->setText("ok");
        press(*fresh, "com_pushButton");
        QCOMPARE(t.pty.readFar(2, 2000), QByteArray("ok"));
        press(advanced);
        QCOMPARE(t.dialogs().size(), 1);
    }

    void escapes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("sent");
        QTest::newRow("AT CR LF") << "AT\\r\\n" << QByteArray("\x41\x54\x0d\x0a");
        QTest::newRow("all single escapes") << "\\t\\a\\b\\f\\v\\?\\'\\\"" << QByteArray("\t\a\b\f\v?'\"");
        QTest::newRow("backslash then n: line feed first") << "\\\\n" << QByteArray("\\\n");
        QTest::newRow("backslash then ?") << "\\\\?" << QByteArray("?");
        QTest::newRow("double backslash") << "a\\\\z" << QByteArray("a\\z");
        QTest::newRow("escape order: backslash b wins over the pair") << "a\\\\b" << QByteArray("a\\\b");
        QTest::newRow("unknown escapes stay") << "\\x41\\0\\e" << QByteArray("\\x41\\0\\e");
        QTest::newRow("non-ASCII counted in bytes") << QString::fromUtf8("\xc3\xa9\xe2\x82\xac")
                                                    << QByteArray("\xc3\xa9\xe2\x82\xac");
    }
    void escapes()
    {
        QFETCH(QString, typed);
        QFETCH(QByteArray, sent);
        OpenTerminal t;
        QVERIFY(t.open());
        press(t.w, "com_expandpushButton");
        QVERIFY(t.dialog());
        // Row 7 stands for all: the rows differ only in their widgets.
        child<QLineEdit>(*t.dialog(), "com_qlineedit_7")->setText(typed);
        press(*t.dialog(), "com_pushButton_7");
        QCOMPARE(t.pty.readFar(int(sent.size()), 2000), sent);
        QCOMPARE(t.pty.drainFar(100), QByteArray());
        QCOMPARE(status(t.w), QStringLiteral("Send Success"));
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), int(sent.size()));
    }

    void emptyCommandAndSaturatedCounter()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        press(t.w, "com_expandpushButton");
        press(*t.dialog(), "com_pushButton_3");
        QCOMPARE(status(t.w), QStringLiteral("Send Success"));
        QCOMPARE(lcd(t.w, "sendbyteslcdNumber"), 0);
        QCOMPARE(t.pty.drainFar(100), QByteArray());

        child<QLCDNumber>(t.w, "sendbyteslcdNumber")->display(99998);
        child<QLineEdit>(*t.dialog(), "com_qlineedit_3")->setText("abc");
        press(*t.dialog(), "com_pushButton_3");
        QCOMPARE(child<QLCDNumber>(t.w, "sendbyteslcdNumber")->value(), 99999.0);
        press(*t.dialog(), "com_pushButton_3");
        QCOMPARE(child<QLCDNumber>(t.w, "sendbyteslcdNumber")->value(), 99999.0);
    }

    // Save stores all twelve rows; the next opening shows them again, an
    // empty stored name falls back to the row's default.
    void saveAndRestore()
    {
        OpenTerminal t({{"COMMAND2_NAME", ""}, {"COMMAND5", "stored\\r"}, {"COMMAND5_NAME", "Reset"}});
        QVERIFY(t.open());
        press(t.w, "com_expandpushButton");
        QDialog *d = t.dialog();
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_5")->text(), QStringLiteral("Reset"));
        QCOMPARE(child<QLineEdit>(*d, "com_qlineedit_5")->text(), QStringLiteral("stored\\r"));
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_2")->text(), QStringLiteral("command2"));
        for (int n = 1; n <= 12; ++n)
            child<QLineEdit>(*d, qPrintable("com_qlineedit" + suffix(n)))->setText(QString("cmd %1").arg(n));
        child<QPushButton>(*d, "com_pushButton")->setText("");
        child<QPushButton>(*d, "com_pushButton_12")->setText("Twelve");
        press(*d, "save_pushButton");
        QVERIFY(d->isVisible());
        d->close();
        QVERIFY(kesptest::waitFor([&] { return t.dialogs().isEmpty(); }));

        press(t.w, "com_expandpushButton");
        d = t.dialog();
        QVERIFY(d);
        for (int n = 1; n <= 12; ++n)
            QCOMPARE(child<QLineEdit>(*d, qPrintable("com_qlineedit" + suffix(n)))->text(), QString("cmd %1").arg(n));
        QCOMPARE(child<QPushButton>(*d, "com_pushButton")->text(), QStringLiteral("command1"));
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_5")->text(), QStringLiteral("Reset"));
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_12")->text(), QStringLiteral("Twelve"));

        QSettings file(t.home.iniPath(), QSettings::IniFormat);
        QCOMPARE(file.value("COMMAND12").toString(), QStringLiteral("cmd 12"));
        QCOMPARE(file.value("COMMAND12_NAME").toString(), QStringLiteral("Twelve"));
        QCOMPARE(file.value("COMMAND1_NAME").toString(), QString());
    }

    // The rename box: OK takes the text (even an empty one), Cancel leaves
    // the name.
    void rename()
    {
        OpenTerminal t;
        QVERIFY(t.open());
        press(t.w, "com_expandpushButton");
        QDialog *d = t.dialog();
        auto answer = [](const QString &text, bool ok) {
            QTimer::singleShot(50, [=] {
                for (QWidget *top : QApplication::topLevelWidgets())
                    if (auto *input = qobject_cast<QInputDialog *>(top); input && input->isVisible()) {
                        QCOMPARE(input->windowTitle(), QStringLiteral("command"));
                        QCOMPARE(input->textValue(), QString());
                        input->setTextValue(text);
                        ok ? input->accept() : input->reject();
                    }
            });
        };
        answer("Power", true);
        press(*d, "com_set_pushButton_4");
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_4")->text(), QStringLiteral("Power"));
        answer("ignored", false);
        press(*d, "com_set_pushButton_4");
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_4")->text(), QStringLiteral("Power"));
        answer("", true);
        press(*d, "com_set_pushButton_4");
        QCOMPARE(child<QPushButton>(*d, "com_pushButton_4")->text(), QString());
        // Nothing is stored before Save.
        QSettings file(t.home.iniPath(), QSettings::IniFormat);
        QVERIFY(!file.contains("COMMAND4_NAME"));
    }

    // No holder: the send writes nothing, counts nothing and does not crash.
    void sendWithoutPort()
    {
        TempHome home(kesptest::quietIni());
        MainWindow w;
        QVERIFY(QMetaObject::invokeMethod(&w, "command_sendMsg", Q_ARG(QByteArray, QByteArray("AT\\r\\n"))));
        QCOMPARE(lcd(w, "sendbyteslcdNumber"), 0);
        QVERIFY(status(w) != QStringLiteral("Send Success"));
    }

    // The window goes while the dialog is open: no abort, the port is free.
    void windowDestroyedWithDialogOpen()
    {
        TempHome home(kesptest::quietIni());
        PtyPair pty;
        QVERIFY(pty.isReady());
        {
            MainWindow w;
            QVERIFY(openTerminal(w, pty));
            press(w, "com_expandpushButton");
            QCOMPARE(w.findChildren<QDialog *>("COM_Expand").size(), 1);
        }
        QCoreApplication::processEvents();
        QSerialPort again;
        again.setPortName(pty.deviceA());
        QVERIFY(again.open(QIODevice::ReadWrite));
    }
};

KESP_TEST_MAIN(QuickCommandsTest)
#include "tst_quick_commands.moc"
