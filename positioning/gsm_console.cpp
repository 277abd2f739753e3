#include "app/mainwindow.h"
#include "app/panel_states.h"
#include "ui_mainwindow.h"

#include "positioning/at_exchange.h"
#include "positioning/gsm_codes.h"
#include "positioning/sms_reply.h"
#include "positioning/ucs2_text.h"
#include "terminals/send_encoding.h"
#include "terminals/serial_styles.h"
#include "terminals/thread_serial.h"

#include <QEvent>
#include <QIcon>
#include <QInputDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QPixmap>
#include <QScrollBar>
#include <QTextCodec>
#include <QTextCursor>
#include <QTimer>

// "GSM Debug": a console for a GSM/GPRS modem driven by AT commands on the
// shared serial holder.  Each command is one AtExchange; between commands
// the unsolicited-code reader watches for calls and messages.

namespace {

// Checks shared by several commands: each answers through the end of the
// line that holds its text.
AtExchange::Check lineWith(const QByteArray &text, bool *seen = nullptr)
{
    return [text, seen](const QByteArray &reply) {
        const qsizetype at = reply.indexOf(text);
        if (at < 0)
            return AtExchange::kGoOn;
        if (seen)
            *seen = true;
        return GsmCodes::lineEnd(reply, at);
    };
}

// "OK" or "ERROR\r\n", whichever comes: set-up commands whose outcome only
// paces the next one.
qsizetype okOrError(const QByteArray &reply)
{
    const qsizetype ok = reply.indexOf("OK");
    if (ok >= 0)
        return GsmCodes::lineEnd(reply, ok);
    const qsizetype error = GsmCodes::error(reply);
    return error >= 0 ? error : AtExchange::kGoOn;
}

void messageBox(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(icon, title, text, QMessageBox::Cancel);
    box.exec();
}

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
    portInit(PortTab::GSM);

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
        gsmAt->unsolicited = &GsmCodes::isUnsolicited;
        installEventFilter(new CloseWatch(gsmAt, this));
    }
    if (!gsmRingTimer) {
        gsmRingTimer = new QTimer(this);
        gsmRingTimer->setSingleShot(true);
        connect(gsmRingTimer, &QTimer::timeout, this, &MainWindow::gsmRingSilent);
    }

    GSMUI_EnDisable(false);
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
    using Slot = void (MainWindow::*)();
    const QList<QPair<QPushButton *, Slot>> wiring = {
        {ui->GSMTestSignalpushButton, &MainWindow::GSMTestSignalpushButton_triggered},
        {ui->GSMLaidianKaiguanpushButton, &MainWindow::GSMLaidianKaiguanpushButton_triggered},
        {ui->GSMLaidianYingKaiguanpushButton, &MainWindow::GSMLaidianYingKaiguanpushButton_triggered},
        {ui->GSMDuanXinWenBenKaiguanpushButton, &MainWindow::GSMDuanXinWenBenKaiguanpushButton_triggered},
        {ui->GSMANJIANpushButton_0, &MainWindow::GSMANJIANpushButton0_triggered},
        {ui->GSMANJIANpushButton_1, &MainWindow::GSMANJIANpushButton1_triggered},
        {ui->GSMANJIANpushButton_2, &MainWindow::GSMANJIANpushButton2_triggered},
        {ui->GSMANJIANpushButton_3, &MainWindow::GSMANJIANpushButton3_triggered},
        {ui->GSMANJIANpushButton_4, &MainWindow::GSMANJIANpushButton4_triggered},
        {ui->GSMANJIANpushButton_5, &MainWindow::GSMANJIANpushButton5_triggered},
        {ui->GSMANJIANpushButton_6, &MainWindow::GSMANJIANpushButton6_triggered},
        {ui->GSMANJIANpushButton_7, &MainWindow::GSMANJIANpushButton7_triggered},
        {ui->GSMANJIANpushButton_8, &MainWindow::GSMANJIANpushButton8_triggered},
        {ui->GSMANJIANpushButton_9, &MainWindow::GSMANJIANpushButton9_triggered},
        {ui->GSMANJIANpushButton_10, &MainWindow::GSMANJIANpushButton10_triggered},
        {ui->GSMANJIANpushButton_11, &MainWindow::GSMANJIANpushButton11_triggered},
        {ui->GSMANJIANpushButton_Clean, &MainWindow::GSMactionCleanNumData_triggered},
        {ui->GSMguadianhuapushButton, &MainWindow::GSMguadianhuapushButton_triggered},
        {ui->GSMbodianhuapushButton, &MainWindow::GSMbodianhuapushButton_triggered},
        {ui->GSMReadTextpushButton, &MainWindow::GSMReadTextpushButton_triggered},
        {ui->GSMDelTextpushButton, &MainWindow::GSMDelTextpushButton_triggered},
        {ui->GSMDelALLTextpushButton, &MainWindow::GSMDelALLTextpushButton_triggered},
        {ui->GSMSendpushButton, &MainWindow::GSMSendpushButton_triggered},
        {ui->GSMTCPopencompushButton, &MainWindow::GSMTCPopencompushButton_triggered},
        {ui->GSMTCPsendmsgBtn, &MainWindow::GSMTCPsendmsgBtn_triggered},
    };
    for (const auto &wire : wiring) {
        if (on)
            connect(wire.first, &QPushButton::pressed, this, wire.second, Qt::UniqueConnection);
        else
            disconnect(wire.first, &QPushButton::pressed, this, wire.second);
    }
    if (on)
        connect(ui->GSMtextBrowser, &QTextEdit::textChanged, this, &MainWindow::slotGSMtextBrowser,
                Qt::UniqueConnection);
    else
        disconnect(ui->GSMtextBrowser, &QTextEdit::textChanged, this, &MainWindow::slotGSMtextBrowser);
}

// While the GPRS link is up its reader takes the port's bytes alone: link
// data such as "RING" is no modem event.
void MainWindow::GSMattachReader()
{
    if (gsmLinkUp)
        connect(gsmAt, &AtExchange::received, this, &MainWindow::GSMGPRSreadMyCom, Qt::UniqueConnection);
    else
        connect(gsmAt, &AtExchange::received, this, &MainWindow::GSMreadMyCom, Qt::UniqueConnection);
    gsmAt->handOver();
}

void MainWindow::GSMdetachReader()
{
    disconnect(gsmAt, &AtExchange::received, this, &MainWindow::GSMreadMyCom);
    disconnect(gsmAt, &AtExchange::received, this, &MainWindow::GSMGPRSreadMyCom);
}

// The console's own steps around the shared Open/Close frame.

void MainWindow::gsmPortOpening()
{
    gsmAt->restart();
    gsmLostError.clear();
}

void MainWindow::gsmFeed(const QByteArray &data)
{
    gsmAt->feed(data);
}

// The modem's switches and signal are read before the page is usable.
void MainWindow::gsmPortOpened()
{
    ThreadSerial *holder = serialThread;
    Phone_Status();
    // The device may have gone during the query; then the port is closed.
    if (!serialOpened || serialThread != holder)
        return;
    GSMUI_EnDisable(true);
    // A call left ringing across a close rings on, or the caller has gone.
    if (gsmIncomingCall && !gsmRingTimer->isActive())
        gsmRingTimer->start(GsmCodeReader::ringSilenceMs);
}

void MainWindow::gsmPortClosed()
{
    GSMdetachReader();
    gsmRingTimer->stop();
    GSMUI_EnDisable(false);
    // A link left up keeps its state for Disconnect after the next open,
    // but the port settings must stay reachable to open again.
    gsmLinkUp = false;
    ui->gsm_groupBox_serial->setEnabled(true);
}

// The running command owns the port until it ends.
bool MainWindow::gsmBusy() const
{
    return gsmExchangeDepth > 0;
}

bool MainWindow::gsmPortLostWhileBusy(const QString &error)
{
    if (gsmExchangeDepth == 0)
        return false;
    // The command stops at its next wait and the port closes after it;
    // closing the device now stops its errors from repeating meanwhile.
    gsmLostError = error;
    gsmAt->end();
    serialThread->running = false;
    if (serialThread->port)
        serialThread->port->close();
    return true;
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
        portClose(PortTab::GSM);
        if (!lost.isEmpty())
            showPortGone(lost);
        return;
    }
    GSMattachReader();
}

void MainWindow::GSMerrorBox(const QByteArray &code)
{
    QMessageBox box(QMessageBox::Critical, tr("Info"), QStringLiteral("Error"), QMessageBox::Cancel);
    // The modem's extended error says why.
    box.setInformativeText(QString::fromLatin1(code));
    box.exec();
}

void MainWindow::GSMsetSwitchIcon(QPushButton *button, int on)
{
    button->setIcon(QIcon(on ? QStringLiteral(":images/on.png") : QStringLiteral(":images/off.png")));
}

// Reads the three switches from the modem once the port is open, then the
// signal strength.  What this modem does not tell goes back to the start
// state: the last modem's switches and signal are not this one's.
void MainWindow::Phone_Status()
{
    if (!GSMbeginExchange())
        return;

    int answered = 0;
    auto querySwitch = [this, &answered](const QByteArray &command, int waitMs,
                                         GsmCodes::Match (*rule)(const QByteArray &), int *state, QPushButton *button) {
        const auto outcome = gsmAt->exchange(command, 11, waitMs, [this, rule, state, button](const QByteArray &reply) {
            const GsmCodes::Match m = rule(reply);
            if (!m.found())
                return AtExchange::kGoOn;
            *state = m.value;
            GSMsetSwitchIcon(button, *state);
            return m.used;
        });
        if (outcome == AtExchange::Outcome::Answered) {
            ++answered;
        } else {
            *state = 0;
            GSMsetSwitchIcon(button, 0);
        }
    };
    querySwitch("AT+CLIP?\r\n", 500, &GsmCodes::clip, &gsmClipOn, ui->GSMLaidianKaiguanpushButton);
    if (!gsmAt->ended())
        querySwitch("AT+CALM?\r\n", 100, &GsmCodes::calm, &gsmCalmOn, ui->GSMLaidianYingKaiguanpushButton);
    if (!gsmAt->ended())
        querySwitch("AT+CMGF?\r\n", 500, &GsmCodes::textMode, &gsmTextModeOn, ui->GSMDuanXinWenBenKaiguanpushButton);
    // A modem already in text mode still needs the UCS2 set the switch would give.
    if (!gsmAt->ended() && gsmTextModeOn)
        GSMflipSwitch("AT+CSCS=\"UCS2\"\r\n", 201);
    if (!gsmAt->ended()) {
        ui->statusBar->showMessage(answered ? tr("Initialization completed") : tr("The modem does not answer"), 0);
        ui->GSMCheckSigneltext->setPixmap(QPixmap(QStringLiteral(":images/sig0.png")));
        GSMTestSignalpushButton_triggered();
    }
    GSMendExchange();
}

void MainWindow::GSMTestSignalpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    bool error = false;
    QByteArray code;
    const auto outcome = gsmAt->exchange("AT+CSQ\r\n", 11, 100, [this, &error, &code](const QByteArray &reply) {
        const GsmCodes::Match m = GsmCodes::signal(reply);
        if (m.found()) {
            const QString icon = GsmCodes::signalPixmap(m.value);
            if (!icon.isEmpty())
                ui->GSMCheckSigneltext->setPixmap(QPixmap(icon));
            return m.used;
        }
        const qsizetype failed = GsmCodes::error(reply, &code);
        if (failed >= 0) {
            error = true;
            return failed;
        }
        return AtExchange::kGoOn;
    });
    if (error)
        GSMerrorBox(code);
    else if (outcome == AtExchange::Outcome::NoAnswer)
        ui->statusBar->showMessage(tr("The modem does not answer"), 0);
    GSMendExchange();
}

void MainWindow::GSMreadMyCom(QByteArray data)
{
    GsmCodeReader reader(gsmCodeBuffer, gsmIncomingCall, gsmInCall, gsmRingSeen, gsmCallerIdReady);
    gsmShowNotices(reader.feed(data));
    if (!gsmIncomingCall)
        gsmRingTimer->stop();
    else if (reader.rang())
        gsmRingTimer->start(GsmCodeReader::ringSilenceMs);
}

void MainWindow::gsmShowNotices(const QList<GsmNotice> &notices)
{
    for (const GsmNotice &notice : notices) {
        switch (notice.kind) {
        case GsmNotice::CallEnded:
            ui->statusBar->showMessage(tr("call ended"), 0);
            ui->GSMbodianhuapushButton->setText(tr("Call"));
            break;
        case GsmNotice::Busy:
            ui->statusBar->showMessage(tr("busy"), 0);
            ui->GSMbodianhuapushButton->setText(tr("Call"));
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

void MainWindow::gsmRingSilent()
{
    if (!gsmIncomingCall)
        return;
    // A running command holds the bytes that came meanwhile, a "RING" among
    // them maybe: wait for them.
    if (gsmBusy()) {
        gsmRingTimer->start(GsmCodeReader::ringSilenceMs);
        return;
    }
    GsmCodeReader(gsmCodeBuffer, gsmIncomingCall, gsmInCall, gsmRingSeen, gsmCallerIdReady).endRinging();
    // Ends as if the modem had said NO CARRIER.
    gsmShowNotices({GsmNotice{GsmNotice::CallEnded, {}}});
}

QString MainWindow::QStringtoUNicode(QString text)
{
    return Ucs2Text::encode(text);
}

QString MainWindow::UNicodetoQString(QString hex)
{
    return Ucs2Text::decode(hex);
}

// --- Calls, keypad and switches ---

// A key adds to the number; in a call it is also sent as a tone, without
// waiting for the modem.
void MainWindow::GSMkeypadKey(char key)
{
    ui->GSMtextBrowser_1->setPlainText(ui->GSMtextBrowser_1->toPlainText() + QLatin1Char(key));
    if (!gsmInCall || !GSMbeginExchange())
        return;
    gsmAt->exchange(QByteArray("AT+VTS=") + key + "\r\n", 1, 0, [](const QByteArray &reply) { return reply.size(); });
    GSMendExchange();
}

void MainWindow::GSMANJIANpushButton0_triggered() { GSMkeypadKey('0'); }
void MainWindow::GSMANJIANpushButton1_triggered() { GSMkeypadKey('1'); }
void MainWindow::GSMANJIANpushButton2_triggered() { GSMkeypadKey('2'); }
void MainWindow::GSMANJIANpushButton3_triggered() { GSMkeypadKey('3'); }
void MainWindow::GSMANJIANpushButton4_triggered() { GSMkeypadKey('4'); }
void MainWindow::GSMANJIANpushButton5_triggered() { GSMkeypadKey('5'); }
void MainWindow::GSMANJIANpushButton6_triggered() { GSMkeypadKey('6'); }
void MainWindow::GSMANJIANpushButton7_triggered() { GSMkeypadKey('7'); }
void MainWindow::GSMANJIANpushButton8_triggered() { GSMkeypadKey('8'); }
void MainWindow::GSMANJIANpushButton9_triggered() { GSMkeypadKey('9'); }
void MainWindow::GSMANJIANpushButton10_triggered() { GSMkeypadKey('*'); }
void MainWindow::GSMANJIANpushButton11_triggered() { GSMkeypadKey('#'); }

void MainWindow::GSMactionCleanNumData_triggered()
{
    ui->GSMtextBrowser_1->clear();
    ui->statusBar->showMessage(tr("Already cleared"), 0);
}

void MainWindow::GSMguadianhuapushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    // Unticking also ends a redial loop at its next wait.
    ui->GSM_AutoRedial->setChecked(false);
    gsmInCall = false;
    // A ringing call that is hung up is over too: the next Call dials, and
    // its "RING", still in the reader's buffer, must not ring again.
    gsmIncomingCall = false;
    gsmRingSeen = false;
    gsmCallerIdReady = false;
    gsmCodeBuffer.clear();
    gsmRingTimer->stop();
    bool error = false;
    QByteArray code;
    gsmAt->exchange("ATH\r\n", 11, 100, [this, &error, &code](const QByteArray &reply) {
        const qsizetype ok = reply.indexOf("OK");
        if (ok >= 0) {
            ui->statusBar->showMessage(tr("call ended"), 0);
            ui->GSMbodianhuapushButton->setText(tr("Call"));
            return GsmCodes::lineEnd(reply, ok);
        }
        const qsizetype failed = GsmCodes::error(reply, &code);
        error = failed >= 0;
        return error ? failed : AtExchange::kGoOn;
    });
    if (error)
        GSMerrorBox(code);
    GSMendExchange();
}

void MainWindow::GSMbodianhuapushButton_triggered()
{
    if (gsmIncomingCall) {
        if (!GSMbeginExchange())
            return;
        bool answered = false;
        bool error = false;
        QByteArray code;
        gsmAt->exchange("ATA\r\n", 11, 100, [this, &answered, &error, &code](const QByteArray &reply) {
            if (!answered && reply.contains("OK")) {
                answered = true;
                ui->statusBar->showMessage(tr("Calling..."), 0);
                gsmInCall = true;
            }
            const qsizetype failed = GsmCodes::error(reply, &code);
            error = failed >= 0;
            return error ? failed : AtExchange::kGoOn;
        });
        if (error)
            GSMerrorBox(code);
        ui->GSMbodianhuapushButton->setText(tr("Call"));
        gsmIncomingCall = false;
        gsmRingTimer->stop();
        GSMendExchange();
        return;
    }

    const QString number = ui->GSMtextBrowser_1->toPlainText();
    if (number.isEmpty()) {
        messageBox(QMessageBox::Critical, tr("Info: "), QStringLiteral("Error number"));
        return;
    }
    // Cut and the redial box stay usable: they end a dial that runs on.
    if (!GSMbeginExchange({ui->GSMguadianhuapushButton, ui->GSM_AutoRedial}))
        return;
    const QByteArray command = "ATD" + number.toLatin1() + ";\r\n";
    bool echoed = false;
    bool error = false;
    QByteArray code;
    bool gaveUp = false;
    // The modem's echo of the command tells that dialling started; the
    // reply holds all bytes since the write, so it counts once per write.
    auto started = [this, &echoed](const QByteArray &reply) {
        if (!echoed && reply.contains("ATD")) {
            echoed = true;
            ui->statusBar->showMessage(tr("Calling..."), 0);
            gsmInCall = true;
        }
    };
    if (!ui->GSM_AutoRedial->isChecked()) {
        gsmAt->exchange(command, 11, 100, [&](const QByteArray &reply) {
            started(reply);
            const qsizetype failed = GsmCodes::error(reply, &code);
            error = failed >= 0;
            return error ? failed : AtExchange::kGoOn;
        });
    } else {
        int redials = 2;
        bool first = true;
        gsmAt->exchange(command, -1, 100, [&](const QByteArray &reply) {
            if (!first && !ui->GSM_AutoRedial->isChecked())
                return AtExchange::kStop;
            first = false;
            started(reply);
            const qsizetype failed = GsmCodes::error(reply, &code);
            if (failed >= 0) {
                error = true;
                return failed;
            }
            if (!reply.contains("NO"))
                return AtExchange::kGoOn;
            // "NO CARRIER" or "NO ANSWER": this attempt is over.
            gsmInCall = false;
            if (redials > 0) {
                --redials;
                echoed = false;
                gsmAt->write(command, true);
                return AtExchange::kGoOn;
            }
            ui->GSM_AutoRedial->setChecked(false);
            ui->statusBar->showMessage(tr("Stop"), 0);
            gaveUp = true;
            return reply.size();
        });
    }
    if (error)
        GSMerrorBox(code);
    if (gaveUp)
        messageBox(QMessageBox::Critical, tr("Error: "),
                   tr("For academic research only. Prohibiting telephone harassment!"));
    GSMendExchange();
}

bool MainWindow::GSMflipSwitch(const QByteArray &command, int polls)
{
    bool ok = false;
    gsmAt->exchange(command, polls, 10, lineWith("OK\r\n", &ok));
    return ok;
}

void MainWindow::GSMLaidianKaiguanpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    const int next = gsmClipOn ? 0 : 1;
    if (GSMflipSwitch(next ? "AT+CLIP=1\r\n" : "AT+CLIP=0\r\n", next ? 201 : 101)) {
        gsmClipOn = next;
        GSMsetSwitchIcon(ui->GSMLaidianKaiguanpushButton, gsmClipOn);
    }
    GSMendExchange();
}

void MainWindow::GSMLaidianYingKaiguanpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    // On is the normal alert ("AT+CALM=0"), off the silent one.
    const int next = gsmCalmOn ? 0 : 1;
    if (GSMflipSwitch(next ? "AT+CALM=0\r\n" : "AT+CALM=1\r\n", next ? 201 : 101)) {
        gsmCalmOn = next;
        GSMsetSwitchIcon(ui->GSMLaidianYingKaiguanpushButton, gsmCalmOn);
    } else if (!next && !gsmAt->ended()) {
        messageBox(QMessageBox::Warning, tr("Info"), tr("No response"));
    }
    GSMendExchange();
}

void MainWindow::GSMDuanXinWenBenKaiguanpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    if (gsmTextModeOn) {
        if (GSMflipSwitch("AT+CMGF=0\r\n", 101)) {
            gsmTextModeOn = 0;
            GSMsetSwitchIcon(ui->GSMDuanXinWenBenKaiguanpushButton, 0);
        } else if (!gsmAt->ended()) {
            messageBox(QMessageBox::Warning, tr("Info"), tr("No response"));
        }
    } else if (GSMflipSwitch("AT+CMGF=1\r\n", 201)) {
        gsmTextModeOn = 1;
        GSMsetSwitchIcon(ui->GSMDuanXinWenBenKaiguanpushButton, 1);
        // Texts and numbers travel as UCS2 hex from now on.
        GSMflipSwitch("AT+CSCS=\"UCS2\"\r\n", 201);
    }
    GSMendExchange();
}

// --- SMS ---

void MainWindow::GSMReadTextpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    bool ok = false;
    const QString box = QInputDialog::getText(nullptr, QStringLiteral("SMS"),
                                              QStringLiteral("Please enter the number of the SMS box you need to read."),
                                              QLineEdit::Normal, QString(), &ok);
    if (ok && box.isEmpty()) {
        gsmAt->write("AT+CMGR=\r\n", false);
        messageBox(QMessageBox::Critical, tr("Info"), QStringLiteral("Error message box number"));
        GSMendExchange();
        return;
    }
    // A cancelled box writes nothing but still takes what the modem says.
    const QByteArray command = ok ? "AT+CMGR=" + box.toLatin1() + "\r\n" : QByteArray();
    bool error = false;
    bool replied = false;
    QByteArray code;
    gsmAt->exchange(command, 11, 100, [this, &error, &replied, &code](const QByteArray &reply) {
        const qsizetype end = SmsReply::end(reply);
        if (end >= 0) {
            replied = true;
            if (SmsReply::holdsMessage(reply)) {
                ui->GSMReadtextBrowser->clear();
                ui->GSMReadtextBrowser->setPlainText(SmsReply::parse(reply.left(end)).shown());
                return end;
            }
            // An empty box answers only "OK": show what came and wait on.
            ui->GSMReadtextBrowser->setPlainText(SmsReply::rawText(reply));
        }
        const qsizetype failed = GsmCodes::error(reply, &code);
        error = failed >= 0;
        return error ? failed : AtExchange::kGoOn;
    });
    if (error)
        GSMerrorBox(code);
    else if (ok && !replied && !gsmAt->ended())
        ui->statusBar->showMessage(tr("The modem does not answer"), 0);
    GSMendExchange();
}

void MainWindow::GSMDelTextpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    bool ok = false;
    const QString box = QInputDialog::getText(nullptr, QStringLiteral("Info"),
                                              QStringLiteral("Please enter the number of the SMS box to be deleted."),
                                              QLineEdit::Normal, QString(), &ok);
    if (ok) {
        bool deleted = false;
        gsmAt->exchange("AT+CMGD=" + box.toLatin1() + ",0\r\n", 11, 100, lineWith("OK\r\n", &deleted));
        if (deleted)
            messageBox(QMessageBox::Information, tr("Info"), tr("Successfully deleted"));
        if (box.isEmpty())
            messageBox(QMessageBox::Critical, tr("Info"), QStringLiteral("Error message box number"));
    }
    GSMendExchange();
}

void MainWindow::GSMDelALLTextpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    QMessageBox ask(QMessageBox::Information, QStringLiteral("Info"),
                    QStringLiteral("Confirm delete all text messages?"), QMessageBox::Yes | QMessageBox::No);
    ask.setDefaultButton(QMessageBox::No);
    if (ask.exec() == QMessageBox::Yes) {
        // The delete-all command exists in text mode only.  Each reply is
        // awaited: a late "OK" of the mode switch must not pass for the
        // delete's.
        const bool pduMode = gsmTextModeOn == 0;
        if (pduMode)
            gsmAt->exchange("AT+CMGF=1\r\n", 11, 100, lineWith("OK\r\n"));
        bool deleted = false;
        gsmAt->exchange("AT+CMGDA=DEL ALL\r\n", 31, 100, lineWith("OK\r\n", &deleted));
        if (pduMode)
            gsmAt->exchange("AT+CMGF=0\r\n", 11, 100, lineWith("OK\r\n"));
        if (deleted)
            messageBox(QMessageBox::Information, tr("Info"), tr("Successfully deleted"));
    }
    GSMendExchange();
}

void MainWindow::GSMSendpushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    const QString number = ui->GSMNUMtextEdit->toPlainText();
    const QString text = ui->GSMtextBrowser->toPlainText();
    if (number.isEmpty()) {
        GSMendExchange();
        return;
    }
    // The character set command gets what the first one left of its budget.
    int poll = 0;
    int okOnPoll = 0;
    gsmAt->exchange("AT+CSMP=17,167,2,25\r\n", 11, 100, [&](const QByteArray &reply) {
        ++poll;
        const qsizetype ok = reply.indexOf("OK");
        if (ok < 0)
            return AtExchange::kGoOn;
        okOnPoll = poll;
        return GsmCodes::lineEnd(reply, ok);
    });
    gsmAt->exchange("AT+CSCS=\"UCS2\"\r\n", okOnPoll ? 12 - okOnPoll : 1, 100, lineWith("OK"));

    bool prompt = false;
    bool refused = false;
    QByteArray code;
    gsmAt->exchange("AT+CMGS=\"" + QStringtoUNicode(number).toLatin1() + "\"\r\n", 11, 100,
                    [&](const QByteArray &reply) {
                        const qsizetype at = reply.indexOf('>');
                        if (at < 0) {
                            const qsizetype failed = GsmCodes::error(reply, &code);
                            refused = failed >= 0;
                            return refused ? failed : AtExchange::kGoOn;
                        }
                        prompt = true;
                        return at + 1;
                    });
    if (refused) {
        ui->statusBar->showMessage(GSMsendFailed(code), 0);
        GSMendExchange();
        return;
    }
    if (!prompt && !okOnPoll) {
        if (!gsmAt->ended())
            ui->statusBar->showMessage(tr("The modem does not answer"), 0);
        GSMendExchange();
        return;
    }
    // The message, a pause, then Ctrl-Z ends it.
    gsmAt->exchange(QStringtoUNicode(text).toLatin1(), 2, 100, [](const QByteArray &) { return AtExchange::kGoOn; });
    // Only the modem's "+CMGS:" result is a sent message: a late echo of
    // the command is not.
    bool sent = false;
    gsmAt->exchange("\x1a", 51, 100, [&](const QByteArray &reply) {
        const qsizetype failed = GsmCodes::error(reply, &code);
        return failed >= 0 ? failed : lineWith("+CMGS:", &sent)(reply);
    });
    if (!gsmAt->ended())
        ui->statusBar->showMessage(sent ? tr("SMS sent successfully") : GSMsendFailed(code), 0);
    GSMendExchange();
}

// The failure with the modem's reason when it gave one.
QString MainWindow::GSMsendFailed(const QByteArray &code)
{
    if (code.isEmpty())
        return tr("SMS sent failed");
    return tr("SMS sent failed") + QStringLiteral(" (") + QString::fromLatin1(code) + QLatin1Char(')');
}

// Every message goes out in UCS2, where one SMS carries at most 70 units:
// what goes beyond is cut where it was typed or pasted, just before the
// cursor.
void MainWindow::slotGSMtextBrowser()
{
    constexpr qsizetype kMaxUnits = 70;
    QTextEdit *edit = ui->GSMtextBrowser;
    QString text = edit->toPlainText();
    const qsizetype excess = text.size() - kMaxUnits;
    if (excess <= 0)
        return;
    const qsizetype cursorAt = qMin<qsizetype>(edit->textCursor().position(), text.size());
    qsizetype from = cursorAt - excess;
    if (from < 0) {
        // Text set as a whole leaves the cursor at the start: cut its end.
        from = kMaxUnits;
        if (text.at(from).isLowSurrogate() && text.at(from - 1).isHighSurrogate())
            --from;
        text.truncate(from);
    } else {
        // Never half a character.
        if (from > 0 && text.at(from).isLowSurrogate() && text.at(from - 1).isHighSurrogate())
            --from;
        text.remove(from, cursorAt - from);
    }
    edit->setPlainText(text);
    QTextCursor cursor = edit->textCursor();
    cursor.setPosition(from);
    edit->setTextCursor(cursor);
}

// --- GPRS link ---

QList<QWidget *> MainWindow::gsmLinkGroups() const
{
    return {ui->gsm_groupBox_call,   ui->gsm_groupBox_serial,  ui->gsm_groupBox_signal,
            ui->gsm_groupBox_config, ui->gsm_groupBox_SMSsend, ui->gsm_groupBox_SMSRead};
}

void MainWindow::GSMlinkIdle()
{
    ui->GSMTCPopencompushButton->setText(tr("Connect"));
    for (QWidget *group : gsmLinkGroups())
        group->setEnabled(true);
    gsmGprsConnected = 0;
    gsmLinkUp = false;
}

// AT+CIPCLOSE=1, then AT+CIPSHUT: what Disconnect sends, and what a connect
// that ends without a link leaves the modem with.
void MainWindow::GSMcloseLink()
{
    gsmAt->exchange("AT+CIPCLOSE=1\r\n", 11, 100, okOrError);
    gsmAt->exchange("AT+CIPSHUT\r\n", 11, 100, okOrError);
}

// The set-up commands, then AT+CIPSTART and its answer.
GsmCodes::LinkStart MainWindow::GSMstartLink(const QByteArray &address, quint16 port, QByteArray *why)
{
    for (const char *command : {"AT+CGCLASS=\"B\"\r\n", "AT+CGDCONT=1,\"IP\",\"CMNET\"\r\n", "AT+CGATT=1\r\n",
                                "AT+CIPCSGP=1,\"CMNET\"\r\n", "AT+CLPORT=\"TCP\",\"2222\"\r\n"})
        gsmAt->exchange(command, 11, 100, okOrError);

    auto answer = GsmCodes::LinkStart::Pending;
    bool errorSeen = false;
    gsmAt->exchange("AT+CIPSTART=\"TCP\",\"" + address + "\",\"" + QByteArray::number(port) + "\"\r\n", 501, 100,
                    [&](const QByteArray &reply) {
                        qsizetype used = AtExchange::kGoOn;
                        answer = GsmCodes::linkStart(reply, &used, why);
                        // Many modems holding a link answer ERROR, a blank line
                        // and ALREADY CONNECT: the last line may come a read later.
                        if (answer == GsmCodes::LinkStart::Refused && !errorSeen) {
                            errorSeen = true;
                            return AtExchange::kGoOn;
                        }
                        return answer == GsmCodes::LinkStart::Pending ? AtExchange::kGoOn : used;
                    });
    return answer;
}

void MainWindow::GSMTCPopencompushButton_triggered()
{
    if (!GSMbeginExchange())
        return;
    if (gsmGprsConnected) {
        GSMlinkIdle();
        GSMcloseLink();
        GSMendExchange();
        return;
    }

    ui->GSMTCPopencompushButton->setText(QStringLiteral("Disconnect"));
    for (QWidget *group : gsmLinkGroups())
        group->setEnabled(false);
    gsmGprsConnected = 1;
    const QByteArray address = ui->GSMTCPclientIPlineEdit->text().toLatin1();
    const QByteArray port = ui->GSMTCPclientPortlineEdit->text().toLatin1();
    if (address.isEmpty() || port.isEmpty()) {
        messageBox(QMessageBox::Critical, tr("Info"), QStringLiteral("Please fill in the full server IP and PORT"));
        GSMlinkIdle();
        GSMendExchange();
        return;
    }
    // The modem would take a wrapped or mistyped port as some other link.
    quint16 portNumber = 0;
    if (!SendEncoding::portField(ui->GSMTCPclientPortlineEdit->text(), false, &portNumber)) {
        messageBox(QMessageBox::Critical, tr("Info"), portRefusal(ui->GSMTCPclientPortlineEdit->text(), false));
        GSMlinkIdle();
        GSMendExchange();
        return;
    }

    using LinkStart = GsmCodes::LinkStart;
    QByteArray why;
    LinkStart answer = GSMstartLink(address, portNumber, &why);
    // The modem keeps a link of its own past the page (an earlier run's, or
    // one that came up after the page gave up): it goes, and the link asked
    // for is tried once more.
    if (answer == LinkStart::Held && !gsmAt->ended()) {
        GSMcloseLink();
        answer = GSMstartLink(address, portNumber, &why);
    }
    if (answer == LinkStart::Connected && !gsmAt->ended()) {
        // A fresh link starts without half a character of the last one.
        gsmState->linkDecoder.plain.reset(QTextCodec::codecForName("GBK")->makeDecoder());
        gsmLinkUp = true;
        messageBox(QMessageBox::Information, tr("Info"), QStringLiteral("connection succeeded"));
    } else {
        // No link: whatever the attempt left in the modem goes, as after
        // CONNECT FAIL it refuses every start until AT+CIPSHUT, and a
        // CONNECT OK after the wait would be a link the page does not show.
        if (!gsmAt->ended())
            GSMcloseLink();
        GSMlinkIdle();
        if (answer == LinkStart::Held || answer == LinkStart::Refused)
            GSMerrorBox(why);
        else if (!gsmAt->ended())
            messageBox(QMessageBox::Critical, tr("Info"), QStringLiteral("Remote server is not responding"));
    }
    GSMendExchange();
}

void MainWindow::GSMTCPsendmsgBtn_triggered()
{
    if (!GSMbeginExchange())
        return;
    // The status tells of this send alone: an earlier send's goes.
    const QString late = tr("The modem did not confirm the send in time");
    if (ui->statusBar->currentMessage() == late)
        ui->statusBar->clearMessage();
    const QByteArray data = ui->GSMTcpsendBrowser->toPlainText().toLocal8Bit();
    if (data.isEmpty()) {
        messageBox(QMessageBox::Critical, tr("Info"), QStringLiteral("No information need to send"));
        GSMendExchange();
        return;
    }

    // The host may answer at any step: its bytes go on to the receive view
    // in order, the modem's own echo and answer do not.
    qsizetype at = -1;
    const auto hostOnly = [&at](const QByteArray &echo, bool wholeOnly = false) {
        return [&at, echo, wholeOnly](const QByteArray &reply, qsizetype used) {
            return GsmCodes::hostBytes(reply, echo, at, used, wholeOnly);
        };
    };

    const QByteArray command("AT+CIPSEND\r\n");
    QByteArray code;
    bool refused = false;
    bool echoes = false;
    gsmAt->exchange(
        command, 11, 100,
        [&](const QByteArray &reply) {
            qsizetype end = 0;
            at = GsmCodes::prompt(reply, &end);
            // A modem with echo on echoes the command before its prompt, and
            // the data after it; one left with echo off echoes neither.
            echoes = reply.left(at < 0 ? reply.size() : at).contains("AT+CIPSEND");
            if (at >= 0)
                return end;
            const qsizetype failed = GsmCodes::error(reply, &code, &at);
            refused = failed >= 0;
            return refused ? failed : AtExchange::kGoOn;
        },
        hostOnly(command));
    if (refused) {
        // A modem without a link takes what follows as command lines: the
        // data would be answered as a command, or run as one.
        GSMerrorBox(code);
        GSMendExchange();
        return;
    }

    // The echo comes at the line's pace, a long body's over seconds: wait
    // while it grows (one poll without a byte may pass).  An echo not all
    // there then is looked for at the start of the next step.  One not begun
    // yet may still come late, but then as the whole data and its Ctrl-Z,
    // which no host answer holds: only that is taken for it, so the host's
    // answer, the same text, is never dropped as a guess.
    const QByteArray out = GsmCodes::linkData(data);
    const QByteArray echo = echoes ? out : QByteArray();
    QByteArray echoLeft;
    bool echoBegun = false;
    int poll = 0;
    int still = 0;
    qsizetype seen = 0;
    at = -1;
    gsmAt->exchange(
        out, -1, 100,
        [&](const QByteArray &reply) {
            const bool coming = !reply.isEmpty() && reply.size() < echo.size() && echo.startsWith(reply);
            still = reply.size() > seen ? 0 : still + 1;
            seen = reply.size();
            if (++poll < 3 || (coming && still < 2))
                return AtExchange::kGoOn;
            if (coming)
                echoLeft = echo.mid(reply.size());
            // Whatever the echo rule would take off the reply is echo begun.
            echoBegun = GsmCodes::hostBytes(reply, echo, -1, 0).size() < reply.size();
            return AtExchange::kStop;
        },
        hostOnly(echo));

    bool failed = false;
    QByteArray why;
    const AtExchange::Outcome sent = gsmAt->exchange(
        "\x1a", 11, 100,
        [&](const QByteArray &reply) {
            at = reply.indexOf("SEND OK");
            if (at >= 0)
                return GsmCodes::lineEnd(reply, at);
            // A modem whose link has dropped answers SEND FAIL.
            at = reply.indexOf("SEND FAIL");
            if (at >= 0)
                why = "SEND FAIL";
            const qsizetype end = at >= 0 ? GsmCodes::lineEnd(reply, at) : GsmCodes::error(reply, &why, &at);
            failed = end >= 0;
            return failed ? end : AtExchange::kGoOn;
        },
        !echoes     ? hostOnly({})
        : echoBegun ? hostOnly(echoLeft + "\x1a")
                    : hostOnly(out + "\x1a", true));
    if (failed)
        GSMerrorBox(why);
    else if (sent == AtExchange::Outcome::NoAnswer)
        // No silent success, yet over a slow network SEND OK may still come:
        // say only that it did not come in time.
        ui->statusBar->showMessage(late, 0);
    GSMendExchange();
}

// Link bytes in GBK, appended as they come; the view keeps 50 blocks.
void MainWindow::GSMGPRSreadMyCom(QByteArray data)
{
    if (GsmCodes::isLinkWarning(data))
        return;
    if (!gsmState->linkDecoder.plain)
        gsmState->linkDecoder.plain.reset(QTextCodec::codecForName("GBK")->makeDecoder());
    const QString text = gsmState->linkDecoder.plain->toUnicode(data).remove(QLatin1Char('\r'));
    QTextCursor cursor(ui->GSMTCPReadSBrowser->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    QScrollBar *bar = ui->GSMTCPReadSBrowser->verticalScrollBar();
    bar->setValue(bar->maximum());
}
