// The "TOF" tab against a fake board on a pty: the start state matches the
// combos, VL53L9 frames of 576 and 2268 values reach grid, heat map and
// surface windowed, filtered and mirrored, a cut frame counts once, an
// endless line does not cost the next frame, and type, arrangement and
// range changes drive all three views.
#include "sensor_fixture.h"

#include "instruments/tof_frame.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"

#include <QJsonArray>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStackedWidget>

using namespace sensortest;

struct TofWindow : SensorWindow
{
    vexmora_tof *tof() { return w.findChild<vexmora_tof *>(); }
    vexmora_tof_data *grid() { return tof()->dataView; }
    vexmora_tof_heatmap *map() { return tof()->heatmapView; }
    vexmora_tof_surface *surface() { return tof()->surfaceView; }
    QComboBox *combo(const char *name) { return child<QComboBox>(w, name); }
    bool open() { return SensorWindow::open("TOFopencompushButton", "TOFportNameComboBox"); }

    // Frames sent by the board, each as the list of its values.
    QList<QList<int>> feed(int count, int frames, int seed, bool cut)
    {
        QProcess p;
        QStringList args{QStringLiteral(KESP_FAKE_TOF), pty.deviceB(), "--count", QString::number(count),
                         "--frames", QString::number(frames), "--seed", QString::number(seed), "--print"};
        if (cut)
            args << "--cut";
        p.start(QStringLiteral("python3"), args);
        if (!p.waitForStarted(5000))
            return {};
        kesptest::waitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
        QList<QList<int>> out;
        for (const QByteArray &line : p.readAllStandardOutput().split('\n')) {
            const QJsonArray a = QJsonDocument::fromJson(line).array();
            if (a.isEmpty())
                continue;
            QList<int> v;
            for (const QJsonValue &x : a)
                v << x.toInt();
            out << v;
        }
        return out;
    }

    QList<int> gridTexts(int n)
    {
        QList<int> v;
        for (int i = 0; i < n; ++i)
            v << grid()->labels.at(i)->text().toInt();
        return v;
    }

    QList<int> surfaceRow(int row)
    {
        QList<int> v;
        for (const QSurfaceDataItem &item : *surface()->surfaceData()->at(row))
            v << int(item.y());
        return v;
    }
};

// What the views must end on for VL53L9 frames with the filter on.
static QList<int> expected(const QList<QList<int>> &frames, int *count)
{
    QList<int> values(TofFrame::kMaxValues, 0);
    TofFrame::FilterState state{};
    for (const QList<int> &f : frames) {
        QByteArrayList parts;
        for (int v : f)
            parts << QByteArray::number(v);
        *count = TofFrame::apply(values, state, TofFrame::VL53L9, TofFrame::splitValues(parts.join(',')), true);
    }
    return values.mid(0, *count);
}

class TofPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void startStateAndChanges()
    {
        TofWindow t;
        QCOMPARE(t.combo("TOFTYPEcomboBox")->currentText(), QStringLiteral("VL53LMZ"));
        QCOMPARE(t.combo("TOFArrangementcomboBox")->currentText(), QStringLiteral("4x4"));
        QCOMPARE(t.combo("TOFRangeComboBox")->currentText(), QStringLiteral("2000"));
        QCOMPARE(t.combo("TOFChartComboBox")->currentText(), QStringLiteral("2D"));
        QCOMPARE(t.combo("TOFFilterComboBox")->currentText(), QStringLiteral("Filter: ON (IIR 3:7)"));
        QVERIFY(t.combo("TOFFilterComboBox")->isHidden());
        QVERIFY(child<QPlainTextEdit>(t.w, "TOF_StrTextBrowser")->isHidden());
        QVERIFY(child<QPlainTextEdit>(t.w, "TOF_StrTextBrowser")->isReadOnly());
        QVERIFY(child<QPushButton>(t.w, "TOF_Clear_pushButton")->isHidden());
        QCOMPARE(child<QPushButton>(t.w, "TOFopencompushButton")->styleSheet(), kGreen);

        // The views follow the combos from the start.
        QCOMPARE(t.grid()->labels.size(), 16);
        QCOMPARE(t.map()->rows * t.map()->cols, 16);
        QCOMPARE(t.surface()->surfaceData()->size(), 4);
        QCOMPARE(t.grid()->maxRange, 2000);
        QCOMPARE(t.map()->maxRange, 2000);
        QCOMPARE(t.surface()->maxRange, 2000);

        t.combo("TOFTYPEcomboBox")->setCurrentIndex(2);
        QCOMPARE(t.combo("TOFArrangementcomboBox")->count(), 4);
        QCOMPARE(t.grid()->labels.size(), 64);
        t.combo("TOFArrangementcomboBox")->setCurrentText("48x32");
        QCOMPARE(t.grid()->labels.size(), 1536);
        QCOMPARE(t.map()->rows, 32);
        QCOMPARE(t.map()->cols, 48);
        QCOMPARE(t.surface()->surfaceData()->size(), 32);
        QCOMPARE(t.surface()->surfaceData()->at(0)->size(), 48);
        t.combo("TOFRangeComboBox")->setCurrentText("12000");
        QCOMPARE(t.grid()->maxRange, 12000);
        QCOMPARE(t.map()->maxRange, 12000);
        QCOMPARE(t.surface()->maxRange, 12000);
        QCOMPARE(t.surface()->surfaceData()->size(), 32);

        t.combo("TOFTYPEcomboBox")->setCurrentIndex(3);
        QVERIFY(!t.combo("TOFFilterComboBox")->isHidden());
        QCOMPARE(t.combo("TOFArrangementcomboBox")->currentText(), QStringLiteral("54x42"));
        QCOMPARE(t.grid()->labels.size(), 2268);

        t.combo("TOFChartComboBox")->setCurrentIndex(2);
        QCOMPARE(t.tof()->stackedWidget->currentWidget(), t.map());
    }

    void streamsFrames()
    {
        TofWindow t;
        t.combo("TOFTYPEcomboBox")->setCurrentIndex(3);
        t.combo("TOFRangeComboBox")->setCurrentText("4000");
        QVERIFY(t.open());

        // 576 values: the 20 x 24 window, filtered and mirrored.
        QList<QList<int>> frames = t.feed(576, 4, 1, true);
        QCOMPARE(frames.size(), 4);
        int count = 0;
        QList<int> want = expected(frames, &count);
        QCOMPARE(count, 480);
        QVERIFY(kesptest::waitFor([&] { return t.map()->values == want; }));
        QCOMPARE(t.map()->rows, 20);
        QVERIFY(kesptest::waitFor([&] { return t.gridTexts(480) == want; }));

        // 2268 values, the filter history running on from the same window.
        QList<QList<int>> more = t.feed(2268, 3, 2, true);
        QCOMPARE(more.size(), 3);
        frames += more;
        want = expected(frames, &count);
        QCOMPARE(count, 2268);
        QVERIFY(kesptest::waitFor([&] { return t.map()->values == want; }));
        QCOMPARE(t.map()->rows, 42);
        QVERIFY(kesptest::waitFor([&] { return t.gridTexts(2268) == want; }, 10000));
        QCOMPARE(t.grid()->labels.at(0)->styleSheet(),
                 QStringLiteral("background-color: %1; color: white;")
                     .arg(t.grid()->calculateColor(want.at(0)).name()));

        // The hidden surface catches up when shown; each row reversed.
        t.combo("TOFChartComboBox")->setCurrentIndex(1);
        QVERIFY(kesptest::waitFor([&] {
            QList<int> row = want.mid(54, 54);
            std::reverse(row.begin(), row.end());
            return t.surfaceRow(1) == row;
        }));

        // A frame cut into single bytes counts once: with the filter on, a
        // second pass would move 1300 on to 1510.
        t.combo("TOFChartComboBox")->setCurrentIndex(0);
        t.combo("TOFFilterComboBox")->setCurrentIndex(0);
        t.combo("TOFFilterComboBox")->setCurrentIndex(1);
        const QByteArray pad48 = QByteArray("1,").repeated(48);
        auto frame = [&](const char *value) {
            return pad48 + (QByteArray(value) + ",").repeated(480) + pad48.chopped(1) + "\r\n";
        };
        QVERIFY(t.pty.writeFar(frame("1000")));
        const QByteArray cut = frame("2000");
        for (int i = 0; i < cut.size(); i += 97) {
            QVERIFY(t.pty.writeFar(cut.mid(i, 97)));
            kesptest::spin(2);
        }
        QVERIFY(kesptest::waitFor([&] { return t.gridTexts(1) == QList<int>{1300}; }));
        kesptest::spin(200);
        QCOMPARE(t.gridTexts(480), QList<int>(480, 1300));
        QCOMPARE(t.map()->values, QList<int>(480, 1300));

        // A megabyte without a line end, then a valid frame: shown.
        QVERIFY(t.pty.writeFar(QByteArray(1 << 20, 'x')));
        QVERIFY(t.pty.writeFar("\r\n" + frame("3000")));
        QVERIFY(kesptest::waitFor([&] { return t.map()->values.value(0) == (7 * 1300 + 3 * 3000) / 10; }, 10000));
        QCOMPARE(t.map()->values.size(), 480);
    }
};

QTEST_MAIN(TofPanelTest)
#include "tst_tof_panel.moc"
