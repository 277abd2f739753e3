#include "instruments/vexmora_tof_data.h"
#include "ui_vexmora_tof_data.h"

#include "instruments/tof_frame.h"

#include <QLabel>

#include <algorithm>

namespace {
// Never a colour calculateColor returns: forces the first paint of a label.
constexpr QRgb kNoColor = 0x00000001;
} // namespace

vexmora_tof_data::vexmora_tof_data(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_tof_data)
{
    ui->setupUi(this);
    labelFont = set_label_font(16);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            addLabel(r, c, labelFont);
    for (int i = 0; i < labels.size(); ++i)
        updateLabelValues(i, 0);
}

vexmora_tof_data::~vexmora_tof_data()
{
    delete ui;
}

void vexmora_tof_data::addLabel(int row, int col, const QFont &font)
{
    auto *label = new QLabel(QStringLiteral("0"), this);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    // Cells share the space evenly whatever they show: a width that
    // followed the text would move, and repaint, the whole grid whenever a
    // value gained a digit.
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    ui->gridLayout_tofdata->addWidget(label, row, col);
    labels.append(label);
    shownColors.append(kNoColor);
}

void vexmora_tof_data::changeArrangement(int index)
{
    // Plain delete: each label leaves the layout at once, so the sweep
    // below cannot meet it again and free it twice.
    for (QLabel *label : std::as_const(labels))
        delete label;
    labels.clear();
    shownColors.clear();
    while (QLayoutItem *item = ui->gridLayout_tofdata->takeAt(0)) {
        delete item->widget();
        delete item;
    }

    const int cols = TofFrame::columnsOf(index);
    const int rows = TofFrame::rowsOf(index);
    labelFont = set_label_font(rows * cols);
    // Built hidden and shown in one go: 2268 labels each laying out the
    // grid on arrival would cost seconds.
    setUpdatesEnabled(false);
    labels.reserve(rows * cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            addLabel(r, c, labelFont);
    setUpdatesEnabled(true);
}

void vexmora_tof_data::updateLabelValues(int index, int value)
{
    if (index < 0 || index >= labels.size())
        return;
    QLabel *label = labels.at(index);
    const QString text = QString::number(value);
    if (label->text() != text)
        label->setText(text);
    const QColor color = calculateColor(calculateValue(text));
    if (label->font() != labelFont)
        label->setFont(labelFont);
    if (shownColors.at(index) == color.rgba())
        return;
    shownColors[index] = color.rgba();
    QPalette palette = label->palette();
    palette.setBrush(QPalette::Window, QBrush(color, Qt::SolidPattern));
    palette.setBrush(QPalette::WindowText, QBrush(Qt::white, Qt::SolidPattern));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setStyleSheet(QStringLiteral("background-color: %1; color: white;").arg(color.name()));
}

QColor vexmora_tof_data::calculateColor(int value) const
{
    if (value == 0)
        return QColor(255, 255, 255);
    const int R = maxRange;
    const int H = R / 2;
    auto mix = [](double t, int from, int to) { return int((1 - t) * from + t * to); };
    double t;
    if (value <= H) {
        // H is 0 only for a range below 2: such a value is at most 0.
        t = H != 0 ? std::clamp(double(value) / H, 0.0, 1.0) : 0.0;
        return QColor(0, 0, mix(t, 0, 255), 255);
    }
    t = R - H != 0 ? std::clamp(double(value - H) / (R - H), 0.0, 1.0) : 1.0;
    return QColor(mix(t, 0, 255), 0, mix(t, 255, 0), 255);
}

int vexmora_tof_data::calculateValue(const QString &text)
{
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    return ok ? v : 0;
}

QFont vexmora_tof_data::set_label_font(int count)
{
    QFont font;
    font.setBold(true);
    font.setWeight(QFont::Bold);
    if (count <= 16)
        font.setPointSize(12);
    else if (count <= 64)
        font.setPointSize(10);
    else if (count <= 256)
        font.setPointSize(6);
    else if (count <= 480)
        font.setPointSize(4);
    else
        font.setPointSize(1);
    return font;
}
