#include "app/update_check.h"

#include "app/bounded_get.h"

namespace UpdateCheck {

int requestTimeoutMs = 30000;

} // namespace UpdateCheck

QString httpGetText(const QString &address)
{
    const BoundedGet::Reply reply =
        BoundedGet::get(address, UpdateCheck::maxBodyBytes, UpdateCheck::requestTimeoutMs);
    // An error page (404, 500) is no version file, and neither is a body
    // past the bound.
    if (reply.outcome != BoundedGet::Outcome::Finished || reply.error != QNetworkReply::NoError)
        return {};
    return QString::fromUtf8(reply.body);
}
