#ifndef THREAD_SERIAL_H
#define THREAD_SERIAL_H

#include <QByteArray>
#include <QSerialPort>
#include <QString>
#include <QThread>
#include <functional>

// Holder of the one open serial port, shared by every serial panel.  The
// thread body is empty: the holder and its port live in the GUI thread, so
// every read and write happens there.
class ThreadSerial : public QThread
{
    Q_OBJECT

public:
    explicit ThreadSerial(QThread *parent = nullptr);
    ~ThreadSerial() override;

    // Creates the port from the fields below and opens it read-write; the
    // outcome is left in `opened`.  With connectRead, every batch of bytes
    // is emitted as Serial_read_Data.
    void Init(bool connectRead);

    void setDTR(bool on);
    void setRTS(bool on);

    // Ends a holder that the window no longer refers to: its (empty)
    // thread is waited for, so deleting it can never abort, and it is
    // deleted from the event loop, so this is safe inside its own signals.
    static void release(ThreadSerial *holder);

    bool running = true;
    QString portName;
    QSerialPort *port = nullptr;
    int baudRate = 0;
    int dataBits = 8;
    int parityIndex = 0;
    int stopBitsIndex = 0;
    bool opened = false;

    // Set once the port reported its device gone; every close path follows.
    bool lost = false;

    static QSerialPort::Parity parityFor(int index);

    // Makes the port that Init opens; tests put a scripted QSerialPort in
    // place of the device.  An empty hook brings back the real port.
    using PortHook = std::function<QSerialPort *()>;
    static void setPortHook(PortHook hook);

signals:
    void Serial_read_Data(const QByteArray &data);
    // The device went away while open (unplugged, hung up).
    void Serial_port_Lost(const QString &error);

public slots:
    void readData();

protected:
    void run() override;

private:
    void portError(QSerialPort::SerialPortError error);
};

#endif // THREAD_SERIAL_H
