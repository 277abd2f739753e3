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

// Whether `item` shows the cut of a reading run into the next line, which
// the board starts again from its first key.  Two shapes:
// - a value runs into a key, "CIEY:0.3CIEX:0.45" or "CIEY:CIEX:0.45";
// - a key cut short before the next line's first key, "CIE" + "CIEX:0.30",
//   while items read before it would be shown with the next line's.  At the
//   line's start nothing mixes, and "CCIEX" or "CLUX" there is just a key
//   the board's maker chose.
// `seen` collects the keys of the items before.
bool isCutIntoNext(const QString &item, const JoinedLine::Keys &keys, bool *seen)
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
    const QStringList items = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
        if (isCutIntoNext(item, keys, seen)) {
            Reading cut;
            cut.joined = true;
            return cut;
        }
        const QStringList kv = item.split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (kv.size() != 2)
            continue;
        const QString key = kv.at(0).trimmed();
        const QString valueText = kv.at(1).trimmed();
        double v = 0.0;
        const bool ok = toNumber(valueText, &v);
        if (key.compare(QLatin1String("CIEX"), Qt::CaseInsensitive) == 0)
            r.x = ok ? v : 0.0;
        else if (key.compare(QLatin1String("CIEY"), Qt::CaseInsensitive) == 0)
            r.y = ok ? v : -1.0;
        else if (key.compare(QLatin1String("LUX"), Qt::CaseInsensitive) == 0)
            r.lux = ok ? v : -0.0;
        else if (key.compare(QLatin1String("CCT"), Qt::CaseInsensitive) == 0)
            r.cct = ok ? v : -1.0;
    }
    return r;
}

} // namespace CieLine
