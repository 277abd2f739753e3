#include "terminals/serial_device_watch.h"

#include "terminals/port_list.h"

#include <QFile>
#include <algorithm>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

QString SerialDeviceWatch::defaultRoot = QStringLiteral("/dev");

SerialDeviceWatch::SerialDeviceWatch(QString root)
    : m_root(std::move(root))
{
}

bool SerialDeviceWatch::isSerialName(const QString &name)
{
    if (name.startsWith(QLatin1String("tty"))) {
        // "tty" and the virtual consoles "tty0".. are never serial ports.
        const QStringView rest = QStringView(name).mid(3);
        if (std::all_of(rest.begin(), rest.end(), [](QChar c) { return c.isDigit(); }))
            return false;
        return PortList::isOffered(name);
    }
    for (const char *prefix : {"rfcomm", "ircomm", "tnt", "cu."})
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

// Name, inode and change time of every matching entry, sorted by name.
// Entries are not followed: a by-id link that is made anew is a change
// even when it points at the same node.
std::vector<SerialDeviceWatch::Entry> SerialDeviceWatch::look() const
{
    std::vector<Entry> out;
    const auto scan = [&out](const QString &dir, const QString &prefix, bool all) {
        DIR *d = opendir(QFile::encodeName(dir).constData());
        if (!d)
            return;
        while (const dirent *e = readdir(d)) {
            const QString name = QFile::decodeName(e->d_name);
            if (name == QLatin1String(".") || name == QLatin1String("..") || (!all && !isSerialName(name)))
                continue;
            struct stat st = {};
            if (fstatat(dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            out.push_back({prefix + name, static_cast<unsigned long long>(st.st_ino),
                           static_cast<long long>(st.st_ctim.tv_sec), static_cast<long>(st.st_ctim.tv_nsec)});
        }
        closedir(d);
    };
    scan(m_root, QString(), false);
    scan(m_root + QStringLiteral("/serial/by-id"), QStringLiteral("serial/by-id/"), true);
    std::sort(out.begin(), out.end(), [](const Entry &a, const Entry &b) { return a.name < b.name; });
    return out;
}

bool SerialDeviceWatch::changed()
{
    std::vector<Entry> now = look();
    if (!m_looked || now != m_last) {
        m_looked = true;
        m_last = std::move(now);
        m_settle = settleLooks;
        return true;
    }
    if (m_settle > 0) {
        --m_settle;
        return true;
    }
    return false;
}
