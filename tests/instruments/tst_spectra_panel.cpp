// The "Spectra" tab against a fake spectral board on a pty: bars and curve
// end on the last sweep however the lines are cut, the type/chart cascade
// shows the right pages, the curve shows each wavelength's colour, the log
// stays bounded, endless lines stop nothing, a half line survives Clear Log.
#include "sensor_fixture.h"

#include "instruments/spectra_line.h"
#include "instruments/vexmora_spectroscopy.h"
#include "instruments/vexmora_spectroscopy_spline.h"
#include "instruments/vexmora_spectroscopy_squarediagram.h"
#include "tests/support/test_base.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextBlock>

using namespace sensortest;

// 0 for white, greys and black; small for colours close to each other.
static int spread(QColor c) { return qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue())); }
static bool near(QColor a, QColor b) { return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 24; }

struct SpectraWindow : SensorWindow
{
    vexmora_spectroscopy *chart() { return w.findChild<vexmora_spectroscopy *>(); }
    QComboBox *type() { return child<QComboBox>(w, "SpectraYPEcomboBox"); }
    QComboBox *kind() { return child<QComboBox>(w, "SpectraportChartComboBox"); }
    QPlainTextEdit *log() { return child<QPlainTextEdit>(w, "Spectra_textEdit"); }
    int page() { return chart()->stackedWidget->currentIndex(); }
    bool open() { return SensorWindow::open("SpectraopencompushButton", "SpectraportNameComboBox"); }
    QList<double> bars(int chip)
    {
        auto *d = QList{chart()->diagramAS7341, chart()->diagramAS7343, chart()->diagramAS7265X}.at(chip);
        QList<double> out;
        for (int i = 0; i < d->channelCount(); ++i)
            out << d->barSets[i]->at(0);
        return out;
    }
    // Runs the board; the last sweep as the charts should show it.
    QList<double> sweep(const QString &chip, int seed, const QStringList &extra = {})
    {
        QProcess p;
        p.start("python3", QStringList{KESP_SPECTRA_BOARD, pty.deviceB(), chip, "--sweeps", "3", "--seed",
                                       QString::number(seed)} + extra);
        kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
        QList<double> out;
        for (const QJsonValue v : QJsonDocument::fromJson(p.readAllStandardOutput().split('\n').first())["values"].toArray())
            out << v.toInt() / 1000.0;
        return out;
    }
};

class SpectraPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void chartsFollowTheBoard()
    {
        SpectraWindow t;
        QCOMPARE(t.page(), 0);
        QCOMPARE(t.kind()->count(), 1);
        QVERIFY(t.log()->isHidden() && t.log()->isReadOnly());
        QVERIFY(t.open());
        for (int chip = 0; chip < 3; ++chip) {
            t.type()->setCurrentIndex(chip);
            QCOMPARE(t.page(), chip);
            const QList<double> sent = t.sweep(t.type()->currentText(), chip, QStringList{"--split-crlf"}.mid(chip % 2));
            QCOMPARE(sent.size(), QList<int>({9, 12, 18}).at(chip));
            QVERIFY(kesptest::waitFor([&] { return t.bars(chip) == sent; }));
        }
        QCOMPARE(t.kind()->itemText(1), QStringLiteral("Line Chart"));
        t.type()->setCurrentIndex(0);
        QCOMPARE(t.kind()->count(), 1);
        QList<double> expect = t.bars(0);
        expect[3] = 0.777; // only "F4"
        QVERIFY(t.pty.writeFar("F4:777\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0) == expect; }));
        expect[0] = 1.0;
        expect[8] = 0.25;
        expect[1] = -0.2;
        QVERIFY(t.pty.writeFar("F1:1000\r\nNIR:500\r\nF9:250\r\nf1:1\r\n F1:1\r\nF1:1:5\r\nF1:2147483648\r\nFXL:5\r\nF2:-200\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0) == expect; }));

        // The curve: channel n on point n + 1, 380 nm never fed.
        t.type()->setCurrentIndex(2);
        t.kind()->setCurrentIndex(1);
        QCOMPARE(t.page(), 3);
        vexmora_spectroscopy_spline *spline = t.chart()->spline;
        const QList<double> sent = t.sweep("AS7265X", 5);
        QVERIFY(kesptest::waitFor([&] { return spline->data().mid(1) == sent && spline->data().at(0) == 0.0; }));
        auto feedAll = [&](int v) {
            QByteArray lines;
            for (int i = 1; i <= 18; ++i)
                lines += "F" + QByteArray::number(i) + ":" + QByteArray::number(v) + "\r\n";
            QVERIFY(t.pty.writeFar(lines));
            QVERIFY(kesptest::waitFor([&] { return spline->data().mid(1) == QList<double>(18, v / 1000.0); }));
        };
        // All 1: each wavelength's column, mid-height, shows its colour.
        feedAll(1000);
        spline->resize(760, 400);
        QImage img = spline->grab().toImage();
        const QList<double> nm = spline->waves();
        for (int j = 1; j < nm.size(); ++j) {
            const int x = qMin(int(j * 690.0 / 18 + 50), 739);
            QVERIFY2(near(img.pixelColor(x, 190), SpectraLine::wavelengthColor(nm.at(j))), qPrintable(QString::number(nm.at(j))));
        }
        // All 0: nothing coloured.
        feedAll(0);
        img = spline->grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                QVERIFY(spread(img.pixelColor(x, y)) <= 12);
        // Lists of different lengths paint their common part; below two
        // points there is no curve (and no division by zero).
        spline->setSpectrumData(QList<double>(19, 1.0));
        spline->setWavelengths({400, 500, 600});
        const QPoint mid(50 + (spline->width() - 70) / 2, spline->height() / 2);
        QVERIFY(near(spline->grab().toImage().pixelColor(mid), SpectraLine::wavelengthColor(500)));
        spline->setWavelengths({500});
        QVERIFY(spread(spline->grab().toImage().pixelColor(mid)) <= 12);
        t.type()->setCurrentIndex(1);
        QCOMPARE(t.page(), 1);
        QCOMPARE(t.kind()->count(), 1);
    }

    void logAndBadInput()
    {
        SpectraWindow t;
        QVERIFY(t.open());
        QByteArray lines;
        for (int i = 0; i < 20000; ++i)
            lines += "F3:" + QByteArray::number(i) + "\r\n";
        QVERIFY(t.pty.writeFar(lines));
        QVERIFY(kesptest::waitFor([&] { return t.log()->document()->lastBlock().text() == "F3:19999"; }, 20000));
        QVERIFY(t.log()->document()->blockCount() <= 10000);
        auto *box = child<QCheckBox>(t.w, "SpectracheckBox");
        box->click();
        QVERIFY(t.log()->isVisible());
        box->click();
        QVERIFY(t.log()->isHidden());

        // Clear Log with half a line: the bar gets it whole, the log its end.
        QVERIFY(t.pty.writeFar("F2:123"));
        kesptest::spin(100);
        press(t.w, "Spectra_pushButton_Clear_Log");
        QCOMPARE(t.log()->toPlainText(), QString());
        QVERIFY(t.pty.writeFar("4\r\n  \r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0).at(1) == 1.234; }));
        QCOMPARE(t.log()->toPlainText(), QStringLiteral("4"));

        // A megabyte without a line end costs its own line only.
        QVERIFY(t.pty.writeFar(QByteArray(1 << 20, 'A') + "F5:500\r\nF6:600\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0).at(5) == 0.6; }, 20000));
        QCOMPARE(t.bars(0).at(4), 0.0);
        QVERIFY(t.log()->toPlainText().endsWith("\nF6:600"));
        QVERIFY(t.log()->document()->findBlockByNumber(1).text().size() <= 64 * 1024);

        // A new Open starts a fresh line.
        QVERIFY(t.pty.writeFar("F7:12"));
        kesptest::spin(50);
        press(t.w, "SpectraopencompushButton");
        QVERIFY(t.open());
        QVERIFY(t.pty.writeFar("3\r\nF8:1\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0).at(7) == 0.001; }));
        QCOMPARE(t.bars(0).at(6), 0.0);
    }
};

KESP_TEST_MAIN(SpectraPanelTest)
#include "tst_spectra_panel.moc"
