#include "utilities/vexmora_convert.h"

#include "app/settings_file.h"
#include "ui_vexmora_convert.h"
#include "utilities/convert_format.h"
#include "utilities/currency_converter.h"
#include "utilities/rate_feed.h"
#include "utilities/unit_convert.h"

#include <QCoreApplication>
#include <QPainter>
#include <QScroller>
#include <QSettings>
#include <QSvgRenderer>

const QRegularExpression vexmora_convert::cleanUnitRegex(QStringLiteral("\\(.*\\)"));

namespace {

// The currencies in list order; the flag is named after the code's first
// two letters ("eu" for the euro).
const char *const kCurrencies[] = {
    QT_TRANSLATE_NOOP("QObject", "AUD(Australian Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "BGN(Bulgarian Lev)"),
    QT_TRANSLATE_NOOP("QObject", "BRL(Brazilian Real)"),
    QT_TRANSLATE_NOOP("QObject", "CAD(Canadian Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "CHF(Swiss Franc)"),
    QT_TRANSLATE_NOOP("QObject", "CNY(Chinese Yuan)"),
    QT_TRANSLATE_NOOP("QObject", "CZK(Czech Koruna)"),
    QT_TRANSLATE_NOOP("QObject", "DKK(Danish Krone)"),
    QT_TRANSLATE_NOOP("QObject", "EUR(Euro)"),
    QT_TRANSLATE_NOOP("QObject", "GBP(British Pound Sterling)"),
    QT_TRANSLATE_NOOP("QObject", "HKD(Hong Kong Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "HUF(Hungarian Forint)"),
    QT_TRANSLATE_NOOP("QObject", "IDR(Indonesian Rupiah)"),
    QT_TRANSLATE_NOOP("QObject", "ILS(Israeli New Shekel)"),
    QT_TRANSLATE_NOOP("QObject", "INR(Indian Rupee)"),
    QT_TRANSLATE_NOOP("QObject", "ISK(Icelandic Króna)"),
    QT_TRANSLATE_NOOP("QObject", "JPY(Japanese Yen)"),
    QT_TRANSLATE_NOOP("QObject", "KRW(South Korean Won)"),
    QT_TRANSLATE_NOOP("QObject", "MXN(Mexican Peso)"),
    QT_TRANSLATE_NOOP("QObject", "MYR(Malaysian Ringgit)"),
    QT_TRANSLATE_NOOP("QObject", "NOK(Norwegian Krone)"),
    QT_TRANSLATE_NOOP("QObject", "NZD(New Zealand Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "PHP(Philippine Peso)"),
    QT_TRANSLATE_NOOP("QObject", "PLN(Polish Złoty)"),
    QT_TRANSLATE_NOOP("QObject", "RON(Romanian Leu)"),
    QT_TRANSLATE_NOOP("QObject", "SEK(Swedish Krona)"),
    QT_TRANSLATE_NOOP("QObject", "SGD(Singapore Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "THB(Thai Baht)"),
    QT_TRANSLATE_NOOP("QObject", "TRY(Turkish Lira)"),
    QT_TRANSLATE_NOOP("QObject", "USD(United States Dollar)"),
    QT_TRANSLATE_NOOP("QObject", "ZAR(South African Rand)"),
};

QString fixed10(double v) { return ConvertFormat::fixed(v, 10); }

} // namespace

#define GROUP_OF(q)                                                                                  \
    Group{ui->q##_inputEdit_source, ui->q##_inputEdit_to, ui->q##_fromUnitCombox, ui->q##_toUnitCombox, \
          ui->q##_interchangeable_pushButton, ui->label_svg_##q, ui->horizontalLayout_##q}

vexmora_convert::vexmora_convert(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_convert)
{
    ui->setupUi(this);

    rates = new CurrencyConverter(nullptr);
    connect(rates, &QThread::finished, rates, &QObject::deleteLater);
    rates->start(QThread::InheritPriority);

    Exchangerates_Init();
    Lengths_Init();
    Mass_Init();
    Area_Init();
    Volume_Init();
    Time_Init();
    Speed_Init();
    Force_Init();
    Torque_Init();
    Temperature_Init();
    Pressure_Init();
    Energy_Init();
    Power_Init();
    Capacitance_Init();
    Resistance_Init();
    Conductance_Init();
    Inductance_Init();
    Current_Init();
    Charge_Init();
    Magnetic_Init();
    Angle_Init();
    DataStorage_Init();

    ui->scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScroller::grabGesture(ui->scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
}

vexmora_convert::~vexmora_convert()
{
    // A download still running is told to stop in its own event loop; the
    // thread must be gone before its object is.
    if (rates) {
        rates->stopAndWait();
        delete rates;
    }
    delete ui;
}

template <typename Text, typename From, typename To, typename Swap>
void vexmora_convert::wireGroup(const Group &g, Text text, From from, To to, Swap swap)
{
    g.result->setReadOnly(true);
    connect(g.source, &QLineEdit::textChanged, this, text);
    connect(g.from, &QComboBox::currentIndexChanged, this, from);
    connect(g.to, &QComboBox::currentIndexChanged, this, to);
    connect(g.swap, &QPushButton::clicked, this, swap);
}

void vexmora_convert::drawHeader(const Group &g, const QString &iconPath, bool smallIcon, int titleStretch)
{
    QSvgRenderer renderer(iconPath);
    const QSize size = smallIcon ? QSize(30, 30)
                                 : QSize(qRound(renderer.defaultSize().width() * 3.0),
                                         qRound(renderer.defaultSize().height() * 3.0));
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    g.icon->setPixmap(pixmap);
    g.icon->setAlignment(Qt::AlignCenter);
    g.header->setStretch(1, titleStretch);
}

void vexmora_convert::swapUnits(const Group &g)
{
    // Two index changes, two recomputations; nothing happens when both
    // sides already show the same unit.
    const int from = g.from->currentIndex();
    const int to = g.to->currentIndex();
    g.from->setCurrentIndex(to);
    g.to->setCurrentIndex(from);
}

QString vexmora_convert::unitKey(const QString &unitText)
{
    return QString(unitText).replace(cleanUnitRegex, QString());
}

// ---- Exchangerates ----

void vexmora_convert::Exchangerates_Init()
{
    const Group g = GROUP_OF(exchangerates);
    wireGroup(g, &vexmora_convert::Exchangerates_inputEdit_textChanged,
              &vexmora_convert::Exchangerates_fromUnitCombox_currentIndexChanged,
              &vexmora_convert::Exchangerates_toUnitCombox_currentIndexChanged,
              &vexmora_convert::Exchangerates_InterchangeButtonClicked);
    drawHeader(g, QStringLiteral(":/property_icons/currencies.svg"), false, 2);
    for (QComboBox *box : {g.from, g.to}) {
        for (const char *text : kCurrencies) {
            const QString flag = QStringLiteral(":/img/%1.svg").arg(QString::fromLatin1(text, 2).toLower());
            box->addItem(QIcon(flag), QCoreApplication::translate("QObject", text));
        }
    }
}

void vexmora_convert::Exchangerates_inputEdit_textChanged(const QString &) { Exchangerates_updateResult(); }
void vexmora_convert::Exchangerates_fromUnitCombox_currentIndexChanged(int) { Exchangerates_updateResult(); }
void vexmora_convert::Exchangerates_toUnitCombox_currentIndexChanged(int) { Exchangerates_updateResult(); }
void vexmora_convert::Exchangerates_InterchangeButtonClicked() { swapUnits(GROUP_OF(exchangerates)); }

void vexmora_convert::Exchangerates_updateResult()
{
    const Group g = GROUP_OF(exchangerates);
    const double amount = ConvertFormat::parseAmount(g.source->text());
    const double euros = Exchangerates_convertTo(amount, g.from->currentText());
    g.result->setText(fixed10(Exchangerates_convertFrom(euros, g.to->currentText())));
}

// Read afresh at every conversion: the rate thread may have stored new ones.
double vexmora_convert::storedRate(const QString &code)
{
    if (code.isEmpty()) // a combo still being filled
        return 0.0;
    QSettings settings(SettingsFile::path(), QSettings::IniFormat);
    settings.beginGroup(RateFeed::kGroup);
    const double rate = settings.value(code).toDouble();
    return RateFeed::usableRate(rate) ? rate : 0.0;
}

double vexmora_convert::Exchangerates_convertTo(double value, const QString &unitText)
{
    const QString code = unitKey(unitText);
    if (code == QLatin1String("EUR"))
        return value;
    const double rate = storedRate(code);
    return rate != 0 ? value / rate : 0.0;
}

double vexmora_convert::Exchangerates_convertFrom(double value, const QString &unitText)
{
    const QString code = unitKey(unitText);
    if (code == QLatin1String("EUR"))
        return value;
    const double rate = storedRate(code);
    return rate != 0 ? value * rate : 0.0;
}

// ---- The unit groups: the same frame, each with its own table ----

// Lengths opens at millimetres to mils, the others at their first unit (set
// by the form).  Found by key: the item texts differ under translation.
void vexmora_convert::selectInitialUnits(const Group &g, UnitConvert::Quantity q)
{
    if (q != UnitConvert::Quantity::Lengths)
        return;
    const auto select = [](QComboBox *box, const QString &key) {
        for (int i = 0; i < box->count(); ++i)
            if (unitKey(box->itemText(i)) == key)
                box->setCurrentIndex(i);
    };
    select(g.from, QStringLiteral("mm"));
    select(g.to, QStringLiteral("mil"));
}

#define KESP_UNIT_GROUP(G, q, icon, smallIcon)                                              \
    void vexmora_convert::G##_Init()                                                                \
    {                                                                                               \
        const Group g = GROUP_OF(q);                                                                \
        selectInitialUnits(g, UnitConvert::Quantity::G);                                            \
        wireGroup(g, &vexmora_convert::G##_inputEdit_textChanged,                                   \
                  &vexmora_convert::G##_fromUnitCombox_currentIndexChanged,                         \
                  &vexmora_convert::G##_toUnitCombox_currentIndexChanged,                           \
                  &vexmora_convert::G##_InterchangeButtonClicked);                                  \
        drawHeader(g, QStringLiteral(":/property_icons/" icon ".svg"), smallIcon, 3);               \
    }                                                                                               \
    void vexmora_convert::G##_inputEdit_textChanged(const QString &) { G##_updateResult(); }        \
    void vexmora_convert::G##_fromUnitCombox_currentIndexChanged(int) { G##_updateResult(); }       \
    void vexmora_convert::G##_toUnitCombox_currentIndexChanged(int) { G##_updateResult(); }         \
    void vexmora_convert::G##_InterchangeButtonClicked() { swapUnits(GROUP_OF(q)); }                \
    void vexmora_convert::G##_updateResult()                                                        \
    {                                                                                               \
        const Group g = GROUP_OF(q);                                                                \
        const double base = G##_convertTo(ConvertFormat::parseAmount(g.source->text()), g.from->currentText()); \
        g.result->setText(UnitConvert::formatResult(UnitConvert::Quantity::G,                       \
                                                    G##_convertFrom(base, g.to->currentText())));   \
    }                                                                                               \
    double vexmora_convert::G##_convertTo(double value, const QString &unitText)                    \
    {                                                                                               \
        return UnitConvert::toBase(UnitConvert::Quantity::G, unitKey(unitText), value);             \
    }                                                                                               \
    double vexmora_convert::G##_convertFrom(double value, const QString &unitText)                  \
    {                                                                                               \
        return UnitConvert::fromBase(UnitConvert::Quantity::G, unitKey(unitText), value);           \
    }

KESP_UNIT_GROUP(Lengths, lengths, "length", false)
KESP_UNIT_GROUP(Mass, mass, "mass", false)
KESP_UNIT_GROUP(Area, area, "area", false)
KESP_UNIT_GROUP(Volume, volume, "volume", false)
KESP_UNIT_GROUP(Force, force, "force", false)
KESP_UNIT_GROUP(Torque, torque, "torque", false)
KESP_UNIT_GROUP(Time, time, "time", false)
KESP_UNIT_GROUP(Speed, speed, "speed", false)
KESP_UNIT_GROUP(Temperature, temperature, "temperature", false)
KESP_UNIT_GROUP(Pressure, pressure, "pressure", false)
KESP_UNIT_GROUP(Energy, energy, "energy", false)
KESP_UNIT_GROUP(Power, power, "power", false)
KESP_UNIT_GROUP(Capacitance, capacitance, "capacitance", true)
KESP_UNIT_GROUP(Resistance, resistance, "resistance", true)
KESP_UNIT_GROUP(Conductance, conductance, "conductance", true)
KESP_UNIT_GROUP(Inductance, inductance, "inductance", true)
KESP_UNIT_GROUP(Current, current, "current", true)
KESP_UNIT_GROUP(Charge, charge, "charge", true)
KESP_UNIT_GROUP(Magnetic, magnetic, "magnetic", true)
KESP_UNIT_GROUP(Angle, angle, "angle", true)
KESP_UNIT_GROUP(DataStorage, datastorage, "datastorage", true)
