#ifndef VEXMORA_I2C_TOOLS_H
#define VEXMORA_I2C_TOOLS_H

#include "instruments/i2c_frame_codec.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFont>
#include <QList>
#include <QTimer>
#include <QWidget>
#include <array>
#include <cstddef>

class QLabel;
class Ui_vexmora_i2c_tools;

// The "i2cdump" tab's register grid (16 x 16 values of the selected device)
// with the list of the 128 device addresses below it.  It also reads the
// bridge's replies: dumps are painted here, scan and read results are
// handed on as signals.
class vexmora_i2c_tools : public QWidget
{
    Q_OBJECT

public:
    explicit vexmora_i2c_tools(QWidget *parent = nullptr);
    ~vexmora_i2c_tools() override;

    void updateValues(const QByteArray &data);
    void updateLabelValues(int index, unsigned char value);
    static unsigned char calculateChecksum(const unsigned char *data, std::size_t length);
    static QFont set_label_font(bool bold);

    // For the tests and the benchmark: frames applied and the receiver.
    qint64 dumpsApplied() const { return m_dumps; }
    const I2CFrameCodec &codec() const { return m_codec; }
    QLabel *cell(int index) const { return index >= 0 && index < m_cells.size() ? m_cells.at(index) : nullptr; }

signals:
    void Channge_Addr(const int &address);
    void Get_Addr(const QByteArray &payload);
    void Get_Data(const QByteArray &payload);
    // The line looks quiet with a frame unfinished: bytes already waiting
    // at the port must reach updateValues now (connect directly), so a
    // window that was busy cannot take the frame's next piece for silence.
    void quietDue();

private slots:
    void onCurrentIndexChanged(int index);

private:
    enum class Shade : unsigned char { White, Green, Pink };
    void paint(QLabel *label, Shade shade);
    void apply(const QList<I2CFrameCodec::Frame> &frames);
    void lineQuiet();

    Ui_vexmora_i2c_tools *ui;
    I2CFrameCodec m_codec;
    QElapsedTimer m_clock; // when chunks arrive, for frames cut by a reset
    QTimer m_quiet;        // runs while a frame is unfinished
    QList<QLabel *> m_cells;
    // Each cell's value and background, kept beside the label so a dump
    // that changes nothing costs no text parsing or repaint.
    std::array<unsigned char, 256> m_values{};
    std::array<Shade, 256> m_shades{};
    qint64 m_dumps = 0;
};

#endif // VEXMORA_I2C_TOOLS_H
