#ifndef PORT_LIST_H
#define PORT_LIST_H

#include <QStringList>

// The port-list rules of the rescan, apart from any widget.
namespace PortList {

// Built-in UARTs ("ttyS*", "ttyAMA*") are never offered.
bool isOffered(const QString &name);

// The offered names of `available`, in the order given.
QStringList offered(const QStringList &available);

// The list after one scan: names still available keep their place, new
// ones are appended in the order found, vanished ones are dropped.  An
// unchanged system gives back `current` unchanged.
QStringList merged(const QStringList &current, const QStringList &available);

} // namespace PortList

#endif // PORT_LIST_H
