// Draws the program's bitmaps (splash, logo, on/off toggles, send/pause) into a folder.
// The output is committed; rerun this after changing a drawing.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

static const QColor kGreen(0x4C, 0xAF, 0x50);
static const QColor kDark(0x22, 0x3A, 0x5E);

static QImage logo(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, size, size);
    g.setColorAt(0, kGreen);
    g.setColorAt(1, kDark);
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92), size * 0.18, size * 0.18);
    // a chip outline with pins: the workbench talks to hardware
    p.setPen(QPen(Qt::white, qMax(1.0, size / 32.0)));
    p.setBrush(Qt::NoBrush);
    const QRectF chip(size * 0.26, size * 0.26, size * 0.48, size * 0.48);
    p.drawRoundedRect(chip, size * 0.05, size * 0.05);
    for (int i = 0; i < 3; ++i) {
        const qreal off = size * (0.35 + i * 0.15);
        p.drawLine(QPointF(off, size * 0.14), QPointF(off, size * 0.26));
        p.drawLine(QPointF(off, size * 0.74), QPointF(off, size * 0.86));
        p.drawLine(QPointF(size * 0.14, off), QPointF(size * 0.26, off));
        p.drawLine(QPointF(size * 0.74, off), QPointF(size * 0.86, off));
    }
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(int(size * 0.3));
    p.setFont(f);
    p.drawText(chip, Qt::AlignCenter, "K");
    return img;
}

static QImage splash()
{
    QImage img(520, 300, QImage::Format_ARGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 300);
    g.setColorAt(0, QColor(0xF4, 0xFB, 0xF5));
    g.setColorAt(1, QColor(0xD7, 0xEC, 0xDA));
    p.fillRect(img.rect(), g);
    p.drawImage(QPoint(40, 80), logo(128));
    p.setPen(kDark);
    QFont f("DejaVu Sans");
    f.setBold(true);
    f.setPixelSize(56);
    p.setFont(f);
    p.drawText(QRect(200, 80, 300, 70), Qt::AlignLeft | Qt::AlignVCenter, "KESP");
    f.setBold(false);
    f.setPixelSize(18);
    p.setFont(f);
    p.drawText(QRect(200, 150, 300, 30), Qt::AlignLeft | Qt::AlignVCenter, "Embedded workbench  3.4.4");
    p.setPen(kGreen);
    p.drawText(QRect(200, 180, 300, 30), Qt::AlignLeft | Qt::AlignVCenter, "Serial - Network - Sensors - Tools");
    return img;
}

static QImage toggle(bool on)
{
    QImage img(64, 30, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? kGreen : QColor(0xBD, 0xBD, 0xBD));
    p.drawRoundedRect(QRectF(1, 1, 62, 28), 14, 14);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(on ? 37 : 4, 4, 22, 22));
    return img;
}

// Send (a paper plane arrow) and pause (two bars) for the terminals' Send buttons.
static QImage sendIcon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    QPainterPath path;
    path.moveTo(3, 5);
    path.lineTo(29, 16);
    path.lineTo(3, 27);
    path.lineTo(8, 16);
    path.closeSubpath();
    p.drawPath(path);
    return img;
}

static QImage pauseIcon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0x4A, 0x19));
    p.drawRoundedRect(QRectF(7, 5, 6, 22), 2, 2);
    p.drawRoundedRect(QRectF(19, 5, 6, 22), 2, 2);
    return img;
}

// The Bluetooth rune on a blue disc, for the BLE explorer's device buttons.
static QImage bleIcon()
{
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1E, 0x88, 0xE5));
    p.drawEllipse(QRectF(1, 1, 30, 30));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath rune;
    rune.moveTo(10, 11);
    rune.lineTo(21, 21);
    rune.lineTo(16, 26);
    rune.lineTo(16, 6);
    rune.lineTo(21, 11);
    rune.lineTo(10, 21);
    p.drawPath(rune);
    return img;
}

// Signal strength for the modem console: four rising bars, `lit` of them green.
static QImage signalBars(int lit)
{
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const qreal h = 6 + i * 5;
        p.setBrush(i < lit ? kGreen : QColor(0xBD, 0xBD, 0xBD));
        p.drawRoundedRect(QRectF(2 + i * 5.5, 22 - h, 4, h), 1, 1);
    }
    return img;
}

// The UV gauge's sun: rays around a transparent middle, where the gauge
// paints its own coloured disc (radius 80 of 100).
static QImage sunRays()
{
    QImage img(200, 200, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(100, 100);
    p.setPen(Qt::NoPen);
    const int rays = 16;
    for (int i = 0; i < rays; ++i) {
        p.save();
        p.rotate(i * 360.0 / rays);
        QLinearGradient g(0, -82, 0, -99);
        g.setColorAt(0, QColor(0xFF, 0xB3, 0x00));
        g.setColorAt(1, QColor(0xFF, 0xE0, 0x82));
        p.setBrush(g);
        QPainterPath ray;
        const bool longRay = i % 2 == 0;
        ray.moveTo(-7, -82);
        ray.lineTo(0, longRay ? -99 : -93);
        ray.lineTo(7, -82);
        ray.closeSubpath();
        p.drawPath(ray);
        p.restore();
    }
    // Keep the middle clear, whatever the antialiasing spilled.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(0, 0), 80.0, 80.0);
    return img;
}

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_images <output folder>\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    bool ok = splash().save(dir + "/software.png")
           && logo(128).save(dir + "/logo.png")
           && logo(64).save(dir + "/logo.ico", "ICO")
           && toggle(true).save(dir + "/on.png")
           && toggle(false).save(dir + "/off.png")
           && sendIcon().save(dir + "/send.png")
           && pauseIcon().save(dir + "/pause.png")
           && bleIcon().save(dir + "/ble.png")
           && sunRays().save(dir + "/san.png");
    for (int lit = 0; lit <= 4; ++lit)
        ok = ok && signalBars(lit).save(dir + QString("/sig%1.png").arg(lit * 25));
    if (!ok)
        std::fprintf(stderr, "draw_images: could not write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
