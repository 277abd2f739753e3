#include "instruments/vexmora_tof_heatmap.h"

#include <QPainter>

#include <algorithm>

namespace {
const QColor kBackground(5, 8, 15, 255);
const QColor kOutline(6, 10, 20, 200);
const QColor kOutside(10, 12, 18, 255);

int channel(double v)
{
    return std::clamp(int(v), 0, 255);
}
} // namespace

vexmora_tof_heatmap::vexmora_tof_heatmap(QWidget *parent)
    : QWidget(parent)
    , values(64, 0)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void vexmora_tof_heatmap::changeArrangement(int newRows, int newCols)
{
    rows = newRows;
    cols = newCols;
    values = QList<int>(qMax(0, rows) * qMax(0, cols), 0);
    update();
}

void vexmora_tof_heatmap::updateData(const QList<int> &data)
{
    if (data.size() != qsizetype(rows) * cols) {
        if (data.size() == 480) {
            rows = 20;
            cols = 24;
        } else if (data.size() == 2268) {
            rows = 42;
            cols = 54;
        } else {
            return;
        }
    }
    values = data;
    update();
}

QColor vexmora_tof_heatmap::calculateColor(int value) const
{
    if (value < 51 || value > maxRange)
        return kOutside;
    // maxRange may be set as low as 51; never divide by zero.
    const double span = maxRange - 50 > 0 ? double(maxRange - 50) : 1.0;
    const double t = std::clamp((value - 50) / span, 0.0, 1.0);
    double r, g, b;
    if (t < 0.2) {
        r = 180 + (t / 0.2) * 60;
        g = (t / 0.2) * 60;
        b = 0;
    } else if (t < 0.4) {
        const double u = (t - 0.2) / 0.2;
        r = 240 + 5 * u;
        g = 60 + 140 * u;
        b = 0;
    } else if (t < 0.65) {
        const double w = (t - 0.4) * 4;
        r = 245 * (1 - w);
        g = 200 - 20 * w;
        b = 180 * w;
    } else {
        const double z = (t - 0.65) / 0.35;
        r = 0;
        g = 180 * (1 - z);
        b = 180 - 20 * z;
    }
    return QColor(channel(r), channel(g), channel(b), 255);
}

void vexmora_tof_heatmap::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect(), kBackground);
    if (rows < 1 || cols < 1)
        return;
    const double cellW = double(width()) / cols;
    const double cellH = double(height()) / rows;
    const QPen outline(kOutline, 1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const qsizetype i = qsizetype(r) * cols + c;
            const int value = i < values.size() ? values.at(i) : 0;
            const QRectF cell(c * cellW, r * cellH, cellW, cellH);
            painter.fillRect(cell, calculateColor(value));
            painter.setPen(outline);
            painter.drawRect(cell);
        }
    }
}
