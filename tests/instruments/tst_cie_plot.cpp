// The CIE 1931 plot: the marker lands where the mapping puts it at any
// size, its label stays inside near every edge, the generated drawing lines
// up with that mapping, and a missing drawing falls back to grey.
#include "instruments/vexmora_cieplot.h"
#include "tests/support/test_base.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

static bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
static bool isWhite(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }
static QImage shot(QWidget &w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

class CiePlotTest : public QObject
{
    Q_OBJECT
private slots:
    void markerFollowsTheMapping()
    {
        vexmora_cieplot plot(nullptr);
        plot.resize(455, 445);
        QCOMPARE(plot.cieToPixel(0.4, 0.45), QPointF(227.5, 222.5));
        QCOMPARE(plot.cieToPixel(0.8, 0.9), QPointF(455, 0));
        plot.plotPoint(0.4, 0.45, 10, 3000);
        QVERIFY(isRed(shot(plot).pixel(227, 222)));
        // Twice the size: the cached drawing is redone and the dot moves.
        plot.resize(910, 890);
        const QImage big = shot(plot);
        QVERIFY(isRed(big.pixel(455, 445)) && !isRed(big.pixel(227, 222)));
        for (const QPointF &gone : {QPointF(0.3, -1), QPointF(-0.1, 0.3), QPointF(qQNaN(), 0.3)}) {
            plot.plotPoint(gone.x(), gone.y(), 0, 0);
            QVERIFY(!isRed(shot(plot).pixel(455, 445)));
        }
        // Infinite and huge coordinates are bounded before any rounding.
        plot.plotPoint(qInf(), 1e300, 0, 0);
        QVERIFY(plot.markerPosition().x() <= 1e6);
        shot(plot);
    }

    void labelStaysInside()
    {
        vexmora_cieplot plot(nullptr);
        plot.resize(455, 445);
        plot.plotPoint(0.31271, 0.32902, 120.46, 6504.4);
        QCOMPARE(plot.labelText(), QStringLiteral("x=0.313\ny=0.329\nLux:120.5\nCCT:6504K"));
        const QFontMetrics fm(plot.font());
        QCOMPARE(plot.labelRect(plot.markerPosition(), fm).left(), qRound(plot.markerPosition().x()) + 8);
        for (const QPointF &p : {QPointF(0.79, 0.45), QPointF(0, 0.45), QPointF(0.4, 0.895), QPointF(0.4, 0.001),
                                 QPointF(0.8, 0.9), QPointF(0, 0), QPointF(5, 5)}) {
            plot.plotPoint(p.x(), p.y(), 120.46, 6504.4);
            QVERIFY(plot.rect().adjusted(4, 4, -4, -4).contains(plot.labelRect(plot.markerPosition(), fm)));
        }
        plot.plotPoint(0.8, 0.0, 0, 0);
        const QRect corner = plot.labelRect(plot.markerPosition(), fm);
        QCOMPARE(corner.right(), 455 - 5);
        QCOMPARE(corner.bottom(), 445 - 5);
    }

    // Colour inside the locus, white outside and at D65: the drawing and
    // the marker agree on where a chromaticity is.
    void drawingLinesUp()
    {
        vexmora_cieplot plot(nullptr);
        plot.resize(455, 445);
        const QImage img = shot(plot);
        const auto at = [&](double x, double y) { return img.pixel(plot.cieToPixel(x, y).toPoint()); };
        const QRgb green = at(0.075, 0.79), red = at(0.66, 0.32), blue = at(0.16, 0.03);
        QVERIFY(qGreen(green) > 200 && qRed(green) < 100 && qBlue(green) < 150);
        QVERIFY(qRed(red) > 200 && qGreen(red) < 120);
        QVERIFY(qBlue(blue) > 200 && qRed(blue) < 160);
        QVERIFY(isWhite(at(0.09, 0.87)) && isWhite(at(0.75, 0.65)) && isWhite(at(0.3127, 0.3290)));
    }

    // Not in the resources nor the working folder: grey, marker still
    // drawn.  A copy in the working folder is used.
    void missingDrawing()
    {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Q_CLEANUP_RESOURCE(images);
        vexmora_cieplot grey(nullptr);
        grey.resize(455, 445);
        grey.plotPoint(0.4, 0.45, 0, 0);
        const QImage img = shot(grey);
        QCOMPARE(QColor(img.pixel(10, 10)), QColor(Qt::lightGray));
        QVERIFY(isRed(img.pixel(227, 222)));
        QVERIFY(QFile::copy(KESP_SOURCE_DIR "/resources/images/cie1931.svg", dir.filePath("cie1931.svg")));
        QVERIFY(vexmora_cieplot(nullptr).hasBackground());
        Q_INIT_RESOURCE(images);
        QDir::setCurrent(old);
    }
};

KESP_TEST_MAIN(CiePlotTest)
#include "tst_cie_plot.moc"
