#ifndef VEXMORA_HEX_TOOLS_H
#define VEXMORA_HEX_TOOLS_H

#include <QWidget>

// Placeholder until its tool is built.
class vexmora_hex_tools : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_hex_tools(QWidget *parent = nullptr);
};

#endif
