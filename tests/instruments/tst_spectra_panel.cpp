// The "Spectra" tab against a fake spectral board on a pty: the bars and
// the curve end on the last sweep sent however the lines are cut, the
// type/chart cascade shows the right pages, the curve shows each
// wavelength's colour, the log stays bounded, junk and endless lines stop
// nothing, and a half line survives Clear Log but not a new Open.
#include "sensor_fixture.h"

#include "instruments/vexmora_spectroscopy.h"
#include "instruments/vexmora_spectroscopy_spline.h"
#include "instruments/vexmora_spectroscopy_squarediagram.h"
#include "instruments/spectra_line.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextBlock>

using namespace sensortest;

struct SpectraWindow : SensorWindow
{
    vexmora_spectroscopy *chart() { return w.findChild<vexmora_spectroscopy *>(); }
    QComboBox *type() { return child<QComboBox>(w, "SpectraYPEcomboBox"); }
    QComboBox *kind() { return child<QComboBox>(w, "SpectraportChartComboBox"); }
    QPlainTextEdit *log() { return child<QPlainTextEdit>(w, "Spectra_textEdit"); }
    int page() { return chart()->stackedWidget->currentIndex(); }
    bool open() { return SensorWindow::open("SpectraopencompushButton", "SpectraportNameComboBox"); }
    QStringList kinds()
    {
        QStringList out;
        for (int i = 0; i < kind()->count(); ++i)
            out << kind()->itemText(i);
        return out;
    }
    QList<double> bars(int chip)
    {
        vexmora_spectroscopy_Squarediagram *d[] = {chart()->diagramAS7341, chart()->diagramAS7343,
                                                   chart()->diagramAS7265X};
        QList<double> out;
        for (int i = 0; i < d[chip]->channelCount(); ++i)
            out << d[chip]->barSets[i]->at(0);
        return out;
    }
    // The board's last sweep, as the charts should show it.
    QList<double> sweep(const QString &chip, int sweeps, int seed, const QStringList &extra = {})
    {
        QProcess p;
        p.start("python3", QStringList{KESP_SPECTRA_BOARD, pty.deviceB(), chip, "--sweeps", QString::number(sweeps),
                                       "--seed", QString::number(seed)} + extra);
        kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
        QList<double> out;
        const QJsonObject last = QJsonDocument::fromJson(p.readAllStandardOutput().split('\n').first()).object();
        for (const QJsonValue v : last["values"].toArray())
            out << v.toInt() / 1000.0;
        return out;
    }
};

class SpectraPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void barsFollowTheBoard()
    {
        SpectraWindow t;
        QCOMPARE(t.page(), 0);
        QCOMPARE(t.kinds(), QStringList{"Bar Chart"});
        QVERIFY(t.log()->isHidden() && t.log()->isReadOnly());
        QCOMPARE(child<QComboBox>(t.w, "SpectrabaudRateComboBox")->currentText(), QStringLiteral("115200"));
        QVERIFY(t.open());
        for (int chip = 0; chip < 3; ++chip) {
            t.type()->setCurrentIndex(chip);
            QCOMPARE(t.page(), chip);
            const QList<double> sent = t.sweep(t.type()->currentText(), 3, 10 + chip,
                                               chip == 1 ? QStringList{"--split-crlf"} : QStringList{});
            QCOMPARE(sent.size(), QList<int>({9, 12, 18}).at(chip));
            QVERIFY(kesptest::waitFor([&] { return t.bars(chip) == sent; }));
        }

        t.type()->setCurrentIndex(0);
        QList<double> expect = t.bars(0);
        expect[3] = 0.777;
        QVERIFY(t.pty.writeFar("F4:777\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0) == expect; }));
        expect[0] = 1.0;
        expect[8] = 0.25;
        expect[1] = -0.2;
        QVERIFY(t.pty.writeFar("F1:1000\r\nNIR:500\r\nF9:250\r\nf1:100\r\n F1:100\r\nF1:100:5\r\n"
                               "F1:2147483648\r\nFXL:5\r\nF2:-200\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.bars(0) == expect; }));
    }

    void cascadeAndCurve()
    {
        SpectraWindow t;
        t.type()->setCurrentIndex(2);
        QCOMPARE(t.kinds(), (QStringList{"Bar Chart", "Line Chart"}));
        QCOMPARE(t.page(), 2);
        t.kind()->setCurrentIndex(1);
        QCOMPARE(t.page(), 3);
        QVERIFY(t.open());
        vexmora_spectroscopy_spline *spline = t.chart()->spline;
        QVERIFY(t.pty.writeFar("F1:800\r\n"));
        QVERIFY(kesptest::waitFor([&] { return spline->data().at(1) == 0.8; }));
        const QList<double> sent = t.sweep("AS7265X", 2, 5);
        QVERIFY(kesptest::waitFor([&] { return spline->data().mid(1) == sent; }));
        QCOMPARE(spline->data().at(0), 0.0);

        // All 1: each wavelength's column, mid-height, shows its colour.
        auto feedAll = [&](int v) {
            QByteArray lines;
            for (int i = 1; i <= 18; ++i)
                lines += "F" + QByteArray::number(i) + ":" + QByteArray::number(v) + "\r\n";
            QVERIFY(t.pty.writeFar(lines));
            QVERIFY(kesptest::waitFor([&] { return spline->data().last() == v / 1000.0; }));
        };
        feedAll(1000);
        spline->resize(760, 400);
        QImage img = spline->grab().toImage();
        const QList<double> nm = spline->waves();
        const double pw = spline->width() - 70;
        for (int j = 1; j < nm.size(); ++j) {
            const int x = qMin(int(j * pw / (nm.size() - 1) + 50), spline->width() - 21);
            const QColor got = img.pixelColor(x, 20 + (spline->height() - 60) / 2);
            const QColor want = SpectraLine::wavelengthColor(nm.at(j));
            QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) + qAbs(got.blue() - want.blue()) <= 24,
                     qPrintable(QString("%1 nm: %2 not %3").arg(nm.at(j)).arg(got.name(), want.name())));
        }
        // All 0: nothing but white, grey grid and text.
        feedAll(0);
        img = spline->grab().toImage();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                QVERIFY(qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue())) <= 12);
            }

        t.type()->setCurrentIndex(1);
        QCOMPARE(t.kinds(), QStringList{"Bar Chart"});
        QCOMPARE(t.page(), 1);
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
        QVERIFY(t.log()->isHidden());
        child<QCheckBox>(t.w, "SpectracheckBox")->click();
        QVERIFY(t.log()->isVisible());
        child<QCheckBox>(t.w, "SpectracheckBox")->click();
        QVERIFY(t.log()->isHidden());

        // Clear Log with half a line: the bar gets it whole, the log only its end.
        QVERIFY(t.pty.writeFar("F2:1"));
        kesptest::spin(50);
        QVERIFY(t.pty.writeFar("23"));
        kesptest::spin(50);
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

QTEST_MAIN(SpectraPanelTest)
#include "tst_spectra_panel.moc"
