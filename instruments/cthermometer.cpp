#include "instruments/cthermometer.h"

#include <QEasingCurve>
#include <QFontMetricsF>
#include <QPainter>
#include <QPropertyAnimation>
#include <QtMath>

CThermometer::CThermometer(QWidget *parent)
    : QWidget(parent)
{
    animation = new QPropertyAnimation(this, "value", this);
    animation->setDuration(100);
    animation->setEasingCurve(QEasingCurve::OutCubic);
    initData();
}

void CThermometer::initData()
{
    maxValue = 70;
    minValue = -30;
    value = 1.0;
    precision = 2;
    solutionColor = QColor(0x64, 0xb8, 0xff);
    centerWidth = 24;
    topPadding = 25;
    bottomPadding = -40;
    scaleColor = QColor(0x64, 0x64, 0x64);
    backGroundColor = Qt::transparent;
    updateRect();
    update();
}

void CThermometer::setValue(double v)
{
    // A NaN or infinite reading has no place on the scale; keep the last.
    if (!qIsFinite(v))
        return;
    if (v <= 0.0)
        solutionColor = QColor(0x64, 0xb8, 0xff);
    else if (v > 15.0 && v < 25.0)
        solutionColor = QColor(0x18, 0xbd, 0x9b);
    else
        solutionColor = QColor(0xfa, 0x64, 0x64);
    value = v;
    update();
}

void CThermometer::setValueWithAnimation(double v)
{
    if (!qIsFinite(v))
        return;
    animation->stop();
    animation->setStartValue(value);
    animation->setEndValue(v);
    animation->start();
}

void CThermometer::setMaxValue(int v)
{
    maxValue = v / 10 * 10;
    update();
}

void CThermometer::setMinValue(int v)
{
    minValue = v / 10 * 10;
    update();
}

void CThermometer::setCenterWidth(int width)
{
    centerWidth = width;
    updateRect();
    update();
}

void CThermometer::setPrecision(PRECISION p)
{
    // 10 / precision divides the major steps: zero or less would crash.
    if (int(p) <= 0)
        return;
    precision = int(p);
    update();
}

void CThermometer::setTopPadding(int padding)
{
    topPadding = padding;
    updateRect();
    update();
}

void CThermometer::setBottomPadding(int padding)
{
    bottomPadding = padding;
    updateRect();
    update();
}

void CThermometer::setScaleColor(const QColor &color)
{
    scaleColor = color;
    update();
}

void CThermometer::setBackGroundColor(const QColor &color)
{
    backGroundColor = color;
    update();
}

void CThermometer::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateRect();
}

void CThermometer::updateRect()
{
    // A widget too short for the bulb gets an empty tube, not one of
    // negative height that would be drawn upside down.
    const double h = height() - topPadding - bottomPadding - 4.5 * centerWidth;
    tube = QRectF((width() - centerWidth) / 2, topPadding, centerWidth, qMax(0.0, h));
}

void CThermometer::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.fillRect(rect(), backGroundColor);

    const double bottom = tube.bottom();
    const QPointF bulbCentre(tube.center().x(), bottom + centerWidth);

    // Glass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x64, 0x64, 0x64));
    painter.drawRect(tube);
    painter.drawRect(QRectF(tube.left(), bottom, centerWidth, centerWidth + 12));
    const double glassRadius = (centerWidth / 3) * 5;
    painter.drawEllipse(bulbCentre, glassRadius, glassRadius);

    // Liquid: bulb and neck always, the column by the value.
    painter.setBrush(solutionColor);
    painter.drawRect(QRectF(tube.left() + 4, bottom, centerWidth - 8, centerWidth));
    const double liquidRadius = (centerWidth / 3) * 4.5;
    painter.drawEllipse(bulbCentre, liquidRadius, liquidRadius);
    const double span = maxValue - minValue + 10;
    const double f = span > 0 ? qBound(0.0, (value - minValue + 5) / span, 1.0) : 0.0;
    const double column = tube.height() * f;
    if (column > 0)
        painter.drawRect(QRectF(tube.left() + 4, bottom - column, centerWidth - 8, column));

    // Scale: major step i sits where the column stands for minValue + 10 i.
    const int steps = (maxValue - minValue) / 10;
    if (steps >= 0 && tube.height() > 0) {
        const double major = tube.height() / (steps + 1);
        const int minors = qMax(1, 10 / precision);
        const double minor = major / minors;
        const double left = tube.left() - 2;
        const double right = tube.right() + 2;
        painter.setPen(scaleColor);
        const QFontMetricsF metrics(font());
        for (int i = 0; i <= steps; ++i) {
            const double y = bottom - major * (i + 0.5);
            painter.drawLine(QPointF(left, y), QPointF(left - 8, y));
            painter.drawLine(QPointF(right, y), QPointF(right + 8, y));
            const QString label = QString::number(minValue + 10 * i);
            const QSizeF size(metrics.horizontalAdvance(label), metrics.height());
            const QRectF box(left - 8 - 5 - size.width(), y - size.height() / 2, size.width(), size.height());
            painter.drawText(box, Qt::AlignCenter, label);
            if (i == steps)
                continue;
            for (int j = 1; j < minors; ++j) {
                const double my = y - minor * j;
                painter.drawLine(QPointF(left, my), QPointF(left - 5, my));
                painter.drawLine(QPointF(right, my), QPointF(right + 5, my));
            }
        }
    }

    // Reading, beside the bulb: right-aligned on a spot up and to the right
    // of it, so it stays clear of the tube's right-hand ticks.
    QFont valueFont(QStringLiteral("Microsoft YaHei"), 12);
    valueFont.setBold(true);
    painter.setFont(valueFont);
    painter.setPen(scaleColor);
    const QString text = QString::number(value, 'g', 6) + QStringLiteral("°C");
    const QFontMetricsF valueMetrics(valueFont);
    const QRectF bulb(bulbCentre.x() - glassRadius, bulbCentre.y() - glassRadius, 2 * glassRadius, 2 * glassRadius);
    const double textWidth = valueMetrics.horizontalAdvance(text) + 2;
    const double textLeft = qMax(bulb.left() + 105 - textWidth, tube.right() + 14);
    const QRectF textBox(textLeft, bulb.top() - 65, textWidth, bulb.height());
    painter.drawText(textBox, Qt::AlignRight | Qt::AlignVCenter, text);
}
