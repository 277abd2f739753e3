#ifndef UPDATE_CHECK_H
#define UPDATE_CHECK_H

#include "kesp_version.h"

#include <QString>

// The version file on the maker's server holds the release as "3.4.5"
// between double quotes, the closing quote followed by a line feed.
namespace UpdateCheck {

// Releases with a value from here on are newer than this one.
constexpr qint64 kNewerFrom = KESP_VERSION_MAJOR * 10000 + KESP_VERSION_MINOR * 100 + KESP_VERSION_PATCH + 1;

// major * 10000 + minor * 100 + patch as read from the version file.  The
// reading is deliberately loose (it is what the released programs do):
// at most ten characters after the first quote, the patch cut to three
// characters, and a part that is no number counts as 0.
qint64 versionValue(const QString &fileText);

inline bool isNewer(qint64 value) { return value >= kNewerFrom; }

// Longest a request may take before it counts as failed.  Tests shorten it.
extern int requestTimeoutMs;

} // namespace UpdateCheck

// GET of the address; returns the body as UTF-8, or an empty text when the
// request failed, the server answered with an error status or the time
// limit ran out.  Runs a local event loop while it waits.
QString httpGetText(const QString &address);

#endif // UPDATE_CHECK_H
