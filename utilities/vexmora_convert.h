#ifndef VEXMORA_CONVERT_H
#define VEXMORA_CONVERT_H

#include <QPointer>
#include <QRegularExpression>
#include <QWidget>

class CurrencyConverter;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class Ui_vexmora_convert;
namespace UnitConvert {
enum class Quantity;
}

// The "Convert" tab: 22 groups that each turn a typed number in one unit
// into another unit of the same quantity as the user types.  The first one
// converts money through the euro with rates kept by CurrencyConverter.
class vexmora_convert : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_convert(QWidget *parent = nullptr);
    ~vexmora_convert() override;

    // Drops the parenthesised name from an item text: "km(kilometer)" -> "km".
    static const QRegularExpression cleanUnitRegex;

// The slots ignore their arguments: each recomputes its group's result.
private slots:
    void Exchangerates_inputEdit_textChanged(const QString &text);
    void Exchangerates_fromUnitCombox_currentIndexChanged(int index);
    void Exchangerates_toUnitCombox_currentIndexChanged(int index);
    void Exchangerates_InterchangeButtonClicked();
    void Lengths_inputEdit_textChanged(const QString &text);
    void Lengths_fromUnitCombox_currentIndexChanged(int index);
    void Lengths_toUnitCombox_currentIndexChanged(int index);
    void Lengths_InterchangeButtonClicked();
    void Mass_inputEdit_textChanged(const QString &text);
    void Mass_fromUnitCombox_currentIndexChanged(int index);
    void Mass_toUnitCombox_currentIndexChanged(int index);
    void Mass_InterchangeButtonClicked();
    void Area_inputEdit_textChanged(const QString &text);
    void Area_fromUnitCombox_currentIndexChanged(int index);
    void Area_toUnitCombox_currentIndexChanged(int index);
    void Area_InterchangeButtonClicked();
    void Volume_inputEdit_textChanged(const QString &text);
    void Volume_fromUnitCombox_currentIndexChanged(int index);
    void Volume_toUnitCombox_currentIndexChanged(int index);
    void Volume_InterchangeButtonClicked();
    void Time_inputEdit_textChanged(const QString &text);
    void Time_fromUnitCombox_currentIndexChanged(int index);
    void Time_toUnitCombox_currentIndexChanged(int index);
    void Time_InterchangeButtonClicked();
    void Speed_inputEdit_textChanged(const QString &text);
    void Speed_fromUnitCombox_currentIndexChanged(int index);
    void Speed_toUnitCombox_currentIndexChanged(int index);
    void Speed_InterchangeButtonClicked();
    void Force_inputEdit_textChanged(const QString &text);
    void Force_fromUnitCombox_currentIndexChanged(int index);
    void Force_toUnitCombox_currentIndexChanged(int index);
    void Force_InterchangeButtonClicked();
    void Torque_inputEdit_textChanged(const QString &text);
    void Torque_fromUnitCombox_currentIndexChanged(int index);
    void Torque_toUnitCombox_currentIndexChanged(int index);
    void Torque_InterchangeButtonClicked();
    void Temperature_inputEdit_textChanged(const QString &text);
    void Temperature_fromUnitCombox_currentIndexChanged(int index);
    void Temperature_toUnitCombox_currentIndexChanged(int index);
    void Temperature_InterchangeButtonClicked();
    void Pressure_inputEdit_textChanged(const QString &text);
    void Pressure_fromUnitCombox_currentIndexChanged(int index);
    void Pressure_toUnitCombox_currentIndexChanged(int index);
    void Pressure_InterchangeButtonClicked();
    void Energy_inputEdit_textChanged(const QString &text);
    void Energy_fromUnitCombox_currentIndexChanged(int index);
    void Energy_toUnitCombox_currentIndexChanged(int index);
    void Energy_InterchangeButtonClicked();
    void Power_inputEdit_textChanged(const QString &text);
    void Power_fromUnitCombox_currentIndexChanged(int index);
    void Power_toUnitCombox_currentIndexChanged(int index);
    void Power_InterchangeButtonClicked();
    void Capacitance_inputEdit_textChanged(const QString &text);
    void Capacitance_fromUnitCombox_currentIndexChanged(int index);
    void Capacitance_toUnitCombox_currentIndexChanged(int index);
    void Capacitance_InterchangeButtonClicked();
    void Resistance_inputEdit_textChanged(const QString &text);
    void Resistance_fromUnitCombox_currentIndexChanged(int index);
    void Resistance_toUnitCombox_currentIndexChanged(int index);
    void Resistance_InterchangeButtonClicked();
    void Conductance_inputEdit_textChanged(const QString &text);
    void Conductance_fromUnitCombox_currentIndexChanged(int index);
    void Conductance_toUnitCombox_currentIndexChanged(int index);
    void Conductance_InterchangeButtonClicked();
    void Inductance_inputEdit_textChanged(const QString &text);
    void Inductance_fromUnitCombox_currentIndexChanged(int index);
    void Inductance_toUnitCombox_currentIndexChanged(int index);
    void Inductance_InterchangeButtonClicked();
    void Current_inputEdit_textChanged(const QString &text);
    void Current_fromUnitCombox_currentIndexChanged(int index);
    void Current_toUnitCombox_currentIndexChanged(int index);
    void Current_InterchangeButtonClicked();
    void Charge_inputEdit_textChanged(const QString &text);
    void Charge_fromUnitCombox_currentIndexChanged(int index);
    void Charge_toUnitCombox_currentIndexChanged(int index);
    void Charge_InterchangeButtonClicked();
    void Magnetic_inputEdit_textChanged(const QString &text);
    void Magnetic_fromUnitCombox_currentIndexChanged(int index);
    void Magnetic_toUnitCombox_currentIndexChanged(int index);
    void Magnetic_InterchangeButtonClicked();
    void Angle_inputEdit_textChanged(const QString &text);
    void Angle_fromUnitCombox_currentIndexChanged(int index);
    void Angle_toUnitCombox_currentIndexChanged(int index);
    void Angle_InterchangeButtonClicked();
    void DataStorage_inputEdit_textChanged(const QString &text);
    void DataStorage_fromUnitCombox_currentIndexChanged(int index);
    void DataStorage_toUnitCombox_currentIndexChanged(int index);
    void DataStorage_InterchangeButtonClicked();

private:
    // Each group's init, recomputation and its conversion into the group's
    // base unit and out of it.
#define KESP_CONVERT_GROUP(G) \
    void G##_Init(); \
    void G##_updateResult(); \
    double G##_convertTo(double value, const QString &unitText); \
    double G##_convertFrom(double value, const QString &unitText);
    KESP_CONVERT_GROUP(Exchangerates)
    KESP_CONVERT_GROUP(Lengths)
    KESP_CONVERT_GROUP(Mass)
    KESP_CONVERT_GROUP(Area)
    KESP_CONVERT_GROUP(Volume)
    KESP_CONVERT_GROUP(Time)
    KESP_CONVERT_GROUP(Speed)
    KESP_CONVERT_GROUP(Force)
    KESP_CONVERT_GROUP(Torque)
    KESP_CONVERT_GROUP(Temperature)
    KESP_CONVERT_GROUP(Pressure)
    KESP_CONVERT_GROUP(Energy)
    KESP_CONVERT_GROUP(Power)
    KESP_CONVERT_GROUP(Capacitance)
    KESP_CONVERT_GROUP(Resistance)
    KESP_CONVERT_GROUP(Conductance)
    KESP_CONVERT_GROUP(Inductance)
    KESP_CONVERT_GROUP(Current)
    KESP_CONVERT_GROUP(Charge)
    KESP_CONVERT_GROUP(Magnetic)
    KESP_CONVERT_GROUP(Angle)
    KESP_CONVERT_GROUP(DataStorage)
#undef KESP_CONVERT_GROUP

    // The widgets one group is made of.
    struct Group
    {
        QLineEdit *source;
        QLineEdit *result;
        QComboBox *from;
        QComboBox *to;
        QPushButton *swap;
        QLabel *icon;
        QHBoxLayout *header;
    };

    template <typename Text, typename From, typename To, typename Swap>
    void wireGroup(const Group &g, Text text, From from, To to, Swap swap);
    static void drawHeader(const Group &g, const QString &iconPath, bool smallIcon, int titleStretch);
    static void swapUnits(const Group &g);
    static void selectInitialUnits(const Group &g, UnitConvert::Quantity q);
    static QString unitKey(const QString &unitText);
    static double storedRate(const QString &code);

    Ui_vexmora_convert *ui;
    QPointer<CurrencyConverter> rates;
};

#endif // VEXMORA_CONVERT_H
