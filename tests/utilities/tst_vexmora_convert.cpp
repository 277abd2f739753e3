// The "Convert" tab through its widgets: the currency group against rates in
// the settings file, the form's 22 groups, the Chinese texts, and the main
// window torn down while a download hangs.
#include "app/mainwindow.h"
#include "app/settings_file.h"
#include "tests/support/test_base.h"
#include "tests/support/widget_helpers.h"
#include "tests/utilities/feed_fixture.h"
#include "tests/utilities/unit_data.h"
#include "utilities/currency_converter.h"
#include "utilities/vexmora_convert.h"

#include <QApplication>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QSettings>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTranslator>
#include <QtTest>

using kesptest::child;
using Ini = QMap<QString, QVariant>;

// A day's stamp already written, so building the widget fetches nothing.
static Ini ratesIni()
{
    return {{"lastOpenedDateTime", QDateTime::currentDateTime()},
            {"ExchangeRates/USD", 1.0883},
            {"ExchangeRates/JPY", 159.58},
            {"ExchangeRates/GBP", -3},
            {"ExchangeRates/CHF", "abc"}};
}

static void pick(QComboBox *box, const QString &code)
{
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).startsWith(code + "(")) {
            box->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable("no currency " + code));
}

// Types like a user: clear, then key by key.
static QString convert(vexmora_convert &w, const QString &amount, const QString &from, const QString &to)
{
    pick(child<QComboBox>(w, "exchangerates_fromUnitCombox"), from);
    pick(child<QComboBox>(w, "exchangerates_toUnitCombox"), to);
    auto *source = child<QLineEdit>(w, "exchangerates_inputEdit_source");
    source->selectAll();
    QTest::keyClick(source, Qt::Key_Delete);
    QTest::keyClicks(source, amount);
    return child<QLineEdit>(w, "exchangerates_inputEdit_to")->text();
}

struct GroupRow
{
    const char *prefix, *box, *title;
    bool smallIcon;
};
static const GroupRow kGroups[] = {
    {"exchangerates", "groupBox_10", "Exchangerates", false}, {"lengths", "groupBox", "Lengths", false},
    {"mass", "groupBox_mass", "Mass", false},                 {"area", "groupBox_2", "Area", false},
    {"volume", "groupBox_3", "Volume", false},                {"force", "groupBox_6", "Force", false},
    {"torque", "groupBox_7", "Torque", false},                {"time", "groupBox_4", "Time", false},
    {"speed", "groupBox_5", "Speed", false},                  {"temperature", "groupBox_8", "Temperature", false},
    {"pressure", "groupBox_9", "Pressure", false},            {"energy", "groupBox_11", "Energy", false},
    {"power", "groupBox_12", "Power", false},                 {"capacitance", "groupBox_13", "Capacitance", true},
    {"resistance", "groupBox_14", "Resistance", true},        {"conductance", "groupBox_15", "Conductance", true},
    {"inductance", "groupBox_16", "Inductance", true},        {"current", "groupBox_17", "Current", true},
    {"charge", "groupBox_18", "Charge", true},                {"magnetic", "groupBox_19", "Magnetic", true},
    {"angle", "groupBox_20", "Angle", true},                  {"datastorage", "groupBox_21", "DataStorage", true},
};
static const char *const kIcons[] = {"currencies", "length", "mass", "area", "volume", "force", "torque", "time",
                                     "speed", "temperature", "pressure", "energy", "power", "capacitance",
                                     "resistance", "conductance", "inductance", "current", "charge", "magnetic",
                                     "angle", "datastorage"};

static QStringList items(QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

static QString keyOf(const QString &itemText)
{
    return QString(itemText).replace(vexmora_convert::cleanUnitRegex, QString());
}

// Picks units by key and types the amount into a unit group, as a user would.
static QString typeInto(QWidget &w, const QString &group, const QString &amount, const QString &from,
                        const QString &to)
{
    const QString q = group.toLower();
    for (const auto &[combo, key] : {std::pair{QString("_fromUnitCombox"), from}, {QString("_toUnitCombox"), to}}) {
        auto *box = child<QComboBox>(w, qPrintable(q + combo));
        int found = -1;
        for (int i = 0; i < box->count(); ++i)
            if (keyOf(box->itemText(i)) == key)
                found = i;
        if (found < 0)
            return "no unit " + key;
        box->setCurrentIndex(found);
    }
    auto *source = child<QLineEdit>(w, qPrintable(q + "_inputEdit_source"));
    source->clear();
    QTest::keyClicks(source, amount);
    return child<QLineEdit>(w, qPrintable(q + "_inputEdit_to"))->text();
}

// Under either language: the data file's items by key, in order; the opening
// units; the first hand-checked conversion of every group.
static void checkUnitGroups(QWidget &w)
{
    const QList<unitdata::GroupRow> groups = unitdata::read();
    QCOMPARE(groups.size(), 21);
    for (const unitdata::GroupRow &g : groups) {
        const QString q = g.name.toLower();
        auto *from = child<QComboBox>(w, qPrintable(q + "_fromUnitCombox"));
        auto *to = child<QComboBox>(w, qPrintable(q + "_toUnitCombox"));
        QStringList keys;
        for (const unitdata::UnitRow &u : g.units)
            keys << u.key;
        QStringList shown;
        for (const QString &text : items(from))
            shown << keyOf(text);
        QCOMPARE(shown, keys);
        QCOMPARE(items(to), items(from));
        const bool lengths = g.name == QLatin1String("Lengths");
        QCOMPARE(keyOf(from->currentText()), lengths ? QString("mm") : keys.first());
        QCOMPARE(keyOf(to->currentText()), lengths ? QString("mil") : keys.first());
        QVERIFY(child<QLineEdit>(w, qPrintable(q + "_inputEdit_to"))->text().isEmpty());
    }
    for (const unitdata::GroupRow &g : groups) {
        const auto c = std::find_if(unitdata::cases().cbegin(), unitdata::cases().cend(),
                                    [&](const unitdata::Case &c) { return g.name == QLatin1String(c.group); });
        QVERIFY(c != unitdata::cases().cend());
        QCOMPARE(typeInto(w, g.name, QString::fromUtf8(c->amount), QString::fromUtf8(c->from),
                          QString::fromUtf8(c->to)),
                 QString::fromUtf8(c->shown));
    }
}

class VexmoraConvertTest : public QObject
{
    Q_OBJECT
private slots:
    void currencies_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("result");
        QTest::newRow("EUR to USD") << "1" << "EUR" << "USD" << "1.0883";
        QTest::newRow("USD to EUR, 10 decimals") << "100" << "USD" << "EUR" << "91.8864283745";
        QTest::newRow("EUR to JPY") << "1" << "EUR" << "JPY" << "159.58";
        QTest::newRow("through the euro") << "100" << "JPY" << "USD" << "0.6819776914";
        QTest::newRow("EUR to EUR") << "2" << "EUR" << "EUR" << "2";
        QTest::newRow("empty") << "" << "EUR" << "USD" << "0";
        QTest::newRow("comma") << "1,5" << "EUR" << "USD" << "0";
        QTest::newRow("letters") << "abc" << "EUR" << "USD" << "0";
        QTest::newRow("blanks") << " 2 " << "EUR" << "EUR" << "2";
        QTest::newRow("overflowing amount") << "1e400" << "EUR" << "USD" << "0";
        QTest::newRow("below half the last decimal") << "0.00000000004" << "EUR" << "EUR" << "0";
        QTest::newRow("tiny negative shows 0, not -0") << "-0.00000000001" << "EUR" << "USD" << "0";
        QTest::newRow("no stored rate") << "1" << "EUR" << "AUD" << "0";
        QTest::newRow("negative stored rate counts as none") << "1" << "EUR" << "GBP" << "0";
        QTest::newRow("stored rate no number") << "1" << "CHF" << "EUR" << "0";
    }

    void currencies()
    {
        QFETCH(QString, amount);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, result);
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        QCOMPARE(convert(w, amount, from, to), result);
    }

    void currencyList()
    {
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        auto *from = child<QComboBox>(w, "exchangerates_fromUnitCombox");
        auto *to = child<QComboBox>(w, "exchangerates_toUnitCombox");
        QCOMPARE(from->count(), 31);
        QCOMPARE(to->count(), 31);
        QCOMPARE(from->currentText(), QString("AUD(Australian Dollar)"));
        QCOMPARE(to->currentText(), QString("AUD(Australian Dollar)"));
        QCOMPARE(child<QLineEdit>(w, "exchangerates_inputEdit_to")->text(), QString("0"));
        QCOMPARE(from->itemText(8), QString("EUR(Euro)"));
        QCOMPARE(from->itemText(30), QString("ZAR(South African Rand)"));
        for (int i = 0; i < 31; ++i) {
            QCOMPARE(to->itemText(i), from->itemText(i));
            QVERIFY2(!from->itemIcon(i).pixmap(24, 18).isNull(), qPrintable(from->itemText(i)));
            QVERIFY(!to->itemIcon(i).pixmap(24, 18).isNull());
        }

        // The built-in table covers every currency but the euro.
        CurrencyConverter::no_netwrok_write();
        for (int i = 0; i < 31; ++i) {
            const QString code = from->itemText(i).left(3);
            QVERIFY2(convert(w, "1", "EUR", code) != "0", qPrintable(code));
        }
    }

    // Rates are read at every conversion; the swap recomputes twice and
    // leaves the amount alone.
    void lookupsAndSwap()
    {
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(convert(w, "100", "USD", "EUR"), QString("91.8864283745"));

        auto *result = child<QLineEdit>(w, "exchangerates_inputEdit_to");
        QSignalSpy shown(result, &QLineEdit::textChanged);
        kesptest::press(w, "exchangerates_interchangeable_pushButton");
        QCOMPARE(child<QComboBox>(w, "exchangerates_fromUnitCombox")->currentText(), QString("EUR(Euro)"));
        QCOMPARE(child<QComboBox>(w, "exchangerates_toUnitCombox")->currentText(),
                 QString("USD(United States Dollar)"));
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).at(0).toString(), QString("100"));
        QCOMPARE(result->text(), QString("108.83"));
        QCOMPARE(child<QLineEdit>(w, "exchangerates_inputEdit_source")->text(), QString("100"));

        {
            QSettings s(SettingsFile::path(), QSettings::IniFormat);
            s.setValue("ExchangeRates/USD", 2.0);
        }
        QCOMPARE(convert(w, "100", "EUR", "USD"), QString("200"));
        {
            QSettings s(SettingsFile::path(), QSettings::IniFormat);
            s.remove("ExchangeRates/USD");
        }
        QCOMPARE(convert(w, "100", "EUR", "USD"), QString("0"));
        QCOMPARE(convert(w, "100", "USD", "EUR"), QString("0"));

        // Same currency on both sides: the swap changes nothing.
        convert(w, "5", "JPY", "JPY");
        shown.clear();
        kesptest::press(w, "exchangerates_interchangeable_pushButton");
        QCOMPARE(shown.size(), 0);
    }

    void form()
    {
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        QCOMPARE(w.windowTitle(), QString("vexmora_convert"));
        QCOMPARE(w.sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(w.sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
        QCOMPARE(child<QScrollArea>(w, "scrollArea")->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QVERIFY(child<QScrollArea>(w, "scrollArea")->widgetResizable());
        // Everything from the first "(" to the last ")" goes.
        QCOMPARE(keyOf("UK gal(UK gallon)"), QString("UK gal"));
        QCOMPARE(keyOf("a(b)c(d)"), QString("a"));
        QCOMPARE(keyOf("Bit"), QString("Bit"));
        w.resize(738, 670);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        auto *contents = child<QWidget>(w, "scrollAreaWidgetContents");
        int lastY = -1;
        int i = 0;
        for (const GroupRow &g : kGroups) {
            const QString q = g.prefix;
            auto *box = child<QGroupBox>(w, g.box);
            QVERIFY(box->title().isEmpty());
            const int y = box->mapTo(contents, QPoint(0, 0)).y();
            QVERIFY2(y > lastY, g.box);
            lastY = y;

            auto *title = child<QLabel>(*box, qPrintable("label_text_" + q));
            QCOMPARE(title->text(), QString(g.title));
            QCOMPARE(title->font().family(), QString("Arvo"));
            QCOMPARE(title->font().pointSize(), 20);
            QCOMPARE(title->alignment(), Qt::AlignCenter);
            auto *icon = child<QLabel>(*box, qPrintable("label_svg_" + q));
            QCOMPARE(icon->font().pointSize(), 20);
            const QSize svg = QSvgRenderer(QString(":/property_icons/%1.svg").arg(kIcons[i])).defaultSize();
            QVERIFY(svg.isValid());
            QCOMPARE(icon->pixmap().size(), g.smallIcon ? QSize(30, 30) : svg * 3);
            auto *header = child<QHBoxLayout>(*box, qPrintable("horizontalLayout_" + q));
            QCOMPARE(header->stretch(0), 0);
            QCOMPARE(header->stretch(1), i == 0 ? 2 : 3);
            QCOMPARE(header->contentsMargins().left(), 0);

            QVERIFY(child<QLineEdit>(*box, qPrintable(q + "_inputEdit_to"))->isReadOnly());
            QVERIFY(!child<QLineEdit>(*box, qPrintable(q + "_inputEdit_source"))->isReadOnly());
            auto *swap = child<QPushButton>(*box, qPrintable(q + "_interchangeable_pushButton"));
            QVERIFY(swap->text().isEmpty());
            QVERIFY(!swap->icon().isNull());
            ++i;
        }
        QCOMPARE(child<QLabel>(w, "label_22")->text(), QString("To"));
        QCOMPARE(child<QLineEdit>(w, "lengths_inputEdit_to")->text(), QString());

        // Typing into one group changes only its own result.
        QTest::keyClicks(child<QLineEdit>(w, "lengths_inputEdit_source"), "1");
        QCOMPARE(child<QLineEdit>(w, "lengths_inputEdit_to")->text(), QString("39.370078740157481"));
        QCOMPARE(child<QLineEdit>(w, "mass_inputEdit_to")->text(), QString());
        QCOMPARE(child<QLineEdit>(w, "exchangerates_inputEdit_to")->text(), QString("0"));

        // Narrow: still no horizontal bar; the column scrolls by dragging.
        auto *area = child<QScrollArea>(w, "scrollArea");
        w.resize(200, 400);
        QTest::qWait(50);
        QCOMPARE(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!area->horizontalScrollBar()->isVisible());
        QVERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(QScroller::hasScroller(area->viewport()));
    }

    void unitGroups()
    {
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        checkUnitGroups(w);

        // Swap: recomputed twice, the amount stays.
        QCOMPARE(typeInto(w, "Temperature", "100", "°C", "°F"), QString("212"));
        auto *result = child<QLineEdit>(w, "temperature_inputEdit_to");
        QSignalSpy shown(result, &QLineEdit::textChanged);
        auto *swap = child<QPushButton>(w, "temperature_interchangeable_pushButton");
        child<QScrollArea>(w, "scrollArea")->ensureWidgetVisible(swap);
        kesptest::press(swap);
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).at(0).toString(), QString("100"));
        QCOMPARE(result->text(), QString("37.7777777778"));
        QCOMPARE(child<QLineEdit>(w, "temperature_inputEdit_source")->text(), QString("100"));
        QCOMPARE(keyOf(child<QComboBox>(w, "temperature_fromUnitCombox")->currentText()), QString("°F"));

        // An emptied source box after a unit change converts 0.
        child<QLineEdit>(w, "temperature_inputEdit_source")->clear();
        child<QComboBox>(w, "temperature_fromUnitCombox")->setCurrentIndex(0);
        QCOMPARE(result->text(), QString("0"));
        child<QComboBox>(w, "temperature_toUnitCombox")->setCurrentIndex(1);
        QCOMPARE(result->text(), QString("32"));
        child<QLineEdit>(w, "pressure_inputEdit_source")->setText("5");
        child<QLineEdit>(w, "pressure_inputEdit_source")->clear();
        child<QComboBox>(w, "pressure_toUnitCombox")->setCurrentIndex(3);
        QCOMPARE(child<QLineEdit>(w, "pressure_inputEdit_to")->text(), QString("0"));
    }

    void chinese()
    {
        QTranslator zh;
        QVERIFY(zh.load(":/transSimpleChinese.qm"));
        QCoreApplication::installTranslator(&zh);
        kesptest::TempHome home(ratesIni());
        vexmora_convert w;
        QCoreApplication::removeTranslator(&zh);

        QCOMPARE(child<QComboBox>(w, "exchangerates_fromUnitCombox")->itemText(8), QString("EUR(欧元)"));
        QCOMPARE(child<QLabel>(w, "label_text_exchangerates")->text(), QString("汇率"));
        QVERIFY(child<QLabel>(w, "label_11")->text() != QString("To"));
        QCOMPARE(convert(w, "1", "EUR", "USD"), QString("1.0883"));
        QCOMPARE(convert(w, "100", "USD", "JPY"), QString("14663.2362400074"));

        QCOMPARE(child<QComboBox>(w, "lengths_fromUnitCombox")->currentText(), QString("mm(毫米)"));
        QCOMPARE(child<QComboBox>(w, "temperature_fromUnitCombox")->itemText(4), QString("°Rø(罗氏度)"));
        checkUnitGroups(w);
    }

    // Closing the program while the feed server hangs: the window goes at
    // once, nothing aborts, nothing is stored, the GUI never waited.
    void windowClosedMidDownload()
    {
        feedtest::StalledServer silent;
        QVERIFY(silent.isReady());
        kesptest::TempHome home(kesptest::quietIni({{"Convert", "true"}, {"ExchangeRates/USD", 1.2}}));
        RateFeed::address = silent.url();
        kesptest::ModalCloser boxes;

        auto *window = new MainWindow;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(window->findChild<vexmora_convert *>());
        kesptest::StallProbe probe;
        probe.start();
        auto *source = child<QLineEdit>(*window, "exchangerates_inputEdit_source");
        pick(child<QComboBox>(*window, "exchangerates_fromUnitCombox"), "EUR");
        pick(child<QComboBox>(*window, "exchangerates_toUnitCombox"), "USD");
        for (int i = 0; i < 5; ++i) {
            QTest::keyClicks(source, "1");
            QTest::qWait(80);
        }
        QCOMPARE(child<QLineEdit>(*window, "exchangerates_inputEdit_to")->text(), QString("13333.2"));
        probe.stop();
        QVERIFY2(probe.worstLatenessMs() < kesptest::bound(100), qPrintable(QString::number(probe.worstLatenessMs())));

        QElapsedTimer clock;
        clock.start();
        delete window;
        QVERIFY2(clock.elapsed() < kesptest::bound(3000), qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(boxes.count(), 0);

        QSettings s(SettingsFile::path(), QSettings::IniFormat);
        QCOMPARE(s.value("ExchangeRates/USD").toDouble(), 1.2);
        QVERIFY(!s.contains("ExchangeRates/END"));
        QCOMPARE(s.value("lastOpenedDateTime").toDateTime().date(), QDate::currentDate());
    }
};

KESP_TEST_MAIN(VexmoraConvertTest)
#include "tst_vexmora_convert.moc"
