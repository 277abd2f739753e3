#include "instruments/progress_bar_percent.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

ProgressBarPercent::ProgressBarPercent(QWidget *parent)
    : QWidget(parent)
{
    setFont(QFont(QStringLiteral("Arial"), 7));
    setMinimumSize(150, 150);
}

ProgressBarPercent::~ProgressBarPercent() = default;

QSize ProgressBarPercent::sizeHint() const
{
    return {200, 200};
}

QSize ProgressBarPercent::minimumSizeHint() const
{
    return {10, 10};
}

void ProgressBarPercent::setRange(int min, int max)
{
    if (min >= max)
        return;
    minValue = min;
    maxValue = max;
    setValue(value);
    update();
}

void ProgressBarPercent::setMinValue(int min)
{
    setRange(min, maxValue);
}

void ProgressBarPercent::setMaxValue(int max)
{
    setRange(minValue, max);
}

void ProgressBarPercent::setValue(double v)
{
    // NaN would slip through every comparison below.
    if (!qIsFinite(v) || v < minValue || v > maxValue || v == value)
        return;
    QColor colour;
    if (v <= 45.0)
        colour = QColor(0xf0, 0xbd, 0x18);
    else if (v < 75.0)
        colour = QColor(0x18, 0xbd, 0x9b);
    else
        colour = QColor(0x64, 0xb8, 0xff);
    if (colour != usedColor)
        usedColor = colour;
    value = v;
    update();
    emit valueChanged(int(v));
}

// Stores a setting; true when it changed, so only a change repaints.
template <typename T>
static bool assign(T &member, const T &v)
{
    if (member == v)
        return false;
    member = v;
    return true;
}

void ProgressBarPercent::setNullPosition(int v)
{
    if (assign(nullPosition, v))
        update();
}

void ProgressBarPercent::setLineWidth(int v)
{
    if (assign(lineWidth, v))
        update();
}

void ProgressBarPercent::setShowPercent(bool v)
{
    if (assign(showPercent, v))
        update();
}

void ProgressBarPercent::setShowFree(bool v)
{
    if (assign(showFree, v))
        update();
}

void ProgressBarPercent::setShowSmallCircle(bool v)
{
    if (assign(showSmallCircle, v))
        update();
}

void ProgressBarPercent::setClockWise(bool v)
{
    if (assign(clockWise, v))
        update();
}

void ProgressBarPercent::setUsedColor(const QColor &v)
{
    if (assign(usedColor, v))
        update();
}

void ProgressBarPercent::setFreeColor(const QColor &v)
{
    if (assign(freeColor, v))
        update();
}

void ProgressBarPercent::setCircleColor(const QColor &v)
{
    if (assign(circleColor, v))
        update();
}

void ProgressBarPercent::setTextColor(const QColor &v)
{
    if (assign(textColor, v))
        update();
}

void ProgressBarPercent::setPercentStyle(ProgressBarPercent::PercentStyle v)
{
    if (assign(percentStyle, v))
        update();
}

void ProgressBarPercent::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int side = qMin(width(), height());
    painter.translate(width() / 2, height() / 2);
    painter.scale(side / 200.0, side / 200.0);

    const bool arc = percentStyle == PercentStyle_Arc || percentStyle == PercentStyle_Arc_Polo;
    const bool polo = percentStyle == PercentStyle_Polo || percentStyle == PercentStyle_Arc_Polo;
    const double span = maxValue - minValue;

    // Background disc, inside the arc when there is one.
    double r = 99;
    if (percentStyle == PercentStyle_Arc_Polo)
        r = 99 - 2 * lineWidth;
    else if (percentStyle == PercentStyle_Arc)
        r = 99 - lineWidth;
    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    painter.drawEllipse(QPointF(0, 0), r, r);

    if (arc) {
        const double radius = 99 - lineWidth / 2;
        const QRectF box(-radius, -radius, 2 * radius, 2 * radius);
        double a = 360.0 / span * value;
        if (!clockWise)
            a = -a;
        painter.setBrush(Qt::NoBrush);
        if (showFree) {
            painter.setPen(QPen(freeColor, lineWidth, Qt::SolidLine, Qt::RoundCap));
            painter.drawArc(box, qRound((nullPosition - a) * 16), qRound(-(360 - a) * 16));
        }
        const QPen used(usedColor, lineWidth, Qt::SolidLine, Qt::RoundCap);
        painter.setPen(used);
        painter.drawArc(box, nullPosition * 16, qRound(-a * 16));
        if (showSmallCircle) {
            const double end = qDegreesToRadians(nullPosition - a);
            painter.drawPoint(QPointF(radius * qCos(end), -radius * qSin(end)));
        }
    }

    if (polo) {
        const double p = percentStyle == PercentStyle_Polo ? 99 - lineWidth : 99 - 2 * lineWidth;
        const double h = 2 * p * value / span;
        QPainterPath disc;
        disc.addEllipse(QPointF(0, 0), p, p);
        QPainterPath level;
        level.addRect(QRectF(-p, p - h, 2 * p, h));
        painter.setPen(usedColor);
        painter.setBrush(usedColor);
        painter.drawPath(disc.intersected(level));
    }

    painter.setPen(textColor);
    painter.setBrush(Qt::NoBrush);
    painter.setFont(QFont(QStringLiteral("Arial"), 30));
    painter.drawText(QRectF(-100, -100, 200, 200), Qt::AlignCenter, text());
}

QString ProgressBarPercent::text() const
{
    if (!showPercent)
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    // Times 100 first: over 0..100 that is the reading as sent, where
    // 55.5 / 100 * 100 gives 55.50000000000001 and overflows the ring.
    // Twelve digits hide the last-bit error of other ranges.
    return QString::number(value * 100.0 / (maxValue - minValue), 'g', 12) + QLatin1Char('%');
}
