#ifndef VEXMORA_SPECTROSCOPY_H
#define VEXMORA_SPECTROSCOPY_H

#include <QWidget>

class QStackedWidget;
class vexmora_spectroscopy_Squarediagram;
class vexmora_spectroscopy_spline;

namespace Ui {
class vexmora_spectroscopy;
}

// The chart area of the "Spectra" tab: pages 0-2 the AS7341, AS7343 and
// AS7265X bar charts, page 3 the AS7265X spectrum curve.
class vexmora_spectroscopy : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_spectroscopy(QWidget *parent = nullptr);
    ~vexmora_spectroscopy() override;

    void change(int page);

    vexmora_spectroscopy_Squarediagram *diagramAS7341 = nullptr;
    vexmora_spectroscopy_Squarediagram *diagramAS7343 = nullptr;
    vexmora_spectroscopy_Squarediagram *diagramAS7265X = nullptr;
    vexmora_spectroscopy_spline *spline = nullptr;
    QStackedWidget *stackedWidget = nullptr;

public slots:
    // Chart mode 0 feeds the chip's bars, 1 the curve (channel 0 is its
    // 410 nm point); anything a page has no place for is ignored.
    void update_data_barset(unsigned char channel, double value, unsigned char chip, unsigned char mode);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Ui::vexmora_spectroscopy *ui;
};

#endif // VEXMORA_SPECTROSCOPY_H
