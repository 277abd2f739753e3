#include "app/update_check.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace UpdateCheck {

int requestTimeoutMs = 30000;

qint64 versionValue(const QString &fileText)
{
    const qsizetype quote = fileText.indexOf(QLatin1Char('"'));
    QString piece = fileText.mid(quote + 1, 10);
    piece.remove(QStringLiteral("\"\n"));

    const qsizetype d1 = piece.indexOf(QLatin1Char('.'));
    const qsizetype d2 = piece.indexOf(QLatin1Char('.'), d1 + 1);
    const QString major = d1 < 0 ? piece : piece.left(d1);
    const QString minor = d2 < 0 ? piece.mid(d1 + 1) : piece.mid(d1 + 1, d2 - d1 - 1);
    const QString patch = piece.mid(d2 + 1, 3);

    // toInt gives 0 for anything that is not a 32-bit decimal number; the
    // sum is taken in 64 bits so a huge major cannot overflow.
    return qint64(major.toInt()) * 10000 + qint64(minor.toInt()) * 100 + patch.toInt();
}

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
