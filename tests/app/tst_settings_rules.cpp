// Reading rules of the settings file and the debugging log handler.
#include "app/log_handlers.h"
#include "app/settings_file.h"
#include "tests/support/test_base.h"

#include <QDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

class SettingsRules : public QObject
{
    Q_OBJECT
private slots:
    void switchRule_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("on");
        QTest::newRow("missing") << QVariant() << true;
        QTest::newRow("empty") << QVariant(QString()) << true;
        QTest::newRow("true") << QVariant("true") << true;
        QTest::newRow("bool written by Qt") << QVariant(true) << true;
        QTest::newRow("false") << QVariant("false") << false;
        QTest::newRow("capital True") << QVariant("True") << false;
        QTest::newRow("TRUE") << QVariant("TRUE") << false;
        QTest::newRow("1") << QVariant("1") << false;
        QTest::newRow("yes") << QVariant("yes") << false;
        QTest::newRow("leading blank") << QVariant(" true") << false;
    }
    void switchRule()
    {
        QFETCH(QVariant, value);
        QFETCH(bool, on);
        QCOMPARE(SettingsFile::switchIsOn(value), on);
    }

    void mapRule_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("map");
        QTest::newRow("missing") << QVariant() << 0;
        QTest::newRow("0") << QVariant("0") << 0;
        QTest::newRow("int 0") << QVariant(0) << 0;
        QTest::newRow("1") << QVariant(1) << 1;
        QTest::newRow("7") << QVariant("7") << 1;
        QTest::newRow("word") << QVariant("baidu") << 1;
        QTest::newRow("00") << QVariant("00") << 1;
    }
    void mapRule()
    {
        QFETCH(QVariant, value);
        QFETCH(int, map);
        QCOMPARE(SettingsFile::mapIndex(value), map);
    }

    void pathFollowsHome()
    {
        const QByteArray old = qgetenv("HOME");
        qputenv("HOME", "/tmp/some-home");
        QCOMPARE(SettingsFile::path(), QStringLiteral("/tmp/some-home/.config/Vexmora/KESP/kesp_config.ini"));
        qputenv("HOME", old);
        QCOMPARE(SettingsFile::featureKeys().size(), 20);
        QCOMPARE(SettingsFile::featureKeys().last(), QStringLiteral("MORE"));
    }

    // The writing handler must work with its stream unassigned (it used to
    // dereference null) and write the documented line form.
    void logHandlerWritesLines()
    {
        QTemporaryFile capture;
        QVERIFY(capture.open());
        fflush(stderr);
        const int saved = dup(STDERR_FILENO);
        QVERIFY(dup2(capture.handle(), STDERR_FILENO) >= 0);

        vexmora_log_output = nullptr;
        QMessageLogContext ctx("file.cpp", 42, "void f()", "default");
        vexmora_log(QtWarningMsg, ctx, QStringLiteral("port gone"));
        vexmora_log(QtInfoMsg, ctx, QStringLiteral("hello"));
        fflush(stderr);
        dup2(saved, STDERR_FILENO);
        ::close(saved);

        capture.seek(0);
        const QByteArray text = capture.readAll();
        QCOMPARE(text, QByteArray("Warning: port gone (file.cpp:42, void f())\n"
                                  "Info: hello (file.cpp:42, void f())\n"));

        QTemporaryFile out;
        QVERIFY(out.open());
        FILE *f = fdopen(dup(out.handle()), "w");
        vexmora_log_output = f;
        vexmora_log(QtCriticalMsg, QMessageLogContext(), QStringLiteral("x"));
        fclose(f);
        vexmora_log_output = nullptr;
        out.seek(0);
        QCOMPARE(out.readAll(), QByteArray("Critical: x (:0, )\n"));
    }
};

KESP_TEST_GUILESS_MAIN(SettingsRules)
#include "tst_settings_rules.moc"
