#include "app/translators.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

InstalledTranslations installTranslators(QTranslator *first, QTranslator *second)
{
    InstalledTranslations installed;

    const QLocale locale;
    QString firstFile;
    if (locale.language() == QLocale::English)
        firstFile = QStringLiteral(":/transEnglish.qm");
    else if (locale.language() == QLocale::Chinese)
        firstFile = QStringLiteral(":/transSimpleChinese.qm");
    if (!firstFile.isEmpty()) {
        // Installed even when the load fails: it then translates nothing.
        (void)first->load(firstFile);
        QCoreApplication::installTranslator(first);
        installed.first = firstFile;
    }

    const QString secondFile = QStringLiteral(":/i18n/") + QLocale::system().name() + QStringLiteral(".qm");
    if (second->load(secondFile)) {
        QCoreApplication::installTranslator(second);
        installed.second = secondFile;
    }
    return installed;
}
