#include "terminals/port_list.h"

namespace PortList {

bool isOffered(const QString &name)
{
    return !name.startsWith(QLatin1String("ttyS")) && !name.startsWith(QLatin1String("ttyAMA"));
}

QStringList offered(const QStringList &available)
{
    QStringList out;
    for (const QString &name : available)
        if (isOffered(name))
            out << name;
    return out;
}

QStringList merged(const QStringList &current, const QStringList &available)
{
    const QStringList now = offered(available);
    QStringList out;
    for (const QString &name : current)
        if (now.contains(name) && !out.contains(name))
            out << name;
    for (const QString &name : now)
        if (!out.contains(name))
            out << name;
    return out;
}

} // namespace PortList
