#include "instruments/joined_line.h"

#include <algorithm>
#include <utility>

namespace JoinedLine {

bool isJoined(QStringView line, const Keys &keys)
{
    QList<qsizetype> at;
    for (const QLatin1String &name : keys.names) {
        int count = 0;
        for (qsizetype p = line.indexOf(name, 0, keys.cs); p >= 0; p = line.indexOf(name, p + 1, keys.cs)) {
            if (keys.once && ++count > 1)
                return true;
            at.append(p);
        }
    }
    // A key cut short and run into the next line's first key: "CIE" +
    // "CIEX:0.30" reads as an unknown key, and the cut line's other items
    // would be shown with the next line's.
    auto startsKey = [&](QStringView piece) {
        return std::any_of(keys.names.begin(), keys.names.end(), [&](const QLatin1String &name) {
            return piece.size() < name.size() && name.startsWith(piece, keys.cs);
        });
    };
    for (qsizetype p : std::as_const(at)) {
        qsizetype from = p;
        while (from > 0 && !keys.separators.contains(line.at(from - 1)))
            --from;
        const QStringView before = line.mid(from, p - from).trimmed();
        if (!before.isEmpty() && startsKey(before))
            return true;
    }
    std::sort(at.begin(), at.end());
    // Two keys with no separator between them share an item.
    for (qsizetype i = 1; i < at.size(); ++i) {
        const QStringView between = line.mid(at[i - 1], at[i] - at[i - 1]);
        if (std::none_of(between.begin(), between.end(),
                         [&](QChar c) { return keys.separators.contains(c); }))
            return true;
    }
    return false;
}

} // namespace JoinedLine
