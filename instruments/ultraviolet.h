#ifndef ULTRAVIOLET_H
#define ULTRAVIOLET_H

#include <QColor>
#include <QImage>
#include <QWidget>

// The UV index gauge: a sun picture, a disc coloured by the value and the
// value in the middle.  Drawn in a logical square from -100 to 100.
class Ultraviolet : public QWidget
{
    Q_OBJECT

public:
    explicit Ultraviolet(QWidget *parent = nullptr);
    ~Ultraviolet() override;

public slots:
    void setValue(double value);
    void setCircleColor(const QColor &color);

signals:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double value = 0.0;
    int lineWidth = 10;
    bool showPercent = true;
    QColor circleColor{0xfd, 0xd8, 0x35};
    QColor textColor{0x46, 0x46, 0x46};
    QImage sun;
};

#endif // ULTRAVIOLET_H
