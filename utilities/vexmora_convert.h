#ifndef VEXMORA_CONVERT_H
#define VEXMORA_CONVERT_H

#include <QWidget>

// Placeholder until its tool is built.
class vexmora_convert : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_convert(QWidget *parent = nullptr);
};

#endif
