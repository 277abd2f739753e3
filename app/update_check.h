#ifndef UPDATE_CHECK_H
#define UPDATE_CHECK_H

#include "app/version_parse.h"

#include <QString>

namespace UpdateCheck {

// Longest a request may take before it counts as failed.  Tests shorten it.
extern int requestTimeoutMs;

// A version file is a few bytes; a body past this is no version file.
constexpr qint64 maxBodyBytes = 4 * 1024;

} // namespace UpdateCheck

// GET of the address; returns the body as UTF-8, or an empty text when the
// request failed, the server answered with an error status, the body grew
// past maxBodyBytes or the time limit ran out.  Runs a local event loop
// while it waits.
QString httpGetText(const QString &address);

#endif // UPDATE_CHECK_H
