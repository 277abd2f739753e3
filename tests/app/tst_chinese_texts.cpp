// The Simplified Chinese texts as start-up installs them under LANG=zh_CN:
// the catalogue entry by entry, texts without an entry, the menus, the tab
// texts (which must stay English) and the Help and About dialogs.
#include "app/mainwindow.h"
#include "app/translators.h"
#include "tests/support/kesp_test_support.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

struct Entry
{
    const char *context;
    const char *source;
    const char *chinese;
};

static const Entry kCatalogue[] = {
        {"AboutDialog", "About", "关于"},
        {"AboutDialog", "Close", "关闭"},
        {"Help", "Help", "使用帮助"},
        {"Help", "OK", "确认"},
        {"Help", "eg.:", "示例:"},
        {"Help", "TCP server receive format:", "TCP服务器接收格式："},
        {"Help", "Temperature receive format:", "温度接收格式："},
        {"Help", "Humidity receive format:", "接收格式："},
        {"Help", "Ultraviolet receive format:", "紫外线接收格式："},
        {"Help", "CO2 receive format:", "CO2接收格式："},
        {"Help", "TVOC receive format:", "TVOC接收格式："},
        {"Help", "Barometer receive format:", "气压接收格式："},
        {"Help", "Temperature:xx.xxC\\r\\n", "Temperature:xx.xxC\\r\\n"},
        {"MainWindow", "Exit", "退出"},
        {"MainWindow", "About", "关于"},
        {"MainWindow", "Preferences", "配置"},
        {"MainWindow", "Check Update", "检测更新"},
        {"MainWindow", "Help", "使用帮助"},
        {"MainWindow", "Serial Debug", "Serial Debug"},
        {"MainWindow", "UDP Debug", "UDP Debug"},
        {"MainWindow", "TCP Debug", "TCP Debug"},
        {"MainWindow", "More", "More"},
        {"MainWindow", "Send Data", "发送数据"},
        {"MainWindow", "Keep Send", "连续发送"},
        {"MainWindow", "Hex to Send", "以十六进制发送"},
        {"MainWindow", "Send", "发送"},
        {"MainWindow", "Clear Sendbox", "清空发送框"},
        {"MainWindow", "Interval(MS)", "间隔(毫秒)"},
        {"MainWindow", "Receive Data", "接收数据"},
        {"MainWindow", "Serial Setting", "串口设置"},
        {"MainWindow", "Serial No.", "串 口"},
        {"MainWindow", "Baudrate", "波特率"},
        {"MainWindow", "Parity", "校验位"},
        {"MainWindow", "Stop Bits", "停止位"},
        {"MainWindow", "None", "无"},
        {"MainWindow", "Odd", "奇"},
        {"MainWindow", "Even", "偶"},
        {"MainWindow", "Open", "打开"},
        {"MainWindow", "Import", "导入"},
        {"MainWindow", "Export", "导出"},
        {"MainWindow", "Clear Receive", "清空接收框"},
        {"MainWindow", "Advanced", "高级"},
        {"MainWindow", "Counter", "计数器"},
        {"MainWindow", "send", "发送"},
        {"MainWindow", "receive", "接收"},
        {"MainWindow", "Clear Count", "清空"},
        {"MainWindow", "UDP Setting", "UDP设置"},
        {"MainWindow", "TCP Setting", "TCP设置"},
        {"MainWindow", "Start", "开始"},
        {"MainWindow", "Mode:", "模式:"},
        {"MainWindow", "Local IP:", "本地IP:"},
        {"MainWindow", "Local Port:", "本地端口:"},
        {"MainWindow", "Remote IP:", "目标IP:"},
        {"MainWindow", "Remote Port:", "目标端口:"},
        {"MainWindow", "Connect", "连接"},
        {"MainWindow", "Message", "信息"},
        {"MainWindow", "Found a new version.", "找到新版本."},
        {"MainWindow", "Already the latest version.", "已经是最新版本."},
        {"COM_Expand", "Save Config", "保存设置"},
        // Sensor and positioning tabs.
        {"MainWindow", "Temperature:", "温度:"},
        {"MainWindow", "Humidity:", "湿度:"},
        {"MainWindow", "Channel 0", "通道0"},
        {"MainWindow", "LOG", "日志"},
        {"MainWindow", "2D", "二维"},
        {"MainWindow", "%1 Joined", "%1 已连接"},
};

// Texts that have no Chinese entry and must show their source text.
static const Entry kUntranslated[] = {
    {"MainWindow", "Network connection lost. Please check your network settings.", nullptr},
    {"MainWindow", "Edit(&E)", nullptr},
    {"MainWindow", "About(&A)", nullptr},
    {"MainWindow", "Vexmora -- KESP", nullptr},
    {"MainWindow", "Send File", nullptr},
    {"MainWindow", "RTS", nullptr},
    {"MainWindow", "Data Bits", nullptr},
    {"MainWindow", "Mark", nullptr},
    {"MainWindow", "115200", nullptr},
    {"MainWindow", "TCP Server", nullptr},
    {"MainWindow", "MQTT", nullptr},
    {"MainWindow", "Modbus", nullptr},
    {"MainWindow", "Coils", nullptr},
    {"Help", "GPS:", nullptr},
    {"Help", "Humidity:xx.xx%\\r\\n", nullptr},
    {"Help", "Spectra receive format(int):", nullptr},
    {"Config", "Config", nullptr},
    {"Config", "OK", nullptr},
    {"AboutDialog", "OK", nullptr},
    // Shared with the communication pages, which keep them English.
    {"MainWindow", "Serial opened", nullptr},
    {"MainWindow", "Close", nullptr},
    // lupdate guesses 时间 here; lrelease would ship such a guess.
    {"MainWindow", "Time", nullptr},
    {"MainWindow", "CO₂:", nullptr},
};

static const QStringList kTabs = {
    "Serial Debug", "UDP Debug", "TCP Debug", "GSM Debug", "Unicode", "Environment", "Crypty",
    "Oscilloscope", "MQTT", "Ble", "Spectra", "i2cdump", "TOF", "Modbus", "Hex", "CIE", "IMU", "More"};

class ChineseTexts : public QObject
{
    Q_OBJECT
    QTranslator m_first;
    QTranslator m_second;
    kesptest::TempHome *m_home = nullptr;

private slots:
    void initTestCase()
    {
        QCOMPARE(installTranslators(&m_first, &m_second).first, QStringLiteral(":/transSimpleChinese.qm"));
        m_home = new kesptest::TempHome(kesptest::quietIni());
    }
    void cleanupTestCase() { delete m_home; }

    // Without a font that has Simplified Chinese glyphs every text here
    // would be boxes on a freshly set-up machine.
    void chineseFontInstalled()
    {
        QVERIFY(!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
    }

    void catalogue_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("shown");
        for (const Entry &e : kCatalogue)
            QTest::newRow(qPrintable(QString("%1/%2").arg(e.context, e.source)))
                << e.context << QString::fromUtf8(e.source) << QString::fromUtf8(e.chinese);
        for (const Entry &e : kUntranslated)
            QTest::newRow(qPrintable(QString("none: %1/%2").arg(e.context, e.source)))
                << e.context << QString::fromUtf8(e.source) << QString::fromUtf8(e.source);
    }

    void catalogue()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, shown);
        QCOMPARE(QCoreApplication::translate(qPrintable(context), source.toUtf8().constData()), shown);
    }

    // The English catalogue loads and changes no text.
    void englishCatalogue()
    {
        QTranslator english;
        QVERIFY(english.load(":/transEnglish.qm"));
        QCoreApplication::removeTranslator(&m_first);
        QCoreApplication::installTranslator(&english);
        for (const Entry &e : kCatalogue)
            QCOMPARE(QCoreApplication::translate(e.context, e.source), QString::fromUtf8(e.source));
        QCoreApplication::removeTranslator(&english);
        QCoreApplication::installTranslator(&m_first);
        QCOMPARE(QCoreApplication::translate("MainWindow", "Preferences"), QStringLiteral("配置"));
    }

    void menusAndTabs()
    {
        MainWindow w;
        auto texts = [](QMenu *m) {
            QStringList t;
            for (QAction *a : m->actions())
                t << a->text();
            return t;
        };
        const QList<QAction *> bar = w.menuBar()->actions();
        QCOMPARE(bar.at(0)->text(), QStringLiteral("Edit(&E)"));
        QCOMPARE(bar.at(1)->text(), QStringLiteral("About(&A)"));
        QCOMPARE(texts(bar.at(0)->menu()), (QStringList{"配置", "退出"}));
        QCOMPARE(texts(bar.at(1)->menu()), (QStringList{"检测更新", "使用帮助", "关于"}));

        // Panels are chosen by English tab texts: a translated one would
        // leave its panel dead.
        auto *tabs = w.findChild<QTabWidget *>("tabWidget");
        QStringList shown;
        for (int i = 0; i < tabs->count(); ++i)
            shown << tabs->tabText(i);
        QCOMPARE(shown, kTabs);
        QCOMPARE(w.initialisedTabs, kTabs.mid(0, kTabs.size() - 1));
    }

    void helpAndAbout()
    {
        MainWindow w;
        w.findChild<QAction *>("actionHelp")->trigger();
        auto *help = w.findChild<QDialog *>("Help");
        QVERIFY(help);
        QCOMPARE(help->windowTitle(), QStringLiteral("使用帮助"));
        QCOMPARE(help->findChild<QPushButton *>("helpdialogCancel")->text(), QStringLiteral("确认"));
        auto label = [&](const char *name) { return help->findChild<QLabel *>(name)->text(); };
        QCOMPARE(label("label_4"), QStringLiteral("示例:"));
        QCOMPARE(label("label_2"), QStringLiteral("TCP服务器接收格式："));
        QCOMPARE(label("label_9"), QStringLiteral("接收格式："));
        QCOMPARE(label("label_7"), QStringLiteral("Temperature:xx.xxC\\r\\n"));
        QCOMPARE(label("label_24"), QStringLiteral("Oscilloscope receive format:"));
        QCOMPARE(help->findChild<QGroupBox *>("groupBox")->title(), QStringLiteral("GPS:"));

        w.findChild<QAction *>("actionAbout")->trigger();
        QWidget *about = nullptr;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (t->objectName() == "AboutDialog")
                about = t;
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QStringLiteral("关于"));
        QCOMPARE(about->findChild<QPushButton *>("closeBtn")->text(), QStringLiteral("关闭"));
    }
};

QTEST_MAIN(ChineseTexts)
#include "tst_chinese_texts.moc"
