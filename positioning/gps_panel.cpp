#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/settings_file.h"
#include "positioning/custom_web_page.h"
#include "positioning/gps_map_pages.h"
#include "terminals/thread_serial.h"

#include <QDateTime>
#include <QLocale>
#include <QSerialPort>
#include <QSettings>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

namespace GpsMapPages {
QString openStreetMap = QStringLiteral("qrc:/html/images/openstreetmap.html");
QString baidu = QStringLiteral("qrc:/html/images/BaiduMap.html");
} // namespace GpsMapPages

void MainWindow::GPS_Init_Start()
{
    // The web engine will not start as root with its sandbox on, and takes
    // the program down with it: the panel then works without its map.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        auto *notice = new QLabel(tr("This page cannot be shown while the program runs as root. "
                                     "Start it as another user, or with QTWEBENGINE_DISABLE_SANDBOX=1 set."),
                                  this);
        notice->setObjectName(QStringLiteral("gpsMapNotice"));
        notice->setWordWrap(true);
        notice->setAlignment(Qt::AlignCenter);
        ui->gps_gridLayout->addWidget(notice);
    } else {
        gpsMapView = new QWebEngineView(this);
        gpsMapView->setObjectName(QStringLiteral("gpsMapView"));
        ui->gps_gridLayout->addWidget(gpsMapView);
        gpsMapView->setPage(new CustomWebPage(this));
        if (QLocale::system().language() == QLocale::Chinese)
            gpsMapView->load(QUrl(GpsMapPages::baidu));
        else
            gpsMapView->load(QUrl(GpsMapPages::openStreetMap));
    }

    settings = new QSettings(SettingsFile::path(), QSettings::IniFormat, this);
    const bool baidu = SettingsFile::mapIndex(settings->value(QStringLiteral("Map_Type"))) != 0;
    if (gpsMapView)
        gpsMapView->load(QUrl(baidu ? GpsMapPages::baidu : GpsMapPages::openStreetMap));
    if (!baidu)
        ui->GPSpushButtonsearchdriving->hide();
    if (gpsMapView) {
        gpsMapView->settings()->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
        gpsMapView->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    }

    connect(ui->GPSportMode_01, &QRadioButton::pressed, this, &MainWindow::GPSPortModeChanged);
    connect(ui->GPSportMode_02, &QRadioButton::pressed, this, &MainWindow::GPSPortModeChanged);
    connect(ui->GPScleandatapushButton, &QPushButton::pressed, this, &MainWindow::GPSCleanData_triggered);
    gpsServerInit();
    connect(ui->GPScalculate, &QPushButton::pressed, this, &MainWindow::slotGPScalculate);
    connect(ui->GPSsignal, &QPushButton::pressed, this, &MainWindow::slotGPSsignal);
    // Open button and its idle look: the shared port frame.
    portInit(PortTab::GPS);

    ui->GPSportMode_01->setChecked(true);
    ui->GPSportMode_02->setChecked(false);
    for (QWidget *w : gpsTcpWidgets())
        w->hide();

    gpsView = std::make_unique<TerminalView>(ui->GPStextBrowser, nullptr, TerminalText::HexStyle{}, "UTF8", "UTF8");
    gpsView->setUp();

    for (QWidget *w : {static_cast<QWidget *>(ui->label_38), static_cast<QWidget *>(ui->label_37),
                       static_cast<QWidget *>(ui->label_58), static_cast<QWidget *>(ui->BDKejianweixing),
                       static_cast<QWidget *>(ui->GPSKejianweixing), static_cast<QWidget *>(ui->Shiyongweixing)})
        w->hide();
}

QList<QWidget *> MainWindow::gpsTcpWidgets() const
{
    return {ui->GPSTCPServerIPcomboBox, ui->GPSTCPServerPortlineEdit, ui->GPSTCPopencompushButton, ui->label_41,
            ui->label_51};
}

QList<QWidget *> MainWindow::gpsComWidgets() const
{
    return {ui->label_23, ui->label_24, ui->GPSopencompushButton, ui->GPSbaudRateComboBox, ui->GPSportNameComboBox};
}

void MainWindow::GPSPortModeChanged()
{
    auto *radio = qobject_cast<QRadioButton *>(sender());
    if (!radio)
        return;
    bool com;
    if (radio->text() == tr("COM"))
        com = true;
    else if (radio->text() == tr("TCP"))
        com = false;
    else
        return;
    for (QWidget *w : gpsComWidgets())
        w->setVisible(com);
    for (QWidget *w : gpsTcpWidgets())
        w->setVisible(!com);
    ui->GPSportMode_01->setChecked(com);
    ui->GPSportMode_02->setChecked(!com);
}

void MainWindow::GPSCleanData_triggered()
{
    if (gpsView)
        gpsView->clear();
    else
        ui->GPStextBrowser->clear();
    ui->statusBar->showMessage(tr("Receive has been cleared"), 0);
}

// After a successful open: a fresh sentence buffer and text decoder, and
// the map push, queued so the page is called after the reader returns.
void MainWindow::gpsPortOpened()
{
    gpsNmeaBuffer.clear();
    if (gpsView)
        gpsView->resetDecoders();
    disconnect(gpsMapConnection);
    gpsMapConnection = connect(this, &MainWindow::GPS_Signal_Map, this, &MainWindow::GPS_MAP, Qt::QueuedConnection);
}

void MainWindow::gpsPortClosed()
{
    disconnect(gpsMapConnection);
    gpsMapConnection = {};
}

void MainWindow::readGPSCom(const QByteArray &data)
{
    // The event pass below may deliver the next batch: it waits its turn,
    // so batches reach the labels and the log in the order they came.
    if (gpsInReader) {
        gpsLateBatches.append(data);
        return;
    }
    gpsInReader = true;
    gpsReadBatch(data);
    while (!gpsLateBatches.isEmpty())
        gpsReadBatch(gpsLateBatches.takeFirst());
    gpsInReader = false;

    // Bytes the port took in during the event pass raise no second
    // readyRead: fetch them now, or a burst's end waits for the next burst.
    if (QSerialPort *port = portFor(PortTab::GPS); port && port->bytesAvailable() > 0)
        QMetaObject::invokeMethod(serialThread, &ThreadSerial::readData, Qt::QueuedConnection);
}

void MainWindow::gpsReadBatch(const QByteArray &data)
{
    GPS_Analysis_Data_Process(data);
    QCoreApplication::processEvents();

    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (Nmea::pushDue(gpsPositionUpdated == 1, now, gpsLastMapPush)) {
        gpsLastMapPush = now;
        gpsPushLatitude = gpsReadout.latitude;
        gpsPushLongitude = gpsReadout.longitude;
        // Saved signed, as pushed: the labels drop the hemisphere.
        if (ui->GPSSavecheckBox->isChecked())
            GPSSavefile(QString::number(gpsPushLatitude, 'f', 7), QString::number(gpsPushLongitude, 'f', 7));
        gpsPositionUpdated = 0;
        emit GPS_Signal_Map(ui->GPS_on_off_checkBox->isChecked());
    }

    if (!data.isEmpty()) {
        if (gpsView)
            gpsView->append(data, false);
        // The port may have closed during the event pass above (the device
        // went): its message stays.
        if (portFor(PortTab::GPS))
            ui->statusBar->showMessage(tr("Successfully read %1 byte data").arg(data.size()), 0);
    }
}

// The map gets the position signed from the hemispheres; the labels keep
// their unsigned degrees.
void MainWindow::GPS_MAP(bool first)
{
    if (!gpsMapView)
        return;
    QWebEnginePage *page = gpsMapView->page();
    page->runJavaScript(QStringLiteral("Set_Longit(%1)").arg(QString::number(gpsPushLongitude, 'f', 7)));
    page->runJavaScript(QStringLiteral("Set_Latit(%1)").arg(QString::number(gpsPushLatitude, 'f', 7)));
    page->runJavaScript(first ? QStringLiteral("Set_Location_First()") : QStringLiteral("Set_Location()"));
}

QByteArray MainWindow::GPS_Analysis_Data_Process(QByteArray data)
{
    const QList<QByteArray> sentences = gpsNmeaBuffer.feed(data);
    for (const QByteArray &sentence : sentences) {
        // The sentence's own buffer is NUL-terminated.
        QByteArray text = sentence;
        GPS_Analysis(&gpsNmeaMsg, text.data());
    }
    return {};
}

void MainWindow::GPS_Analysis(nmea_msg *msg, char *sentence)
{
    switch (Nmea::kind(sentence)) {
    case Nmea::Kind::RMC:
        NMEA_GxRMC_Data(msg, sentence);
        break;
    case Nmea::Kind::GSV:
        if (gpsSignalDialogOpen && !gpsSignalBusy)
            emit GPS_Signal_Data_Over(sentence);
        NMEA_GxGSV_Data(sentence);
        break;
    case Nmea::Kind::GGA:
        NMEA_GxGGA_Data(sentence);
        break;
    case Nmea::Kind::GSA:
        NMEA_GxGSA_Data(sentence);
        break;
    case Nmea::Kind::VTG:
        NMEA_GPVTG_Data(sentence);
        break;
    case Nmea::Kind::Other:
        break;
    }
}

void MainWindow::NMEA_GxRMC_Data(nmea_msg *msg, char *sentence)
{
    gpsReadout.positionUpdated = false;
    Nmea::rmc(sentence, msg, &gpsReadout);
    if (gpsReadout.positionUpdated)
        gpsPositionUpdated = 1;
    gpsShowReadout();
}

void MainWindow::NMEA_GxGSV_Data(char *sentence)
{
    Nmea::gsv(sentence, &gpsReadout);
    gpsShowReadout();
}

void MainWindow::NMEA_GxGGA_Data(char *sentence)
{
    Nmea::gga(sentence, &gpsReadout, tr("Yes"), tr("No"));
    gpsShowReadout();
}

void MainWindow::NMEA_GxGSA_Data(char *sentence)
{
    Nmea::gsa(sentence, &gpsReadout);
    gpsShowReadout();
}

void MainWindow::NMEA_GPVTG_Data(char *sentence)
{
    Nmea::vtg(sentence, &gpsReadout);
    gpsShowReadout();
}

// Writes the labels the last decoder changed.
void MainWindow::gpsShowReadout()
{
    QLabel *const labels[NmeaReadout::FieldCount] = {
        ui->GPS_UTC,          ui->Weidu,       ui->Weidufangxiang, ui->Jingdu,      ui->Jingdufangxiang,
        ui->Dingweizhuangtai, ui->Shiyongweixing, ui->Haibagaodu, ui->Weizhiyinzi, ui->Shuipingyinzi,
        ui->Cuizhiyinzi,      ui->Dimiansudu,  ui->GPSKejianweixing, ui->BDKejianweixing};
    for (int f = 0; f < NmeaReadout::FieldCount; ++f)
        if (gpsReadout.changed & (1u << f))
            labels[f]->setText(gpsReadout.text[f]);
    gpsReadout.changed = 0;
}
