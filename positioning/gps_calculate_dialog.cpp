#include "app/mainwindow.h"
#include "ui_gpscalculate.h"

#include "app/single_dialog.h"
#include "positioning/utm.h"

#include <QDialog>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

// A field that is no number, or no finite one, reads as 0.
double fieldValue(const QLineEdit *edit)
{
    bool ok = false;
    const double v = edit->text().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

} // namespace

void MainWindow::slotGPScalculate()
{
    QDialog *dialog =
        openSingleDialog(this, gpsCalcDialogOpen, gpsCalcForm, &MainWindow::slotgpscalculatedialogclose);
    if (!dialog)
        return;
    gpsCalcDialog = dialog;

    connect(gpsCalcForm->GPScalculateCancel, &QPushButton::pressed, gpsCalcDialog, &QDialog::close);
    connect(gpsCalcForm->GPSpushButtoncalculate, &QPushButton::pressed, this, &MainWindow::GPScalculate_triggered);
    connect(gpsCalcForm->utmtoll, &QPushButton::pressed, this, &MainWindow::GPSUTM_Conversions_LatLong_triggered);
    connect(gpsCalcForm->lltoutm, &QPushButton::pressed, this, &MainWindow::GPSLatLong_Conversions_UTM_triggered);

    gpsCalcDialog->setWindowFlags(gpsCalcDialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    gpsCalcDialog->show();
    gpsCalcDialog->setStyleSheet(QStringLiteral("background-color: white grey"));

    for (int e = 1; e <= 23; ++e)
        gpsCalcForm->utm_comboBox->addItem(QString::fromLatin1(Ellipsoid_Name[e]));
    gpsCalcForm->utm_comboBox->setCurrentIndex(22);
}

void MainWindow::slotgpscalculatedialogclose()
{
    gpsCalcDialog = nullptr;
    singleDialogClosed(gpsCalcDialogOpen, gpsCalcForm);
}

double MainWindow::GPS_rad(double degrees)
{
    return degrees * 3.1415926535898 / 180.0;
}

double MainWindow::CalcDistance(double lat1, double lon1, double lat2, double lon2)
{
    return Haversine_Km(lat1, lon1, lat2, lon2);
}

void MainWindow::GPScalculate_triggered()
{
    if (!gpsCalcForm)
        return;
    const double d = CalcDistance(fieldValue(gpsCalcForm->YlatlineEdit), fieldValue(gpsCalcForm->YlonglineEdit),
                                  fieldValue(gpsCalcForm->MlatlineEdit), fieldValue(gpsCalcForm->MlonglineEdit));
    gpsCalcForm->GPSresults->setText(QString::number(d, 'g', 6));
}

void MainWindow::GPSLatLong_Conversions_UTM_triggered()
{
    if (!gpsCalcForm)
        return;
    const int ellipsoid = gpsCalcForm->utm_comboBox->currentIndex() + 1;
    const UTM utm =
        LatLong_to_UTM(ellipsoid, fieldValue(gpsCalcForm->latlineEdit), fieldValue(gpsCalcForm->longlineEdit));
    gpsCalcForm->utmElineEdit->setText(QString::number(utm.Easting, 'f', 8));
    gpsCalcForm->utmNlineEdit->setText(QString::number(utm.Northing, 'f', 8));
    gpsCalcForm->utmZlineEdit->setText(QString::fromLatin1(utm.Zone));
}

void MainWindow::GPSUTM_Conversions_LatLong_triggered()
{
    if (!gpsCalcForm)
        return;
    const int ellipsoid = gpsCalcForm->utm_comboBox->currentIndex() + 1;
    UTM utm;
    utm.Easting = fieldValue(gpsCalcForm->utmElineEdit);
    utm.Northing = fieldValue(gpsCalcForm->utmNlineEdit);
    const QByteArray zone = gpsCalcForm->utmZlineEdit->text().left(5).toLatin1();
    std::strncpy(utm.Zone, zone.constData(), 5);
    utm.Zone[5] = '\0';
    const LatLong ll = UTM_to_LatLong(ellipsoid, utm);
    gpsCalcForm->latlineEdit->setText(QString::number(ll.latitude, 'f', 8));
    gpsCalcForm->longlineEdit->setText(QString::number(ll.longitude, 'f', 8));
}
