// The "Oscilloscope" tab against the fake board on a pty: one point per
// channel per line however the lines are cut, lists capped at 20000 with X
// from the program-wide counter, the chart fed at a bounded rate and always
// ending on the last line, and the channel boxes hiding whole histories.
#include "sensor_fixture.h"

#include "instruments/mwave_view.h"
#include "tests/support/test_base.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QSignalSpy>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

using namespace sensortest;

struct OscWindow : SensorWindow
{
    QChart *chart() { return w.findChild<MWaveView *>()->chart(); }
    QLineSeries *series(int k) { return static_cast<QLineSeries *>(chart()->series().at(k)); }
    QValueAxis *axisX() { return static_cast<QValueAxis *>(chart()->axes(Qt::Horizontal).first()); }
    bool open() { return SensorWindow::open("OSCopencompushButton", "OSCportNameComboBox"); }
};

class OscilloscopePanelTest : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        OscWindow t;
        QVERIFY(t.chart());
        QCOMPARE(t.chart()->series().size(), 16);
        for (int k = 0; k < 4; ++k) {
            auto *box = child<QCheckBox>(t.w, qPrintable(QStringLiteral("checkBox_%1").arg(k)));
            QVERIFY(box->isChecked());
            QCOMPARE(box->text(), QStringLiteral("Channel %1").arg(k));
        }
        QCOMPARE(child<QComboBox>(t.w, "OSCbaudRateComboBox")->currentText(), QStringLiteral("115200"));
    }

    // 25000 lines cut into 1-9 byte writes, as fast as the board can.
    void streamKeepsTheNewest20000()
    {
        OscWindow t;
        QVERIFY(t.open());
        QVERIFY(t.pty.writeFar("noise$0:1;$1:2;$2:3;$3:4;\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.series(0)->count() > 0; }));
        const double x0 = t.series(0)->points().last().x();
        QCOMPARE(t.series(3)->points().last(), QPointF(x0, 4));

        QSignalSpy replaced(t.series(0), &QLineSeries::pointsReplaced);
        QElapsedTimer clock;
        clock.start();
        const QList<QJsonObject> sent = t.board("osc", 25000, 3, 0);
        QCOMPARE(sent.size(), 25001);
        QVERIFY(kesptest::waitFor([&] { return t.series(0)->count() == 20000
                                                && t.series(0)->points().last().x() == x0 + 25000; }, 10000));
        const qint64 elapsed = clock.elapsed();
        // The lists reach the chart a batch at a time, never more often
        // than every 40 ms.
        QVERIFY2(replaced.count() <= elapsed / 40 + 3,
                 qPrintable(QStringLiteral("%1 replaces in %2 ms").arg(replaced.count()).arg(elapsed)));

        const QJsonArray last = sent.at(24999)["values"].toArray();
        for (int k = 0; k < 4; ++k) {
            const QList<QPointF> points = t.series(k)->points();
            QCOMPARE(points.size(), 20000);
            QCOMPARE(points.first().x(), x0 + 5001);
            QCOMPARE(points.last().y(), last.at(k).toDouble());
            for (int i = 0; i < points.size(); ++i) {
                // Cut lines never give zero samples, and no line is lost.
                QVERIFY2(points[i].y() != 0.0, qPrintable(QStringLiteral("channel %1 point %2").arg(k).arg(i)));
                QCOMPARE(points[i].x(), x0 + 5001 + i);
            }
        }
        QCOMPARE(t.axisX()->max(), x0 + 25000);
        QCOMPARE(t.axisX()->min(), x0 + 25000 - 50);

        // Unchecking hides the whole history, checking shows it again; the
        // hidden channel keeps collecting.
        auto *box = child<QCheckBox>(t.w, "checkBox_1");
        box->setChecked(false);
        QVERIFY(!t.series(1)->isVisible());
        QVERIFY(t.pty.writeFar("$0:5;$1:6;$2:7;$3:8;\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.series(1)->points().last().x() == x0 + 25001; }));
        box->setChecked(true);
        QVERIFY(t.series(1)->isVisible());
        QCOMPARE(t.series(1)->count(), 20000);
        QCOMPARE(t.series(1)->points().last().y(), 6.0);

        // Close and Open: the counter runs on, a half line from before is gone.
        QVERIFY(t.pty.writeFar("$0:9;$1:9;"));
        kesptest::spin(100);
        press(t.w, "OSCopencompushButton");
        press(t.w, "OSCopencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial opened"));
        QVERIFY(t.pty.writeFar("$2:9;$3:9;\r\n$0:10;$1:11;$2:12;$3:13;\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.series(0)->points().last().x() == x0 + 25002; }));
        QCOMPARE(t.series(0)->points().last().y(), 10.0);
    }
};

KESP_TEST_MAIN(OscilloscopePanelTest)
#include "tst_oscilloscope_panel.moc"
