#ifndef PROGRESS_BAR_PERCENT_H
#define PROGRESS_BAR_PERCENT_H

#include <QColor>
#include <QWidget>

// A round percent gauge: background disc, an arc growing with the value
// and/or a disc filling from the bottom, the value or percentage in the
// middle.  Drawn in a logical square from -100 to 100.
class ProgressBarPercent : public QWidget
{
    Q_OBJECT

public:
    enum PercentStyle {
        PercentStyle_Arc = 0,
        PercentStyle_Polo = 1,
        PercentStyle_Arc_Polo = 2,
        PercentStyle_Wave = 3
    };
    Q_ENUM(PercentStyle)

    explicit ProgressBarPercent(QWidget *parent = nullptr);
    ~ProgressBarPercent() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    int getMinValue() const { return minValue; }
    int getMaxValue() const { return maxValue; }
    int getValue() const { return int(value); }
    int getNullPosition() const { return nullPosition; }
    int getLineWidth() const { return lineWidth; }
    bool getShowPercent() const { return showPercent; }
    bool getShowFree() const { return showFree; }
    bool getShowSmallCircle() const { return showSmallCircle; }
    bool getClockWise() const { return clockWise; }
    QColor getUsedColor() const { return usedColor; }
    QColor getFreeColor() const { return freeColor; }
    QColor getCircleColor() const { return circleColor; }
    QColor getTextColor() const { return textColor; }
    PercentStyle getPercentStyle() const { return percentStyle; }
    // The text in the middle.
    QString text() const;

public slots:
    void setRange(int minValue, int maxValue);
    void setMinValue(int minValue);
    void setMaxValue(int maxValue);
    void setValue(double value);
    void setNullPosition(int nullPosition);
    void setLineWidth(int lineWidth);
    void setShowPercent(bool showPercent);
    void setShowFree(bool showFree);
    void setShowSmallCircle(bool showSmallCircle);
    void setClockWise(bool clockWise);
    void setUsedColor(const QColor &usedColor);
    void setFreeColor(const QColor &freeColor);
    void setCircleColor(const QColor &circleColor);
    void setTextColor(const QColor &textColor);
    void setPercentStyle(ProgressBarPercent::PercentStyle percentStyle);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int maxValue = 100;
    int minValue = 0;
    double value = 0.0;
    int nullPosition = 0;
    int lineWidth = 10;
    bool showPercent = true;
    bool showFree = false;
    bool showSmallCircle = false;
    bool clockWise = true;
    QColor usedColor{0x64, 0xb8, 0xff};
    QColor freeColor{0x64, 0x64, 0x64};
    QColor circleColor{0x46, 0x46, 0x46};
    QColor textColor{0xfa, 0xfa, 0xfa};
    PercentStyle percentStyle = PercentStyle_Arc;
};

#endif // PROGRESS_BAR_PERCENT_H
