#include "utilities/vexmora_hex_tools.h"

vexmora_hex_tools::vexmora_hex_tools(QWidget *parent)
    : QWidget(parent)
{
}
