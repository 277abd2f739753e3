#include "instruments/dash_board.h"

#include <QConicalGradient>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QtMath>

DashBoard::DashBoard(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(150, 150);
}

DashBoard::~DashBoard() = default;

void DashBoard::setValue(double v)
{
    // NaN passes both range tests and would leave the needle nowhere.
    if (!qIsFinite(v))
        return;
    if (v > maxValue)
        v = maxValue;
    else if (v < minValue)
        v = minValue;
    value = v;
    update();
}

void DashBoard::setValue(int v)
{
    setValue(double(v));
}

void DashBoard::setMinValue(int v)
{
    if (v < maxValue)
        minValue = v;
}

void DashBoard::setMaxValue(int v)
{
    if (v > minValue)
        maxValue = v;
}

void DashBoard::setPrecision(int p)
{
    precision = p;
    update();
}

void DashBoard::setUnits(const QString &u)
{
    units = u;
    update();
}

void DashBoard::setTitle(const QString &t)
{
    title = t;
    update();
}

void DashBoard::setScaleMajor(int v)
{
    // The scale is divided by it: zero would crash the painting.
    if (v > 0)
        scaleMajor = v;
}

void DashBoard::setScaleMinor(int v)
{
    if (v > 0)
        scaleMinor = v;
}

void DashBoard::setStartAngle(int v)
{
    startAngle = v;
}

void DashBoard::setEndAngle(int v)
{
    endAngle = v;
}

void DashBoard::setCrownColor(const QColor &c)
{
    crownColor = c;
}

void DashBoard::setForeground(const QColor &c)
{
    foreground = c;
}

void DashBoard::setBackground(const QColor &c)
{
    background = c;
}

void DashBoard::setNumericIndicatorEnabled(bool enabled)
{
    numericIndicatorEnabled = enabled;
}

void DashBoard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const int side = qMin(width(), height());
    painter.translate(width() / 2, height() / 2);
    painter.scale(side / 200.0, side / 200.0);

    drawCrown(painter);
    drawFace(painter);
    drawNumbers(painter);
    drawTicks(painter);
    drawTitle(painter);
    if (numericIndicatorEnabled)
        drawReadout(painter);
    drawNeedle(painter);
    drawHub(painter);
}

void DashBoard::drawCrown(QPainter &painter)
{
    QLinearGradient crown(0, -100, 0, 100);
    crown.setColorAt(0, QColor(0xb4, 0xb4, 0xb4));
    crown.setColorAt(1, QColor(0xa6, 0xa6, 0xa6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(crown);
    painter.drawEllipse(QRectF(-100, -100, 200, 200));
}

void DashBoard::drawFace(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawEllipse(QRectF(-92, -92, 184, 184));
}

void DashBoard::drawNumbers(QPainter &painter)
{
    // The dial's own degree factor: 3.14 / 180.
    const double k = 0.017444444444444446;
    const int sweep = 360 - startAngle - endAngle;
    QFont numbers(QStringLiteral("Microsoft YaHei"), 6);
    numbers.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(numbers);
    painter.setPen(foreground);
    const QFontMetricsF metrics(numbers);
    const qint64 step = (qint64(maxValue) - minValue) / scaleMajor;
    for (int i = 0; i <= scaleMajor; ++i) {
        const double a = (270 - startAngle) * k - i * sweep * k / scaleMajor;
        const QString text = QStringLiteral("%1").arg(
            QString::number(double(minValue) + double(i) * step, 'g', QLocale::FloatingPointShortest));
        const QSizeF s = metrics.size(Qt::TextSingleLine, text);
        const int x = int(82 * qCos(a) - 0.5 * s.width());
        const int y = int(-82 * qSin(a) + 0.25 * s.height());
        painter.drawText(QPoint(x, y), text);
    }
}

void DashBoard::drawTicks(QPainter &painter)
{
    painter.save();
    painter.rotate(startAngle);
    const int ticks = scaleMajor * scaleMinor;
    const double step = double(360 - startAngle - endAngle) / ticks;
    for (int i = 0; i <= ticks; ++i) {
        if (i % scaleMinor == 0) {
            painter.setPen(QPen(foreground, 1));
            painter.drawLine(QPointF(0, 62), QPointF(0, 72));
        } else {
            painter.setPen(QPen(foreground, 0));
            painter.drawLine(QPointF(0, 67), QPointF(0, 72));
        }
        painter.rotate(step);
    }
    painter.restore();
}

void DashBoard::drawTitle(QPainter &painter)
{
    painter.setPen(foreground);
    painter.setBrush(foreground);
    painter.setFont(font());
    const double w = QFontMetricsF(font()).size(Qt::TextSingleLine, title).width();
    painter.drawText(QPointF(-0.5 * w, -30), title);
}

void DashBoard::drawReadout(QPainter &painter)
{
    const QString text = QStringLiteral("%1 %2").arg(value, 0, 'f', precision).arg(units);
    // Measured with the widget font, drawn with the readout font.
    const double w = QFontMetricsF(font()).horizontalAdvance(text);
    QFont readout(QStringLiteral("Microsoft YaHei"), 15);
    readout.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(readout);
    painter.setPen(foreground);
    painter.drawText(QPointF(int(-0.5 * w - 10.0), 42), text);
}

void DashBoard::drawNeedle(QPainter &painter)
{
    painter.save();
    painter.rotate(startAngle);
    painter.rotate((value - minValue) * (360 - startAngle - endAngle) / double(maxValue - minValue));
    QRadialGradient shade(QPointF(0, 0), 60);
    shade.setColorAt(0.0, QColor(0x3c, 0x3c, 0x3c));
    shade.setColorAt(1.0, QColor(0xa0, 0xa0, 0xa0));
    painter.setPen(Qt::white);
    painter.setBrush(shade);
    painter.drawPolygon(QPolygonF({QPointF(-2, 0), QPointF(2, 0), QPointF(0, 60)}));
    painter.restore();
}

void DashBoard::drawHub(QPainter &painter)
{
    QConicalGradient hub(0, 0, -90.0);
    hub.setColorAt(0.0, Qt::darkGray);
    hub.setColorAt(0.2, QColor(0x96, 0x96, 0xc8));
    hub.setColorAt(0.5, Qt::white);
    hub.setColorAt(1.0, Qt::darkGray);
    painter.setPen(Qt::NoPen);
    painter.setBrush(hub);
    painter.drawEllipse(QRectF(-5, -5, 10, 10));
}
