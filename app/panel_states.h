#ifndef PANEL_STATES_H
#define PANEL_STATES_H

// Working state of the panels that only their own .cpp touches, kept out
// of mainwindow.h so a change to these types recompiles those files alone.

#include "app/mainwindow.h"
#include "positioning/nmea_decoder.h"
#include "positioning/position_line.h"
#include "terminals/terminal_view.h"

#include <QByteArray>
#include <QList>
#include <map>
#include <memory>

class QTcpSocket;
class QTextDecoder;

// "TCP Debug": one decoder pair per connection, so a character split
// between two reads of one peer is never glued to another peer's bytes;
// each connection's last refused send, taken back only when that same
// connection takes a send again; and the client's sends made while its
// link still comes up, which leave and count only once it is up.
struct MainWindow::TcpState
{
    std::map<QTcpSocket *, std::unique_ptr<TerminalView::Decoders>> decoders;
    std::map<QTcpSocket *, QString> refusals;
    QByteArray held;
};

// "GPS Debug": the sentence being decoded, the readout, batches that came
// while the reader ran, and each position-server client's line state.
struct MainWindow::GpsState
{
    struct Client
    {
        PositionLine::LineBuffer lines;
        std::shared_ptr<QTextDecoder> gbk;
    };
    nmea_msg nmeaMsg{};
    NmeaReadout readout;
    QList<QByteArray> lateBatches;
    std::map<QTcpSocket *, Client> clients;
};

// "GSM Debug": one GBK decoder per link, so a character split between
// batches shows whole.
struct MainWindow::GsmState
{
    TerminalView::Decoders linkDecoder;
};

#endif // PANEL_STATES_H
