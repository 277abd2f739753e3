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

} // namespace JoinedLine
