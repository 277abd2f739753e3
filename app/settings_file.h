#ifndef SETTINGS_FILE_H
#define SETTINGS_FILE_H

#include <QString>
#include <QStringList>
#include <QVariant>

// The one ini file every panel shares, and the rules its values are read by.
namespace SettingsFile {

// $HOME/.config/Vexmora/KESP/kesp_config.ini
QString path();

// The twenty feature keys in tab order; "MORE" is last and never read.
const QStringList &featureKeys();

// A switch is on when its text is empty (or missing) or exactly "true".
bool switchIsOn(const QVariant &value);

// Map_Type: empty or exactly "0" selects the first map (0), anything else 1.
int mapIndex(const QVariant &value);

} // namespace SettingsFile

#endif // SETTINGS_FILE_H
