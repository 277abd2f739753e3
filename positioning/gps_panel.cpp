#include "app/mainwindow.h"
#include "app/panel_states.h"
#include "ui_mainwindow.h"

#include "app/settings_file.h"
#include "positioning/custom_web_page.h"
#include "positioning/gps_map_pages.h"
#include "terminals/thread_serial.h"

#include <QDateTime>
#include <QSerialPort>
#include <QSettings>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cmath>

namespace GpsMapPages {
QString openStreetMap = QStringLiteral("qrc:/html/images/openstreetmap.html");
QString baidu = QStringLiteral("qrc:/html/images/BaiduMap.html");
} // namespace GpsMapPages

void MainWindow::GPS_Init_Start()
{
    // The map view itself is made when the tab is first shown (gpsShowMap):
    // a web engine at start would run three more processes and put the
    // whole window's painting through GL.
    settings = new QSettings(SettingsFile::path(), QSettings::IniFormat, this);
    const bool baidu = SettingsFile::mapIndex(settings->value(QStringLiteral("Map_Type"))) != 0;
    gpsMapPage = baidu ? GpsMapPages::baidu : GpsMapPages::openStreetMap;
    if (!baidu)
        ui->GPSpushButtonsearchdriving->hide();

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

void MainWindow::gpsShowMap()
{
    if (gpsMapPage.isEmpty() || gpsMapView || gpsMapNotice)
        return;
    gpsMapView = makeTabWebView(ui->gps_gridLayout, QStringLiteral("gpsMapView"), gpsMapNotice,
                                QStringLiteral("gpsMapNotice"), [this] { return new CustomWebPage(this); });
    if (!gpsMapView) {
        // No map will ever take the calls.
        gpsMapCalls.pageLoaded([](const QString &) {});
        return;
    }
    // Calls wait while a page loads; once it has, the kept position and
    // whatever waited go in.
    connect(gpsMapView, &QWebEngineView::loadStarted, this, [this] { gpsMapCalls.pageLoading(); });
    connect(gpsMapView, &QWebEngineView::loadFinished, this, [this] {
        QWebEnginePage *page = gpsMapView->page();
        gpsMapCalls.pageLoaded([page](const QString &script) { page->runJavaScript(script); });
    });
    gpsMapView->load(QUrl(gpsMapPage));
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
        gpsState->lateBatches.append(data);
        return;
    }
    gpsInReader = true;
    gpsReadBatch(data);
    while (!gpsState->lateBatches.isEmpty())
        gpsReadBatch(gpsState->lateBatches.takeFirst());
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
        gpsPushLatitude = gpsState->readout.latitude;
        gpsPushLongitude = gpsState->readout.longitude;
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
            showReadStatus(ui->gps, tr("Successfully read %1 byte data").arg(data.size()));
    }
}

// The map gets the position signed from the hemispheres; the labels keep
// their unsigned degrees.
void MainWindow::GPS_MAP(bool first)
{
    // Seven decimals, as the labels show them.
    const auto seven = [](double v) { return std::round(v * 1e7) / 1e7; };
    gpsMapCalls.push(seven(gpsPushLatitude), seven(gpsPushLongitude), first);
}

QByteArray MainWindow::GPS_Analysis_Data_Process(QByteArray data)
{
    const QList<QByteArray> sentences = gpsNmeaBuffer.feed(data);
    for (const QByteArray &sentence : sentences) {
        // The sentence's own buffer is NUL-terminated.
        QByteArray text = sentence;
        GPS_Analysis(&gpsState->nmeaMsg, text.data());
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
    gpsState->readout.positionUpdated = false;
    Nmea::rmc(sentence, msg, &gpsState->readout);
    if (gpsState->readout.positionUpdated)
        gpsPositionUpdated = 1;
    gpsShowReadout();
}

void MainWindow::NMEA_GxGSV_Data(char *sentence)
{
    Nmea::gsv(sentence, &gpsState->readout);
    gpsShowReadout();
}

void MainWindow::NMEA_GxGGA_Data(char *sentence)
{
    Nmea::gga(sentence, &gpsState->readout, tr("Yes"), tr("No"));
    gpsShowReadout();
}

void MainWindow::NMEA_GxGSA_Data(char *sentence)
{
    Nmea::gsa(sentence, &gpsState->readout);
    gpsShowReadout();
}

void MainWindow::NMEA_GPVTG_Data(char *sentence)
{
    Nmea::vtg(sentence, &gpsState->readout);
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
        if (gpsState->readout.changed & (1u << f))
            labels[f]->setText(gpsState->readout.text[f]);
    gpsState->readout.changed = 0;
}
