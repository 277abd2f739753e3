#include "terminals/vexmora_ble.h"

vexmora_ble::vexmora_ble(QWidget *parent)
    : QWidget(parent)
{
}
