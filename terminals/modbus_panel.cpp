#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "terminals/serial_styles.h"
#include "terminals/terminal_text.h"
#include "terminals/terminal_view.h"
#include "terminals/thread_serial.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTcpSocket>
#include <QTextCursor>

// "Modbus": a master that sends one request per press over the shared serial
// port (RTU) or its own TCP socket, waits for the reply in place and logs
// both frames.

namespace {

// Function combo index -> Modbus function code.
Vexmora_ModbusClient::FunctionCode functionAt(int index)
{
    static const Vexmora_ModbusClient::FunctionCode codes[] = {
        Vexmora_ModbusClient::ReadCoils,           Vexmora_ModbusClient::ReadDiscreteInputs,
        Vexmora_ModbusClient::ReadHoldingRegisters, Vexmora_ModbusClient::ReadInputRegisters,
        Vexmora_ModbusClient::WriteSingleCoil,     Vexmora_ModbusClient::WriteSingleRegister,
        Vexmora_ModbusClient::WriteMultipleCoils,  Vexmora_ModbusClient::WriteMultipleRegisters};
    return index >= 0 && index < 8 ? codes[index] : Vexmora_ModbusClient::ReadCoils;
}

// Each reply window and the number of tries a request gets.
constexpr int kReplyWindowMs = 1000;
constexpr int kAttempts = 3;

} // namespace

void MainWindow::Modbus_Init_Start()
{
    connect(ui->Modbus_function_comboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::Modbus_function_comboBoxIndexChanged);
    // Serial open and close: the shared frame, without a reader (each
    // exchange reads its reply from the port itself).
    portInit(PortTab::Modbus);
    connect(ui->ModbusTCPopencompushButton, &QPushButton::pressed, this,
            &MainWindow::ModbusTCPopencompushButton_triggered);
    connect(ui->ModbusportMode_2, &QRadioButton::pressed, this, &MainWindow::ModbusPortModeChanged);
    connect(ui->ModbusportMode_1, &QRadioButton::pressed, this, &MainWindow::ModbusPortModeChanged);
    connect(ui->Modbus_revice_cleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionModbus_revice_CleanData_triggered);
    connect(ui->Modbus_send_cleandatapushButton, &QPushButton::pressed, this,
            &MainWindow::actionModbus_send_CleanData_triggered);
    connect(ui->Modbus_pushButton, &QPushButton::clicked, this, &MainWindow::Modbus_Read_write_Button);

    modbusShowLayout(true);
    ui->Modbus_sendMsgtextEdit->setReadOnly(true);
    ui->Modbus_HexTextBrowser->setReadOnly(true);
    ui->Modbus_lineEdit->setReadOnly(true);
    ui->ModbusTCPopencompushButton->setStyleSheet(SerialStyles::openIdle());
    modbusTcpConnected = false;

    if (!modbusClient) {
        modbusClient = new Vexmora_ModbusClient(this);
        // A refused or damaged reply is the user's business: show why.
        connect(modbusClient, &Vexmora_ModbusClient::errorOccurred, this,
                [this](const QString &error) { ui->statusBar->showMessage(error, 0); });
    }
}

void MainWindow::modbusShowLayout(bool com)
{
    ui->ModbusportMode_2->setChecked(!com);
    ui->ModbusportMode_1->setChecked(com);
    for (QWidget *w : {static_cast<QWidget *>(ui->label_64), static_cast<QWidget *>(ui->label_65),
                       static_cast<QWidget *>(ui->label_82), static_cast<QWidget *>(ui->label_83),
                       static_cast<QWidget *>(ui->label_84), static_cast<QWidget *>(ui->ModbusopencompushButton),
                       static_cast<QWidget *>(ui->ModbusbaudRateComboBox),
                       static_cast<QWidget *>(ui->ModbusportNameComboBox),
                       static_cast<QWidget *>(ui->ModbusdataBitsComboBox),
                       static_cast<QWidget *>(ui->ModbusparityComboBox),
                       static_cast<QWidget *>(ui->ModbusstopBitsComboBox)})
        w->setVisible(com);
    for (QWidget *w : {static_cast<QWidget *>(ui->ModbusTCPopencompushButton),
                       static_cast<QWidget *>(ui->ModbusTCPclientIPlineEdit),
                       static_cast<QWidget *>(ui->ModbusTCPclientPortlineEdit),
                       static_cast<QWidget *>(ui->label_90), static_cast<QWidget *>(ui->label_91)})
        w->setVisible(!com);
}

void MainWindow::ModbusPortModeChanged()
{
    auto *radio = qobject_cast<QRadioButton *>(sender());
    if (!radio)
        return;
    if (radio->text() == tr("COM"))
        modbusShowLayout(true);
    else if (radio->text() == tr("TCP"))
        modbusShowLayout(false);
}

void MainWindow::Modbus_function_comboBoxIndexChanged(int index)
{
    const bool write = index > 3;
    ui->Modbus_lineEdit->setReadOnly(!write);
    ui->Modbus_pushButton->setText(write ? QStringLiteral("Write") : QStringLiteral("Read"));
}

void MainWindow::ModbusTCPopencompushButton_triggered()
{
    if (modbusTcpConnected) {
        modbusTcpSocket->disconnectFromHost();
        ui->statusBar->showMessage(tr("Disconnected TCP server"), 0);
        modbusTcpIdle();
        return;
    }
    const QString ip = ui->ModbusTCPclientIPlineEdit->text();
    const QString port = ui->ModbusTCPclientPortlineEdit->text();
    if (ip.isEmpty() || port.isEmpty()) {
        QMessageBox::warning(this, tr("warning:"), tr("IP or Port is empty!"), QMessageBox::Ok);
        return;
    }
    quint16 portNumber = 0;
    if (!portFieldAccepted(port, false, &portNumber))
        return;
    // The socket of the previous link is done with; only its reports would be left.
    if (modbusTcpSocket) {
        modbusTcpSocket->disconnect(this);
        modbusTcpSocket->abort();
        modbusTcpSocket->deleteLater();
    }
    modbusTcpSocket = new QTcpSocket(this);
    modbusTcpSocket->setObjectName(QStringLiteral("modbusTcpSocket"));
    modbusTcpSocket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
    connect(modbusTcpSocket, &QAbstractSocket::errorOccurred, this, &MainWindow::Modbus_displayError);
    modbusTcpSocket->connectToHost(ip, portNumber, QIODevice::ReadWrite,
                                   QAbstractSocket::AnyIPProtocol);
    ui->ModbusportMode_1->setEnabled(false);
    ui->ModbusportMode_2->setEnabled(false);
    ui->ModbusTCPclientIPlineEdit->setEnabled(false);
    ui->ModbusTCPclientPortlineEdit->setEnabled(false);
    ui->statusBar->showMessage(tr("Connected to TCP server"), 0);
    ui->ModbusTCPopencompushButton->setText(QStringLiteral("Disconnect"));
    ui->ModbusTCPopencompushButton->setStyleSheet(SerialStyles::openActive());
    modbusTcpConnected = true;
}

void MainWindow::modbusTcpIdle()
{
    ui->ModbusportMode_1->setEnabled(true);
    ui->ModbusportMode_2->setEnabled(true);
    ui->ModbusTCPclientIPlineEdit->setEnabled(true);
    ui->ModbusTCPclientPortlineEdit->setEnabled(true);
    ui->ModbusTCPopencompushButton->setText(QStringLiteral("Connect"));
    ui->ModbusTCPopencompushButton->setStyleSheet(SerialStyles::openIdle());
    modbusTcpConnected = false;
}

void MainWindow::Modbus_displayError(QAbstractSocket::SocketError error)
{
    // The short waits of an exchange time out all the time; that ends nothing.
    if (error == QAbstractSocket::SocketTimeoutError)
        return;
    if (sender() != modbusTcpSocket || !modbusTcpConnected)
        return;
    modbusTcpSocket->close();
    ui->statusBar->showMessage(tr("No server found"), 0);
    modbusTcpIdle();
}

void MainWindow::actionModbus_revice_CleanData_triggered()
{
    ui->Modbus_HexTextBrowser->clear();
    ui->statusBar->showMessage(tr("Receive has been cleared"), 0);
}

void MainWindow::actionModbus_send_CleanData_triggered()
{
    ui->Modbus_sendMsgtextEdit->clear();
    ui->statusBar->showMessage(tr("Send has been cleared"), 0);
}

// Tokens "0x" plus one or two hex digits: a longer number does not fit a
// byte and is refused rather than cut.
bool MainWindow::Modbus_isValidHexInput(const QString &text)
{
    static const QRegularExpression valid(QStringLiteral("^((0x[0-9A-Fa-f]{1,2})(\\s*|,\\s*)?)*$"));
    return valid.match(text).hasMatch();
}

QByteArray MainWindow::Modbus_convertHexStringToByteArray(const QByteArray &text)
{
    static const QRegularExpression token(QStringLiteral("0x([0-9A-Fa-f]{1,2})"));
    QByteArray bytes;
    auto it = token.globalMatch(QString::fromLatin1(text));
    while (it.hasNext())
        bytes.append(char(it.next().captured(1).toInt(nullptr, 16) & 0xFF));
    return bytes;
}

void MainWindow::Modbus_Read_write_Button()
{
    Vexmora_ModBus_Mode mode = Vexmora_ModBus_Mode::RTU;
    if (!ui->ModbusportMode_1->isChecked() && ui->ModbusportMode_2->isChecked())
        mode = Vexmora_ModBus_Mode::TCP;
    if (!serialOpened && !modbusTcpConnected)
        return;

    const int unit = ui->ModbusspinBox->value();
    const int start = ui->Modbus_address_spinBox->value();
    const int quantity = ui->Modbus_quantity_spinBox->value();
    const Vexmora_ModbusClient::FunctionCode code = functionAt(ui->Modbus_function_comboBox->currentIndex());
    const QString text = ui->Modbus_lineEdit->text();
    const QString action = ui->Modbus_pushButton->text();

    if (text.isEmpty() && action != QLatin1String("Read"))
        return;
    if (!Modbus_isValidHexInput(text)) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("输入错误"),
                        QStringLiteral("请输入合法的十六进制数据，例如：0x11 0x12 或 0x11,0x12"), QMessageBox::Ok);
        box.exec();
        return;
    }
    const QByteArray data = Modbus_convertHexStringToByteArray(text.toLatin1());

    if (action == QLatin1String("Read"))
        Modbus_onReadButtonClicked(unit, code, start, quantity, mode);
    else if (action == QLatin1String("Write"))
        Modbus_onWriteButtonClicked(unit, code, start, quantity, data, mode);
}

void MainWindow::Modbus_onReadButtonClicked(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress,
                                            int quantity, Vexmora_ModBus_Mode mode)
{
    modbusExchange(unit, code, startAddress, quantity, QByteArray(), mode, 20, 100);
}

void MainWindow::Modbus_onWriteButtonClicked(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress,
                                             int quantity, QByteArray writeData, Vexmora_ModBus_Mode mode)
{
    modbusExchange(unit, code, startAddress, quantity, writeData, mode, 100, 20);
}

// RTU goes out only on a port this panel opened, TCP only on a connected
// socket; anything else is said, not sent.
bool MainWindow::modbusLinkReady(Vexmora_ModBus_Mode mode)
{
    if (mode == Vexmora_ModBus_Mode::RTU) {
        if (portFor(PortTab::Modbus))
            return true;
        ui->statusBar->showMessage(tr("The serial port is not open in this panel"), 0);
        return false;
    }
    if (modbusTcpConnected && modbusTcpSocket) {
        // Pressed right after Connect: give the link the reply window to come up.
        const auto state = modbusTcpSocket->state();
        if (state == QAbstractSocket::HostLookupState || state == QAbstractSocket::ConnectingState)
            modbusTcpSocket->waitForConnected(kReplyWindowMs);
        // A refused link has ended and said so already.
        if (!modbusTcpConnected)
            return false;
        if (modbusTcpSocket->state() == QAbstractSocket::ConnectedState)
            return true;
    }
    ui->statusBar->showMessage(tr("TCP server not connected"), 0);
    return false;
}

void MainWindow::modbusExchange(int unit, Vexmora_ModbusClient::FunctionCode code, int startAddress, int quantity,
                                const QByteArray &data, Vexmora_ModBus_Mode mode, int serialWaitMs,
                                int socketWaitMs)
{
    if (!modbusClient || !modbusLinkReady(mode))
        return;
    const bool rtu = mode == Vexmora_ModBus_Mode::RTU;
    QIODevice *device = rtu ? static_cast<QIODevice *>(serialThread->port) : modbusTcpSocket;
    const int waitMs = rtu ? serialWaitMs : socketWaitMs;
    // A link that failed while waiting ends the exchange; the port's loss is
    // handled once the exchange has returned.
    auto linkBroken = [&] {
        if (rtu)
            return !portFor(PortTab::Modbus) || serialThread->lost;
        return !modbusTcpConnected || modbusTcpSocket->state() != QAbstractSocket::ConnectedState;
    };

    ui->statusBar->clearMessage();
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QByteArray request = modbusClient->generateRequest(unit, code, startAddress, quantity, mode, data);
        if (request.isEmpty())
            return;
        modbusLog(ui->Modbus_sendMsgtextEdit, request);

        // Whatever came after an earlier window closed belongs to no request
        // of ours; read as this reply it would be a false error.
        device->readAll();
        while (device->waitForReadyRead(0))
            device->readAll();
        if (linkBroken())
            return;
        if (device->write(request) != request.size()) {
            ui->statusBar->showMessage(tr("Send failed: %1").arg(device->errorString()), 0);
            return;
        }

        QByteArray reply;
        QElapsedTimer window;
        window.start();
        while (window.elapsed() < kReplyWindowMs) {
            if (device->waitForReadyRead(waitMs))
                reply += device->readAll();
            else if (linkBroken())
                return;
        }
        if (reply.isEmpty())
            continue;
        modbusClient->parseResponse(code, reply, mode);
        modbusLog(ui->Modbus_HexTextBrowser, reply);
        return;
    }
}

// One entry per frame: a green time stamp and the bytes as "0x%1,", each
// entry its own block, added at the end so a selection stays as it is.
void MainWindow::modbusLog(QPlainTextEdit *log, const QByteArray &bytes)
{
    QString hex;
    for (char c : bytes) {
        hex += QStringLiteral("0x%1,").arg(quint8(c), 2, 16, QLatin1Char('0'));
        if (c == '\n')
            hex += QChar::LineSeparator;
    }
    if (!hex.isEmpty())
        hex.chop(1);

    TerminalView::makeRoom(log, 1, TerminalView::kMaxBlocks);
    QTextCharFormat stampFormat;
    stampFormat.setForeground(QColor(QStringLiteral("green")));
    QTextCharFormat dataFormat;
    dataFormat.setForeground(QColor(QStringLiteral("black")));
    QTextCursor cursor(log->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertBlock();
    cursor.insertText(TerminalText::stamp(QDateTime::currentDateTime()), stampFormat);
    cursor.insertText(hex, dataFormat);
    log->verticalScrollBar()->setValue(log->verticalScrollBar()->maximum());
}
