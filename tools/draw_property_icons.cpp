// Draws the converter's group icons and its swap icon as SVG files into a
// folder (16 x 16 units each).  The output is committed; rerun this after
// changing a drawing.
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>
#include <cstdio>
#include <functional>

static const QColor kInk(0x22, 0x3A, 0x5E);
static const QColor kAccent(0x4C, 0xAF, 0x50);

using Drawing = std::function<void(QPainter &)>;

static void arrowHead(QPainter &p, QPointF tip, qreal angleDeg)
{
    const qreal a = qDegreesToRadians(angleDeg);
    const QPointF back(-std::cos(a) * 3, -std::sin(a) * 3);
    const QPointF side(-std::sin(a) * 1.8, std::cos(a) * 1.8);
    QPolygonF head;
    head << tip << tip + back + side << tip + back - side;
    p.save();
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
    p.restore();
}

static QList<QPair<const char *, Drawing>> drawings()
{
    return {
        {"currencies", [](QPainter &p) {
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setPen(QPen(kAccent, 1.4));
             QPainterPath e;
             e.arcMoveTo(QRectF(4.5, 4, 8, 8), 50);
             e.arcTo(QRectF(4.5, 4, 8, 8), 50, 260);
             p.drawPath(e);
             p.drawLine(QPointF(3.5, 7), QPointF(9, 7));
             p.drawLine(QPointF(3.5, 9), QPointF(9, 9));
         }},
        {"length", [](QPainter &p) {
             p.drawRect(QRectF(1, 5, 14, 6));
             for (int i = 0; i < 6; ++i)
                 p.drawLine(QPointF(3 + i * 2, 5), QPointF(3 + i * 2, i % 2 ? 7 : 8.5));
         }},
        {"mass", [](QPainter &p) {
             p.drawEllipse(QRectF(6, 1.5, 4, 3));
             QPolygonF w;
             w << QPointF(4, 4.5) << QPointF(12, 4.5) << QPointF(14.5, 14.5) << QPointF(1.5, 14.5);
             p.setBrush(kAccent);
             p.drawPolygon(w);
         }},
        {"area", [](QPainter &p) {
             p.drawRect(QRectF(2, 2, 12, 12));
             p.setPen(QPen(kAccent, 1));
             for (int i = 1; i < 4; ++i)
                 p.drawLine(QPointF(2, 2 + i * 3), QPointF(2 + i * 3, 2));
             for (int i = 1; i < 4; ++i)
                 p.drawLine(QPointF(2 + i * 3, 14), QPointF(14, 2 + i * 3));
         }},
        {"volume", [](QPainter &p) {
             p.drawRect(QRectF(1.5, 5, 9, 9));
             p.drawLine(QPointF(1.5, 5), QPointF(5.5, 1.5));
             p.drawLine(QPointF(10.5, 5), QPointF(14.5, 1.5));
             p.drawLine(QPointF(10.5, 14), QPointF(14.5, 10.5));
             p.drawLine(QPointF(5.5, 1.5), QPointF(14.5, 1.5));
             p.drawLine(QPointF(14.5, 1.5), QPointF(14.5, 10.5));
         }},
        {"force", [](QPainter &p) {
             p.setBrush(kAccent);
             p.drawRect(QRectF(9, 4, 6, 8));
             p.drawLine(QPointF(1, 8), QPointF(8, 8));
             arrowHead(p, QPointF(9, 8), 0);
         }},
        {"torque", [](QPainter &p) {
             p.setBrush(kAccent);
             p.drawEllipse(QRectF(6, 6, 4, 4));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(2, 2, 12, 12), 90 * 16, 270 * 16);
             arrowHead(p, QPointF(8, 2), 180);
         }},
        {"time", [](QPainter &p) {
             p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
             p.setPen(QPen(kAccent, 1.4));
             p.drawLine(QPointF(8, 8), QPointF(8, 4));
             p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
         }},
        {"speed", [](QPainter &p) {
             p.drawArc(QRectF(1.5, 3, 13, 13), 0, 180 * 16);
             p.drawLine(QPointF(1.5, 9.5), QPointF(14.5, 9.5));
             p.setPen(QPen(kAccent, 1.4));
             p.drawLine(QPointF(8, 9.5), QPointF(12, 5));
         }},
        {"temperature", [](QPainter &p) {
             p.drawRoundedRect(QRectF(6.5, 1, 3, 10), 1.5, 1.5);
             p.setBrush(kAccent);
             p.drawEllipse(QRectF(5, 9.5, 6, 6));
             p.drawLine(QPointF(8, 4), QPointF(8, 10));
         }},
        {"pressure", [](QPainter &p) {
             p.drawLine(QPointF(2, 3), QPointF(2, 15));
             p.drawLine(QPointF(14, 3), QPointF(14, 15));
             p.drawLine(QPointF(2, 15), QPointF(14, 15));
             p.setBrush(kAccent);
             p.drawRect(QRectF(2, 8, 12, 2));
             p.drawLine(QPointF(8, 1), QPointF(8, 6));
             arrowHead(p, QPointF(8, 8), 90);
         }},
        {"energy", [](QPainter &p) {
             QPolygonF bolt;
             bolt << QPointF(9.5, 1) << QPointF(3.5, 9) << QPointF(7.5, 9) << QPointF(6, 15)
                  << QPointF(12.5, 6.5) << QPointF(8.5, 6.5);
             p.setBrush(kAccent);
             p.drawPolygon(bolt);
         }},
        {"power", [](QPainter &p) {
             p.drawArc(QRectF(2, 2.5, 12, 12), 120 * 16, 300 * 16);
             p.setPen(QPen(kAccent, 1.4));
             p.drawLine(QPointF(8, 1), QPointF(8, 8));
         }},
        {"capacitance", [](QPainter &p) {
             p.drawLine(QPointF(1, 8), QPointF(6.5, 8));
             p.drawLine(QPointF(9.5, 8), QPointF(15, 8));
             p.setPen(QPen(kAccent, 1.6));
             p.drawLine(QPointF(6.5, 3), QPointF(6.5, 13));
             p.drawLine(QPointF(9.5, 3), QPointF(9.5, 13));
         }},
        {"resistance", [](QPainter &p) {
             QPolygonF z;
             z << QPointF(1, 8) << QPointF(3, 8) << QPointF(4, 5) << QPointF(6, 11) << QPointF(8, 5)
               << QPointF(10, 11) << QPointF(12, 5) << QPointF(13, 8) << QPointF(15, 8);
             p.drawPolyline(z);
         }},
        {"conductance", [](QPainter &p) {
             p.drawLine(QPointF(1, 8), QPointF(4, 8));
             p.drawLine(QPointF(12, 8), QPointF(15, 8));
             p.drawRect(QRectF(4, 5.5, 8, 5));
             p.setPen(QPen(kAccent, 1.2));
             p.drawLine(QPointF(2, 14), QPointF(12, 14));
             arrowHead(p, QPointF(14.5, 14), 0);
         }},
        {"inductance", [](QPainter &p) {
             p.drawLine(QPointF(0.5, 10), QPointF(2, 10));
             p.drawLine(QPointF(14, 10), QPointF(15.5, 10));
             for (int i = 0; i < 4; ++i)
                 p.drawArc(QRectF(2 + i * 3, 6, 3, 8), 0, 180 * 16);
         }},
        {"current", [](QPainter &p) {
             p.drawLine(QPointF(1, 8), QPointF(12, 8));
             arrowHead(p, QPointF(15, 8), 0);
             p.setPen(QPen(kAccent, 1.2));
             p.drawEllipse(QRectF(4, 4, 8, 8));
         }},
        {"charge", [](QPainter &p) {
             p.drawEllipse(QRectF(0.5, 4, 7, 7));
             p.drawEllipse(QRectF(8.5, 4, 7, 7));
             p.setPen(QPen(kAccent, 1.2));
             p.drawLine(QPointF(2, 7.5), QPointF(6, 7.5));
             p.drawLine(QPointF(4, 5.5), QPointF(4, 9.5));
             p.drawLine(QPointF(10, 7.5), QPointF(14, 7.5));
         }},
        {"magnetic", [](QPainter &p) {
             QPen pen(kInk, 3);
             pen.setCapStyle(Qt::FlatCap);
             p.setPen(pen);
             p.drawArc(QRectF(3, 3, 10, 10), 180 * 16, 180 * 16);
             p.drawLine(QPointF(3, 8), QPointF(3, 4));
             p.drawLine(QPointF(13, 8), QPointF(13, 4));
             p.setPen(QPen(kAccent, 3, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(3, 4), QPointF(3, 1));
             p.drawLine(QPointF(13, 4), QPointF(13, 1));
         }},
        {"angle", [](QPainter &p) {
             p.drawLine(QPointF(2, 14), QPointF(15, 14));
             p.drawLine(QPointF(2, 14), QPointF(12, 3));
             p.setPen(QPen(kAccent, 1.2));
             p.drawArc(QRectF(-5, 7, 14, 14), 0, 48 * 16);
         }},
        {"datastorage", [](QPainter &p) {
             p.drawEllipse(QRectF(2, 1.5, 12, 4));
             p.drawLine(QPointF(2, 3.5), QPointF(2, 12.5));
             p.drawLine(QPointF(14, 3.5), QPointF(14, 12.5));
             p.drawArc(QRectF(2, 10.5, 12, 4), 180 * 16, 180 * 16);
             p.setPen(QPen(kAccent, 1));
             p.drawArc(QRectF(2, 5.5, 12, 4), 180 * 16, 180 * 16);
         }},
        {"convert", [](QPainter &p) {
             p.drawLine(QPointF(1, 5), QPointF(12, 5));
             arrowHead(p, QPointF(15, 5), 0);
             p.setPen(QPen(kAccent, 1.2));
             p.drawLine(QPointF(4, 11), QPointF(15, 11));
             arrowHead(p, QPointF(1, 11), 180);
         }},
    };
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_property_icons <folder>\n");
        return 1;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, draw] : drawings()) {
        QSvgGenerator svg;
        svg.setFileName(dir.filePath(QString::fromLatin1(name) + ".svg"));
        svg.setSize(QSize(16, 16));
        svg.setViewBox(QRect(0, 0, 16, 16));
        svg.setResolution(90); // the dpi QSvgRenderer reads mm with, so the default size is 16 px
        svg.setTitle(QString::fromLatin1(name));
        QPainter p(&svg);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(kInk, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        draw(p);
    }
    return 0;
}
