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

// Whether `item` holds the point where a board reset started the next
// reading inside it.  Two shapes:
// - a value runs into a key, "CIEY:0.3CIEX:0.45" or "CIEY:CIEX:0.45";
// - a key cut short before a key already read, "CIE" + "CIEX:0.30": the
//   board starts again from its first key.
// What the item gives itself (mostly nothing: three pieces, or a key of no
// reading) belongs to the reading before the point; whether the line mixes
// two readings depends on the items around it.  `seen` collects the keys
// of the items before.
bool startsNextReading(const QString &item, const JoinedLine::Keys &keys, bool *seen)
{
    qsizetype start = 0;
    while (start < item.size() && item.at(start) == QLatin1Char(':'))
        ++start; // empty pieces, as the reading skips them
    const qsizetype colon = item.indexOf(QLatin1Char(':'), start);
    if (colon < 0)
        return false;
    for (qsizetype from = colon + 1, next; (next = item.indexOf(QLatin1Char(':'), from)) >= 0; from = next + 1) {
        // Straight after the value: a board that parts its items with
        // commas ("0.31, CIEY:") has a line of its own, not a cut one.
        const QStringView piece = QStringView(item).mid(from, next - from).trimmed();
        const int k = JoinedLine::keyAtEnd(piece, keys);
        const qsizetype before = k < 0 ? 0 : piece.size() - keys.names.at(k).size();
        if (k >= 0 && (before == 0 || (piece.at(before - 1) != QLatin1Char(',') && !piece.at(before - 1).isSpace())))
            return true;
    }
    const QStringView key = QStringView(item).mid(start, colon - start).trimmed();
    const int whole = JoinedLine::keyAtStart(key, keys);
    if (whole >= 0 && key.size() == keys.names.at(whole).size()) {
        seen[whole] = true;
        return false;
    }
    const int last = JoinedLine::keyAtEnd(key, keys);
    return last >= 0 && seen[last]
        && JoinedLine::isKeyStart(key.chopped(keys.names.at(last).size()).trimmed(), keys);
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
    bool seen[4] = {false, false, false, false};
    // Values read before a restart point and values read after it are two
    // readings; a label before the first key ("Color: CIEX:...") or a
    // board's extra item at the end mixes nothing.
    bool readBefore = false;
    bool restartAfterRead = false;
    const QStringList items = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        const bool restart = startsNextReading(item, keys, seen);
        if (readItem(item, &r)) {
            if (restartAfterRead) {
                Reading cut;
                cut.joined = true;
                return cut;
            }
            readBefore = true;
        }
        restartAfterRead = restartAfterRead || (restart && readBefore);
    }
    return r;
}

} // namespace CieLine
