// The "Ble" tab driven through its widgets.  This machine has no Bluetooth
// adapter: the no-adapter paths run for real, devices and services are
// handed to the panel's model as discovery and a connection would.
#include "app/mainwindow.h"
#include "terminals/characteristic_widget.h"
#include "terminals/vexmora_ble.h"
#include "terminals/write_dialog.h"
#include "tests/support/kesp_test_support.h"
#include "tests/support/widget_helpers.h"
#include "tests/terminals/ble_fixture.h"

#include <QApplication>
#include <QBluetoothLocalDevice>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

using namespace kesptest;
using P = QLowEnergyCharacteristic;

// Runs `act` on the write dialog once its modal loop is up.
static void whenDialogUp(const std::function<void(WriteDialog *)> &act)
{
    auto *poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        auto *dialog = qobject_cast<WriteDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        act(dialog);
    });
    poll->start();
}

static QGroupBox *block(QWidget *w, const QBluetoothUuid &uuid)
{
    auto *mode = w->findChild<QComboBox *>("displayModeComboBox_temp_" + uuid.toString());
    return mode ? qobject_cast<QGroupBox *>(mode->parentWidget()) : nullptr;
}

static QLineEdit *valueLine(QGroupBox *b)
{
    for (QLineEdit *e : b->findChildren<QLineEdit *>())
        if (e->focusPolicy() == Qt::NoFocus)
            return e;
    return nullptr;
}

static QPushButton *button(QWidget *w, const QString &text)
{
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}

static QStringList buttonTexts(QWidget *w)
{
    QStringList out;
    for (QPushButton *b : w->findChildren<QPushButton *>())
        out << b->text();
    return out;
}

class BleExplorerTest : public QObject
{
    Q_OBJECT

    LocalGatt gatt;
    std::unique_ptr<TempHome> home;
    std::unique_ptr<MainWindow> w;
    vexmora_ble *ble = nullptr;

    QPushButton *scan() { return child<QPushButton>(*ble, "scanButton"); }
    QString label() { return child<QLabel>(*ble, "label_device")->text(); }
    QList<QPushButton *> deviceButtons() { return child<QGroupBox>(*ble, "groupBox")->findChildren<QPushButton *>(); }
    bool noAdapter() { return QBluetoothLocalDevice::allDevices().isEmpty(); }

private slots:
    void initTestCase()
    {
        home = std::make_unique<TempHome>(quietIni());
        w = std::make_unique<MainWindow>();
        w->show();
        auto *tabs = child<QTabWidget>(*w, "tabWidget");
        tabs->setCurrentWidget(child<QWidget>(*w, "ble"));
        ble = w->findChild<vexmora_ble *>();
        QVERIFY(ble);
    }
    void cleanupTestCase()
    {
        w.reset();
        home.reset();
    }

    // The page's own grid hosts the explorer beside an empty nested grid;
    // with the tab switched off the page stays empty.
    void hostPage()
    {
        QWidget *page = child<QWidget>(*w, "ble");
        auto *grid = qobject_cast<QGridLayout *>(page->layout());
        QVERIFY(grid);
        QCOMPARE(grid->objectName(), QString("gridLayout_36"));
        QCOMPARE(grid->itemAtPosition(0, 0)->layout()->objectName(), QString("gridLayout_35"));
        QCOMPARE(grid->itemAtPosition(0, 0)->layout()->count(), 0);
        QCOMPARE(ble->parentWidget(), page);
        QCOMPARE(scan()->text(), QString("Scan"));
        QVERIFY(scan()->styleSheet().contains("#4CAF50"));

        TempHome off(quietIni({{"Ble", "false"}}));
        MainWindow without;
        QVERIFY(!without.findChild<vexmora_ble *>());
    }

    void noAdapterScanShowsTheErrorAndScanStaysUsable()
    {
        if (!noAdapter())
            QSKIP("a Bluetooth adapter is present");
        for (int round = 0; round < 2; ++round) {
            QTest::mouseClick(scan(), Qt::LeftButton);
            QCOMPARE(label(), QString("Writing or reading from the device resulted in an error.\n"
                                      "Cannot find valid Bluetooth adapter."));
            QCOMPARE(scan()->text(), QString("Scan"));
            QVERIFY(scan()->styleSheet().contains("#4CAF50"));
            QVERIFY(scan()->isEnabled());
            QVERIFY(child<QGroupBox>(*ble, "groupBox_device")->isEnabled());
        }
    }

    // One button per device address, named by name and address; a name with
    // brackets still connects; a connection that fails at once unlocks.
    void deviceButtonsAndAFailedConnection()
    {
        Device &model = ble->model();
        model.addDevice(leDevice("11:22:33:44:55:66", "Sensor (v2)"));
        model.addDevice(leDevice("AA:BB:CC:DD:EE:01", "Tag"));
        model.addDevice(leDevice("AA:BB:CC:DD:EE:02", "Headset", QBluetoothDeviceInfo::BaseRateCoreConfiguration));
        model.addDevice(leDevice("11:22:33:44:55:66", "Sensor (v3)"));
        QStringList texts;
        for (QPushButton *b : deviceButtons())
            texts << b->text();
        QCOMPARE(texts, QStringList({"Sensor (v2)\n(11:22:33:44:55:66)", "Tag\n(AA:BB:CC:DD:EE:01)"}));
        QCOMPARE(deviceButtons().at(0)->iconSize(), QSize(32, 32));
        QVERIFY(!deviceButtons().at(0)->icon().isNull());

        QTest::mouseClick(deviceButtons().at(0), Qt::LeftButton);
        QCOMPARE(model.getUpdate(), QString("Back\n(Connecting to device...)"));
        if (noAdapter()) {
            QCOMPARE(scan()->text(), QString("Scan"));
            QVERIFY(scan()->styleSheet().contains("#4CAF50"));
            QVERIFY(scan()->isEnabled());
            QVERIFY(child<QGroupBox>(*ble, "groupBox_device")->isEnabled());
            QVERIFY(!label().isEmpty());
        } else {
            QCOMPARE(scan()->text(), QString("Disconnect"));
            QTest::mouseClick(scan(), Qt::LeftButton);
            QTRY_COMPARE(scan()->text(), QString("Scan"));
        }
    }

    // Services listed when discovery ends; a second rebuild replaces the
    // first without leaving anything behind; reads, notifications and
    // writes go through the blocks to the service.
    void servicesAndCharacteristics()
    {
        Device &model = ble->model();
        const QBluetoothUuid level(quint16(0x2a19)), cmd = customUuid(1), ind = customUuid(2), name(quint16(0x2a00));
        QLowEnergyService *battery = gatt.service(QBluetoothUuid(quint16(0x180f)), {
            {level, P::Read | P::Notify, "7"}, {cmd, P::WriteNoResponse, "-"}, {ind, P::Indicate, "i"}});
        QLowEnergyService *access = gatt.service(QBluetoothUuid(quint16(0x1800)), {{name, P::Read, "KESP"}});
        model.adoptService(battery);
        model.adoptService(access);
        auto *area = child<QGroupBox>(*ble, "groupBox_ServiceUUID");

        for (int rebuild = 0; rebuild < 2; ++rebuild) {
            model.serviceScanDone();
            QCOMPARE(area->findChildren<CharacteristicWidget *>().size(), 2);
            QTRY_VERIFY(block(area, name));
            QVERIFY(block(area, level));
        }
        QCOMPARE(area->findChildren<QComboBox *>().size(), 4);
        QPushButton *title = button(area, "Service name: Battery Service\nService UUID: "
                                          "{0000180f-0000-1000-8000-00805f9b34fb}");
        QVERIFY(title);
        QGroupBox *levelBlock = block(area, level);
        QVERIFY(levelBlock->isVisible());
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(!levelBlock->isVisible());
        QTest::mouseClick(title, Qt::LeftButton);
        QVERIFY(levelBlock->isVisible());
        QCOMPARE(buttonTexts(block(area, ind)), QStringList());

        // A read result: the hex view shows the bytes as they came.
        QLineEdit *line = valueLine(levelBlock);
        emit battery->characteristicRead(battery->characteristic(level), QByteArray("\xff" "A", 2));
        QCOMPARE(line->text(), QString(QChar(0xFFFD)) + "A");
        auto *mode = levelBlock->findChild<QComboBox *>();
        mode->setCurrentIndex(1);
        QCOMPARE(line->text(), QString("0xff, 0x41"));
        mode->setCurrentIndex(0);
        QCOMPARE(line->text(), QString(QChar(0xFFFD)) + "A");

        // Notifications: one value per change while subscribed, none after.
        QPushButton *notify = child<QPushButton>(*levelBlock, qPrintable("notifyButton_" + level.toString()));
        QTest::mouseClick(notify, Qt::LeftButton);
        QCOMPARE(notify->text(), QString("Subscribed"));
        QCOMPARE(notify->styleSheet(), QString("background-color: green; color: white;"));
        QCOMPARE(battery->characteristic(level).clientCharacteristicConfiguration().value(), QByteArray::fromHex("0100"));
        emit battery->characteristicChanged(battery->characteristic(level), "N1");
        QCOMPARE(line->text(), QString("N1"));
        QTest::mouseClick(notify, Qt::LeftButton);
        QCOMPARE(notify->text(), QString("Notify"));
        QCOMPARE(notify->styleSheet(), QString());
        emit battery->characteristicChanged(battery->characteristic(level), "N2");
        QCOMPARE(line->text(), QString("N1"));

        // Writes: the panel's own hex form, a closed dialog, plain text.
        QGroupBox *cmdBlock = block(area, cmd);
        QCOMPARE(buttonTexts(cmdBlock), QStringList({"W"}));
        QVERIFY(!valueLine(cmdBlock));
        whenDialogUp([](WriteDialog *d) {
            QCOMPARE(d->windowTitle(), QString("Write Data"));
            QCOMPARE(d->findChild<QComboBox *>()->currentText(), QString("ASCII"));
            d->findChild<QLineEdit *>()->setText("0x41, 0x42");
            d->findChild<QComboBox *>()->setCurrentIndex(1);
            QTest::mouseClick(button(d, "OK"), Qt::LeftButton);
        });
        QTest::mouseClick(button(cmdBlock, "W"), Qt::LeftButton);
        QCOMPARE(battery->characteristic(cmd).value(), QByteArray("AB"));
        whenDialogUp([](WriteDialog *d) {
            d->findChild<QLineEdit *>()->setText("lost");
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QTest::mouseClick(button(cmdBlock, "W"), Qt::LeftButton);
        QCOMPARE(battery->characteristic(cmd).value(), QByteArray("AB"));
        whenDialogUp([](WriteDialog *d) {
            d->findChild<QLineEdit *>()->setText(QString::fromUtf8("é1"));
            QTest::mouseClick(button(d, "OK"), Qt::LeftButton);
        });
        QTest::mouseClick(button(cmdBlock, "W"), Qt::LeftButton);
        QCOMPARE(battery->characteristic(cmd).value(), QByteArray("\xc3\xa9" "1"));
        // One-digit hex pieces stay whole bytes on the way out.
        whenDialogUp([](WriteDialog *d) {
            d->findChild<QLineEdit *>()->setText("0x1, 0x2 0x41 0x4");
            d->findChild<QComboBox *>()->setCurrentIndex(1);
            QTest::mouseClick(button(d, "OK"), Qt::LeftButton);
        });
        QTest::mouseClick(button(cmdBlock, "W"), Qt::LeftButton);
        QCOMPARE(battery->characteristic(cmd).value().toHex(' '), QByteArray("01 02 41 04"));

        // The next device lists fewer services: a late value for one that is
        // gone must find nothing rather than a deleted block.
        model.addDevice(leDevice("11:22:33:44:55:77", "Other"));
        model.scanServices("11:22:33:44:55:77");
        model.adoptService(gatt.service(QBluetoothUuid(quint16(0x1800)), {{name, P::Read, "KESP"}}));
        model.serviceScanDone();
        QCOMPARE(area->findChildren<CharacteristicWidget *>().size(), 1);
        ble->onCharacteristicValueRead(level.toString(), "late");
        QTRY_VERIFY(block(area, name));
        QVERIFY(!block(area, level));
    }

    // The blocks a characteristic's properties give, and the two text forms.
    void characteristicBlocks()
    {
        CharacteristicWidget widget("{svc}");
        widget.setCharacteristicInfo("Level", "{aa}", QString(), "(  Read Notify )");
        widget.setCharacteristicInfo("Level again", "{aa}", QString(), "(  Read Notify )");
        widget.setCharacteristicInfo("Alert", "{bb}", QString(), "(  Notify )");
        widget.setCharacteristicInfo("Cmd", "{cc}", QString(), "(  Write )");
        QCOMPARE(widget.findChildren<QGroupBox *>().size(), 3);
        QStringList labels;
        for (QLabel *l : widget.findChildren<QLabel *>())
            labels << l->text();
        QCOMPARE(labels.count("Read Value:"), 1);
        QCOMPARE(labels.count("Notify Value:"), 1);
        QVERIFY(labels.contains("(  Read Notify )"));
        QVERIFY(widget.findChild<QGroupBox *>()->findChildren<QLineEdit *>().at(1)->text() == "aa");

        widget.updateCharacteristicValue("{aa}", QString("AB"));
        widget.findChild<QComboBox *>("displayModeComboBox_temp_{aa}")->setCurrentIndex(1);
        QCOMPARE(valueLine(widget.findChild<QGroupBox *>())->text(), QString("0x41, 0x42"));

        QSignalSpy writes(&widget, &CharacteristicWidget::writeCharacteristicRequested);
        whenDialogUp([](WriteDialog *d) { QTest::mouseClick(button(d, "OK"), Qt::LeftButton); });
        QTest::mouseClick(button(&widget, "W"), Qt::LeftButton);
        QCOMPARE(writes.count(), 1);
        QCOMPARE(writes.at(0), QVariantList({"{cc}", "", false}));

        QCOMPARE(CharacteristicWidget::convertAsciiToHex("AB"), QString("0x41, 0x42"));
        QCOMPARE(CharacteristicWidget::convertAsciiToHex(""), QString(""));
        QCOMPARE(CharacteristicWidget::convertAsciiToHex(QString::fromUtf8("é☃")), QString("0xe9, 0x3f"));
        QCOMPARE(CharacteristicWidget::convertHexToAscii("0x41, 0x42"), QString("AB"));
        QCOMPARE(CharacteristicWidget::convertHexToAscii("0x41, 0x42, "), QString("AB"));
        QCOMPARE(CharacteristicWidget::convertHexToAscii("0xe9, zz, 0x100, 0X3f"), QString::fromUtf8("é?"));
    }
};

QTEST_MAIN(BleExplorerTest)
#include "tst_ble_explorer.moc"
