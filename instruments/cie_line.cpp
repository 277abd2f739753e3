#include "instruments/cie_line.h"

#include "instruments/joined_line.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace CieLine {

bool toNumber(const QString &text, double *value)
{
    static const QLocale c = [] {
        QLocale l = QLocale::c();
        l.setNumberOptions(QLocale::RejectGroupSeparator);
        return l;
    }();
    bool ok = false;
    const double v = c.toDouble(text, &ok);
    // "nan", "inf" and overflowing exponents read as numbers to QLocale;
    // none of them can be plotted.
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

namespace {

// Where a board reset started the next reading inside one item.
enum class Restart {
    None,
    Here,       // what the item gives itself belongs to the reading before
    CutReading, // the item began a reading of its own key, cut by the restart
};

// Two shapes:
// - a key inside an item, where the next line's first key ran into a
//   value: "CIEY:0.3CIEX:0.45", "CIEY:CIEX:0.45", "LUX:12.5 CIEX:0.30".
//   Behind a key of the board, as there, it cut the reading that item
//   began, even at the line's start; behind a label ("Color: CIEX:") or in
//   a board's extra item ("MODE:LUX:AUTO") it cut none;
// - an item's key ends with the key the line began with, where a reset
//   starts the board's line again: "CIE" + "CIEX:0.30", or a board's extra
//   item cut short, "MO" + "CIEX:0.30".  A board's own extra item amid its
//   readings ("RAWLUX", "REFCIEY") ends with some other key, and is no cut.
//   A line that begins with a label restarts with the label, and the key
//   after it shows inside an item.
// `first` is the key the line began with (-1 for none); `whole` gets the
// key this item begins with.
Restart nextReadingIn(const QString &item, const JoinedLine::Keys &keys, int first, int *whole)
{
    *whole = -1;
    qsizetype start = 0;
    while (start < item.size() && item.at(start) == QLatin1Char(':'))
        ++start; // empty pieces, as the reading skips them
    const qsizetype colon = item.indexOf(QLatin1Char(':'), start);
    if (colon < 0)
        return Restart::None;
    const QStringView key = QStringView(item).mid(start, colon - start).trimmed();
    const int k = JoinedLine::keyAtStart(key, keys);
    if (k >= 0 && key.size() == keys.names.at(k).size())
        *whole = k;
    for (qsizetype from = colon + 1, next; (next = item.indexOf(QLatin1Char(':'), from)) >= 0; from = next + 1) {
        const QStringView piece = QStringView(item).mid(from, next - from).trimmed();
        if (JoinedLine::keyAtEnd(piece, keys) >= 0)
            return *whole >= 0 ? Restart::CutReading : Restart::Here;
    }
    if (*whole >= 0)
        return Restart::None;
    const int last = JoinedLine::keyAtEnd(key, keys);
    return last >= 0 && last == first && key.size() > keys.names.at(last).size() ? Restart::Here : Restart::None;
}

// Reads one "key:value" item into `r` by the board's rule; false when it
// gives no value (not two pieces, or a key of no reading).
bool readItem(const QString &item, Reading *r)
{
    const QStringList kv = item.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (kv.size() != 2)
        return false;
    const QString key = kv.at(0).trimmed();
    double v = 0.0;
    const bool ok = toNumber(kv.at(1).trimmed(), &v);
    if (key.compare(QLatin1String("CIEX"), Qt::CaseInsensitive) == 0)
        r->x = ok ? v : 0.0;
    else if (key.compare(QLatin1String("CIEY"), Qt::CaseInsensitive) == 0)
        r->y = ok ? v : -1.0;
    else if (key.compare(QLatin1String("LUX"), Qt::CaseInsensitive) == 0)
        r->lux = ok ? v : -0.0;
    else if (key.compare(QLatin1String("CCT"), Qt::CaseInsensitive) == 0)
        r->cct = ok ? v : -1.0;
    else
        return false;
    return true;
}

} // namespace

Reading parse(const QString &line)
{
    QString text = line;
    text.remove(QStringLiteral("\r\n"));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(','))) {
        text.chop(1);
        text = text.trimmed();
    }

    Reading r;
    static const JoinedLine::Keys keys{
        {QLatin1String("CIEX"), QLatin1String("CIEY"), QLatin1String("LUX"), QLatin1String("CCT")},
        Qt::CaseInsensitive};
    int first = -2; // not known before the first item
    // A reading begun before a restart point and values read after it are
    // two readings; a label before the first key ("Color: CIEX:...") or a
    // board's extra item at the end mixes nothing.
    bool readBefore = false;
    bool restartAfterRead = false;
    const QStringList items = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        int key = -1;
        const Restart restart = nextReadingIn(item, keys, first, &key);
        if (first == -2)
            first = key;
        if (readItem(item, &r)) {
            if (restartAfterRead) {
                Reading cut;
                cut.joined = true;
                return cut;
            }
            readBefore = true;
        }
        readBefore = readBefore || restart == Restart::CutReading;
        restartAfterRead = restartAfterRead || (restart != Restart::None && readBefore);
    }
    return r;
}

} // namespace CieLine
