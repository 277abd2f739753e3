#include "instruments/vexmora_spectroscopy_spline.h"

#include "instruments/spectra_line.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

vexmora_spectroscopy_spline::vexmora_spectroscopy_spline(QWidget *parent)
    : QWidget(parent)
    , wavelengths{380, 410, 435, 460, 485, 510, 535, 560, 585, 610, 645, 680, 705, 730, 760, 810, 860, 900, 940}
{
    spectrumData = QList<double>(wavelengths.size(), 0.0);
    setAutoFillBackground(true);
}

void vexmora_spectroscopy_spline::setSpectrumData(const QList<double> &data)
{
    spectrumData = data;
    update();
}

void vexmora_spectroscopy_spline::setWavelengths(const QList<double> &nm)
{
    wavelengths = nm;
    update();
}

void vexmora_spectroscopy_spline::updateSpectrumData(const QList<double> &data)
{
    if (data.size() != spectrumData.size())
        return;
    spectrumData = data;
    update();
}

void vexmora_spectroscopy_spline::update_data_barset(unsigned char index, double value)
{
    if (index >= spectrumData.size())
        return;
    spectrumData[index] = value;
    update();
}

void vexmora_spectroscopy_spline::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(rect(), Qt::white);
    if (spectrumData.isEmpty() || wavelengths.isEmpty())
        return;

    const double pw = w - 70;
    const double ph = h - 60;
    // The setters may leave the lists of different lengths: only points
    // with both a value and a wavelength are drawn.
    const int n = int(qMin(spectrumData.size(), wavelengths.size()));

    p.setPen(QColor(0x757575));
    for (int i = 0; i <= 10; ++i) {
        const double y = ph * i / 10 + 20;
        p.drawLine(50, int(y), w - 20, int(y));
        p.drawText(10, int(y + 5), QString::number(1.0 - 0.1 * i, 'g', 6));
    }
    // One point has no width to spread over and no curve to draw.
    if (n < 2)
        return;
    for (int j = 0; j < n; ++j) {
        const double x = j * pw / (n - 1) + 50;
        p.drawLine(int(x), 20, int(x), h - 40);
        p.drawText(int(x - 15), h - 25, QString::number(int(wavelengths.at(j))));
    }

    QLinearGradient gradient(50, 0, w - 20, 0);
    for (int j = 0; j < n; ++j)
        gradient.setColorAt(double(j) / (n - 1), SpectraLine::wavelengthColor(wavelengths.at(j)));

    const double bottom = h - 40;
    auto point = [&](int j) { return QPointF(j * pw / (n - 1) + 50, bottom - spectrumData.at(j) * ph); };
    QPainterPath path(QPointF(50, bottom));
    for (int k = 0; k + 1 < n; ++k) {
        const QPointF a = point(k);
        const QPointF b = point(k + 1);
        const double mid = (a.x() + b.x()) / 2;
        path.cubicTo(QPointF(mid, a.y()), QPointF(mid, b.y()), b);
    }
    path.lineTo(w - 20, bottom);
    p.setPen(Qt::NoPen);
    p.fillPath(path, gradient);
}
