#include "app/bounded_get.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

// What the network layer may hold unread for us; past it, it stops reading
// from the server, so a huge body cannot pile up while we look at it.
constexpr qint64 kReadBuffer = 64 * 1024;

} // namespace

BoundedGet::Reply BoundedGet::get(const QString &address, qint64 maxBytes, int timeoutMs)
{
    Reply out;
    QNetworkAccessManager manager;
    const std::unique_ptr<QNetworkReply> reply(manager.get(QNetworkRequest(QUrl(address, QUrl::TolerantMode))));
    reply->setReadBufferSize(qMin(kReadBuffer, maxBytes + 1));

    QEventLoop loop;
    // Signals already queued may still arrive after the loop was told to
    // quit; the first reason to stop is the one that counts.
    const auto stop = [&](Outcome why) {
        if (out.outcome == Outcome::Left)
            out.outcome = why;
        loop.quit();
    };
    // Reads no further than one byte past the bound: that byte is the proof.
    const auto take = [&] {
        if (out.outcome != Outcome::Left)
            return;
        out.body += reply->read(maxBytes + 1 - out.body.size());
        if (out.body.size() > maxBytes)
            stop(Outcome::TooLarge);
    };
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] { stop(Outcome::TimedOut); });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(timeoutMs);
    if (!reply->isFinished())
        loop.exec();

    if (out.outcome == Outcome::Left && reply->isFinished()) {
        take();
        if (out.outcome == Outcome::Left) {
            out.outcome = Outcome::Finished;
            out.error = reply->error();
        }
    }
    if (out.outcome != Outcome::Finished) {
        reply->abort();
        out.body.clear();
    }
    return out;
}
