#ifndef CURRENCY_CONVERTER_H
#define CURRENCY_CONVERTER_H

#include <QByteArray>
#include <QString>
#include <QThread>

// Keeps the stored exchange rates current: at most one download a day of
// the euro reference-rate feed, written into the settings file, or the
// built-in table when no readable feed arrives.  Tells nobody when done;
// the currency group reads the settings at every conversion.
class CurrencyConverter : public QThread
{
    Q_OBJECT
public:
    // Decides whether this start downloads and stamps "lastOpenedDateTime"
    // with now, before anything is fetched, so a failed day is not retried.
    explicit CurrencyConverter(QThread *parent = nullptr);

    // Ends a running download without storing anything and waits for the
    // thread; safe to call from the thread that created this object.
    void stopAndWait();

    bool needsUpdate() const { return needUpdate; }

    // Stores the rates of one feed body, then "END"; the built-in table
    // follows when the reader stopped on an error.
    static void processXmlData(const QByteArray &data);
    static void no_netwrok_write();

protected:
    void run() override;

private:
    bool needUpdate = false;
};

// GET of the address in the calling thread, waiting in a local event loop.
// The body of whatever reply arrived, error pages included; "" when the
// time limit ran out, the body grew too large, or the thread was told to
// quit meanwhile (QThread::quit ends the wait).
QString fetchUrlText(const QString &address);

#endif // CURRENCY_CONVERTER_H
