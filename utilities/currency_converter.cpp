#include "utilities/currency_converter.h"

#include "app/settings_file.h"
#include "utilities/rate_feed.h"

#include <QDateTime>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSettings>
#include <QTimer>

CurrencyConverter::CurrencyConverter(QThread *)
    : QThread(nullptr)
{
    QSettings settings(SettingsFile::path(), QSettings::IniFormat);
    needUpdate = RateFeed::needsUpdate(settings.value(RateFeed::kLastOpenedKey), QDate::currentDate());
    settings.setValue(RateFeed::kLastOpenedKey, QDateTime::currentDateTime());
}

void CurrencyConverter::stopAndWait()
{
    requestInterruption();
    quit(); // leaves any event loop running in the thread, the download's too
    wait();
}

void CurrencyConverter::run()
{
    if (!needUpdate || isInterruptionRequested())
        return;
    const QString body = fetchUrlText(RateFeed::address);
    // A program that ends mid-download keeps the rates it had.
    if (isInterruptionRequested())
        return;
    processXmlData(body.toUtf8());
}

void CurrencyConverter::processXmlData(const QByteArray &data)
{
    const RateFeed::Parsed parsed = RateFeed::parse(data);
    {
        QSettings settings(SettingsFile::path(), QSettings::IniFormat);
        settings.beginGroup(RateFeed::kGroup);
        for (const RateFeed::Rate &r : parsed.rates)
            settings.setValue(r.code, r.rate);
        settings.setValue(RateFeed::kEndKey, QStringLiteral("0"));
        settings.endGroup();
    }
    if (parsed.readerError)
        no_netwrok_write();
}

void CurrencyConverter::no_netwrok_write()
{
    QSettings settings(SettingsFile::path(), QSettings::IniFormat);
    settings.beginGroup(RateFeed::kGroup);
    for (const RateFeed::Rate &r : RateFeed::builtInRates())
        settings.setValue(r.code, r.rate);
    settings.endGroup();
}

QString fetchUrlText(const QString &address)
{
    QThread *self = QThread::currentThread();
    if (self->isInterruptionRequested())
        return {};

    QNetworkAccessManager manager;
    QNetworkReply *reply = manager.get(QNetworkRequest(QUrl(address)));
    QByteArray body;
    bool failed = false;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        failed = true;
        loop.quit();
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        body += reply->readAll();
        if (body.size() > RateFeed::maxBodyBytes) {
            failed = true;
            loop.quit();
        }
    });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    limit.start(RateFeed::timeoutMs);
    if (!reply->isFinished())
        loop.exec();

    if (failed || !reply->isFinished() || self->isInterruptionRequested()) {
        reply->abort();
        delete reply;
        return {};
    }
    body += reply->readAll();
    delete reply;
    if (body.size() > RateFeed::maxBodyBytes)
        return {};
    return QString::fromUtf8(body);
}
