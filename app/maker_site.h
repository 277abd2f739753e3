#ifndef MAKER_SITE_H
#define MAKER_SITE_H

#include <QString>

// The maker's web addresses.  The program only reads these; tests point the
// variables at pages on 127.0.0.1 before building the window.
namespace MakerSite {

inline const char kSite[] = "http://www.vexmora.com";
inline const char kDownloads[] = "http://www.vexmora.com/software";

// Page shown in the "More" tab: a page of our own in the resources that
// links to the maker's site, so starting the program contacts no server.
extern QString homePage;

// Version file of the update check.  Tests point it at a server on 127.0.0.1.
extern QString versionFile;

} // namespace MakerSite

#endif // MAKER_SITE_H
