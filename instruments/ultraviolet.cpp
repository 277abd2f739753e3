#include "instruments/ultraviolet.h"

#include <QLocale>
#include <QPainter>
#include <QtMath>
#include <limits>

Ultraviolet::Ultraviolet(QWidget *parent)
    : QWidget(parent)
    , sun(QStringLiteral(":/images/san.png"))
{
    setFont(QFont(QStringLiteral("Arial"), 7));
    setMinimumSize(150, 150);
    if (!sun.isNull())
        sun = sun.scaled(200, 200, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

Ultraviolet::~Ultraviolet() = default;

void Ultraviolet::setValue(double v)
{
    if (!qIsFinite(v))
        return;
    // A value exactly on a band edge takes the upper band.
    QColor colour;
    if (v <= 400.0)
        colour = QColor(0xfd, 0xd8, 0x35);
    else if (v < 695.0)
        colour = QColor(0xf3, 0x9c, 0x12);
    else if (v < 880.0)
        colour = QColor(0xd3, 0x54, 0x00);
    else if (v < 1078.0)
        colour = QColor(0xff, 0x00, 0x00);
    else
        colour = QColor(0x4a, 0x23, 0x5a);
    if (colour != circleColor)
        circleColor = colour;
    value = v;
    update();
    // There is no range: a huge reading is reported at the int's limit
    // instead of as whatever the conversion makes of it.
    int reported;
    if (v >= double(std::numeric_limits<int>::max()))
        reported = std::numeric_limits<int>::max();
    else if (v <= double(std::numeric_limits<int>::min()))
        reported = std::numeric_limits<int>::min();
    else
        reported = int(v);
    emit valueChanged(reported);
}

void Ultraviolet::setCircleColor(const QColor &color)
{
    if (color == circleColor)
        return;
    circleColor = color;
    update();
}

void Ultraviolet::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                           | QPainter::SmoothPixmapTransform);
    const int side = qMin(width(), height());
    painter.translate(width() / 2, height() / 2);
    painter.scale(side / 200.0, side / 200.0);

    const int corner = -(70 + 3 * lineWidth);
    painter.drawImage(QPoint(corner, corner), sun);

    painter.setPen(Qt::NoPen);
    painter.setBrush(circleColor);
    const int r = 90 - lineWidth;
    painter.drawEllipse(QRectF(-r, -r, 2 * r, 2 * r));

    painter.setPen(textColor);
    painter.setFont(QFont(QStringLiteral("Arial"), 30));
    // The percent setting gives the same text: a UV reading is no share.
    painter.drawText(QRectF(-100, -100, 200, 200), Qt::AlignCenter,
                     QStringLiteral("%1").arg(QString::number(value, 'g', QLocale::FloatingPointShortest)));
}
