#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QMainWindow>
#include <QList>
#include <QMetaObject>
#include <QPointer>
#include <QSerialPortInfo>
#include <QStringList>

class QComboBox;
class QDialog;
class QPushButton;
class QRadioButton;
class QSettings;
class QTimer;
class LineSender;
class TerminalView;
class ThreadSerial;
class Ui_COM_Expand;
class QTcpServer;
class QTcpSocket;
class QWebEngineView;
class MWaveView;

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

    // --- Serial port scan and shared serial state ---
    void SerialSacn_new();
    bool testUart(const QString &name) const;

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
    void serialPortLost(const QString &error);
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
    QSettings *settings = nullptr;
    QStringList featureKeys;
    int tabCount = 19;
    QWebEngineView *moreWebView = nullptr;

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
    bool serialOpened = false;
    ThreadSerial *serialThread = nullptr;
    QTimer *sendTimer = nullptr;
    int sendInterval = 200;

    // --- "Serial Debug" ---
    void Serial_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void setComboBoxEnabled(bool enabled);
    bool COM_isValidHex(const QString &token);
    // Closes the port and the quick-command dialog before the form goes.
    void serialShutdown();
    void closeSerialTerminalPort();
    void serialFileSent(bool ok, const QString &error);
    void renameQuickCommand(int n);
    void sendQuickCommand(int n);
    QMetaObject::Connection dtrConnection;
    QMetaObject::Connection rtsConnection;
    TerminalView *serialView = nullptr;
    QPointer<LineSender> serialFileSender;
    bool comExpandOpened = false;
    QPointer<QDialog> comExpandDialog;
    Ui_COM_Expand *comExpandUi = nullptr;

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
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void GPSsetComboBoxEnabled(bool enabled);
    QTcpServer *gpsServer = nullptr;
    QList<QTcpSocket *> gpsServerClients;

    // --- "GSM Debug" ---
    void GSM_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void GSMsetComboBoxEnabled(bool enabled);

    // --- "Unicode" ---
    void Unicode_Init_Start();

    // --- "Environment" ---
    void ENVironment_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void ENVsetComboBoxEnabled(bool enabled);

    // --- "Crypty" ---
    void Crypty_Init_Start();

    // --- "Oscilloscope" ---
    void Oscilloscope_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void OSCsetComboBoxEnabled(bool enabled);
    MWaveView *oscilloscopeChart = nullptr;

    // --- "MQTT" ---
    void Mqtt_Init_Start();
    bool mqttConnected = false;

    // --- "Spectra" ---
    void Spectra_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void SpectrasetsetComboBoxEnabled(bool enabled);

    // --- "i2cdump" ---
    void I2Cdump_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void i2cdumpsetsetComboBoxEnabled(bool enabled);

    // --- "TOF" ---
    void TOF_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void TOFsetsetComboBoxEnabled(bool enabled);

    // --- "Modbus" ---
    void Modbus_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void ModbussetsetComboBoxEnabled(bool enabled);

    // --- "CIE" ---
    void CIE_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void CIEsetsetComboBoxEnabled(bool enabled);

    // --- "IMU" ---
    void IMU_Init_Start();
    // Port-widget lock (terminals/serial_locks.cpp); true unlocks.
    Q_SLOT void imusetsetComboBoxEnabled(bool enabled);
};

#endif // MAINWINDOW_H
