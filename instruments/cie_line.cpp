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
    // A later item may repeat a key and wins; an item holding two keys is
    // a cut reading run into the next.
    static const JoinedLine::Keys keys{
        {QLatin1String("CIEX"), QLatin1String("CIEY"), QLatin1String("LUX"), QLatin1String("CCT")},
        QLatin1String(";"), Qt::CaseInsensitive};
    if (JoinedLine::isJoined(text, keys)) {
        r.joined = true;
        return r;
    }
    const QStringList items = text.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString &item : items) {
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
