#include "utilities/currency_converter.h"

#include "app/bounded_get.h"
#include "app/settings_file.h"
#include "utilities/rate_feed.h"

#include <QDateTime>
#include <QSettings>

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
    // Error pages are read too: not being a feed, they bring the built-in table.
    const BoundedGet::Reply reply = BoundedGet::get(address, RateFeed::maxBodyBytes, RateFeed::timeoutMs);
    if (reply.outcome != BoundedGet::Outcome::Finished || self->isInterruptionRequested())
        return {};
    return QString::fromUtf8(reply.body);
}
