#ifndef SERIAL_DEVICE_WATCH_H
#define SERIAL_DEVICE_WATCH_H

#include <QString>
#include <vector>

// Tells the port rescan whether the serial devices may have changed, from
// the device directory alone.  Enumerating the ports asks the system about
// every tty and costs far more than reading one directory, so the rescan
// enumerates only when this says so.
class SerialDeviceWatch
{
public:
    // The device directory watched when none is given ("/dev"); tests
    // point it at a folder of their own before the window is made.
    static QString defaultRoot;

    explicit SerialDeviceWatch(QString root = defaultRoot);

    // True at the first call; when an entry named like a serial device, or
    // one under serial/by-id, appeared, went or was replaced (a replug
    // makes a new node) since the last call; and for the next
    // `settleLooks` calls after such a change, while the system is still
    // setting the new device up.
    [[nodiscard]] bool changed();

    static constexpr int settleLooks = 2;

private:
    // Whether a device file name is one the port list may offer.
    [[nodiscard]] static bool isSerialName(const QString &name);

    struct Entry
    {
        QString name;
        unsigned long long inode = 0;
        long long ctimeSec = 0;
        long ctimeNsec = 0;
        bool operator==(const Entry &o) const
        {
            return name == o.name && inode == o.inode && ctimeSec == o.ctimeSec && ctimeNsec == o.ctimeNsec;
        }
    };
    [[nodiscard]] std::vector<Entry> look() const;

    QString m_root;
    std::vector<Entry> m_last;
    bool m_looked = false;
    int m_settle = 0;
};

#endif // SERIAL_DEVICE_WATCH_H
