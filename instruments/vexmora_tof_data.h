#ifndef VEXMORA_TOF_DATA_H
#define VEXMORA_TOF_DATA_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QWidget>

class QLabel;
class Ui_vexmora_tof_data;

// The "2D" view: one label per zone with its value in white on a colour
// running black -> blue -> red over the range.
class vexmora_tof_data : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_tof_data(QWidget *parent = nullptr);
    ~vexmora_tof_data() override;

    void changeArrangement(int index);
    void updateLabelValues(int index, int value);
    QColor calculateColor(int value) const;
    static int calculateValue(const QString &text);
    static QFont set_label_font(int count);

    int maxRange = 4000;
    QList<QLabel *> labels;

private:
    void addLabel(int row, int col, const QFont &font);

    Ui_vexmora_tof_data *ui = nullptr;
    // Colour each label was last given: a style sheet is re-applied only
    // when it changes, as every application costs a full style polish.
    QList<QRgb> shownColors;
    QFont labelFont;
};

#endif // VEXMORA_TOF_DATA_H
