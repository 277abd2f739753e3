#ifndef TRANSLATORS_H
#define TRANSLATORS_H

#include <QString>

class QTranslator;

// Loads and installs the two translators of start-up by the system language.
// Returns the resource paths that were installed, first translator first.
struct InstalledTranslations {
    QString first;   // ":/transEnglish.qm", ":/transSimpleChinese.qm" or empty
    QString second;  // ":/i18n/<locale>.qm" or empty
};

InstalledTranslations installTranslators(QTranslator *first, QTranslator *second);

#endif // TRANSLATORS_H
