#include "positioning/callout.h"

#include <QChart>
#include <QFontMetrics>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

Callout::Callout(QChart *chart)
    : QGraphicsItem(chart)
    , m_chart(chart)
{
}

QRectF Callout::boundingRect() const
{
    const QPointF anchor = mapFromParent(m_chart->mapToPosition(m_anchor));
    QRectF r;
    r.setLeft(qMin(m_rect.left(), anchor.x()));
    r.setRight(qMax(m_rect.right(), anchor.x()));
    r.setTop(qMin(m_rect.top(), anchor.y()));
    r.setBottom(qMax(m_rect.bottom(), anchor.y()));
    return r;
}

void Callout::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    QPainterPath path;
    path.addRoundedRect(m_rect, 5, 5);

    const QPointF anchor = mapFromParent(m_chart->mapToPosition(m_anchor));
    if (!m_rect.contains(anchor)) {
        const double ax = anchor.x(), ay = anchor.y();
        const int above = ay <= m_rect.top();
        const int aboveCenter = ay > m_rect.top() && ay <= m_rect.center().y();
        const int belowCenter = ay > m_rect.center().y() && ay <= m_rect.bottom();
        const int below = ay > m_rect.bottom();
        const int onLeft = ax <= m_rect.left();
        const int leftOfCenter = ax > m_rect.left() && ax <= m_rect.center().x();
        const int rightOfCenter = ax > m_rect.center().x() && ax <= m_rect.right();
        const int onRight = ax > m_rect.right();

        // The corner nearest to the anchor, and which way the tail leaves it.
        const double x = (onRight + rightOfCenter) * m_rect.width();
        const double y = (below + belowCenter) * m_rect.height();
        const int corner = (above || below) && (onLeft || onRight);
        const int vertical = std::abs(ax - x) > std::abs(ay - y);

        const double x1 = x + leftOfCenter * 10 - rightOfCenter * 20
                          + corner * !vertical * (onLeft * 10 - onRight * 20);
        const double y1 = y + aboveCenter * 10 - belowCenter * 20 + corner * vertical * (above * 10 - below * 20);
        const double x2 = x + leftOfCenter * 20 - rightOfCenter * 10
                          + corner * !vertical * (onLeft * 20 - onRight * 10);
        const double y2 = y + aboveCenter * 20 - belowCenter * 10 + corner * vertical * (above * 20 - below * 10);

        path.moveTo(x1, y1);
        path.lineTo(anchor);
        path.lineTo(x2, y2);
        path = path.simplified();
    }
    painter->setBrush(QColor(255, 255, 255));
    painter->drawPath(path);
    painter->drawText(m_textRect, m_text);
}

void Callout::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    event->setAccepted(true);
}

void Callout::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton) {
        setPos(mapToParent(event->pos() - event->buttonDownPos(Qt::LeftButton)));
        event->setAccepted(true);
    } else {
        event->setAccepted(false);
    }
}

void Callout::setText(const QString &text)
{
    m_text = text;
    const QFontMetrics metrics(m_font);
    m_textRect = metrics.boundingRect(QRect(0, 0, 150, 150), Qt::AlignLeft, m_text);
    m_textRect.translate(5, 5);
    prepareGeometryChange();
    m_rect = m_textRect.adjusted(-5, -5, 5, 5);
}

void Callout::setAnchor(QPointF point)
{
    m_anchor = point;
}

void Callout::updateGeometry()
{
    prepareGeometryChange();
    setPos(m_chart->mapToPosition(m_anchor) + QPoint(10, -50));
}
