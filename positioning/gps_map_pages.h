#ifndef GPS_MAP_PAGES_H
#define GPS_MAP_PAGES_H

#include <QString>

// Addresses of the GPS panel's two map pages.  Tests point them at local
// pages before building the window, so no test reaches a map service.
namespace GpsMapPages {

extern QString openStreetMap;
extern QString baidu;

} // namespace GpsMapPages

#endif // GPS_MAP_PAGES_H
