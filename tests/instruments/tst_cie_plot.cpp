// The CIE 1931 plot: the marker lands where the mapping puts it at any
// size, its label stays inside near every edge, the generated drawing lines
// up with that mapping, and a missing drawing falls back to grey.
#include "instruments/vexmora_cie_widget.h"
#include "instruments/vexmora_cieplot.h"
#include "tests/support/kesp_test_support.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

static bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

static bool isWhite(QRgb c)
{
    return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245;
}

static QImage shot(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class CiePlotTest : public QObject
{
    Q_OBJECT
private slots:
    void markerFollowsTheMapping()
    {
        vexmora_cieplot plot(nullptr);
        plot.resize(455, 445);
        QVERIFY(plot.hasBackground());
        QCOMPARE(plot.cieToPixel(0.4, 0.45), QPointF(227.5, 222.5));
        QCOMPARE(plot.cieToPixel(0.8, 0.9), QPointF(455, 0));
        QCOMPARE(plot.cieToPixel(0, 0), QPointF(0, 445));

        plot.plotPoint(0.4, 0.45, 10, 3000);
        QVERIFY(isRed(shot(plot).pixel(227, 222)));
        // Twice the size, the same point: the cached drawing is redone too.
        plot.resize(910, 890);
        QImage big = shot(plot);
        QVERIFY(isRed(big.pixel(455, 445)));
        QVERIFY(!isRed(big.pixel(227, 222)));

        for (const QPointF &gone : {QPointF(0.3, -1), QPointF(-0.1, 0.3), QPointF(qQNaN(), 0.3)}) {
            plot.plotPoint(gone.x(), gone.y(), 0, 0);
            QCOMPARE(plot.markerPosition(), QPointF(-1, -1));
            QVERIFY(!isRed(shot(plot).pixel(455, 445)));
        }
        // Infinite or huge coordinates are drawn off the widget, never
        // rounded as they are.
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
        const QRect middle = plot.labelRect(plot.markerPosition(), fm);
        QCOMPARE(middle.left(), qRound(plot.markerPosition().x()) + 8);

        const QRect inside = plot.rect().adjusted(4, 4, -4, -4);
        for (const QPointF &p : {QPointF(0.79, 0.45), QPointF(0.0, 0.45), QPointF(0.4, 0.895), QPointF(0.4, 0.001),
                                 QPointF(0.8, 0.9), QPointF(0, 0), QPointF(5, 5)}) {
            plot.plotPoint(p.x(), p.y(), 120.46, 6504.4);
            const QRect b = plot.labelRect(plot.markerPosition(), fm);
            QVERIFY2(inside.contains(b), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
        plot.plotPoint(0.8, 0.45, 0, 0);
        QCOMPARE(plot.labelRect(plot.markerPosition(), fm).right(), 455 - 5);
        plot.plotPoint(0.4, 0.0, 0, 0);
        QCOMPARE(plot.labelRect(plot.markerPosition(), fm).bottom(), 445 - 5);
    }

    // The fill inside the locus, white outside, white at D65: the drawing
    // and the marker agree on where a chromaticity is.
    void drawingLinesUp()
    {
        vexmora_cieplot plot(nullptr);
        plot.resize(455, 445);
        const QImage img = shot(plot);
        const auto at = [&](double x, double y) { return img.pixel(plot.cieToPixel(x, y).toPoint()); };
        const QRgb green = at(0.075, 0.79);
        QVERIFY(qGreen(green) > 200 && qRed(green) < 100 && qBlue(green) < 150);
        QVERIFY(isWhite(at(0.09, 0.87)));
        QVERIFY(isWhite(at(0.75, 0.65)));
        QVERIFY(isWhite(at(0.3127, 0.3290)));
        const QRgb red = at(0.66, 0.32);
        QVERIFY(qRed(red) > 200 && qGreen(red) < 120);
        const QRgb blue = at(0.16, 0.03);
        QVERIFY(qBlue(blue) > 200 && qRed(blue) < 160);
    }

    // Without the drawing in the resources or the working folder: grey
    // with a notice, and the marker still drawn.  With a copy in the
    // working folder: that copy.
    void missingDrawing()
    {
        QTemporaryDir dir;
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Q_CLEANUP_RESOURCE(images);
        {
            vexmora_cieplot plot(nullptr);
            plot.resize(455, 445);
            QVERIFY(!plot.hasBackground());
            plot.plotPoint(0.4, 0.45, 0, 0);
            const QImage img = shot(plot);
            QCOMPARE(QColor(img.pixel(10, 10)), QColor(Qt::lightGray));
            QVERIFY(isRed(img.pixel(227, 222)));
        }
        QVERIFY(QFile::copy(QStringLiteral(KESP_SOURCE_DIR "/resources/images/cie1931.svg"),
                            dir.filePath(QStringLiteral("cie1931.svg"))));
        {
            vexmora_cieplot plot(nullptr);
            QVERIFY(plot.hasBackground());
        }
        Q_INIT_RESOURCE(images);
        QDir::setCurrent(old);
    }

    // The hand-entry row is there but hidden; bad input gets a warning.
    void handEntry()
    {
        vexmora_cie_widget w(nullptr);
        w.show();
        auto *x = w.findChild<QLineEdit *>(QStringLiteral("xLineEdit"));
        QVERIFY(x && !x->isVisible());
        QVERIFY(w.plot->isVisible());
        kesptest::ModalCloser closer;
        w.onPlotButtonClicked();
        QCOMPARE(closer.titles, QStringList{QStringLiteral("输入错误")});
        QCOMPARE(closer.texts, QStringList{QStringLiteral("请输入有效的 CIE x 和 CIE y 值。")});
        x->setText(QStringLiteral("0.3"));
        w.findChild<QLineEdit *>(QStringLiteral("yLineEdit"))->setText(QStringLiteral("0.4"));
        w.onPlotButtonClicked();
        QCOMPARE(closer.count(), 1);
        QCOMPARE(w.plot->pointX(), 0.3);
        QCOMPARE(w.plot->pointLux(), 0.0);
    }
};

QTEST_MAIN(CiePlotTest)
#include "tst_cie_plot.moc"
