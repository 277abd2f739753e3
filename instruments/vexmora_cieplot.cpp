#include "instruments/vexmora_cieplot.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

vexmora_cieplot::vexmora_cieplot(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(455, 445);
    svgRenderer = new QSvgRenderer(this);
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    // The built-in drawing, else one beside the program; with neither the
    // plot goes without its background.  Only a file that exists is handed
    // to the renderer, which complains about a missing one.
    for (const QString &file : {QStringLiteral(":/images/cie1931.svg"), QDir::currentPath() + QStringLiteral("/cie1931.svg")}) {
        if (QFile::exists(file) && svgRenderer->load(file))
            break;
    }
}

bool vexmora_cieplot::hasBackground() const
{
    return svgRenderer->isValid();
}

void vexmora_cieplot::plotPoint(double x, double y, double lux, double cct)
{
    cieX = x;
    cieY = y;
    this->lux = lux;
    this->cct = cct;
    update();
}

QPointF vexmora_cieplot::cieToPixel(double x, double y) const
{
    if (width() < 1 || height() < 1)
        return QPointF(-1, -1);
    return QPointF((x - xMin) / (xMax - xMin) * width(), height() - (y - yMin) / (yMax - yMin) * height());
}

QPointF vexmora_cieplot::markerPosition() const
{
    // Written so NaN fails every test; infinities are bounded below.
    if (!(cieX >= 0 && cieY >= 0) || width() < 1 || height() < 1)
        return QPointF(-1, -1);
    const QPointF p = cieToPixel(cieX, cieY);
    if (!(p.x() >= 0 && p.y() >= 0))
        return QPointF(-1, -1);
    // Far beyond the widget it makes no difference where; qRound of a huge
    // or infinite double does.
    constexpr double far = 1e6;
    return QPointF(std::fmin(p.x(), far), std::fmin(p.y(), far));
}

QString vexmora_cieplot::labelText() const
{
    return QStringLiteral("x=%1\ny=%2\nLux:%3\nCCT:%4K")
        .arg(cieX, 0, 'f', 3)
        .arg(cieY, 0, 'f', 3)
        .arg(lux, 0, 'f', 1)
        .arg(cct, 0, 'f', 0);
}

QRect vexmora_cieplot::labelRect(const QPointF &p, const QFontMetrics &metrics) const
{
    QRect b = metrics.boundingRect(QRect(0, 0, 200, 100), Qt::AlignLeft, labelText());
    b.moveTopLeft(QPoint(qRound(p.x()) + 8, qRound(p.y()) - b.height() / 2));
    if (b.right() > width())
        b.moveRight(width() - 5);
    if (b.left() < 0)
        b.moveLeft(5);
    if (b.bottom() > height())
        b.moveBottom(height() - 5);
    if (b.top() < 0)
        b.moveTop(5);
    return b;
}

void vexmora_cieplot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    if (svgRenderer->isValid()) {
        const qreal dpr = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * dpr).toSize();
        if (background.size() != pixels) {
            background = QPixmap(pixels);
            background.fill(Qt::white);
            QPainter bg(&background);
            bg.setRenderHint(QPainter::Antialiasing);
            bg.setRenderHint(QPainter::SmoothPixmapTransform);
            svgRenderer->render(&bg, QRectF(0, 0, pixels.width(), pixels.height()));
            background.setDevicePixelRatio(dpr);
        }
        painter.drawPixmap(0, 0, background);
    } else {
        painter.fillRect(rect(), Qt::lightGray);
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("无法加载 SVG 背景"));
    }

    const QPointF p = markerPosition();
    if (p.x() < 0)
        return;
    painter.setPen(Qt::red);
    painter.setBrush(Qt::red);
    painter.drawEllipse(QRectF(p.x() - 5, p.y() - 5, 10, 10));

    const QRect b = labelRect(p, painter.fontMetrics());
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 180));
    painter.drawRoundedRect(b.adjusted(-2, -2, 2, 2), 3, 3, Qt::AbsoluteSize);
    painter.setPen(Qt::black);
    painter.drawText(b, Qt::AlignLeft, labelText());
}
