#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "positioning/at_exchange.h"
#include "positioning/gsm_codes.h"
#include "terminals/serial_styles.h"
#include "terminals/thread_serial.h"

#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>

// "GSM Debug": a console for a GSM/GPRS modem driven by AT commands on the
// shared serial holder.  Each command is one AtExchange; between commands
// the unsolicited-code reader watches for calls and messages.

namespace {

// Tells the console that the window is closing, so a command waiting for
// its reply stops at its next wait instead of writing on.
class CloseWatch : public QObject
{
public:
    CloseWatch(AtExchange *exchange, QObject *parent)
        : QObject(parent)
        , m_exchange(exchange)
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close && m_exchange->running())
            m_exchange->end();
        return false;
    }

private:
    AtExchange *m_exchange;
};

} // namespace

void MainWindow::GSM_Init_Start()
{
    connect(ui->GSMopencompushButton, &QPushButton::pressed, this, &MainWindow::GSMactionOpen_triggered);

    ui->GSMtextBrowser_1->document()->setMaximumBlockCount(1);
    ui->GSMNUMtextEdit->document()->setMaximumBlockCount(1);
    ui->GSMTCPReadSBrowser->document()->setMaximumBlockCount(50);

    gsmClipOn = 0;
    gsmCalmOn = 0;
    gsmTextModeOn = 0;
    gsmIncomingCall = false;
    gsmInCall = false;
    gsmRingSeen = false;
    gsmCallerIdReady = false;

    for (QPushButton *b : {ui->GSMLaidianKaiguanpushButton, ui->GSMLaidianYingKaiguanpushButton,
                           ui->GSMDuanXinWenBenKaiguanpushButton}) {
        b->setFlat(true);
        b->setStyleSheet(QStringLiteral("border:none"));
    }

    const QList<QPushButton *> digits = {ui->GSMANJIANpushButton_0, ui->GSMANJIANpushButton_1,
                                         ui->GSMANJIANpushButton_2, ui->GSMANJIANpushButton_3,
                                         ui->GSMANJIANpushButton_4, ui->GSMANJIANpushButton_5,
                                         ui->GSMANJIANpushButton_6, ui->GSMANJIANpushButton_7,
                                         ui->GSMANJIANpushButton_8, ui->GSMANJIANpushButton_9};
    for (int i = 0; i < digits.size(); ++i)
        digits.at(i)->setShortcut(QKeySequence(tr(QByteArray::number(i).constData())));

    if (!gsmAt) {
        gsmAt = new AtExchange(this);
        gsmAt->setObjectName(QStringLiteral("gsmAtExchange"));
        gsmAt->writer = [this](const QByteArray &bytes) {
            if (!serialThread || !serialThread->port || !serialThread->port->isOpen())
                return false;
            return serialThread->port->write(bytes) == bytes.size();
        };
        gsmAt->waiter = [this](int ms) { msleep(ms); };
        installEventFilter(new CloseWatch(gsmAt, this));
    }

    GSMUI_EnDisable(false);
    ui->GSMopencompushButton->setStyleSheet(SerialStyles::openIdle());
}

// The page's command widgets: disabled while the port is closed.
QList<QWidget *> MainWindow::gsmControls() const
{
    return {ui->GSM_AutoRedial,
            ui->GSMANJIANpushButton_0,
            ui->GSMANJIANpushButton_1,
            ui->GSMANJIANpushButton_2,
            ui->GSMANJIANpushButton_3,
            ui->GSMANJIANpushButton_4,
            ui->GSMANJIANpushButton_5,
            ui->GSMANJIANpushButton_6,
            ui->GSMANJIANpushButton_7,
            ui->GSMANJIANpushButton_8,
            ui->GSMANJIANpushButton_9,
            ui->GSMANJIANpushButton_10,
            ui->GSMANJIANpushButton_11,
            ui->GSMANJIANpushButton_Clean,
            ui->GSMbodianhuapushButton,
            ui->GSMguadianhuapushButton,
            ui->GSMTestSignalpushButton,
            ui->GSMtextBrowser_1,
            ui->GSMLaidianKaiguanpushButton,
            ui->GSMLaidianYingKaiguanpushButton,
            ui->GSMDuanXinWenBenKaiguanpushButton,
            ui->GSMSendpushButton,
            ui->GSMtextBrowser,
            ui->GSMNUMtextEdit,
            ui->GSMReadTextpushButton,
            ui->GSMDelTextpushButton,
            ui->GSMDelALLTextpushButton,
            ui->GSMReadtextBrowser,
            ui->GSMTcpsendBrowser,
            ui->GSMTCPReadSBrowser,
            ui->GSMTCPclientIPlineEdit,
            ui->GSMTCPclientPortlineEdit,
            ui->GSMTCPopencompushButton,
            ui->GSMTCPsendmsgBtn};
}

void MainWindow::GSMUI_EnDisable(bool on)
{
    ui->GSM_AutoRedial->setChecked(false);
    for (QWidget *w : gsmControls())
        w->setEnabled(on);
    if (on)
        connect(ui->GSMTestSignalpushButton, &QPushButton::pressed, this,
                &MainWindow::GSMTestSignalpushButton_triggered, Qt::UniqueConnection);
    else
        disconnect(ui->GSMTestSignalpushButton, &QPushButton::pressed, this,
                   &MainWindow::GSMTestSignalpushButton_triggered);
}

void MainWindow::GSMattachReader()
{
    connect(gsmAt, &AtExchange::received, this, &MainWindow::GSMreadMyCom, Qt::UniqueConnection);
    gsmAt->handOver();
}

void MainWindow::GSMdetachReader()
{
    disconnect(gsmAt, &AtExchange::received, this, &MainWindow::GSMreadMyCom);
}

void MainWindow::GSMactionOpen_triggered()
{
    // The running command owns the port until it ends.
    if (gsmExchangeDepth > 0)
        return;
    if (serialOpened) {
        GSMclosePort();
        return;
    }
    const QString name = ui->GSMportNameComboBox->currentText();
    if (name.isEmpty())
        return;

    ThreadSerial *holder = new ThreadSerial(nullptr);
    serialThread = holder;
    holder->portName = name;
    holder->baudRate = ui->GSMbaudRateComboBox->currentText().toInt(nullptr, 10);
    holder->dataBits = 8;
    holder->parityIndex = 0;
    holder->stopBitsIndex = 0;
    holder->Init(true);
    if (!holder->opened) {
        ui->statusBar->showMessage(tr("Serial failed to open, The serial does not exist or already used."), 0);
        GSMdetachReader();
        serialThread = nullptr;
        ThreadSerial::release(holder);
        return;
    }

    gsmAt->restart();
    gsmLostError.clear();
    connect(holder, &ThreadSerial::Serial_read_Data, gsmAt, &AtExchange::feed, Qt::UniqueConnection);
    // A device that goes away is closed as Close would; queued, so the port
    // is not closed inside its own error signal.
    connect(holder, &ThreadSerial::Serial_port_Lost, this, &MainWindow::GSMserialPortLost, Qt::QueuedConnection);

    ui->statusBar->showMessage(tr("Serial opened"), 0);
    ui->GSMopencompushButton->setText(tr("Close"));
    GSMsetComboBoxEnabled(false);
    serialOpened = true;
    stop_SerialSacn_new();
    holder->start(QThread::InheritPriority);
    Phone_Status();
    // The device may have gone during the query; then the port is closed.
    if (!serialOpened || serialThread != holder)
        return;
    GSMUI_EnDisable(true);
    ui->GSMopencompushButton->setStyleSheet(SerialStyles::openActive());
}

void MainWindow::GSMclosePort()
{
    GSMdetachReader();
    ThreadSerial *holder = serialThread;
    if (holder) {
        holder->running = false;
        if (holder->port)
            holder->port->close();
        holder->exit(0);
    }
    serialThread = nullptr;
    ThreadSerial::release(holder);
    GSMsetComboBoxEnabled(true);
    GSMUI_EnDisable(false);
    ui->statusBar->showMessage(tr("Serial closed"), 0);
    ui->GSMopencompushButton->setText(tr("Open"));
    serialOpened = false;
    portScanTimer->start(500);
    ui->GSMopencompushButton->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::GSMserialPortLost(const QString &error)
{
    if (!serialOpened || !serialThread || sender() != serialThread)
        return;
    if (gsmExchangeDepth > 0) {
        // The command stops at its next wait and the port closes after it;
        // closing the device now stops its errors from repeating meanwhile.
        gsmLostError = error;
        gsmAt->end();
        serialThread->running = false;
        if (serialThread->port)
            serialThread->port->close();
        return;
    }
    GSMclosePort();
    ui->statusBar->showMessage(tr("Serial closed: the device is gone (%1)").arg(error), 0);
}

bool MainWindow::GSMbeginExchange(const QList<QWidget *> &keepEnabled)
{
    if (!serialOpened || !serialThread || gsmAt->ended())
        return false;
    if (gsmExchangeDepth++ == 0) {
        gsmSavedEnabled.clear();
        for (QWidget *w : gsmControls()) {
            gsmSavedEnabled.append({w, !w->testAttribute(Qt::WA_ForceDisabled)});
            if (!keepEnabled.contains(w))
                w->setEnabled(false);
        }
        ui->GSMopencompushButton->setEnabled(false);
    }
    GSMdetachReader();
    return true;
}

void MainWindow::GSMendExchange()
{
    if (--gsmExchangeDepth > 0)
        return;
    for (const auto &saved : std::as_const(gsmSavedEnabled))
        saved.first->setEnabled(saved.second);
    gsmSavedEnabled.clear();
    ui->GSMopencompushButton->setEnabled(true);
    if (gsmAt->ended() && serialOpened) {
        const QString lost = gsmLostError;
        GSMclosePort();
        if (!lost.isEmpty())
            ui->statusBar->showMessage(tr("Serial closed: the device is gone (%1)").arg(lost), 0);
        return;
    }
    GSMattachReader();
}

void MainWindow::GSMerrorBox()
{
    QMessageBox box(QMessageBox::Critical, tr("Info"), QStringLiteral("Error"), QMessageBox::Cancel);
    box.exec();
}

void MainWindow::GSMsetSwitchIcon(QPushButton *button, int on)
{
    button->setIcon(QIcon(on ? QStringLiteral(":images/on.png") : QStringLiteral(":images/off.png")));
}

// Reads the three switches from the modem once the port is open, then the
// signal strength.  A switch without a usable reply keeps what it showed.
void MainWindow::Phone_Status()
{
    if (!GSMbeginExchange())
        return;

    gsmAt->exchange("AT+CLIP?\r\n", 11, 500, [this](const QByteArray &reply) {
        const GsmCodes::Match m = GsmCodes::clip(reply);
        if (!m.found())
            return AtExchange::kGoOn;
        gsmClipOn = m.value;
        GSMsetSwitchIcon(ui->GSMLaidianKaiguanpushButton, gsmClipOn);
        return m.used;
    });
    if (!gsmAt->ended())
        gsmAt->exchange("AT+CALM?\r\n", 11, 100, [this](const QByteArray &reply) {
            const GsmCodes::Match m = GsmCodes::calm(reply);
            if (!m.found())
                return AtExchange::kGoOn;
            gsmCalmOn = m.value;
            GSMsetSwitchIcon(ui->GSMLaidianYingKaiguanpushButton, gsmCalmOn);
            return m.used;
        });
    if (!gsmAt->ended())
        gsmAt->exchange("AT+CMGF?\r\n", 11, 500, [this](const QByteArray &reply) {
            const GsmCodes::Match m = GsmCodes::textMode(reply);
            if (!m.found())
                return AtExchange::kGoOn;
            gsmTextModeOn = m.value;
            GSMsetSwitchIcon(ui->GSMDuanXinWenBenKaiguanpushButton, gsmTextModeOn);
            return m.used;
        });
    if (!gsmAt->ended()) {
        ui->statusBar->showMessage(tr("Initialization completed"), 0);
        GSMTestSignalpushButton_triggered();
    }
    GSMendExchange();
}

void MainWindow::GSMTestSignalpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    bool error = false;
    gsmAt->exchange("AT+CSQ\r\n", 11, 100, [this, &error](const QByteArray &reply) {
        const GsmCodes::Match m = GsmCodes::signal(reply);
        if (m.found()) {
            ui->GSMCheckSigneltext->setPixmap(QPixmap(GsmCodes::signalPixmap(m.value)));
            return m.used;
        }
        const qsizetype failed = GsmCodes::error(reply);
        if (failed >= 0) {
            error = true;
            return failed;
        }
        return AtExchange::kGoOn;
    });
    if (error)
        GSMerrorBox();
    GSMendExchange();
}

void MainWindow::GSMreadMyCom(QByteArray data)
{
    GsmCodeReader reader(gsmCodeBuffer, gsmIncomingCall, gsmInCall, gsmRingSeen, gsmCallerIdReady);
    for (const GsmNotice &notice : reader.feed(data)) {
        switch (notice.kind) {
        case GsmNotice::CallEnded:
            ui->statusBar->showMessage(tr("call ended"), 0);
            break;
        case GsmNotice::Busy:
            ui->statusBar->showMessage(tr("busy"), 0);
            break;
        case GsmNotice::Calling:
            ui->statusBar->showMessage(tr("Calling..."), 0);
            break;
        case GsmNotice::Ring:
            ui->statusBar->showMessage(tr("Have a new call:"), 0);
            ui->GSMbodianhuapushButton->setText(tr("Answer call"));
            break;
        case GsmNotice::Caller:
            // The joined text is what the catalogue is asked for.
            ui->statusBar->showMessage(tr((QByteArray("Have a new call:") + notice.value).constData()), 0);
            ui->GSMbodianhuapushButton->setText(tr("Answer call"));
            break;
        case GsmNotice::NewSms:
            ui->statusBar->showMessage(
                tr((QByteArray("Have new SMS, SMS box:: ") + notice.value).constData()), 0);
            break;
        }
    }
}
