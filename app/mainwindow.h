#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QList>
#include <QPointer>
#include <QStringList>

#include "app/about_dialog.h"

class QSettings;
class QTimer;
class QTcpServer;
class QTcpSocket;
class QWebEngineView;
class MWaveView;
class QDialog;
class QPushButton;
class Ui_Config;
class Ui_Help;

namespace Ui {
class MainWindow;
}

// The one top-level window.  Every tool panel is a set of this class's slots
// and members; each panel's slots are defined in that panel's own .cpp file.
class MainWindow : public QMainWindow
{
    Q_OBJECT

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

    // --- Serial port scan (all serial pages) ---
    void SerialSacn_new();

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
    QPushButton *configButton(int index) const;
    void toggleConfigSwitch(int index);
    // Help dialog.
    bool helpDialogOpened = false;
    QDialog *helpDialog = nullptr;
    // Frees the open dialogs while the window is still whole.
    void closeShellDialogs();
    QWebEngineView *moreWebView = nullptr;

    // --- Serial port scan and shared serial state ---
    void SerialSacn();
    QTimer *portScanTimer = nullptr;
    bool serialOpened = false;
    QTimer *sendTimer = nullptr;
    int sendInterval = 200;

    // --- "Serial Debug" ---
    void Serial_Init_Start();

    // --- "UDP Debug" ---
    void UDP_Init_Start();
    void getLocalIP();
    bool udpOpened = false;
    QTimer *udpSendTimer = nullptr;
    int udpSendInterval = 200;

    // --- "TCP Debug" ---
    void TCP_Init_Start();
    bool tcpOpened = false;
    QTimer *tcpSendTimer = nullptr;
    int tcpSendInterval = 200;

    // --- "GPS Debug" ---
    void GPS_Init_Start();
    QTcpServer *gpsServer = nullptr;
    QList<QTcpSocket *> gpsServerClients;

    // --- "GSM Debug" ---
    void GSM_Init_Start();

    // --- "Unicode" ---
    void Unicode_Init_Start();

    // --- "Environment" ---
    void ENVironment_Init_Start();

    // --- "Crypty" ---
    void Crypty_Init_Start();

    // --- "Oscilloscope" ---
    void Oscilloscope_Init_Start();
    MWaveView *oscilloscopeChart = nullptr;

    // --- "MQTT" ---
    void Mqtt_Init_Start();
    bool mqttConnected = false;

    // --- "Spectra" ---
    void Spectra_Init_Start();

    // --- "i2cdump" ---
    void I2Cdump_Init_Start();

    // --- "TOF" ---
    void TOF_Init_Start();

    // --- "Modbus" ---
    void Modbus_Init_Start();

    // --- "CIE" ---
    void CIE_Init_Start();

    // --- "IMU" ---
    void IMU_Init_Start();
};

#endif // MAINWINDOW_H
