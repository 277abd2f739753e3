#include "app/settings_file.h"

#include <QDir>

namespace SettingsFile {

QString path()
{
    return QDir::homePath() + QStringLiteral("/.config/Vexmora/KESP/kesp_config.ini");
}

const QStringList &featureKeys()
{
    static const QStringList keys = {
        "COM", "UDP", "TCP", "GPS", "GSM", "UNICODE", "Environment", "Crypty",
        "Oscilloscope", "MQTT", "Ble", "Spectra", "Convert", "i2cdump", "TOF",
        "Modbus", "Hex", "CIE", "IMU", "MORE"};
    return keys;
}

bool switchIsOn(const QVariant &value)
{
    const QString text = value.toString();
    return text.isEmpty() || text == QLatin1String("true");
}

int mapIndex(const QVariant &value)
{
    const QString text = value.toString();
    return (text.isEmpty() || text == QLatin1String("0")) ? 0 : 1;
}

} // namespace SettingsFile
