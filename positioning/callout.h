#ifndef CALLOUT_H
#define CALLOUT_H

#include <QFont>
#include <QGraphicsItem>
#include <QRectF>
#include <QString>

class QChart;

// A balloon over a chart that points at one value; it can be dragged.
class Callout : public QGraphicsItem
{
public:
    explicit Callout(QChart *chart);

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;

    void setText(const QString &text);
    void setAnchor(QPointF point);
    void updateGeometry();
    QString text() const { return m_text; }

private:
    QString m_text;
    QRectF m_textRect;
    QRectF m_rect;
    QPointF m_anchor;
    QFont m_font;
    QChart *m_chart;
};

#endif // CALLOUT_H
