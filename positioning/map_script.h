#ifndef MAP_SCRIPT_H
#define MAP_SCRIPT_H

#include <QString>
#include <QStringList>

// Script calls for the map pages, built from values only: a number is
// printed as a number and text goes in as a JSON string, so nothing a
// peer or a file sends can become script.
namespace MapScript {

[[nodiscard]] QString numberText(double v);
// The position push: longitude, latitude, then the move.
[[nodiscard]] QStringList push(double latitude, double longitude, bool first);
// One replayed segment, ending in saveway().
[[nodiscard]] QStringList segment(double lat2, double lon2, double lat3, double lon3);
// The route search towards an address.
[[nodiscard]] QString searchDriving(const QString &address);

} // namespace MapScript

#endif // MAP_SCRIPT_H
