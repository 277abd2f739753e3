#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/maker_site.h"
#include "app/panel_states.h"
#include "app/settings_file.h"
#include "instruments/gl_check.h"
#include "instruments/mwave_view.h"
#include "instruments/sensor_log.h"
#include "positioning/gps_signal.h"
#include "terminals/vexmora_ble.h"
#include "utilities/vexmora_convert.h"
#include "utilities/vexmora_hex_tools.h"
#include "kesp_version.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QSettings>
#include <QStyleFactory>
#include <QTimer>
#include <QUrl>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <unistd.h>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , tcpState(std::make_unique<TcpState>())
    , gpsState(std::make_unique<GpsState>())
    , gsmState(std::make_unique<GsmState>())
{
    ui->setupUi(this);

    serialOpened = false;
    udpOpened = false;
    tcpOpened = false;
    mqttConnected = false;
    tabCount = 19;

    setWindowTitle(QStringLiteral("Vexmora -- KESP Ver %1.%2.%3")
                       .arg(KESP_VERSION_MAJOR)
                       .arg(KESP_VERSION_MINOR)
                       .arg(KESP_VERSION_PATCH)
                   + QStringLiteral("  ") + QLatin1String(MakerSite::kSite)
                   + QStringLiteral("  ") + QLatin1String(MakerSite::kDownloads));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("fusion")));
    setStyleSheet(QStringLiteral("background-color: white grey"));
    // Status messages change with every shown batch of a stream: painting
    // its own background, the bar repaints alone, not with the window.
    ui->statusBar->setAutoFillBackground(true);

    const int keptTabs = Config();
    SerialSacn();
    startInit();
    getLocalIP();
    initialisePanels(keptTabs);

    // The web views are made when their tab is first shown: until then the
    // window is drawn without GL and no web engine process runs.
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MainWindow::tabShown);
    tabShown();

    connect(ui->actionCheck_Update, &QAction::triggered, this, &MainWindow::slotActionCheck_Update);

    portScanTimer = new QTimer(this);
    portScanTimer->setObjectName(QStringLiteral("portScanTimer"));
    connect(portScanTimer, &QTimer::timeout, this, &MainWindow::SerialSacn_new);
    startPortScan();
}

MainWindow::~MainWindow()
{
    closeShellDialogs();
    i2cdumpCloseDialogs();
    gpsCloseDialogs();
    serialShutdown();
    delete ui;
}

// Runs each kept tab's initialisation, matched by its English tab text.
void MainWindow::initialisePanels(int keptTabs)
{
    // Adds a stand-alone tool widget to its page's own grid layout.
    auto placeOnPage = [this](QWidget *page, QWidget *tool) {
        QWidget *host = ui->tabWidget->widget(ui->tabWidget->indexOf(page));
        if (host && host->layout())
            host->layout()->addWidget(tool);
    };

    for (int i = 0; i < keptTabs; ++i) {
        const QString text = ui->tabWidget->tabText(i);
        if (text == QLatin1String("Serial Debug")) {
            Serial_Init_Start();
        } else if (text == QLatin1String("UDP Debug")) {
            UDP_Init_Start();
        } else if (text == QLatin1String("TCP Debug")) {
            TCP_Init_Start();
        } else if (text == QLatin1String("GPS Debug")) {
            GPS_Init_Start();
        } else if (text == QLatin1String("GSM Debug")) {
            GSM_Init_Start();
        } else if (text == QLatin1String("Unicode")) {
            Unicode_Init_Start();
        } else if (text == QLatin1String("Environment")) {
            ENVironment_Init_Start();
        } else if (text == QLatin1String("Crypty")) {
            Crypty_Init_Start();
        } else if (text == QLatin1String("Oscilloscope")) {
            Oscilloscope_Init_Start();
            oscilloscopeChart = new MWaveView(nullptr);
            ui->gridLayout_oscilloscpewideget->addWidget(oscilloscopeChart);
        } else if (text == QLatin1String("MQTT")) {
            Mqtt_Init_Start();
        } else if (text == QLatin1String("Ble")) {
            placeOnPage(ui->ble, new vexmora_ble(this));
        } else if (text == QLatin1String("Spectra")) {
            Spectra_Init_Start();
        } else if (text == QLatin1String("Convert")) {
            placeOnPage(ui->Convert, new vexmora_convert(this));
        } else if (text == QLatin1String("i2cdump")) {
            I2Cdump_Init_Start();
        } else if (text == QLatin1String("TOF")) {
            TOF_Init_Start();
        } else if (text == QLatin1String("Modbus")) {
            Modbus_Init_Start();
        } else if (text == QLatin1String("Hex")) {
            placeOnPage(ui->hextools, new vexmora_hex_tools(this));
        } else if (text == QLatin1String("CIE")) {
            CIE_Init_Start();
        } else if (text == QLatin1String("IMU")) {
            IMU_Init_Start();
        } else {
            continue;
        }
        initialisedTabs << text;
    }
}

// State of the terminals before any port or socket is open.
void MainWindow::startInit()
{
    ui->delayspinBox->setEnabled(false);
    ui->sendmsgBtn->setEnabled(false);
    ui->sendfileBtn->setEnabled(false);
    ui->sendMsgtextEdit->setEnabled(false);
    ui->com_checkBox_DTR->setEnabled(false);
    ui->com_checkBox_RTS->setEnabled(false);

    sendInterval = 200;
    udpSendInterval = 200;
    tcpSendInterval = 200;

    sendTimer = new QTimer(this);
    sendTimer->setObjectName(QStringLiteral("sendTimer"));
    udpSendTimer = new QTimer(this);
    udpSendTimer->setObjectName(QStringLiteral("udpSendTimer"));
    tcpSendTimer = new QTimer(this);
    tcpSendTimer->setObjectName(QStringLiteral("tcpSendTimer"));

    ui->UDPdelayspinBox->setEnabled(false);
    ui->UDPsendmsgBtn->setEnabled(false);
    ui->UDPsendMsgtextEdit->setEnabled(false);
    ui->TCPdelayspinBox->setEnabled(false);
    ui->TCPsendmsgBtn->setEnabled(false);
    ui->TCPsendMsgtextEdit->setEnabled(false);
    // The UDP timer has exactly one connection for the window's life.
    connect(udpSendTimer, &QTimer::timeout, this, &MainWindow::UDP_sendMsg);
}

// Reads the feature switches and removes the tool tabs that are off.
// Returns how many tool tabs stay; they occupy positions 0..result-1.
int MainWindow::Config()
{
    connect(ui->actionConfig, &QAction::triggered, this, &MainWindow::slotActionConfig);
    settings = new QSettings(SettingsFile::path(), QSettings::IniFormat, this);
    featureKeys = SettingsFile::featureKeys();

    QStringList working;
    for (int i = 0; i < tabCount; ++i) {
        const bool on = SettingsFile::switchIsOn(settings->value(featureKeys.at(i)));
        working << (on ? featureKeys.at(i) : QStringLiteral("NULL"));
    }

    int position = 0;
    for (int i = 0; i < tabCount; ++i) {
        if (working.at(i) == featureKeys.at(i))
            ++position;
        else
            ui->tabWidget->removeTab(position);
    }
    return position;
}

void MainWindow::tabShown()
{
    QWidget *page = ui->tabWidget->currentWidget();
    if (page == ui->tab_2)
        showMorePage();
    else if (page == ui->gps)
        gpsShowMap();
}

void MainWindow::showReadStatus(const QWidget *page, const QString &text)
{
    if (ui->tabWidget->currentWidget() == page)
        ui->statusBar->showMessage(text, 0);
}

QWebEngineView *MainWindow::makeTabWebView(QLayout *layout, const QString &viewName, QLabel *&notice,
                                           const QString &noticeName, const std::function<QWebEnginePage *()> &makePage)
{
    // The web engine refuses to start as root without its sandbox switched
    // off, and takes the whole program down with it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        notice = GlCheck::placeNotice(layout, this,
                                      tr("This page cannot be shown while the program runs as root. "
                                         "Start it as another user, or with QTWEBENGINE_DISABLE_SANDBOX=1 set."),
                                      noticeName);
        return nullptr;
    }
    // The engine takes the shared GL context as it finds it on its start.
    GlCheck::openGlAvailable();
    auto *view = new QWebEngineView(this);
    view->setObjectName(viewName);
    // The page first: the settings belong to it.
    if (makePage)
        view->setPage(makePage());
    view->settings()->setAttribute(QWebEngineSettings::LocalStorageEnabled, true);
    view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    layout->addWidget(view);
    return view;
}

void MainWindow::showMorePage()
{
    if (moreWebView || moreWebNotice)
        return;
    moreWebView = makeTabWebView(ui->web_gridLayout, QStringLiteral("moreWebView"), moreWebNotice,
                                 QStringLiteral("moreWebNotice"));
    if (moreWebView)
        moreWebView->load(QUrl(MakerSite::homePage, QUrl::TolerantMode));
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
}

void MainWindow::resizeEvent(QResizeEvent *)
{
}

void MainWindow::on_actionExit_triggered()
{
    close();
}
