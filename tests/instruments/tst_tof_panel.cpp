// The "TOF" tab against a fake board on a pty: views agree with the combos
// from the start and follow type, arrangement and range; VL53L9 frames of
// 576 and 2268 values show windowed, filtered and mirrored in grid, heat
// map and (once shown) surface; a cut frame counts once; an endless line
// does not cost the next frame.
#include "sensor_fixture.h"

#include "instruments/tof_frame.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"

#include <QJsonArray>
#include <QtDataVisualization/Q3DSurface>
#include <QtDataVisualization/QValue3DAxis>
#include <QLabel>
#include <QPlainTextEdit>

using namespace sensortest;

struct TofWindow : SensorWindow
{
    vexmora_tof *tof() { return w.findChild<vexmora_tof *>(); }
    vexmora_tof_data *grid() { return tof()->dataView; }
    vexmora_tof_heatmap *map() { return tof()->heatmapView; }
    const QSurfaceDataArray &surface() { return *tof()->surfaceView->surfaceData(); }
    QComboBox *combo(const char *name) { return child<QComboBox>(w, name); }

    // Runs the board; returns what the views must end on, with the filter
    // on, after `frames` more frames of `count` values (history in `state`).
    QList<int> feed(int count, int frames, QList<int> &values, TofFrame::FilterState &state)
    {
        QProcess p;
        p.start("python3", {KESP_FAKE_TOF, pty.deviceB(), QString::number(count), "--frames",
                            QString::number(frames), "--seed", QString::number(count), "--cut"});
        kesptest::waitFor([&] { return p.waitForFinished(10); }, 60000);
        int n = 0;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
            if (line.startsWith('['))
                n = TofFrame::apply(values, state, TofFrame::VL53L9, TofFrame::splitValues(line.mid(1).chopped(1)), true);
        return values.mid(0, n);
    }
    QList<int> gridTexts(int n)
    {
        QList<int> v;
        for (int i = 0; i < n; ++i)
            v << grid()->labels.at(i)->text().toInt();
        return v;
    }
};

class TofPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void combosDriveViews()
    {
        TofWindow t;
        QCOMPARE(t.combo("TOFTYPEcomboBox")->currentText() + t.combo("TOFArrangementcomboBox")->currentText()
                     + t.combo("TOFRangeComboBox")->currentText() + t.combo("TOFChartComboBox")->currentText(),
                 QStringLiteral("VL53LMZ4x420002D"));
        QCOMPARE(t.combo("TOFFilterComboBox")->currentText(), QStringLiteral("Filter: ON (IIR 3:7)"));
        QVERIFY(t.combo("TOFFilterComboBox")->isHidden() && child<QPushButton>(t.w, "TOF_Clear_pushButton")->isHidden());
        QVERIFY(child<QPlainTextEdit>(t.w, "TOF_StrTextBrowser")->isHidden());
        QCOMPARE(child<QPushButton>(t.w, "TOFopencompushButton")->styleSheet(), kGreen);
        // From the start, not only after the first change.
        QVERIFY(t.grid()->labels.size() == 16 && t.map()->rows * t.map()->cols == 16 && t.surface().size() == 4);
        QVERIFY(t.grid()->maxRange == 2000 && t.map()->maxRange == 2000 && t.tof()->surfaceView->maxRange == 2000);

        t.combo("TOFTYPEcomboBox")->setCurrentIndex(2);
        QVERIFY(t.combo("TOFArrangementcomboBox")->count() == 4 && t.grid()->labels.size() == 64);
        t.combo("TOFArrangementcomboBox")->setCurrentText("48x32");
        QVERIFY(t.grid()->labels.size() == 1536 && t.map()->rows == 32 && t.map()->cols == 48);
        QVERIFY(t.surface().size() == 32 && t.surface().at(0)->size() == 48);
        t.combo("TOFRangeComboBox")->setCurrentText("12000");
        QVERIFY(t.grid()->maxRange == 12000 && t.map()->maxRange == 12000 && t.tof()->surfaceView->maxRange == 12000);
        // The surface's graph, a 3D window, is made only when the 3D view is
        // first shown, with the arrangement and range chosen before.
        vexmora_tof_surface *surface = t.tof()->surfaceView;
        t.w.show();
        child<QTabWidget>(t.w, "tabWidget")->setCurrentWidget(child<QWidget>(t.w, "TOF"));
        QVERIFY(!surface->surfaceGraph());
        t.combo("TOFChartComboBox")->setCurrentIndex(1);
        QVERIFY(surface->surfaceGraph());
        QCOMPARE(surface->surfaceGraph()->axisX()->max(), 47.f);
        QCOMPARE(surface->surfaceGraph()->axisZ()->max(), 31.f);
        QCOMPARE(surface->surfaceGraph()->axisY()->max(), 12000.f);
        t.combo("TOFTYPEcomboBox")->setCurrentIndex(3);
        QVERIFY(!t.combo("TOFFilterComboBox")->isHidden() && t.grid()->labels.size() == 2268);
    }

    void streamsFrames()
    {
        TofWindow t;
        t.combo("TOFTYPEcomboBox")->setCurrentIndex(3);
        t.combo("TOFRangeComboBox")->setCurrentText("4000");
        QVERIFY(t.open("TOFopencompushButton", "TOFportNameComboBox"));
        QList<int> values(TofFrame::kMaxValues, 0);
        TofFrame::FilterState state{};
        QList<int> want = t.feed(576, 4, values, state);
        QCOMPARE(want.size(), 480);
        QVERIFY(kesptest::waitFor([&] { return t.map()->values == want && t.gridTexts(480) == want; }));
        QCOMPARE(t.map()->rows, 20);

        want = t.feed(2268, 3, values, state);
        QVERIFY(kesptest::waitFor([&] { return t.map()->values == want && t.gridTexts(2268) == want; }, 10000));
        QCOMPARE(t.grid()->labels.at(5)->styleSheet(),
                 QStringLiteral("background-color: %1; color: white;").arg(t.grid()->calculateColor(want[5]).name()));
        t.combo("TOFChartComboBox")->setCurrentIndex(1); // the hidden surface catches up, rows reversed
        QVERIFY(kesptest::waitFor([&] { return t.surface().at(1)->at(53).y() == std::min(want[54], 4000); }));
        QCOMPARE(t.surface().at(41)->at(0).y(), std::min(want[2267], 4000));

        // Cut into 97-byte writes, a frame counts once: twice would give 1510.
        t.combo("TOFChartComboBox")->setCurrentIndex(0);
        t.combo("TOFFilterComboBox")->setCurrentIndex(0);
        t.combo("TOFFilterComboBox")->setCurrentIndex(1);
        const QByteArray pad = QByteArray("1,").repeated(48);
        auto frame = [&](QByteArray v) { return pad + (v + ",").repeated(480) + pad.chopped(1) + "\r\n"; };
        QVERIFY(t.pty.writeFar(frame("1000")));
        const QByteArray cut = frame("2000");
        for (int i = 0; i < cut.size(); i += 97)
            QVERIFY(t.pty.writeFar(cut.mid(i, 97)));
        QVERIFY(kesptest::waitFor([&] { return t.gridTexts(480) == QList<int>(480, 1300); }));
        kesptest::spin(200);
        QCOMPARE(t.map()->values, QList<int>(480, 1300));

        // A megabyte without a line end, then a valid frame: shown.
        QVERIFY(t.pty.writeFar(QByteArray(1 << 20, 'x') + "\r\n" + frame("3000")));
        QVERIFY(kesptest::waitFor([&] { return t.map()->values == QList<int>(480, 1810); }, 10000));
    }
};

QTEST_MAIN(TofPanelTest)
#include "tst_tof_panel.moc"
