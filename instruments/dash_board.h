#ifndef DASH_BOARD_H
#define DASH_BOARD_H

#include <QColor>
#include <QString>
#include <QWidget>

// A round dial: crown, face, a 240-degree scale with numbers, title,
// numeric readout and needle.  Drawn in a logical square from -100 to 100.
class DashBoard : public QWidget
{
    Q_OBJECT

public:
    explicit DashBoard(QWidget *parent = nullptr);
    ~DashBoard() override;

    double getValue() const { return value; }

public slots:
    void setValue(double value);
    void setValue(int value);
    void setMinValue(int value);
    void setMaxValue(int value);
    void setPrecision(int precision);
    void setUnits(const QString &units);
    void setTitle(const QString &title);
    void setScaleMajor(int scaleMajor);
    void setScaleMinor(int scaleMinor);
    void setStartAngle(int startAngle);
    void setEndAngle(int endAngle);
    void setCrownColor(const QColor &color);
    void setForeground(const QColor &color);
    void setBackground(const QColor &color);
    void setNumericIndicatorEnabled(bool enabled);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawCrown(QPainter &painter);
    void drawFace(QPainter &painter);
    void drawNumbers(QPainter &painter);
    void drawTicks(QPainter &painter);
    void drawTitle(QPainter &painter);
    void drawReadout(QPainter &painter);
    void drawNeedle(QPainter &painter);
    void drawHub(QPainter &painter);

    double value = 0.0;
    int maxValue = 100;
    int minValue = 400;
    int precision = 0;
    QString units = QStringLiteral("Pa");
    QString title = QStringLiteral("Barometer");
    int scaleMajor = 10;
    int scaleMinor = 10;
    int startAngle = 60;
    int endAngle = 60;
    QColor crownColor{0xa0, 0xa0, 0xa0};
    QColor foreground{0xff, 0xff, 0xff};
    QColor background{0x41, 0x41, 0x41};
    bool numericIndicatorEnabled = true;
};

#endif // DASH_BOARD_H
