#ifndef SERIAL_FIXTURE_H
#define SERIAL_FIXTURE_H

// Helpers of the serial-window tests: widgets by object name, presses as a
// user makes them, and a port combo pointed at a pty.

#include "app/mainwindow.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLCDNumber>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

namespace serialtest {

using kesptest::child;
using kesptest::choosePort;
using kesptest::lcd;
using kesptest::press;
using kesptest::status;

inline const QString kGreen = QStringLiteral(
    "QPushButton {   background-color: #4CAF50;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #45A049;}");
inline const QString kRed = QStringLiteral(
    "QPushButton {   background-color: #FF4A19;   color: white;   font-weight: bold;}"
    "QPushButton:pressed {   background-color: #FF5722;}");

// Port settings of every serial panel and the Open buttons, by object name.
inline const QStringList kPortWidgets = {
    "portNameComboBox",        "baudRateComboBox",        "dataBitsComboBox",
    "parityComboBox",          "stopBitsComboBox",        "GPSportNameComboBox",
    "GPSbaudRateComboBox",     "GSMportNameComboBox",     "GSMbaudRateComboBox",
    "ENVportNameComboBox",     "ENVbaudRateComboBox",     "OSCportNameComboBox",
    "OSCbaudRateComboBox",     "SpectraportNameComboBox", "SpectrabaudRateComboBox",
    "i2cdumpportNameComboBox", "i2cdumpbaudRateComboBox", "TOFportNameComboBox",
    "TOFbaudRateComboBox",     "ModbusportNameComboBox",  "ModbusbaudRateComboBox",
    "ModbusdataBitsComboBox",  "ModbusparityComboBox",    "ModbusstopBitsComboBox",
    "CIEportNameComboBox",     "CIEbaudRateComboBox",     "imuportNameComboBox",
    "imubaudRateComboBox"};
inline const QStringList kOpenButtons = {
    "opencompushButton",        "GPSopencompushButton", "GSMopencompushButton",
    "ENVopencompushButton",     "OSCopencompushButton", "SpectraopencompushButton",
    "i2cdumpopencompushButton", "TOFopencompushButton", "ModbusopencompushButton",
    "CIEopencompushButton",     "imuopencompushButton"};
inline const QStringList kPortLists = {
    "portNameComboBox",       "GPSportNameComboBox",     "GSMportNameComboBox",
    "ENVportNameComboBox",    "OSCportNameComboBox",     "SpectraportNameComboBox",
    "i2cdumpportNameComboBox", "TOFportNameComboBox",    "ModbusportNameComboBox",
    "CIEportNameComboBox",    "imuportNameComboBox"};

// Opens the terminal's port on a pty as a user would: path into the port
// list, then Open.  True when the terminal reports the port open.
inline bool openTerminal(MainWindow &w, const kesptest::PtyPair &pty)
{
    if (!pty.isReady())
        return false;
    w.show();
    choosePort(w, "portNameComboBox", pty.deviceA());
    press(w, "opencompushButton");
    return status(w) == QStringLiteral("Serial opened");
}

// A window in a quiet temporary HOME with a fresh pty beside it.
struct TerminalWindow
{
    explicit TerminalWindow(const QMap<QString, QVariant> &ini = {})
        : home(kesptest::quietIni(ini))
    {
    }
    kesptest::TempHome home;
    kesptest::PtyPair pty;
    MainWindow w;

    bool open() { return openTerminal(w, pty); }
};

} // namespace serialtest

#endif // SERIAL_FIXTURE_H
