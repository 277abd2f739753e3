#include "app/update_check.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace UpdateCheck {

int requestTimeoutMs = 30000;

} // namespace UpdateCheck

QString httpGetText(const QString &address)
{
    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(address, QUrl::TolerantMode)));

    // A server that accepts and never answers must not keep the caller
    // waiting for ever.
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, reply, &QNetworkReply::abort);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(UpdateCheck::requestTimeoutMs);
    if (!reply->isFinished())
        loop.exec();

    QString text;
    // An error page (404, 500) is no version file; a loop left early
    // because the program is quitting leaves the reply unfinished.
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        text = QString::fromUtf8(reply->readAll());
    else
        reply->abort();
    delete reply;
    return text;
}
