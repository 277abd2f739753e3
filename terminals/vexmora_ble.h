#ifndef VEXMORA_BLE_H
#define VEXMORA_BLE_H

#include <QWidget>

// Placeholder until its tool is built.
class vexmora_ble : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_ble(QWidget *parent = nullptr);
};

#endif
