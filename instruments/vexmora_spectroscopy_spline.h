#ifndef VEXMORA_SPECTROSCOPY_SPLINE_H
#define VEXMORA_SPECTROSCOPY_SPLINE_H

#include <QList>
#include <QWidget>

// The AS7265X spectrum as a smooth curve over wavelength, filled with the
// colour of each wavelength; 1.0 reaches the top of the plot.
class vexmora_spectroscopy_spline : public QWidget
{
    Q_OBJECT
public:
    explicit vexmora_spectroscopy_spline(QWidget *parent = nullptr);

    void setSpectrumData(const QList<double> &data);
    void setWavelengths(const QList<double> &nm);
    // Only a list of the current length is taken.
    void updateSpectrumData(const QList<double> &data);
    void update_data_barset(unsigned char index, double value);

    const QList<double> &data() const { return spectrumData; }
    const QList<double> &waves() const { return wavelengths; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> spectrumData;
    QList<double> wavelengths;
};

#endif // VEXMORA_SPECTROSCOPY_SPLINE_H
