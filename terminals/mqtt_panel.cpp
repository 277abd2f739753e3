#include "app/mainwindow.h"
#include "terminals/terminal_view.h"
#include "ui_mainwindow.h"

#include "app/settings_file.h"
#include "terminals/serial_styles.h"
#include "terminals/websocket_iodevice.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QIntValidator>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QSslConfiguration>
#include <QSslSocket>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTime>
#include <QTimer>

namespace {

const QStringList kMqttKeys = {"MQTT_USERNAME", "MQTT_PASSWORD", "MQTT_HOST", "MQTT_PORT",
                               "MQTT_CLIENTID", "MQTT_SUBTOPIC", "MQTT_PUBTOPIC"};

// How long one pass may add to the log before the event loop has a turn,
// and how much text is laid out at once within it.
constexpr qint64 kMqttPassMs = 16;
constexpr qsizetype kMqttGroupChars = 8192;

// A topic the client would refuse unseen: said on the status line, and
// taken off it by the next publish that goes out, so it is not read as
// that publish's result.
const char *const kBadTopicName = QT_TRANSLATE_NOOP("MainWindow", "Topic:%1 is not a valid topic name.");
const char *const kBadTopicFilter = QT_TRANSLATE_NOOP("MainWindow", "Topic:%1 is not a valid topic filter.");

void clearTopicRefusal(QStatusBar *bar)
{
    const QString shown = bar->currentMessage();
    for (const char *text : {kBadTopicName, kBadTopicFilter}) {
        const QStringList around = MainWindow::tr(text).split(QLatin1String("%1"));
        if (shown.startsWith(around.first()) && shown.endsWith(around.last()))
            bar->clearMessage();
    }
}

QSslConfiguration trustingSsl()
{
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.setPeerVerifyMode(QSslSocket::VerifyNone);
    return ssl;
}

} // namespace

MainWindow::MqttTeardown::~MqttTeardown()
{
    if (window->mqttClient)
        QObject::disconnect(window->mqttClient, nullptr, window, nullptr);
    if (window->mqttWebSocketDevice) {
        QObject::disconnect(&window->mqttWebSocketDevice->socket, nullptr, window, nullptr);
        QObject::disconnect(window->mqttWebSocketDevice, nullptr, window, nullptr);
    }
}

void MainWindow::Mqtt_Init_Start()
{
    ui->mqtt_port_lineEdit->setValidator(new QIntValidator(1, 65535, this));
    ui->mqtt_textEdit->setReadOnly(true);
    // An undo history would keep every received message forever.
    ui->mqtt_textEdit->setUndoRedoEnabled(false);

    QSettings stored(SettingsFile::path(), QSettings::IniFormat);
    // A protocol index no selector item has (a hand-edited file) reads as
    // the first one.
    const int protocol = stored.value("MQTT_PROTOCOL", 0).toInt();
    ui->mqtt_protocol_combox->setCurrentIndex(protocol >= 0 && protocol < ui->mqtt_protocol_combox->count() ? protocol
                                                                                                          : 0);
    const QList<QLineEdit *> fields = {ui->mqtt_username_lineEdit, ui->mqtt_password_lineEdit, ui->mqtt_host_lineEdit,
                                       ui->mqtt_port_lineEdit,     ui->mqtt_clientid_lineEdit, ui->mqtt_subscribe_lineEdit,
                                       ui->mqtt_publish_lineEdit};
    for (int i = 0; i < fields.size(); ++i)
        fields.at(i)->setText(stored.value(kMqttKeys.at(i)).toString());

    ui->mqtt_textEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ui->mqtt_textEdit, &QTextEdit::customContextMenuRequested, this, &MainWindow::MQTT_slot_textmenu);
    connect(ui->mqtt_opencompushButton, &QPushButton::pressed, this, &MainWindow::actionMQTT_Open_triggered);
    connect(ui->mqtt_save_pushButton, &QPushButton::pressed, this, &MainWindow::actionMQTT_Save_triggered);
    ui->mqtt_opencompushButton->setStyleSheet(SerialStyles::openIdle());
}

void MainWindow::actionMQTT_Open_triggered()
{
    MQTT_Connect();
}

void MainWindow::MQTT_Connect()
{
    if (mqttConnected) {
        mqttReset(QString());
        return;
    }
    const QString prefix = ui->mqtt_protocol_combox->currentText();
    const bool tcp = prefix == QLatin1String("mqtt://");
    const bool tls = prefix == QLatin1String("mqtts://");
    const bool ws = prefix == QLatin1String("ws://");
    const bool wss = prefix == QLatin1String("wss://");
    if (!tcp && !tls && !ws && !wss) {
        statusBar()->showMessage(tr("MQTT was not connected."));
        return;
    }
    // The field's validator lets "99999" or "0" stand while typing.
    quint16 port = 0;
    if (!portFieldAccepted(ui->mqtt_port_lineEdit->text(), false, &port))
        return;

    ui->mqtt_opencompushButton->setText(tr("Disconnect"));
    ui->mqtt_opencompushButton->setStyleSheet(SerialStyles::openActive());
    statusBar()->clearMessage();
    // Set before anything starts: a link that fails at once resets it.
    mqttConnected = true;

    mqttClient = new MqttClient(this);
    if (tcp || tls) {
        mqttClient->setHostname(ui->mqtt_host_lineEdit->text());
        mqttClient->setPort(port);
        mqttClient->setClientId(ui->mqtt_clientid_lineEdit->text());
        mqttClient->setUsername(ui->mqtt_username_lineEdit->text());
        mqttClient->setPassword(ui->mqtt_password_lineEdit->text());
        connect(mqttClient, &MqttClient::stateChanged, this, &MainWindow::MQTT_Get_Status);
        mqttWireButtons();
        if (tcp)
            mqttClient->connectToHost();
        else
            mqttClient->connectToHostEncrypted(trustingSsl());
        return;
    }

    QStringList parts = ui->mqtt_host_lineEdit->text().split(QLatin1Char('/'));
    const QString first = parts.takeFirst();
    const QUrl url(prefix + first + QLatin1Char(':') + QString::number(port) + QLatin1Char('/')
                       + parts.join(QLatin1Char('/')),
                   QUrl::TolerantMode);
    mqttWebSocketDevice = new WebSocketIODevice(this);
    if (wss) {
        mqttWebSocketDevice->setSslConfiguration(trustingSsl());
        mqttWebSocketDevice->useSsl = true;
    }
    mqttWebSocketDevice->setUrl(url);
    mqttWebSocketDevice->setProtocol("mqttv3.1");
    connect(&mqttWebSocketDevice->socket, &QWebSocket::disconnected, this, &MainWindow::onWebSocketDisconnected);
    connect(&mqttWebSocketDevice->socket, qOverload<QAbstractSocket::SocketError>(&QWebSocket::error), this,
            &MainWindow::onWebSocketError);
    connect(mqttWebSocketDevice, &WebSocketIODevice::socketConnected, this, &MainWindow::mqttWebSocketStart);
    // Wired now, as for TCP: a press during the handshake says the link is
    // not up instead of doing nothing.
    mqttWireButtons();
    mqttWebSocketDevice->open(QIODevice::ReadWrite);
}

void MainWindow::mqttWebSocketStart()
{
    if (!mqttClient || !mqttWebSocketDevice)
        return;
    mqttClient->setProtocolVersion(MqttClient::MQTT_3_1);
    mqttClient->setTransport(mqttWebSocketDevice, MqttClient::IODevice);
    mqttClient->setClientId(ui->mqtt_clientid_lineEdit->text());
    mqttClient->setUsername(ui->mqtt_username_lineEdit->text());
    mqttClient->setPassword(ui->mqtt_password_lineEdit->text());
    connect(mqttClient, &MqttClient::stateChanged, this, &MainWindow::MQTT_Get_Status, Qt::UniqueConnection);
    mqttWireButtons();
    mqttClient->connectToHost();
}

void MainWindow::mqttWireButtons()
{
    for (const QMetaObject::Connection &c : std::as_const(mqttWiring))
        disconnect(c);
    mqttWiring = {
        connect(ui->mqtt_subscribed_pushButton, &QPushButton::pressed, this, &MainWindow::Vexmora_Mqtt_on_sub_clicked),
        connect(ui->mqtt_publish_pushButton, &QPushButton::pressed, this, &MainWindow::Vexmora_Mqtt_on_pub_clicked),
        connect(mqttClient, &MqttClient::messageReceived, this, &MainWindow::Vexmora_Mqtt_onMessage),
    };
}

void MainWindow::mqttReset(const QString &reason)
{
    for (const QMetaObject::Connection &c : std::as_const(mqttWiring))
        disconnect(c);
    mqttWiring.clear();
    if (mqttClient) {
        disconnect(mqttClient, nullptr, this, nullptr);
        mqttClient->disconnectFromHost();
        mqttClient->deleteLater();
        mqttClient = nullptr;
    }
    // A handshake still running must not open a session later behind an
    // idle panel: the device goes with the client.
    if (mqttWebSocketDevice) {
        disconnect(&mqttWebSocketDevice->socket, nullptr, this, nullptr);
        disconnect(mqttWebSocketDevice, nullptr, this, nullptr);
        mqttWebSocketDevice->close();
        mqttWebSocketDevice->deleteLater();
        mqttWebSocketDevice = nullptr;
    }
    mqttConnected = false;
    ui->mqtt_opencompushButton->setText(tr("Connect"));
    ui->mqtt_opencompushButton->setStyleSheet(SerialStyles::openIdle());
    statusBar()->showMessage(tr("MQTT was disconnected."));
    if (!reason.isEmpty())
        mqttLogLine({{QStringLiteral("Time:"), QColor()},
                     {QTime::currentTime().toString(QStringLiteral("hh:mm")), QColor(Qt::red)},
                     {QStringLiteral("\t\t"), QColor()},
                     {reason, QColor(Qt::red)}});
}

void MainWindow::MQTT_Get_Status(MqttClient::ClientState state)
{
    if (state == MqttClient::Connected) {
        statusBar()->showMessage(tr("MQTT Connected"));
    } else if (state == MqttClient::Disconnected) {
        const QString reason = mqttClient ? mqttClient->errorString() : QString();
        mqttReset(reason.isEmpty() ? tr("The connection ended.") : reason);
    }
}

void MainWindow::onWebSocketDisconnected()
{
    if (!mqttWebSocketDevice)
        return;
    // What the broker sent before the end still reaches the log.
    if (mqttClient)
        mqttClient->drainReceived();
    QString reason = mqttWebSocketDevice->socket.errorString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
        reason = tr("The WebSocket connection was closed.");
    mqttReset(reason);
}

void MainWindow::onWebSocketError(QAbstractSocket::SocketError)
{
    onWebSocketDisconnected();
}

void MainWindow::Vexmora_Mqtt_on_sub_clicked()
{
    if (!mqttClient || mqttClient->state() != MqttClient::Connected) {
        statusBar()->showMessage(tr("MQTT was not connected."));
        return;
    }
    // The field's validator lets "99999" or "0" stand while typing.
    quint16 port = 0;
    if (!portFieldAccepted(ui->mqtt_port_lineEdit->text(), false, &port))
        return;
    const QString topic = ui->mqtt_subscribe_lineEdit->text().replace(QLatin1Char(' '), QString());
    if (!MqttTopicFilter(topic).isValid()) {
        statusBar()->showMessage(tr(kBadTopicFilter).arg(topic));
        return;
    }
    MqttSubscription *sub = mqttClient->subscribe(MqttTopicFilter(topic), 0);
    if (!sub)
        return;
    // Success only once the broker has granted it.
    connect(sub, &MqttSubscription::stateChanged, this, [this, topic](MqttSubscription::SubscriptionState state) {
        if (state == MqttSubscription::Subscribed)
            statusBar()->showMessage(tr("Topic:%1 was subcribed success.").arg(topic));
        else if (state == MqttSubscription::Refused)
            statusBar()->showMessage(tr("Topic:%1 was refused by the broker.").arg(topic));
    });
}

void MainWindow::Vexmora_Mqtt_on_pub_clicked()
{
    // Before the broker has accepted, a publish would be dropped unseen.
    if (!mqttClient || mqttClient->state() != MqttClient::Connected) {
        statusBar()->showMessage(tr("MQTT was not connected."));
        return;
    }
    const MqttTopicName topic(ui->mqtt_publish_lineEdit->text());
    if (!topic.isValid()) {
        statusBar()->showMessage(tr(kBadTopicName).arg(topic.name()));
        return;
    }
    clearTopicRefusal(statusBar());
    mqttClient->publish(topic, ui->mqtt_pub_textEdit->toPlainText().toUtf8(), 0, false);
}

void MainWindow::Vexmora_Mqtt_onMessage(const QByteArray &message, const MqttTopicName &topic)
{
    // Topic and payload go in as text: whatever markup they hold shows as sent.
    mqttLogLine({{QStringLiteral("Time:"), QColor()},
                 {QTime::currentTime().toString(QStringLiteral("hh:mm")), QColor(Qt::red)},
                 {QStringLiteral("\t\tTopic:"), QColor()},
                 {topic.name(), QColor(Qt::blue)},
                 {QStringLiteral("\t\treceive:"), QColor()},
                 {QString::fromUtf8(message), QColor(0, 128, 0)}});
}

void MainWindow::mqttLogLine(const QList<QPair<QString, QColor>> &parts)
{
    // A line laid out as one block costs time that grows with the square of
    // its length: it is broken into rows, and the breaks of our own are
    // marked so that a copy leaves them out.
    MqttLogRow row;
    int column = 0;
    for (const auto &[body, color] : parts) {
        QList<int> softLines;
        const QString text = TerminalText::wrapLines(TerminalText::breaksAsLineFeeds(body), column,
                                                     TerminalText::kMaxLineChars, &softLines);
        qsizetype from = 0;
        qsizetype nextSoft = 0;
        for (int line = 0;; ++line) {
            const qsizetype feed = text.indexOf(QLatin1Char('\n'), from);
            const qsizetype to = feed < 0 ? text.size() : feed;
            if (to > from)
                row.runs.append({text.mid(from, to - from), color});
            if (feed < 0)
                break;
            row.soft = nextSoft < softLines.size() && softLines.at(nextSoft) == line;
            nextSoft += row.soft;
            mqttPendingRows.append(std::move(row));
            row = MqttLogRow();
            from = feed + 1;
        }
    }
    mqttPendingRows.append(std::move(row));
    // Only the newest rows could stay in the log anyway.
    if (mqttPendingRows.size() > TerminalView::kMaxBlocks)
        mqttPendingRows.remove(0, mqttPendingRows.size() - TerminalView::kMaxBlocks);
    if (!mqttFlushTimer) {
        mqttFlushTimer = new QTimer(this);
        mqttFlushTimer->setSingleShot(true);
        mqttFlushTimer->setInterval(0);
        connect(mqttFlushTimer, &QTimer::timeout, this, &MainWindow::mqttFlushLog);
    }
    if (!mqttFlushTimer->isActive())
        mqttFlushTimer->start();
}

// The rows go at the end of the log, whatever the user has selected or
// where the caret is; the oldest rows go beyond the terminals' bound.
void MainWindow::mqttFlushLog()
{
    if (mqttPendingRows.isEmpty())
        return;
    QTextEdit *log = ui->mqtt_textEdit;
    QTextDocument *doc = log->document();
    QScrollBar *bar = log->verticalScrollBar();
    const bool atBottom = bar->value() >= bar->maximum() - 4;
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    // Rows go in a group at a time, each group laid out at once, until the
    // pass has had its time: the rest waits for the next pass, so input,
    // timers and painting keep going under a flood or a huge message.
    QElapsedTimer pass;
    pass.start();
    qsizetype done = 0;
    while (done < mqttPendingRows.size() && pass.elapsed() < kMqttPassMs) {
        qsizetype end = done;
        for (qsizetype chars = 0; end < mqttPendingRows.size() && chars < kMqttGroupChars; ++end)
            for (const auto &run : std::as_const(mqttPendingRows.at(end).runs))
                chars += run.first.size();
        // Same bound and batch as the terminals' receive views.
        TerminalView::makeRoom(doc, int(end - done));
        cursor.beginEditBlock();
        for (; done < end; ++done) {
            const MqttLogRow &row = mqttPendingRows.at(done);
            if (!doc->isEmpty())
                cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
            for (const auto &[text, color] : row.runs) {
                QTextCharFormat format;
                if (color.isValid())
                    format.setForeground(color);
                cursor.insertText(text, format);
            }
            if (row.soft)
                cursor.block().setUserState(TerminalView::kSoftBreak);
        }
        cursor.endEditBlock();
    }
    mqttPendingRows.remove(0, done);
    if (!mqttPendingRows.isEmpty())
        mqttFlushTimer->start();
    if (atBottom)
        bar->setValue(bar->maximum());
}

void MainWindow::MQTT_slot_textmenu(const QPoint &)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *clear = menu->addAction(tr("Clear"));
    connect(clear, &QAction::triggered, this, &MainWindow::MQTT_Sub_Edit_Clear);
    menu->popup(QCursor::pos());
}

void MainWindow::MQTT_Sub_Edit_Clear()
{
    ui->mqtt_textEdit->clear();
}

void MainWindow::actionMQTT_Save_triggered()
{
    QSettings stored(SettingsFile::path(), QSettings::IniFormat);
    stored.setValue("MQTT_PROTOCOL", ui->mqtt_protocol_combox->currentIndex());
    const QList<QLineEdit *> fields = {ui->mqtt_username_lineEdit, ui->mqtt_password_lineEdit, ui->mqtt_host_lineEdit,
                                       ui->mqtt_port_lineEdit,     ui->mqtt_clientid_lineEdit, ui->mqtt_subscribe_lineEdit,
                                       ui->mqtt_publish_lineEdit};
    for (int i = 0; i < fields.size(); ++i)
        stored.setValue(kMqttKeys.at(i), fields.at(i)->text());
    stored.sync();
    // Saving is silent, but a settings file that cannot be written must not
    // look saved.
    if (stored.status() != QSettings::NoError)
        statusBar()->showMessage(tr("MQTT settings could not be saved."));
}
