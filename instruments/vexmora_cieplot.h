#ifndef VEXMORA_CIEPLOT_H
#define VEXMORA_CIEPLOT_H

#include <QPixmap>
#include <QPointF>
#include <QRect>
#include <QWidget>

class QFontMetrics;
class QSvgRenderer;

// The CIE 1931 (x, y) diagram stretched over the whole widget (x 0..0.8
// left to right, y 0..0.9 bottom to top) with one measured point on it:
// a red dot and a label with x, y, illuminance and colour temperature.
class vexmora_cieplot : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_cieplot(QWidget *parent = nullptr);

    void plotPoint(double x, double y, double lux, double cct);
    QPointF cieToPixel(double x, double y) const;

    // What paintEvent draws for the current point: the label's text and
    // its rectangle for the given font metrics, already shifted inside.
    QString labelText() const;
    QRect labelRect(const QPointF &p, const QFontMetrics &metrics) const;
    // The point's pixel position, bounded so rounding it stays defined;
    // (-1, -1) when no marker is drawn.
    QPointF markerPosition() const;

    double pointX() const { return cieX; }
    double pointY() const { return cieY; }
    double pointLux() const { return lux; }
    double pointCct() const { return cct; }
    bool hasBackground() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double cieX = -1.0;
    double cieY = -1.0;
    double lux = 0.0;
    double cct = 0.0;
    QSvgRenderer *svgRenderer = nullptr;
    double xMin = 0.0;
    double xMax = 0.8;
    double yMin = 0.0;
    double yMax = 0.9;
    // Rendering the drawing with its embedded fill costs far more than a
    // repaint should, and a new reading repaints many times a second.
    QPixmap background;
};

#endif // VEXMORA_CIEPLOT_H
