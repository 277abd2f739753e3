// The "Environment" tab against the fake board on a pty: the gauges end on
// the last values sent, whatever way the lines are cut; the log shows every
// byte once, split characters whole; NUL and junk stop nothing.
#include "sensor_fixture.h"

#include "instruments/cthermometer.h"
#include "instruments/dash_board.h"
#include "instruments/progress_bar_percent.h"
#include "instruments/ultraviolet.h"
#include "tests/support/test_base.h"

#include <QGridLayout>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTextCodec>

using namespace sensortest;

template <typename T>
static T *gauge(MainWindow &w, const char *layout)
{
    auto *grid = w.findChild<QGridLayout *>(QString::fromLatin1(layout));
    if (!grid || !grid->itemAtPosition(0, 0))
        return nullptr;
    return qobject_cast<T *>(grid->itemAtPosition(0, 0)->widget());
}

struct EnvWindow : SensorWindow
{
    ProgressBarPercent *humidity() { return gauge<ProgressBarPercent>(w, "humidity_gridLayout"); }
    CThermometer *temperature() { return gauge<CThermometer>(w, "temperature_gridLayout"); }
    Ultraviolet *uv() { return gauge<Ultraviolet>(w, "ultraviolet_gridLayout"); }
    DashBoard *barometer() { return gauge<DashBoard>(w, "barometer_gridLayout"); }
    DashBoard *co2() { return gauge<DashBoard>(w, "CO2_gridLayout"); }
    DashBoard *tvoc() { return gauge<DashBoard>(w, "TVOC_gridLayout"); }
    QPlainTextEdit *log() { return child<QPlainTextEdit>(w, "ENV_StrTextBrowser"); }
    bool open() { return SensorWindow::open("ENVopencompushButton", "ENVportNameComboBox"); }
};

class EnvironmentPanelTest : public QObject
{
    Q_OBJECT
private slots:
    void startState()
    {
        EnvWindow t;
        QVERIFY(t.humidity() && t.temperature() && t.uv() && t.barometer() && t.co2() && t.tvoc());
        QCOMPARE(t.humidity()->getPercentStyle(), ProgressBarPercent::PercentStyle_Arc_Polo);
        QCOMPARE(t.temperature()->getValue(), 0.0);
        // The dials' ranges show in their clamping.
        t.barometer()->setValue(5000);
        QCOMPARE(t.barometer()->getValue(), 1100.0);
        t.co2()->setValue(0);
        QCOMPARE(t.co2()->getValue(), 400.0);
        t.tvoc()->setValue(99999);
        QCOMPARE(t.tvoc()->getValue(), 5000.0);
        QVERIFY(t.log()->isReadOnly());
        QCOMPARE(t.log()->maximumBlockCount(), 100);
        QCOMPARE(child<QComboBox>(t.w, "ENVbaudRateComboBox")->currentText(), QStringLiteral("9600"));
        QCOMPARE(child<QPushButton>(t.w, "ENVopencompushButton")->styleSheet(), kGreen);
    }

    // Sets cut into 1-9 byte writes: every gauge ends on the last set sent,
    // and the log holds the bytes as sent.
    void gaugesFollowTheBoard()
    {
        EnvWindow t;
        QVERIFY(t.open());
        QSignalSpy uvSpy(t.uv(), &Ultraviolet::valueChanged);
        const QList<QJsonObject> sent = t.board("env", 3, 7);
        QCOMPARE(sent.size(), 4);
        const QJsonObject last = sent.at(2);
        QVERIFY(kesptest::waitFor([&] { return t.tvoc()->getValue() == last["tvoc"].toInt(); }));
        QCOMPARE(t.humidity()->getValue(), int(last["humidity"].toDouble()));
        QCOMPARE(t.temperature()->getValue(), last["temperature"].toDouble());
        QCOMPARE(t.barometer()->getValue(), qMin(1100.0, double(last["barometer"].toInt())));
        QCOMPARE(t.co2()->getValue(), double(last["co2"].toInt()));
        QCOMPARE(uvSpy.last().first().toInt(), last["ultraviolet"].toInt());
        // Three ultraviolet lines, three readings: none lost or cut short.
        QCOMPARE(uvSpy.count(), 3);
        const QString text = t.log()->toPlainText();
        QCOMPARE(text.count(QStringLiteral("Humidity:")), 3);
        QVERIFY(text.endsWith(QStringLiteral("TVOC:%1ppb\n").arg(last["tvoc"].toInt())));
    }

    // A GBK character split over two writes shows whole; a NUL or a line of
    // junk stops no later reading; Clear empties the log only; the gauges
    // and a half line survive Close and Open, and each batch is logged once.
    void badInputAndLifecycle()
    {
        EnvWindow t;
        QVERIFY(t.open());
        const QByteArray gbk = QTextCodec::codecForName("GBK")->fromUnicode(QStringLiteral("温度"));
        QCOMPARE(gbk.size(), 4);
        QVERIFY(t.pty.writeFar(gbk.left(1)));
        kesptest::spin(100);
        QVERIFY(t.pty.writeFar(gbk.mid(1) + "\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.log()->toPlainText().contains(QStringLiteral("温度")); }));

        static const char noisy[] = "junk\0Humidity:10%\r\n\0\0\xff\r\nHumidity:55.5%\r\n";
        QVERIFY(t.pty.writeFar(QByteArray(noisy, sizeof(noisy) - 1)));
        QVERIFY(kesptest::waitFor([&] { return t.humidity()->getValue() == 55; }));
        QVERIFY(t.pty.writeFar("Humidity:nan%\r\n"));
        QVERIFY(t.pty.writeFar("CO2:1000ppm\r\nBarometer:1013.25Pa\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.co2()->getValue() == 1000.0; }));
        QVERIFY(kesptest::waitFor([&] { return t.barometer()->getValue() == 0.0; }));
        // "nan" is no number: 0, like any unreadable value, never a NaN.
        QCOMPARE(t.humidity()->getValue(), 0);

        press(t.w, "EVN_Clear_pushButton");
        QCOMPARE(t.log()->toPlainText(), QString());

        // Half a line, then Close and Open: the line completes afterwards.
        QVERIFY(t.pty.writeFar("TVOC:12"));
        QVERIFY(kesptest::waitFor([&] { return t.log()->toPlainText() == QStringLiteral("TVOC:12"); }));
        press(t.w, "ENVopencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial closed"));
        press(t.w, "ENVopencompushButton");
        QCOMPARE(status(t.w), QStringLiteral("Serial opened"));
        QCOMPARE(t.co2()->getValue(), 1000.0);
        QVERIFY(t.pty.writeFar("3ppb\r\n"));
        QVERIFY(kesptest::waitFor([&] { return t.tvoc()->getValue() == 123.0; }));
        kesptest::spin(100);
        QCOMPARE(t.log()->toPlainText(), QStringLiteral("TVOC:123ppb\n"));
    }

    // The log keeps at most 100 lines, the newest.
    void logIsBounded()
    {
        EnvWindow t;
        QVERIFY(t.open());
        QByteArray lines;
        for (int i = 0; i < 300; ++i)
            lines += "Ultraviolet:" + QByteArray::number(i) + "\r\n";
        QVERIFY(t.pty.writeFar(lines));
        QVERIFY(kesptest::waitFor([&] { return t.log()->toPlainText().contains(QStringLiteral("Ultraviolet:299\n")); }));
        QVERIFY(t.log()->document()->blockCount() <= 100);
        QVERIFY(t.log()->toPlainText().endsWith(QStringLiteral("Ultraviolet:299\n")));
    }
};

KESP_TEST_MAIN(EnvironmentPanelTest)
#include "tst_environment_panel.moc"
