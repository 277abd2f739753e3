// "Preferences": toggles, OK and Cancel against the real ini file, the
// restart after the file is on disk, one dialog at a time, and a settings
// file that cannot be written.
#include "app/mainwindow.h"
#include "app/settings_file.h"
#include "app/shell_hooks.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/test_base.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QtTest>

using Ini = QMap<QString, QVariant>;

static const char *const kButtons[19] = {
    "Config_COM_ON_OFF", "Config_UDP_ON_OFF", "Config_TCP_ON_OFF", "Config_GPS_ON_OFF",
    "Config_GSM_ON_OFF", "Config_UNICODE_ON_OFF", "Config_Envir_ON_OFF", "Config_Crypty_ON_OFF",
    "Config_Oscilloscope_ON_OFF", "Config_MQTT_ON_OFF", "Config_Ble_ON_OFF", "Config_Spectra_ON_OFF",
    "Config_Convert_ON_OFF", "Config_I2CDUMP_ON_OFF", "Config_TOF_ON_OFF", "Config_MODBUS_ON_OFF",
    "Config_HEXTOOLS_ON_OFF", "Config_CIE_ON_OFF", "Config_IMU_ON_OFF"};

static QList<QDialog *> configDialogs(MainWindow &w)
{
    QList<QDialog *> out;
    for (QDialog *d : w.findChildren<QDialog *>("Config"))
        if (d->isVisible())
            out << d;
    return out;
}

static QDialog *openConfig(MainWindow &w)
{
    w.findChild<QAction *>("actionConfig")->trigger();
    const QList<QDialog *> open = configDialogs(w);
    return open.size() == 1 ? open.first() : nullptr;
}

static QPushButton *button(QDialog *d, const char *name)
{
    return d->findChild<QPushButton *>(name);
}

static QImage iconImage(QPushButton *b)
{
    return b->icon().pixmap(QSize(80, 30)).toImage();
}

static QImage resourceImage(const char *path)
{
    return QIcon(path).pixmap(QSize(80, 30)).toImage();
}

class ConfigDialogTest : public QObject
{
    Q_OBJECT
    std::function<bool(const QString &)> m_realStart;
    QStringList m_started;
    QByteArray m_fileAtStart;
    kesptest::TempHome *m_home = nullptr;

private slots:
    void initTestCase()
    {
        m_realStart = ShellHooks::startProgram;
        ShellHooks::startProgram = [this](const QString &program) {
            m_started << program;
            m_fileAtStart = m_home ? m_home->iniBytes() : QByteArray();
            return true;
        };
    }
    void cleanupTestCase() { ShellHooks::startProgram = m_realStart; }
    void init()
    {
        m_started.clear();
        m_fileAtStart.clear();
    }

    // The dialog shows the file; toggles act on press and change only the
    // dialog; Cancel writes nothing and the next opening shows the file again.
    void toggleThenCancel()
    {
        kesptest::TempHome home(kesptest::quietIni({{"TCP", "false"}, {"Map_Type", "1"}}));
        m_home = &home;
        const QByteArray before = home.iniBytes();
        MainWindow w;
        w.show();
        QDialog *d = openConfig(w);
        QVERIFY(d);
        QVERIFY(!(d->windowFlags() & Qt::WindowContextHelpButtonHint));
        const QImage on = resourceImage(":/images/on.png");
        const QImage off = resourceImage(":/images/off.png");
        QVERIFY(on != off);

        // Shows the stored state: TCP, GPS, Convert off; scan off; second map.
        for (int i = 0; i < 19; ++i) {
            const bool expectOn = i != 2 && i != 3 && i != 12;
            QVERIFY2(iconImage(button(d, kButtons[i])) == (expectOn ? on : off), kButtons[i]);
        }
        QVERIFY(!d->findChild<QCheckBox *>("serial_checkBox")->isChecked());
        QCOMPARE(d->findChild<QComboBox *>("comboBox")->currentIndex(), 1);
        QCOMPARE(d->findChild<QComboBox *>("comboBox")->itemText(0), QStringLiteral("OpenStreet Map"));

        // Press flips at once (no release); twice is back to the start.
        QPushButton *com = button(d, "Config_COM_ON_OFF");
        QTest::mousePress(com, Qt::LeftButton);
        QCOMPARE(iconImage(com), off);
        QTest::mouseRelease(com, Qt::LeftButton);
        QCOMPARE(iconImage(com), off);
        QTest::mouseClick(com, Qt::LeftButton);
        QCOMPARE(iconImage(com), on);
        QTest::mouseClick(button(d, "Config_IMU_ON_OFF"), Qt::LeftButton);
        d->findChild<QCheckBox *>("serial_checkBox")->setChecked(true);
        QCOMPARE(home.iniBytes(), before);

        QPointer<QDialog> gone = d;
        QTest::mousePress(button(d, "ConfigCancel_Button"), Qt::LeftButton);
        QVERIFY(kesptest::waitFor([&] { return gone.isNull(); }, 2000));
        kesptest::spin(100);
        QCOMPARE(home.iniBytes(), before);
        QVERIFY(m_started.isEmpty());
        QVERIFY(w.isVisible());

        d = openConfig(w);
        QVERIFY(d);
        QVERIFY(iconImage(button(d, "Config_IMU_ON_OFF")) == on);
        QVERIFY(!d->findChild<QCheckBox *>("serial_checkBox")->isChecked());
        m_home = nullptr;
    }

    // OK rewrites every key in normal form, syncs, then restarts the program.
    void okWritesNormalFormThenRestarts()
    {
        // No Auto_Serial_Scan key at all; GPS and Convert off keep the window off the network.
        kesptest::TempHome home(Ini{{"COM", "True"}, {"UDP", "true"}, {"Map_Type", "7"}, {"MQTT_HOST", "keep.me"},
                                    {"GPS", "false"}, {"Convert", "false"}});
        m_home = &home;
        MainWindow w;
        w.show();
        QDialog *d = openConfig(w);
        QVERIFY(d);
        QVERIFY(iconImage(button(d, "Config_COM_ON_OFF")) == resourceImage(":/images/off.png"));
        QVERIFY(d->findChild<QCheckBox *>("serial_checkBox")->isChecked());
        QCOMPARE(d->findChild<QComboBox *>("comboBox")->currentIndex(), 1);
        QTest::mousePress(button(d, "Config_Spectra_ON_OFF"), Qt::LeftButton);

        QTest::mousePress(button(d, "ConfigOK_Button"), Qt::LeftButton);
        QCOMPARE(m_started, QStringList{QCoreApplication::applicationFilePath()});
        QVERIFY(!w.isVisible());

        // What the new instance would read at the moment it was started.
        QDir().mkpath(home.path() + "/probe");
        QFile probe(home.path() + "/probe/at_start.ini");
        QVERIFY(probe.open(QIODevice::WriteOnly));
        probe.write(m_fileAtStart);
        probe.close();
        QSettings s(probe.fileName(), QSettings::IniFormat);
        const QStringList keys = SettingsFile::featureKeys();
        for (int i = 0; i < 19; ++i) {
            const QString expected = (i == 0 || i == 3 || i == 11 || i == 12) ? "false" : "true";
            QCOMPARE(s.value(keys.at(i)).toString(), expected);
        }
        QVERIFY(!s.contains("MORE"));
        QCOMPARE(s.value("Auto_Serial_Scan").toString(), QStringLiteral("true"));
        QCOMPARE(s.value("Map_Type").toString(), QStringLiteral("1"));
        QCOMPARE(s.value("MQTT_HOST").toString(), QStringLiteral("keep.me"));
        QVERIFY(m_fileAtStart.contains("Auto_Serial_Scan=true"));
        QVERIFY(m_fileAtStart.contains("Map_Type=1"));
        m_home = nullptr;
    }

    // A second Preferences raises the open dialog: the first one's toggles
    // keep working and OK writes what they show.
    void secondOpeningRaisesTheFirst()
    {
        kesptest::TempHome home(kesptest::quietIni());
        m_home = &home;
        MainWindow w;
        w.show();
        QDialog *first = openConfig(w);
        QVERIFY(first);
        QTest::mousePress(button(first, "Config_MQTT_ON_OFF"), Qt::LeftButton);
        QDialog *second = openConfig(w);
        QCOMPARE(second, first);
        QCOMPARE(w.findChildren<QDialog *>("Config").size(), 1);
        QTest::mousePress(button(first, "Config_TOF_ON_OFF"), Qt::LeftButton);
        QTest::mousePress(button(first, "ConfigOK_Button"), Qt::LeftButton);
        QCOMPARE(m_started.size(), 1);
        QSettings s(home.iniPath(), QSettings::IniFormat);
        QCOMPARE(s.value("MQTT").toString(), QStringLiteral("false"));
        QCOMPARE(s.value("TOF").toString(), QStringLiteral("false"));
        QCOMPARE(s.value("GPS").toString(), QStringLiteral("false"));
        QCOMPARE(s.value("COM").toString(), QStringLiteral("true"));
        m_home = nullptr;
    }

    // Settings that cannot reach the disk: say so, keep the window, no restart.
    void unwritableSettingsWarnAndStay()
    {
        kesptest::TempHome home(Ini{}, false);
        m_home = &home;
        // The file's place is taken by a folder, which no user can write to.
        QVERIFY(QDir().mkpath(home.iniPath()));
        MainWindow w;
        w.show();
        QDialog *d = openConfig(w);
        QVERIFY(d);
        kesptest::ModalCloser closer;
        QTest::mousePress(button(d, "ConfigOK_Button"), Qt::LeftButton);
        QCOMPARE(closer.titles, QStringList{"Message"});
        QVERIFY(closer.texts.value(0).contains("kesp_config.ini"));
        QVERIFY(m_started.isEmpty());
        QVERIFY(w.isVisible());
        QVERIFY(d->isVisible());
        m_home = nullptr;
    }
};

KESP_TEST_MAIN(ConfigDialogTest)
#include "tst_config_dialog.moc"
