#include "terminals/thread_serial.h"

static ThreadSerial::PortHook &portHook()
{
    static ThreadSerial::PortHook hook;
    return hook;
}

void ThreadSerial::setPortHook(PortHook hook)
{
    portHook() = std::move(hook);
}

ThreadSerial::ThreadSerial(QThread *)
    : QThread(nullptr)
{
    running = true;
}

ThreadSerial::~ThreadSerial()
{
    // A running QThread must never be destroyed; the body is empty, so
    // this returns at once.
    QThread::exit(0);
    QThread::wait();
    delete port;
}

QSerialPort::Parity ThreadSerial::parityFor(int index)
{
    switch (index) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    case 3:
        return QSerialPort::MarkParity;
    case 4:
        return QSerialPort::SpaceParity;
    default:
        return QSerialPort::NoParity;
    }
}

void ThreadSerial::Init(bool connectRead)
{
    port = portHook() ? portHook()() : new QSerialPort();
    port->setPortName(portName);
    port->setBaudRate(baudRate, QSerialPort::AllDirections);
    port->setDataBits(static_cast<QSerialPort::DataBits>(dataBits));
    port->setParity(parityFor(parityIndex));
    // Index 1 ("1.5") keeps the port's own setting.
    if (stopBitsIndex == 2)
        port->setStopBits(QSerialPort::TwoStop);
    else if (stopBitsIndex != 1)
        port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    opened = port->open(QIODevice::ReadWrite);
    if (opened) {
        connect(port, &QSerialPort::errorOccurred, this, &ThreadSerial::portError);
        if (connectRead)
            connect(port, &QSerialPort::readyRead, this, &ThreadSerial::readData);
    }
}

void ThreadSerial::readData()
{
    const QByteArray data = port->readAll();
    if (!data.isEmpty())
        emit Serial_read_Data(data);
}

void ThreadSerial::portError(QSerialPort::SerialPortError error)
{
    // A device that goes away shows up as a resource error or, depending on
    // timing, as read errors that repeat on every notification: either way
    // the port is useless and would only spin, so report it lost.
    if ((error == QSerialPort::ResourceError || error == QSerialPort::ReadError) && running) {
        lost = true;
        emit Serial_port_Lost(port->errorString());
    }
}

void ThreadSerial::run()
{
}

void ThreadSerial::setDTR(bool)
{
}

void ThreadSerial::setRTS(bool)
{
}

void ThreadSerial::release(ThreadSerial *holder)
{
    if (!holder)
        return;
    holder->running = false;
    holder->disconnect();
    if (holder->port)
        holder->port->disconnect(holder);
    holder->exit(0);
    holder->wait();
    holder->deleteLater();
}
