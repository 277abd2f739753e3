// Start-up's translator choice by system language.  Each ctest case runs
// this program with its own LANG and the expected resource files.
#include "app/translators.h"
#include "tests/support/test_base.h"

#include <QApplication>
#include <QTranslator>
#include <QtTest>

class Translators : public QObject
{
    Q_OBJECT
private slots:
    void choiceFollowsLanguage()
    {
        QTranslator first;
        QTranslator second;
        const InstalledTranslations got = installTranslators(&first, &second);
        QCOMPARE(got.first, QString::fromLocal8Bit(qgetenv("KESP_EXPECT_FIRST")));
        QCOMPARE(got.second, QString::fromLocal8Bit(qgetenv("KESP_EXPECT_SECOND")));
        // The Chinese catalogue must really load (a broken .qm would leave
        // the menus in English); the English one carries no translations.
        if (got.first.contains("Chinese"))
            QCOMPARE(QCoreApplication::translate("MainWindow", "Preferences"), QStringLiteral("配置"));
        else
            QCOMPARE(QCoreApplication::translate("MainWindow", "Preferences"), QStringLiteral("Preferences"));
        QCOMPARE(QCoreApplication::translate("MainWindow", "Serial Debug"), QStringLiteral("Serial Debug"));
    }
};

KESP_TEST_MAIN(Translators)
#include "tst_translators.moc"
