// Tabs taken in orders a user may take them, each tour in a process of its
// own started as main starts the program: GL deferred, no settings file (every
// tab on, the real map and home pages), web views as the program runs them
// here.  A crash ends only its own tour.  A tour that showed the IMU view
// checks that it still draws; one also checks that the 3D views draw nothing
// while nothing changes.
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"

#include "app/mainwindow.h"
#include "instruments/gl_check.h"
#include "instruments/vexmora_3d_imu.h"

#include <QApplication>
#include <QProcess>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>
#include <cstdio>
#include <memory>

using namespace kesptest;

namespace {

const QStringList kThreeD{"IMU", "TOF"};
// The web tabs, and the chart that draws through a GL widget too: each
// changes how the window is composed when it first shows.
const QStringList kTextured{"GPS Debug", "More", "Oscilloscope"};

int tour(const QStringList &steps, bool measure)
{
    MainWindow w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 2;
    // Offline, the map page's "IP location failed!" alert waits for an answer.
    auto closer = std::make_unique<ModalCloser>();
    auto *tabs = child<QTabWidget>(w, "tabWidget");
    const auto show = [&](const QString &text) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) != text)
                continue;
            tabs->setCurrentIndex(i);
            // The ToF tab's 3D surface is one of its views.
            if (text == QLatin1String("TOF"))
                child<QComboBox>(w, "TOFChartComboBox")->setCurrentIndex(1);
            spin(kThreeD.contains(text) || kTextured.contains(text) ? 1500 : 300);
            std::printf("shown %s\n", qPrintable(text));
            std::fflush(stdout);
            return;
        }
        qFatal("no tab %s", qPrintable(text));
    };
    for (const QString &step : steps)
        show(step);

    int result = 0;
    // A view left with an empty container would not crash on every path:
    // the IMU view must still draw, turned to the cyan face.
    if (steps.contains(QLatin1String("IMU"))) {
        show(QStringLiteral("IMU"));
        auto *imu = w.findChild<vexmora_3d_imu *>();
        imu->Set_Value(1, 0, 0, 0);
        QWidget *box = imu->findChild<QWidget *>(QStringLiteral("imu3dContainer"));
        const bool drawn = box && waitFor([&] {
            const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const QRgb c = screen.pixel(box->mapToGlobal(box->rect().center()));
            return qRed(c) < 80 && qGreen(c) > 150 && qBlue(c) > 150;
        }, 10000);
        std::printf("IMU view %s\n", drawn ? "draws" : "does not draw");
        if (!drawn)
            result = 4;
    }
    if (measure) {
        // Its poll would be most of what is measured.
        closer.reset();
        // Long enough for a view still drawing to show; the start-up's own
        // work (port scan, rate feed) is over by then.
        spin(2000);
        const double plain = idleCpu(4000).process;
        show(QStringLiteral("IMU"));
        spin(2000);
        const double imuInFront = idleCpu(4000).process;
        std::printf("cpu plain tab %.2f %%, IMU in front %.2f %%\n", plain * 100, imuInFront * 100);
        if (plain > 0.01 || imuInFront > 0.02)
            result = 3;
    }
    std::printf("tour ended alive\n");
    std::fflush(stdout);
    return result;
}

int runTour(int argc, char **argv, const QStringList &steps, bool measure)
{
    GlCheck::deferSharedContext();
    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));
    return tour(steps, measure);
}

QStringList allTabs()
{
    return {"Serial Debug", "UDP Debug", "TCP Debug", "GPS Debug", "GSM Debug", "Unicode", "Environment",
            "Crypty", "Oscilloscope", "MQTT", "Ble", "Spectra", "Convert", "i2cdump", "TOF", "Modbus",
            "Hex", "CIE", "IMU", "More"};
}

} // namespace

class TabTourTest : public QObject
{
    Q_OBJECT
private slots:
    void tourEndsAlive_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("measure");
        for (const QString &threeD : kThreeD)
            for (const QString &other : kTextured) {
                QTest::addRow("%s then %s", qPrintable(threeD), qPrintable(other)) << QStringList{threeD, other} << false;
                QTest::addRow("%s then %s", qPrintable(other), qPrintable(threeD)) << QStringList{other, threeD} << false;
            }
        QStringList forwards = allTabs();
        QStringList backwards(forwards.crbegin(), forwards.crend());
        QTest::newRow("every tab forwards") << forwards << false;
        QTest::newRow("every tab backwards") << backwards << false;
        // The 3D views, then a plain tab: nothing may go on drawing.
        QTest::newRow("3D views then a plain tab, idle") << QStringList{"IMU", "TOF", "Unicode"} << true;
    }

    void tourEndsAlive()
    {
        QFETCH(QStringList, steps);
        QFETCH(bool, measure);
        QTemporaryDir home; // no settings file: a fresh install
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("QTWEBENGINE_DISABLE_SANDBOX", "1");
        p.setProcessEnvironment(env);
        QStringList args{"--tour", steps.join(',')};
        if (measure)
            args << "--measure";
        p.start(QCoreApplication::applicationFilePath(), args);
        QVERIFY(p.waitForStarted());
        const bool finished = p.waitForFinished(240000);
        const QByteArray out = p.readAllStandardOutput();
        const QByteArray err = p.readAllStandardError();
        if (!finished)
            p.kill();
        const QString detail = QString::fromLocal8Bit(out + "\n-- stderr (end) --\n" + err.right(3000));
        QVERIFY2(finished, qPrintable(detail));
        QVERIFY2(p.exitStatus() == QProcess::NormalExit, qPrintable("crashed\n" + detail));
        QVERIFY2(out.contains("tour ended alive"), qPrintable(detail));
        QVERIFY2(p.exitCode() == 0, qPrintable(QString("exit %1\n").arg(p.exitCode()) + detail));
        if (measure)
            qInfo("%s", out.mid(out.indexOf("cpu ")).trimmed().constData());
    }
};

int main(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "--tour") == 0) {
            const QStringList steps = QString::fromUtf8(argv[i + 1]).split(',');
            bool measure = false;
            for (int j = 1; j < argc; ++j)
                measure = measure || qstrcmp(argv[j], "--measure") == 0;
            return runTour(argc, argv, steps, measure);
        }
    QApplication app(argc, argv);
    TabTourTest test;
    return runStrict(&test, argc, argv);
}

#include "tst_tab_tour.moc"
