#include "instruments/vexmora_i2c_tools.h"
#include "ui_vexmora_i2c_tools.h"

#include <QLabel>
#include <QPalette>

static QString hex2(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

vexmora_i2c_tools::vexmora_i2c_tools(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui_vexmora_i2c_tools)
{
    ui->setupUi(this);
    m_clock.start();
    m_quiet.setSingleShot(true);
    connect(&m_quiet, &QTimer::timeout, this, &vexmora_i2c_tools::lineQuiet);
    for (int i = 0; i < 128; ++i)
        ui->comboBox->addItem(QStringLiteral("0x") + hex2(i));
    connect(ui->comboBox, &QComboBox::currentIndexChanged, this, &vexmora_i2c_tools::onCurrentIndexChanged);

    const QFont bold = set_label_font(true);
    const QFont normal = set_label_font(false);
    for (int c = 1; c <= 16; ++c) {
        auto *head = new QLabel(hex2(c - 1), this);
        head->setFont(bold);
        head->setAlignment(Qt::AlignCenter);
        ui->gridLayout->addWidget(head, 0, c);
    }
    m_cells.reserve(256);
    for (int r = 1; r <= 16; ++r) {
        auto *head = new QLabel(hex2((r - 1) * 16), this);
        head->setFont(bold);
        head->setAlignment(Qt::AlignCenter);
        ui->gridLayout->addWidget(head, r, 0);
        for (int c = 1; c <= 16; ++c) {
            auto *cell = new QLabel(QStringLiteral("00"), this);
            cell->setObjectName(QStringLiteral("i2cCell_%1").arg(m_cells.size()));
            cell->setFont(normal);
            cell->setAlignment(Qt::AlignCenter);
            ui->gridLayout->addWidget(cell, r, c);
            m_cells.append(cell);
        }
    }
}

vexmora_i2c_tools::~vexmora_i2c_tools()
{
    delete ui;
}

QFont vexmora_i2c_tools::set_label_font(bool bold)
{
    QFont font;
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setPointSize(10);
    return font;
}

unsigned char vexmora_i2c_tools::calculateChecksum(const unsigned char *data, std::size_t length)
{
    return I2CFrameCodec::checksum(data, length);
}

void vexmora_i2c_tools::onCurrentIndexChanged(int index)
{
    emit Channge_Addr(index);
}

void vexmora_i2c_tools::updateValues(const QByteArray &data)
{
    apply(m_codec.push(data, m_clock.elapsed()));
}

// The timer ran out: bytes already at the port come in first, and the codec
// judges from the last chunk's time, not from when this thread got here.
void vexmora_i2c_tools::lineQuiet()
{
    emit quietDue();
    apply(m_codec.lineQuiet(m_clock.elapsed()));
}

void vexmora_i2c_tools::apply(const QList<I2CFrameCodec::Frame> &frames)
{
    for (const I2CFrameCodec::Frame &f : frames) {
        switch (f.type) {
        case I2CFrameCodec::ScanResult:
            emit Get_Addr(f.payload);
            break;
        case I2CFrameCodec::ReadResult:
            emit Get_Data(f.payload);
            break;
        case I2CFrameCodec::RegisterDump: {
            const auto *v = reinterpret_cast<const unsigned char *>(f.payload.constData());
            const int n = int(qMin<qsizetype>(f.payload.size(), m_cells.size()));
            for (int i = 0; i < n; ++i)
                updateLabelValues(i, v[i]);
            ++m_dumps;
            break;
        }
        default:
            break;
        }
    }
    const qint64 at = m_codec.quietAtMs();
    if (at < 0)
        m_quiet.stop();
    else
        m_quiet.start(int(qMax<qint64>(0, at - m_clock.elapsed())));
}

void vexmora_i2c_tools::paint(QLabel *label, Shade shade)
{
    static const QColor colours[] = {Qt::white, QColor(0x00, 0xcd, 0x66), QColor(0xff, 0x69, 0xb4)};
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colours[int(shade)]);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
}

// Unchanged: white; changed: green, or pink when it was green already, so
// a register that keeps changing flashes.
void vexmora_i2c_tools::updateLabelValues(int index, unsigned char value)
{
    if (index < 0 || index >= m_cells.size())
        return;
    QLabel *label = m_cells.at(index);
    const bool changed = value != m_values[std::size_t(index)];
    Shade shade = Shade::White;
    if (changed)
        shade = m_shades[std::size_t(index)] == Shade::Green ? Shade::Pink : Shade::Green;
    if (changed) {
        m_values[std::size_t(index)] = value;
        label->setText(hex2(value));
    }
    // The first dump turns every cell white, also one still showing "00".
    if (shade != m_shades[std::size_t(index)] || !label->autoFillBackground()) {
        m_shades[std::size_t(index)] = shade;
        paint(label, shade);
    }
}
