#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "terminals/mqtt_client.h"
#include "terminals/serial_device_watch.h"
#include "instruments/line_framer.h"
#include "instruments/tof_frame.h"
#include "positioning/gsm_codes.h"
#include "positioning/map_page_calls.h"
#include "positioning/nmea_framer.h"
#include "terminals/vexmora_modbus_client.h"

#include <QAbstractSocket>
#include <QColor>
#include <QHostAddress>
#include <QMainWindow>
#include <QList>
#include <QPointF>
#include <QMetaObject>
#include <QPair>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

#include "app/about_dialog.h"

class QComboBox;
class QLabel;
class QDialog;
class QPushButton;
class QRadioButton;
class QSettings;
class QSpinBox;
class QCheckBox;
class QTimer;
class LineSender;
class TerminalView;
class ThreadSerial;
class AtExchange;
class QSerialPort;
class QSerialPortInfo;
class SensorLog;
class GPS_Signal;
struct GsvRecords;
struct nmea_msg;
struct nmea_slmsg;
class Ui_COM_Expand;
class QTcpServer;
class QTcpSocket;
class QUdpSocket;
class QPlainTextEdit;
class QWebEngineView;
class QWebEnginePage;
class QLayout;
class MWaveView;
class vexmora_tof;
class WebSocketIODevice;
class ProgressBarPercent;
class CThermometer;
class Ultraviolet;
class DashBoard;
class vexmora_spectroscopy;
class vexmora_cie_widget;
class vexmora_3d_imu;
class QDialog;
class QPushButton;
class Ui_Config;
class Ui_Help;
class vexmora_i2c_tools;
class Ui_I2CDump_ReadREG;
class Ui_I2CDump_WriteREG;
class Ui_GPSsignal;
class Ui_GPScalculate;
class Callout;
class QChart;
class QPolarChart;
class QValueAxis;
class QScatterSeries;
class QStackedBarSeries;
class QBarCategoryAxis;
class QBarSet;

namespace Ui {
class MainWindow;
}

// The one top-level window.  Every tool panel is a set of this class's slots
// and members; each panel's slots are defined in that panel's own .cpp file.
class MainWindow : public QMainWindow
{
    Q_OBJECT
    Q_MOC_INCLUDE("positioning/gps_signal.h")

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Tab texts of the panels initialised by the constructor, in the order
    // they ran.  Read by tests; nothing in the program depends on it.
    QStringList initialisedTabs;

public slots:
    // --- Shell: reachable by name ---
    void setStyleSheets(QString path);
    void msleep(int ms);
    void Software_Quite();

signals:
    // Positioning panel and its satellite-signal thread.
    void GPS_Signal_Data_Over(char *data);
    void GPS_GUI_Wait_Data_Over(bool over);
    void GPS_Signal_Map(bool update);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    // --- Shell: window actions, settings, dialogs ---
    void on_actionExit_triggered();
    void on_actionAbout_triggered();
    void on_actionHelp_triggered();
    void slothelpdialogclose();
    void slotActionCheck_Update();
    void slotActionCheck_Updateclose();
    void slotActionConfig();
    void slotActConfigOK();
    void Config_COM_ON_OFF_triggered();
    void Config_UDP_ON_OFF_triggered();
    void Config_TCP_ON_OFF_triggered();
    void Config_GPS_ON_OFF_triggered();
    void Config_GSM_ON_OFF_triggered();
    void Config_UNICODE_ON_OFF_triggered();
    void Config_Envir_ON_OFF_triggered();
    void Config_Crypty_ON_OFF_triggered();
    void Config_Oscilloscope_ON_OFF_triggered();
    void Config_MQTT_ON_OFF_triggered();
    void Config_BLE_ON_OFF_triggered();
    void Config_Spectra_ON_OFF_triggered();
    void Config_Convert_ON_OFF_triggered();
    void Config_I2CDUMP_ON_OFF_triggered();
    void Config_TOF_ON_OFF_triggered();
    void Config_MODBUS_ON_OFF_triggered();
    void Config_HEXTOOLS_ON_OFF_triggered();
    void Config_CIE_ON_OFF_triggered();
    void Config_IMU_ON_OFF_triggered();

    // --- Serial port scan and shared serial state ---
    void SerialSacn_new();
    bool testUart(const QString &name) const;

    // --- Export and Import of the serial, UDP and TCP terminals ---
    void terminalSaveText(TerminalView *view);
    void terminalLoadFile(QPlainTextEdit *sendBox, bool cutLinesAtNul);
    void terminalSendPressed(QPushButton *button, QPlainTextEdit *box, QCheckBox *keepSend, QTimer *timer,
                             int interval, const QString &idleText, const std::function<void()> &sendOnce);
    void terminalKeepSendToggled(QCheckBox *keepSend, QSpinBox *interval);
    // Port fields of the network tabs: a wrapped or mistyped number is refused.
    QString portRefusal(const QString &text, bool systemChooses) const;
    bool portFieldAccepted(const QString &text, bool systemChooses, quint16 *port);

    // --- "Serial Debug" ---
    void actionOpen_triggered();
    void sendmsgBtn_clicked();
    void actionSendfile_triggered();
    void obocheckBox_clicked();
    void delayspinBox_valueChanged(int value);
    void actionClearBytes_triggered();
    void actionCleanData_triggered();
    void actionSave_triggered();
    void actionLoadfile_triggered();
    void cleanSendData_clicked();
    void COMHideHex_pushButton_clicked();
    void readCom(const QByteArray &data);
    void sendMsg();
    // Quick-command dialog
    void slotCom_expand();
    void slotCom_expandclose();
    void slotCOM_expandsave();
    void slotcom_set_pushButton();
    void slotcom_set_pushButton_2();
    void slotcom_set_pushButton_3();
    void slotcom_set_pushButton_4();
    void slotcom_set_pushButton_5();
    void slotcom_set_pushButton_6();
    void slotcom_set_pushButton_7();
    void slotcom_set_pushButton_8();
    void slotcom_set_pushButton_9();
    void slotcom_set_pushButton_10();
    void slotcom_set_pushButton_11();
    void slotcom_set_pushButton_12();
    void slotcom_pushButton();
    void slotcom_pushButton_2();
    void slotcom_pushButton_3();
    void slotcom_pushButton_4();
    void slotcom_pushButton_5();
    void slotcom_pushButton_6();
    void slotcom_pushButton_7();
    void slotcom_pushButton_8();
    void slotcom_pushButton_9();
    void slotcom_pushButton_10();
    void slotcom_pushButton_11();
    void slotcom_pushButton_12();
    void command_sendMsg(QByteArray data);

private:
    // --- Shell ---
    void startInit();
    int Config();
    void initialisePanels(int keptTabs);

    Ui::MainWindow *ui = nullptr;
    Ui_Config *configUi = nullptr;
    Ui_Help *helpUi = nullptr;
    AboutDialog aboutDialog;
    QSettings *settings = nullptr;
    QStringList featureKeys;
    int configFlags[19] = {};
    int tabCount = 19;
    // Configuration dialog: at most one at a time, it shares configUi and
    // configFlags.
    QPointer<QDialog> configDialog;
    bool configDialogOpened = false;
    QPushButton *configButton(int index) const;
    void toggleConfigSwitch(int index);
    // Help dialog.
    bool helpDialogOpened = false;
    QDialog *helpDialog = nullptr;
    // Frees the open dialogs while the window is still whole.
    void closeShellDialogs();
    // The web views of "More" and "GPS Debug" are made when their tab is
    // first shown.
    void tabShown();
    // A text written on every read of a panel: shown only while that
    // panel's tab is the current one, so a terminal receiving in the
    // background does not wipe what another tab said.
    void showReadStatus(const QWidget *page, const QString &text);
    // A web view in a page's layout, or, where the web engine cannot start,
    // a notice in its place (then null is returned and `notice` set).
    QWebEngineView *makeTabWebView(QLayout *layout, const QString &viewName, QLabel *&notice,
                                   const QString &noticeName,
                                   const std::function<QWebEnginePage *()> &makePage = {});
    // "More": its web view, or the notice shown instead when it cannot run.
    void showMorePage();
    QWebEngineView *moreWebView = nullptr;
    QLabel *moreWebNotice = nullptr;

    // --- Serial port scan and shared serial state ---
    void SerialSacn();
    QList<QSerialPortInfo> getFilteredSerialPorts() const;
    void stop_SerialSacn_new();
    // The eleven port lists and the port widgets / Open buttons of every
    // serial panel, for the scan and the lock family.
    QList<QComboBox *> serialPortLists() const;
    QList<QWidget *> serialPortWidgets() const;
    QList<QPushButton *> serialOpenButtons() const;
    void applySerialLock(bool enabled, const QList<QPushButton *> &leftAlone,
                         const QList<QRadioButton *> &radios);
    QTimer *portScanTimer = nullptr;
    SerialDeviceWatch serialDeviceWatch;
    bool serialOpened = false;
    ThreadSerial *serialThread = nullptr;
    QTimer *sendTimer = nullptr;
    int sendInterval = 200;

    // --- Every serial panel: one Open/Close frame (terminals/port_frame.cpp) ---
    enum class PortTab { None = -1, Serial, GPS, GSM, Environment, Oscilloscope, I2Cdump, CIE, TOF, Spectra, IMU, Modbus };
    struct PortRow;
    PortRow portRow(PortTab tab) const;
    // Connects the panel's Open button to its Open slot and gives it the idle look.
    void portInit(PortTab tab);
    void portOpenOrClose(PortTab tab);
    void portOpen(const PortRow &p);
    void portClose(const PortRow &p);
    void portClose(PortTab tab);
    void showPortGone(const QString &error);
    // The open port when `tab` holds it, else null: a panel sends only on
    // a port it opened itself.
    QSerialPort *portFor(PortTab tab) const;
    // Which panel holds the shared port; None when it is free.
    PortTab portOwner = PortTab::None;
    // The rescan runs every 500 ms while no port is open.
    void startPortScan();

    // --- "Serial Debug" ---
    void Serial_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void setComboBoxEnabled(bool enabled);
    bool COM_isValidHex(const QString &token);
    // Closes the port and the quick-command dialog before the form goes.
    void serialShutdown();
    void serialTerminalOpened();
    void serialTerminalClosing();
    void serialTerminalIdle();
    void serialFileSent(bool ok, const QString &error);
    // Writes a send to the open port, bounded; reports and counts it.
    void serialWrite(const QByteArray &bytes);
    void renameQuickCommand(int n);
    void sendQuickCommand(int n);
    QMetaObject::Connection dtrConnection;
    QMetaObject::Connection rtsConnection;
    std::unique_ptr<TerminalView> serialView;
    QPointer<LineSender> serialFileSender;
    bool comExpandOpened = false;
    QPointer<QDialog> comExpandDialog;
    Ui_COM_Expand *comExpandUi = nullptr;

    // --- "UDP Debug" ---
private slots:
    bool UDPopencompushButton_triggered();
    void readUDP();
    void UDP_sendMsg();
    void UDPsendmsgBtn_clicked();
    void UDP_obocheckBox_clicked();
    void UDPdelayspinBox_valueChanged(int value);
    void UDPHideHex_pushButton_clicked();
    void actionClearBytes_UDP_triggered();
    void actionCleanData_UDP_triggered();
    void cleanSendData_UDP_clicked();
    void actionSave_UDP_triggered();
    void actionLoadfile_UDP_triggered();

private:
    void UDP_Init_Start();
    void getLocalIP();
    bool UDP_WorkOpen();
    void UDP_WorkClose();
    QList<QHostAddress> localAddressList;
    QUdpSocket *udpSendSocket = nullptr;
    QUdpSocket *udpSocket = nullptr;
    bool udpOpened = false;
    QTimer *udpSendTimer = nullptr;
    int udpSendInterval = 200;
    std::unique_ptr<TerminalView> udpView;
    // Sender of the newest datagram, for the status message of each batch.
    QHostAddress udpLastSender;
    quint16 udpLastSenderPort = 0;

    // --- "TCP Debug" ---
private slots:
    bool TCPopencompushButton_triggered();
    void displayError(QAbstractSocket::SocketError error);
    void TCP_updateserver();
    void TCP_updateSendStatus();
    void TCP_Client_ReadMessage();
    void TCP_Server_ReadMessage();
    void TCPsendmsgBtn_clicked();
    void TCP_Client_WorkSendMessage();
    void TCP_Server_WorkSendMessage();
    void TCP_obocheckBox_clicked();
    void TCPdelayspinBox_valueChanged(int value);
    void TCPHideHex_pushButton_clicked();
    void actionClearBytes_TCP_triggered();
    void actionCleanData_TCP_triggered();
    void cleanSendData_TCP_clicked();
    void actionSave_TCP_triggered();
    void actionLoadfile_TCP_triggered();

private:
    void TCP_Init_Start();
    bool TCP_Client_WorkOpen();
    bool TCP_Server_WorkOpen();
    void TCP_ClientDisconnect();
    void TCP_Server_WorkClose();
    void tcpSetOpenWidgets(bool open);
    void tcpConnectSendTimer(void (MainWindow::*send)());
    void tcpReadFrom(QTcpSocket *socket, bool resumed = false);
    void tcpReleaseClient();
    bool tcpEncodeSendBox(QByteArray *bytes);
    void tcpWrite(QTcpSocket *socket, const QByteArray &bytes);
    void tcpForget(QTcpSocket *socket);
    void tcpClientConnected();
    QString tcpDropHeld(const QString &status);
    bool tcpOpened = false;
    QString tcpIp;
    QString tcpPort;
    QTcpSocket *tcpClient = nullptr;
    QTimer *tcpSendTimer = nullptr;
    int tcpSendInterval = 200;
    QList<QTcpSocket *> tcpClientList;
    QTcpServer *tcpServer = nullptr;
    std::unique_ptr<TerminalView> tcpView;
    // Peer of the newest bytes, for the status message of each batch.
    QString tcpLastPeer;
    quint16 tcpLastPeerPort = 0;
    QMetaObject::Connection tcpSendTimerConnection;
    // Per-panel working state (app/panel_states.h).
    struct TcpState;
    std::unique_ptr<TcpState> tcpState;
    QSet<QTcpSocket *> tcpReadScheduled;
    // Cuts the sockets' links to the window before the window's members go:
    // a socket torn down with the window must not call back into it.
    struct NetworkTeardown
    {
        MainWindow *window;
        ~NetworkTeardown();
    };
    NetworkTeardown networkTeardown{this};

    // --- "GPS Debug" ---
    void GPS_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void GPSsetComboBoxEnabled(bool enabled);
    Q_SLOT void GPSPortModeChanged();
    Q_SLOT void GPSCleanData_triggered();
    Q_SLOT void GPSactionOpen_triggered();
    Q_SLOT void readGPSCom(const QByteArray &data);
    Q_SLOT void GPS_MAP(bool first);
    QByteArray GPS_Analysis_Data_Process(QByteArray data);
    void GPS_Analysis(nmea_msg *msg, char *sentence);
    void NMEA_GxRMC_Data(nmea_msg *msg, char *sentence);
    void NMEA_GxGSV_Data(char *sentence);
    void NMEA_GxGGA_Data(char *sentence);
    void NMEA_GxGSA_Data(char *sentence);
    void NMEA_GPVTG_Data(char *sentence);
    void gpsShowReadout();
    void gpsReadBatch(const QByteArray &data);
    void gpsPortOpened();
    void gpsPortClosed();
    QList<QWidget *> gpsTcpWidgets() const;
    QList<QWidget *> gpsComWidgets() const;
    QTcpServer *gpsServer = nullptr;
    QList<QTcpSocket *> gpsServerClients;
    QWebEngineView *gpsMapView = nullptr;
    QLabel *gpsMapNotice = nullptr;
    // The map page chosen at start; the view loads it when first shown.
    QString gpsMapPage;
    MapPageCalls gpsMapCalls;
    void gpsShowMap();
    int gpsPositionUpdated = 0;
    qint64 gpsLastMapPush = 0;
    NmeaFramer gpsNmeaBuffer;
    struct GpsState;
    std::unique_ptr<GpsState> gpsState;
    // Signed position of the newest push, for the map page.
    double gpsPushLatitude = 0;
    double gpsPushLongitude = 0;
    QMetaObject::Connection gpsMapConnection;
    std::unique_ptr<TerminalView> gpsView;
    bool gpsInReader = false;
    // Satellite-signal dialog: GSV sentences go to it while it is open
    // and not drawing.
    bool gpsSignalDialogOpen = false;
    bool gpsSignalBusy = false;
    // Position server and file, track replay, route search.
    void gpsServerInit();
    Q_SLOT void GPSTCPopencompushButton_triggered();
    bool GPSTCP_Server_WorkOpen();
    void GPSTCP_Server_WorkClose();
    Q_SLOT void GPSupdateserver();
    Q_SLOT void GPSupdateSendStatus();
    Q_SLOT void GPSTCP_Server_ReadMessage();
    void GPSSavefile(QString latitude, QString longitude);
    Q_SLOT void GPSsearchdriving_triggered();
    Q_SLOT void GPStrochoidpushButton_triggered();
    void gpsTcpRead(QTcpSocket *socket);
    void gpsTcpLine(const QByteArray &line);
    int gpsServerRunning = 0;
    bool gpsReplaying = false;
    Q_SLOT void slotGPSsignal();
    Q_SLOT void GPS_SignalSetbuf(GsvRecords records);
    Q_SLOT void GPS_Signaltip_Setting(nmea_slmsg record);
    Q_SLOT void GPS_SignaltipSlot(QPointF point, bool state);
    Q_SLOT void slotgpssignaldialogclose();
    // Stops and frees the parser thread; waits for it.
    void gpsStopSatelliteThread();
    // Both dialogs and the thread go before the window comes apart.
    void gpsCloseDialogs();
    QDialog *gpsSignalDialog = nullptr;
    Ui_GPSsignal *gpsSignalForm = nullptr;
    GPS_Signal *gpsSatelliteThread = nullptr;
    QList<QMetaObject::Connection> gpsSatelliteConnections;
    Callout *gpsSignalTip = nullptr;
    QPolarChart *gpsSkyChart = nullptr;
    QValueAxis *gpsSkyAngularAxis = nullptr;
    QValueAxis *gpsSkyRadialAxis = nullptr;
    static constexpr int kSkySlots = 99;
    // By constellation code - 1, then satellite number: each system
    // numbers its satellites on its own.
    QScatterSeries *gpsSkySeries[5][kSkySlots] = {};
    bool gpsSkyPlotted[5][kSkySlots] = {};
    // Where each satellite was last reported in this opening (a report
    // without a position moves no point, and gives none) and whether its
    // SNR earns a point.
    struct GpsSkyPoint
    {
        bool known = false;
        bool wanted = false;
        QPointF at;
    };
    GpsSkyPoint gpsSkyPoint[5][kSkySlots];
    // Per constellation 1-5 at index 0-4.  The label and value lists
    // outlive the dialog.
    QChart *gpsBarChart[5] = {};
    QStackedBarSeries *gpsBarSeries[5] = {};
    QBarCategoryAxis *gpsBarAxis[5] = {};
    QBarSet *gpsBarSet[5] = {};
    QStringList gpsBarLabels[5];
    QList<qreal> gpsBarValues[5];
    // The bar heights the records asked for, drawn by gpsDrawSignal at
    // most every kSignalDrawMs with the sky points.
    QList<qreal> gpsBarShown[5];
    static constexpr int kSignalDrawMs = 150;
    QTimer *gpsSignalDrawTimer = nullptr;
    void gpsDrawSignal();
    // Distance and UTM calculator.
    Q_SLOT void slotGPScalculate();
    Q_SLOT void GPScalculate_triggered();
    Q_SLOT void GPSLatLong_Conversions_UTM_triggered();
    Q_SLOT void GPSUTM_Conversions_LatLong_triggered();
    Q_SLOT void slotgpscalculatedialogclose();
    double CalcDistance(double lat1, double lon1, double lat2, double lon2);
    double GPS_rad(double degrees);
    QDialog *gpsCalcDialog = nullptr;
    Ui_GPScalculate *gpsCalcForm = nullptr;
    bool gpsCalcDialogOpen = false;

    // --- "GSM Debug" ---
private slots:
    void GSMactionOpen_triggered();
    void GSMTestSignalpushButton_triggered();
    void GSMreadMyCom(QByteArray data);
    void GSMANJIANpushButton0_triggered();
    void GSMANJIANpushButton1_triggered();
    void GSMANJIANpushButton2_triggered();
    void GSMANJIANpushButton3_triggered();
    void GSMANJIANpushButton4_triggered();
    void GSMANJIANpushButton5_triggered();
    void GSMANJIANpushButton6_triggered();
    void GSMANJIANpushButton7_triggered();
    void GSMANJIANpushButton8_triggered();
    void GSMANJIANpushButton9_triggered();
    void GSMANJIANpushButton10_triggered();
    void GSMANJIANpushButton11_triggered();
    void GSMactionCleanNumData_triggered();
    void GSMbodianhuapushButton_triggered();
    void GSMguadianhuapushButton_triggered();
    void GSMLaidianKaiguanpushButton_triggered();
    void GSMLaidianYingKaiguanpushButton_triggered();
    void GSMDuanXinWenBenKaiguanpushButton_triggered();
    void GSMReadTextpushButton_triggered();
    void GSMDelTextpushButton_triggered();
    void GSMDelALLTextpushButton_triggered();
    void GSMSendpushButton_triggered();
    void slotGSMtextBrowser();
    void GSMTCPopencompushButton_triggered();
    void GSMTCPsendmsgBtn_triggered();
    void GSMGPRSreadMyCom(QByteArray data);

private:
    void GSM_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void GSMsetComboBoxEnabled(bool enabled);
    void Phone_Status();
    void GSMUI_EnDisable(bool on);
    void gsmPortOpening();
    void gsmPortOpened();
    void gsmPortClosed();
    bool gsmBusy() const;
    bool gsmPortLostWhileBusy(const QString &error);
    // Every batch of the port goes through the exchange, which hands what
    // no command waits for to the attached reader.
    void gsmFeed(const QByteArray &data);
    void GSMattachReader();
    void GSMdetachReader();
    // Every command runs inside begin/end: the page's other commands and
    // Open wait, and a port lost meanwhile is closed once the command ends.
    bool GSMbeginExchange(const QList<QWidget *> &keepEnabled = {});
    void GSMendExchange();
    QList<QWidget *> gsmControls() const;
    void GSMerrorBox(const QByteArray &code = {});
    QString GSMsendFailed(const QByteArray &code);
    void GSMsetSwitchIcon(QPushButton *button, int on);
    // UCS2 hex text of a text and back (positioning/ucs2_text.*).
    QString QStringtoUNicode(QString text);
    QString UNicodetoQString(QString hex);
    void GSMkeypadKey(char key);
    // Caller identification, alert sound, text mode: one flip each.
    bool GSMflipSwitch(const QByteArray &command, int polls);
    void GSMlinkIdle();
    void GSMcloseLink();
    GsmCodes::LinkStart GSMstartLink(const QByteArray &address, quint16 port, QByteArray *why);
    QList<QWidget *> gsmLinkGroups() const;
    // A ringing call whose "RING"s stopped was given up by the caller.
    void gsmRingSilent();
    void gsmShowNotices(const QList<GsmNotice> &notices);
    QTimer *gsmRingTimer = nullptr;
    AtExchange *gsmAt = nullptr;
    QByteArray gsmCodeBuffer;
    bool gsmIncomingCall = false;
    bool gsmInCall = false;
    bool gsmRingSeen = false;
    bool gsmCallerIdReady = false;
    int gsmGprsConnected = 0;
    int gsmClipOn = 0;
    int gsmCalmOn = 0;
    int gsmTextModeOn = 0;
    int gsmExchangeDepth = 0;
    QList<QPair<QWidget *, bool>> gsmSavedEnabled;
    QString gsmLostError;
    // The link reader, not the console reader, takes the port's bytes.
    bool gsmLinkUp = false;
    struct GsmState;
    std::unique_ptr<GsmState> gsmState;

    // --- "Unicode" ---
private slots:
    void actionStoUpushButton_triggered();
    void actionUtoSpushButton_triggered();

private:
    void Unicode_Init_Start();

    // --- "Environment" ---
    void ENVironment_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void ENVsetComboBoxEnabled(bool enabled);
    Q_SLOT void ENVactionOpen_triggered();
    Q_SLOT void readENVCom(const QByteArray &data);
    Q_SLOT void ENVactionClear_triggered();
    ProgressBarPercent *envHumidity = nullptr;
    CThermometer *envTemperature = nullptr;
    Ultraviolet *envUltraviolet = nullptr;
    DashBoard *envBarometer = nullptr;
    DashBoard *envCO2 = nullptr;
    DashBoard *envTVOC = nullptr;
    LineFramer envFramer;
    std::unique_ptr<SensorLog> envLog;

    // --- "Crypty" ---
private slots:
    void DesEncryption_triggered();
    void DesDecryption_triggered();
    void DEScomboBox_triggered(int index);
    void DeslineEdit_Data_triggered(const QString &text);
    void DeslineEdit_KEY_triggered(const QString &text);
    void base64_encode();
    void base64_decode();

private:
    void Crypty_Init_Start();
    void desRun(bool decrypt);

    // --- "Oscilloscope" ---
    void Oscilloscope_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void OSCsetComboBoxEnabled(bool enabled);
    Q_SLOT void OscilloscopeOpen_triggered();
    Q_SLOT void readOSCCom(const QByteArray &data);
    Q_SLOT void on_checkBox_0_stateChanged(int state);
    Q_SLOT void on_checkBox_1_stateChanged(int state);
    Q_SLOT void on_checkBox_2_stateChanged(int state);
    Q_SLOT void on_checkBox_3_stateChanged(int state);
    void Oscilloscope_Setting_Value(double *values);
    void oscilloscopeClearBuffer();
    void oscilloscopeChartLater();
    void oscilloscopeShowLists();
    void oscilloscopeChannelShown(int channel, int state);
    MWaveView *oscilloscopeChart = nullptr;
    LineFramer oscFramer;
    QList<QPointF> oscPoints[4];
    // The chart gets the lists at most every 40 ms: replacing four full
    // series per line would fall behind a fast board.
    QTimer *oscChartTimer = nullptr;
    bool oscChartPending = false;

    // --- "MQTT" ---
private slots:
    void actionMQTT_Open_triggered();
    void MQTT_Connect();
    void MQTT_Get_Status(MqttClient::ClientState state);
    void Vexmora_Mqtt_onMessage(const QByteArray &message, const MqttTopicName &topic);
    void Vexmora_Mqtt_on_sub_clicked();
    void Vexmora_Mqtt_on_pub_clicked();
    void onWebSocketDisconnected();
    void onWebSocketError(QAbstractSocket::SocketError error);
    void MQTT_slot_textmenu(const QPoint &pos);
    void MQTT_Sub_Edit_Clear();
    void actionMQTT_Save_triggered();

private:
    void Mqtt_Init_Start();
    void mqttWebSocketStart();
    void mqttWireButtons();
    // Back to idle: drops the client and the WebSocket device and shows why.
    void mqttReset(const QString &reason);
    // One block of the message log: long lines are broken into rows of at
    // most TerminalText::kMaxLineChars characters, as in the terminals.
    struct MqttLogRow
    {
        QList<QPair<QString, QColor>> runs;
        bool soft = false; // ends in a break of the log's own
    };
    // Lines for the message log, written on the next passes of the event
    // loop: a burst costs one layout, not one per message, and a long
    // message is shown over several passes instead of holding the window.
    void mqttLogLine(const QList<QPair<QString, QColor>> &parts);
    void mqttFlushLog();
    QList<MqttLogRow> mqttPendingRows;
    QTimer *mqttFlushTimer = nullptr;
    bool mqttConnected = false;
    MqttClient *mqttClient = nullptr;
    WebSocketIODevice *mqttWebSocketDevice = nullptr;
    QList<QMetaObject::Connection> mqttWiring;
    // Cuts the MQTT objects' links to the window before its children go.
    struct MqttTeardown
    {
        MainWindow *window;
        ~MqttTeardown();
    };
    MqttTeardown mqttTeardown{this};

    // --- "Spectra" ---
    void Spectra_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void SpectrasetsetComboBoxEnabled(bool enabled);
    Q_SLOT void SpectraOpen_triggered();
    Q_SLOT void readSpectraCom(const QByteArray &data);
    Q_SLOT void Spectra_pushButton_Clear_Log_triggered();
    Q_SLOT void onSpectraportChartComboBoxChanged(int index);
    Q_SLOT void onSpectraTYPEComboBoxChanged(int index);
    Q_SLOT void onSpectracheckBoxChanged(int state);
    void extractValuesFromQString(const QString &text);
    void spectraClearPending();
    void spectraClearLogBuffer();
    void spectraLog(const QByteArray &data);
    vexmora_spectroscopy *spectraWidget = nullptr;
    // Bytes after the last line feed, for the log; bounded like the framer.
    QByteArray spectraLogBuffer;
    // The start of a line still waiting for its CR LF, for the parser.
    LineFramer spectraPendingText;

    // --- "i2cdump" ---
    void I2Cdump_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void i2cdumpsetsetComboBoxEnabled(bool enabled);
    Q_SLOT void I2CdumpOpen_triggered();
    Q_SLOT void readi2cdumpCom(const QByteArray &data);
    Q_SLOT void I2Cdump_Stop();
    Q_SLOT void I2CdumpactionScanf_triggered();
    Q_SLOT void I2Cdump_Setaddr(int address);
    Q_SLOT void I2Cdump_printscanf(const QByteArray &payload);
    Q_SLOT void I2Cdump_printread(const QByteArray &payload);
    Q_SLOT void slotI2Cdump_read_ui();
    Q_SLOT void slotI2Cdump_write_ui();
    Q_SLOT void I2Cdump_Read();
    Q_SLOT void I2Cdump_Send();
    Q_SLOT void slotI2Cdump_read_ui_dialogclose();
    Q_SLOT void slotI2Cdump_write_ui_dialogclose();
    Q_SLOT void I2CdumpactionClear_triggered();
    void i2cdumpAfterOpen();
    void i2cdumpAfterClose();
    void i2cdumpSetActionsEnabled(bool enabled);
    // Sends only while this tab holds the port; else the frame is dropped.
    void i2cdumpWrite(const QByteArray &frame);
    void i2cdumpLog(const QString &text);
    void i2cdumpCloseDialogs();
    vexmora_i2c_tools *i2cTools = nullptr;
    std::unique_ptr<SensorLog> i2cLog;
    QDialog *i2cReadDialog = nullptr;
    Ui_I2CDump_ReadREG *i2cReadUi = nullptr;
    bool i2cReadDialogOpen = false;
    QDialog *i2cWriteDialog = nullptr;
    Ui_I2CDump_WriteREG *i2cWriteUi = nullptr;
    bool i2cWriteDialogOpen = false;
    // The button's text follows this, in any language.
    bool i2cStreaming = false;
    // Named in the read result's log line: the reply may come after the
    // dialog is gone.
    unsigned char i2cLastReadRegister = 0;

    // --- "TOF" ---
    void TOF_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void TOFsetsetComboBoxEnabled(bool enabled);
    Q_SLOT void TOFOpen_triggered();
    Q_SLOT void readTOFCom(const QByteArray &data);
    Q_SLOT void TOFactionClear_triggered();
    Q_SLOT void TOFprocessFrame(const QByteArray &frameData);
    Q_SLOT void onTOFTYPEComboBoxChanged(int index);
    Q_SLOT void TOFchangeArrangement();
    Q_SLOT void onTOFChartComboBoxChanged(int index);
    void TOFmirrorPixels(QList<int> &pixels, int numRows, int numCols);
    void TOF_rearrange_image(const int *image_data, int *new_image_data);
    int TOF_get8829CorrectedIndex(int deliveryIndex, int cols);
    void tofClearBuffer();
    void tofRefreshLater();
    void tofRefresh();
    vexmora_tof *tofWidget = nullptr;
    LineFramer tofLineBuffer;
    QList<int> tofValues;
    TofFrame::FilterState tofFilterState{};
    // Frames are parsed on arrival but the grid and the surface are fed at
    // most once per event-loop turn, and only while shown: the values a
    // view still lacks are the first tofGridPending / tofSurfacePending.
    int tofGridPending = 0;
    int tofSurfacePending = 0;
    // A grid refresh in progress, spread over turns: next label, last + 1.
    int tofGridCursor = -1;
    int tofGridEnd = 0;
    bool tofRefreshQueued = false;

    // --- "Modbus" ---
private slots:
    void Modbus_function_comboBoxIndexChanged(int index);
    void ModbusPortModeChanged();
    void ModbusOpen_triggered();
    void ModbusTCPopencompushButton_triggered();
    void Modbus_displayError(QAbstractSocket::SocketError error);
    void actionModbus_revice_CleanData_triggered();
    void actionModbus_send_CleanData_triggered();
    void Modbus_Read_write_Button();
    void Modbus_onReadButtonClicked(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress,
                                    int quantity, Vexmora_ModBus_Mode mode);
    void Modbus_onWriteButtonClicked(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress,
                                     int quantity, QByteArray writeData, Vexmora_ModBus_Mode mode);

private:
    void Modbus_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void ModbussetsetComboBoxEnabled(bool enabled);
    bool Modbus_isValidHexInput(const QString &text);
    QByteArray Modbus_convertHexStringToByteArray(const QByteArray &text);
    void modbusShowLayout(bool com);
    void modbusTcpIdle();
    bool modbusLinkReady(Vexmora_ModBus_Mode mode);
    void modbusExchange(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress, int quantity,
                        const QByteArray &data, Vexmora_ModBus_Mode mode, int serialWaitMs, int socketWaitMs);
    void modbusLog(QPlainTextEdit *log, const QByteArray &bytes);
    bool modbusTcpConnected = false;
    QTcpSocket *modbusTcpSocket = nullptr;
    // Lives as long as the panel, so a TCP exchange never needs the serial port.
    Vexmora_ModbusClient *modbusClient = nullptr;

    // --- "CIE" ---
    void CIE_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void CIEsetsetComboBoxEnabled(bool enabled);
    Q_SLOT void CIEOpen_triggered();
    Q_SLOT void readCIECom(const QByteArray &data);
    Q_SLOT void CIEactionClear_triggered();
    void CIE_extractValuesFromQString(const QString &dataString);
    void cieClearBuffer();
    vexmora_cie_widget *cieWidget = nullptr;
    // Bytes after the last complete line; bounded when no line end comes.
    LineFramer cieLineBuffer;

    // --- "IMU" ---
    void IMU_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void imusetsetComboBoxEnabled(bool enabled);
    Q_SLOT void IMUOpen_triggered();
    Q_SLOT void readimuCom(const QByteArray &data);
    void imu_processData(const QString &text);
    void imuClearBuffer();
    void imuResetLabelToggle();
    vexmora_3d_imu *imuWidget = nullptr;
    // Bytes after the last CR LF wait for the rest of their line.
    LineFramer imuBuffer;
    int imuLabelToggle = 0;
};

#endif // MAINWINDOW_H
