#ifndef CTHERMOMETER_H
#define CTHERMOMETER_H

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPropertyAnimation;

// A glass thermometer: tube, bulb, a liquid column following the value, a
// scale with numbered major ticks, and the value in degrees Celsius.
class CThermometer : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(double value READ getValue WRITE setValue)

public:
    // Minor divisions per major step are 10 / precision.
    enum PRECISION { PRECISION_ONE = 1, PRECISION_TWO = 2, PRECISION_FIVE = 5, PRECISION_TEN = 10 };

    explicit CThermometer(QWidget *parent = nullptr);

    double getValue() const { return value; }

    void setValue(double value);
    void setValueWithAnimation(double value);
    void setMaxValue(int value);
    void setMinValue(int value);
    void setCenterWidth(int width);
    void setPrecision(PRECISION precision);
    void setTopPadding(int padding);
    void setBottomPadding(int padding);
    void setScaleColor(const QColor &color);
    void setBackGroundColor(const QColor &color);
    void initData();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void updateRect();

    int maxValue = 70;
    int minValue = -30;
    double value = 1.0;
    int precision = 2;
    QColor solutionColor{0x64, 0xb8, 0xff};
    QPropertyAnimation *animation = nullptr;
    QRectF tube;
    int centerWidth = 24;
    int topPadding = 25;
    int bottomPadding = -40;
    QColor scaleColor{0x64, 0x64, 0x64};
    QColor backGroundColor{Qt::transparent};
};

#endif // CTHERMOMETER_H
