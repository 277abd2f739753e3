#ifndef SERIAL_STYLES_H
#define SERIAL_STYLES_H

#include <QString>

// Looks of the Open buttons of the serial panels.
namespace SerialStyles {

inline QString openIdle()
{
    return QStringLiteral("QPushButton {   background-color: #4CAF50;   color: white;   font-weight: bold;}"
                          "QPushButton:pressed {   background-color: #45A049;}");
}

inline QString openActive()
{
    return QStringLiteral("QPushButton {   background-color: #FF4A19;   color: white;   font-weight: bold;}"
                          "QPushButton:pressed {   background-color: #FF5722;}");
}

} // namespace SerialStyles

#endif // SERIAL_STYLES_H
