// About (centring, one reused dialog), Help (texts, one at a time), the
// dialogs' end when the window goes, and msleep's wait.
#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QtTest>

#include <time.h>

static QList<QWidget *> visibleTopLevels(const QString &name)
{
    QList<QWidget *> out;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            out << w;
    return out;
}

static void trigger(MainWindow &w, const char *action)
{
    w.findChild<QAction *>(action)->trigger();
}

static QString shownText(QWidget *w)
{
    if (auto *b = qobject_cast<QTextBrowser *>(w))
        return b->toPlainText();
    const QString t = qobject_cast<QLabel *>(w)->text();
    return Qt::mightBeRichText(t) ? QTextDocumentFragment::fromHtml(t).toPlainText() : t;
}

static qint64 threadCpuMs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

class AboutHelpTest : public QObject
{
    Q_OBJECT
    kesptest::TempHome *m_home = nullptr;

private slots:
    void initTestCase() { m_home = new kesptest::TempHome(kesptest::quietIni()); }
    void cleanupTestCase() { delete m_home; }

    void aboutCentred_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QPoint>("dialog");
        QTest::newRow("900 wide at x=100") << QRect(100, 50, 900, 700) << QPoint(305, 262);
        // Halving truncates toward zero: (300 - 489) / 2 is -94, not -95.
        QTest::newRow("narrower than the dialog") << QRect(100, 50, 300, 201) << QPoint(6, 13);
    }

    void aboutCentred()
    {
        QFETCH(QRect, window);
        QFETCH(QPoint, dialog);
        MainWindow w;
        w.setMinimumSize(0, 0);
        w.setGeometry(window);
        QCOMPARE(w.geometry().size(), window.size());
        trigger(w, "actionAbout");
        const QList<QWidget *> about = visibleTopLevels("AboutDialog");
        QCOMPARE(about.size(), 1);
        QCOMPARE(about.first()->size(), QSize(489, 275));
        QCOMPARE(about.first()->pos() - w.pos() + window.topLeft(), dialog);
    }

    // One dialog for the whole run: Close hides it, About shows it again,
    // centred anew, with the same content.
    void aboutReused()
    {
        MainWindow w;
        w.show();
        trigger(w, "actionAbout");
        QList<QWidget *> about = visibleTopLevels("AboutDialog");
        QCOMPARE(about.size(), 1);
        QWidget *dialog = about.first();
        QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));
        const QString text = dialog->findChild<QTextBrowser *>("textBrowser")->toPlainText();
        QVERIFY(text.contains("KESP") && text.contains("Version:3.4.4"));
        trigger(w, "actionAbout");
        QCOMPARE(visibleTopLevels("AboutDialog"), QList<QWidget *>{dialog});

        QTest::mouseClick(dialog->findChild<QPushButton *>("closeBtn"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        w.move(w.x() + 40, w.y());
        trigger(w, "actionAbout");
        QCOMPARE(visibleTopLevels("AboutDialog"), QList<QWidget *>{dialog});
        QCOMPARE(dialog->x(), w.x() + (w.width() - dialog->width()) / 2);
        QCOMPARE(dialog->findChild<QTextBrowser *>("textBrowser")->toPlainText(), text);
    }

    // A sample of the texts: "\r\n" written out, rich-text lines, headings.
    void helpTexts_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("text");
        const QString rn = "\\r\\n";
        const QList<QPair<QString, QString>> rows = {
            {"label_3", "Latitude:xx.xxxxx,Longitude:xxx.xxxxx" + rn},
            {"textBrowser", "Latitude:39.92215,Longitude:116.46478" + rn},
            {"label_7", "Temperature:xx.xxC" + rn},
            {"label_21", "TVOC:xxxxxppb" + rn},
            {"textBrowser_7", "TVOC:200ppb" + rn},
            {"textBrowser_8", "$0:34;$1:548;$2:0.547;$3:-1.579;" + rn},
            {"label_28", "Spectra receive format(int):"},
            {"label", "AS7341:"},
            {"label_5", "F1:xxxx\\r\\nF2:xxxx\\r\\nF3:xxxx\\r\\nF4:xxxx\\r\\nF5:xxxx\\r\\nF6:xxxx\\r\\nF7:xxxx\\r\\nF8:xxxx\\r\\nNIR:xxxx\\r\\n"},
            {"textBrowser_9", "F1:47\\r\\nF2:1000\\r\\nF3:570\\r\\nF4:170\\r\\nF5:50\\r\\nF6:70\\r\\nF7:140\\r\\nF8:68\\r\\nNIR:130\\r\\n"},
            {"label_34", "F1:xxxx\\r\\nF2:xxxx\\r\\nF3:xxxx\\r\\nF4:xxxx\\r\\nF5:xxxx\\r\\nF6:xxxx\\r\\nF7:xxxx\\r\\nF8:xxxx\\r\\nF9:xxxx\\r\\nF10:xxxx\\r\\nF11:xxxx\\r\\nF12:xxxx\\r\\nF13:xxxx\\r\\nF14:xxxx\\r\\nF15:xxxx\\r\\nF16:xxxx\\r\\nF17:xxxx\\r\\nF18:xxxx\\r\\n"},
            {"textBrowser_11", "F1:47\\r\\nF2:1000\\r\\nF3:570\\r\\nF4:170\\r\\nF5:50\\r\\nF6:70\\r\\nF7:140\\r\\nF8:68\\r\\nF9:130\\r\\nF10:687\\r\\nF11:23\\r\\nF12:11\\r\\nF13:247\\r\\nF14:874\\r\\nF15:12\\r\\nF16:77\\r\\nF17:726\\r\\nF18:814\\r\\n"},
            {"label_36", "xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx...xxxx,xxxx," + rn},
            {"textBrowser_12", "2215,4478 ... 784,465" + rn},
            {"textBrowser_13", "CIEX:0.587309;CIEY:0.424433;LUX:682.496000;CCT:1763.247393" + rn},
            {"textBrowser_14", "W:0.587309;X:0.424433;Y:682.496000;Z:63.247393" + rn},
            {"label_43", "eg.:"},
            {"groupBox_4", "Spectra:"},
            {"helpdialogCancel", "OK"},
        };
        for (const auto &r : rows)
            QTest::newRow(qPrintable(r.first)) << r.first << r.second;
    }

    void helpTexts()
    {
        QFETCH(QString, object);
        QFETCH(QString, text);
        MainWindow w;
        trigger(w, "actionHelp");
        QList<QWidget *> help = visibleTopLevels("Help");
        QCOMPARE(help.size(), 1);
        QWidget *o = help.first()->findChild<QWidget *>(object);
        QVERIFY(o);
        if (auto *g = qobject_cast<QGroupBox *>(o))
            QCOMPARE(g->title(), text);
        else if (auto *b = qobject_cast<QPushButton *>(o))
            QCOMPARE(b->text(), text);
        else
            QCOMPARE(shownText(o), text);
    }

    // Examples are green; the TVOC line ending is the one part that is not.
    void helpExampleColours()
    {
        MainWindow w;
        trigger(w, "actionHelp");
        QWidget *help = visibleTopLevels("Help").value(0);
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
        QVERIFY(!(help->windowFlags() & Qt::WindowContextHelpButtonHint));
        auto colourAt = [&](const char *browser, int pos) {
            QTextCursor c(help->findChild<QTextBrowser *>(browser)->document());
            c.setPosition(pos);
            return c.charFormat().foreground().color();
        };
        QCOMPARE(colourAt("textBrowser", 1), QColor("#008000"));
        QCOMPARE(colourAt("textBrowser_7", 3), QColor("#008000"));
        QVERIFY(colourAt("textBrowser_7", QString("TVOC:200ppb").size() + 2) != QColor("#008000"));
        for (QTextBrowser *b : help->findChildren<QTextBrowser *>())
            QCOMPARE(b->maximumHeight(), 25);
    }

    // One Help at a time; OK (on press) ends it and the next Help opens anew.
    void helpOnceAtATime()
    {
        MainWindow w;
        w.show();
        trigger(w, "actionHelp");
        trigger(w, "actionHelp");
        QCOMPARE(w.findChildren<QDialog *>("Help").size(), 1);
        QPointer<QDialog> first = w.findChild<QDialog *>("Help");
        QTest::mousePress(first->findChild<QPushButton *>("helpdialogCancel"), Qt::LeftButton);
        QVERIFY(kesptest::waitFor([&] { return first.isNull(); }, 2000));
        trigger(w, "actionHelp");
        QCOMPARE(w.findChildren<QDialog *>("Help").size(), 1);
        QVERIFY(w.findChild<QDialog *>("Help")->isVisible());
    }

    // Open dialogs end while the window is still a MainWindow: their
    // destroyed() reaches its slots, which must not run on a half-destroyed
    // window.
    void dialogsEndBeforeTheWindow()
    {
        auto *w = new MainWindow;
        w->show();
        trigger(*w, "actionHelp");
        trigger(*w, "actionConfig");
        QStringList seen;
        for (const char *name : {"Help", "Config"}) {
            QDialog *d = w->findChild<QDialog *>(name);
            QVERIFY2(d, name);
            connect(d, &QObject::destroyed, this, [&seen, w, name] {
                seen << QString("%1:%2").arg(name, qobject_cast<MainWindow *>(w) ? "whole" : "gone");
            });
        }
        delete w;
        seen.sort();
        QCOMPARE(seen, (QStringList{"Config:whole", "Help:whole"}));
    }

    void msleepWaitsInTheEventLoop()
    {
        MainWindow w;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
        tick.start(10);
        QElapsedTimer clock;
        clock.start();
        const qint64 cpu0 = threadCpuMs();
        w.msleep(500);
        const qint64 took = clock.elapsed();
        const qint64 cpu = threadCpuMs() - cpu0;
        QVERIFY2(took >= 495 && took < kesptest::bound(700), qPrintable(QString::number(took)));
        QVERIFY2(ticks >= 30, qPrintable(QString::number(ticks)));
        // A wait that polls processEvents keeps this thread busy throughout.
        QVERIFY2(cpu < kesptest::bound(200), qPrintable(QString("%1 ms CPU").arg(cpu)));
    }

    void msleepNothingToWait_data()
    {
        QTest::addColumn<int>("ms");
        QTest::newRow("0") << 0;
        QTest::newRow("-1") << -1;
        QTest::newRow("-100000") << -100000;
    }

    void msleepNothingToWait()
    {
        QFETCH(int, ms);
        MainWindow w;
        bool ran = false;
        QTimer::singleShot(0, this, [&] { ran = true; });
        QElapsedTimer clock;
        clock.start();
        w.msleep(ms);
        QVERIFY(clock.elapsed() < kesptest::bound(20));
        QVERIFY(!ran); // returned without processing events
        QVERIFY(kesptest::waitFor([&] { return ran; }, 1000));
    }
};

KESP_TEST_MAIN(AboutHelpTest)
#include "tst_about_help.moc"
