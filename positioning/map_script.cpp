#include "positioning/map_script.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

namespace MapScript {

QString numberText(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

static QString call(const char *name, double v)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name), numberText(v));
}

QStringList push(double latitude, double longitude, bool first)
{
    return {call("Set_Longit", longitude), call("Set_Latit", latitude),
            first ? QStringLiteral("Set_Location_First()") : QStringLiteral("Set_Location()")};
}

QStringList segment(double lat2, double lon2, double lat3, double lon3)
{
    return {call("Set_Latit2", lat2), call("Set_Longit2", lon2), call("Set_Latit3", lat3),
            call("Set_Longit3", lon3), QStringLiteral("saveway()")};
}

QString searchDriving(const QString &address)
{
    // A one-element JSON array gives a correctly escaped string literal;
    // "</" is broken up as well, and U+2028/9 escaped for older engines.
    QString json = QString::fromUtf8(QJsonDocument(QJsonArray{address}).toJson(QJsonDocument::Compact));
    json = json.mid(1, json.size() - 2);
    json.replace(QLatin1String("</"), QLatin1String("<\\/"));
    json.replace(QChar(0x2028), QLatin1String("\\u2028"));
    json.replace(QChar(0x2029), QLatin1String("\\u2029"));
    return QStringLiteral("searchdriving(%1)").arg(json);
}

} // namespace MapScript
