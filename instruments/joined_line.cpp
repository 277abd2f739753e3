#include "instruments/joined_line.h"

namespace JoinedLine {

int keyAtStart(QStringView text, const Keys &keys)
{
    for (int i = 0; i < keys.names.size(); ++i)
        if (text.startsWith(keys.names.at(i), keys.cs))
            return i;
    return -1;
}

int keyAtEnd(QStringView text, const Keys &keys)
{
    for (int i = 0; i < keys.names.size(); ++i)
        if (text.endsWith(keys.names.at(i), keys.cs))
            return i;
    return -1;
}

bool isKeyStart(QStringView piece, const Keys &keys)
{
    if (piece.isEmpty())
        return false;
    for (const QLatin1String &name : keys.names)
        if (piece.size() <= name.size() && name.startsWith(piece, keys.cs))
            return true;
    return false;
}

} // namespace JoinedLine
