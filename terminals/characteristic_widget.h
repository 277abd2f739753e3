#ifndef CHARACTERISTIC_WIDGET_H
#define CHARACTERISTIC_WIDGET_H

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QWidget>

class QLineEdit;
class QVBoxLayout;

// The characteristics of one service, one block each: name, UUID, property
// text, the buttons its properties allow and a value line shown as text or
// hex.  Does no Bluetooth work: the buttons emit requests.
class CharacteristicWidget : public QWidget
{
    Q_OBJECT
public:
    CharacteristicWidget(const QString &serviceUuid, QWidget *parent = nullptr);

    void setCharacteristicInfo(const QString &name, const QString &uuid, const QString &value,
                               const QString &permission);
    void updateCharacteristicValue(const QString &uuid, const QString &value);
    // A value as it came off the air; the hex view shows exactly these bytes.
    void updateCharacteristicValue(const QString &uuid, const QByteArray &value);

    // "AB" -> "0x41, 0x42" (Latin-1, other characters as 0x3f).
    [[nodiscard]] static QString convertAsciiToHex(const QString &text);
    // "0x41, 0x42" -> "AB"; pieces that are not a byte are dropped.
    [[nodiscard]] static QString convertHexToAscii(const QString &text);

public slots:
    void onDisplayModeChanged(const QString &uuid, int index);
    void onNotifyButtonClicked(const QString &uuid);

signals:
    void readCharacteristicRequested(QString uuid);
    void notifyCharacteristicRequested(QString uuid, bool subscribe);
    void writeCharacteristicRequested(QString uuid, QString data, bool hexMode);

private:
    void onWriteButtonClicked(const QString &uuid);
    void showValue(const QString &uuid);

    QSet<QString> shownUuids;
    QVBoxLayout *mainLayout;
    QMap<QString, QLineEdit *> valueEdits;
    QMap<QString, bool> subscribed;
    // Last value of each characteristic, so a change of view loses nothing.
    QMap<QString, QByteArray> values;
};

#endif // CHARACTERISTIC_WIDGET_H
