#include "utilities/vexmora_convert.h"

vexmora_convert::vexmora_convert(QWidget *parent)
    : QWidget(parent)
{
}
