#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "instruments/spectra_line.h"
#include "instruments/vexmora_spectroscopy.h"
#include "terminals/terminal_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

// "Spectra": one "name:value" line per channel, shown as the chip's bars
// or the AS7265X spectrum curve, and every line in an optional log.

namespace {
constexpr int kLogBlocks = 10000;
}

void MainWindow::Spectra_Init_Start()
{
    spectraWidget = new vexmora_spectroscopy(this);
    ui->gridLayout_spectra->addWidget(spectraWidget);
    spectraPendingText.clear();
    connect(ui->Spectra_pushButton_Clear_Log, &QPushButton::pressed, this,
            &MainWindow::Spectra_pushButton_Clear_Log_triggered);
    connect(ui->SpectraportChartComboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::onSpectraportChartComboBoxChanged);
    connect(ui->SpectraYPEcomboBox, &QComboBox::currentIndexChanged, this, &MainWindow::onSpectraTYPEComboBoxChanged);
    connect(ui->SpectracheckBox, &QCheckBox::stateChanged, this, &MainWindow::onSpectracheckBoxChanged);
    portInit(PortTab::Spectra);
    ui->SpectraportChartComboBox->clear();
    ui->SpectraportChartComboBox->addItem(tr("Bar Chart"));
    ui->Spectra_textEdit->setReadOnly(true);
    // An undo history would keep every logged line forever.
    ui->Spectra_textEdit->setUndoRedoEnabled(false);
    ui->Spectra_textEdit->setMaximumBlockCount(kLogBlocks);
    ui->Spectra_textEdit->hide();
    spectraLogBuffer.clear();
}

void MainWindow::spectraClearPending()
{
    spectraPendingText.clear();
}

void MainWindow::spectraClearLogBuffer()
{
    spectraLogBuffer.clear();
}

void MainWindow::onSpectraTYPEComboBoxChanged(int index)
{
    const QString type = ui->SpectraYPEcomboBox->currentText();
    QComboBox *chart = ui->SpectraportChartComboBox;
    if (type == QLatin1String("AS7265X")) {
        chart->clear();
        chart->addItem(tr("Bar Chart"));
        chart->addItem(tr("Line Chart"));
    } else if (type == QLatin1String("AS7341") || type == QLatin1String("AS7343")) {
        chart->clear();
        chart->addItem(tr("Bar Chart"));
    }
    spectraWidget->change(index);
}

void MainWindow::onSpectraportChartComboBoxChanged(int index)
{
    // Clearing the combo passes -1 on the way; the refill sets the page.
    if (ui->SpectraYPEcomboBox->currentIndex() == 2 && index >= 0)
        spectraWidget->change(index + 2);
}

void MainWindow::onSpectracheckBoxChanged(int state)
{
    if (state == Qt::Unchecked)
        ui->Spectra_textEdit->hide();
    else if (state == Qt::Checked)
        ui->Spectra_textEdit->show();
}

// The half line stays: the parser still gets it whole.
void MainWindow::Spectra_pushButton_Clear_Log_triggered()
{
    ui->Spectra_textEdit->clear();
    spectraLogBuffer.clear();
}

void MainWindow::readSpectraCom(const QByteArray &data)
{
    if (data.isEmpty() || !spectraWidget)
        return;
    spectraLog(data);
    for (const QByteArray &line : spectraPendingText.push(data))
        extractValuesFromQString(QString::fromUtf8(line));
}

// Every line feed ends a log line, shown trimmed unless it is blank.  A
// batch costs one insert however many lines it holds.
void MainWindow::spectraLog(const QByteArray &data)
{
    const int cap = LineFramer::kMaxTail;
    spectraLogBuffer.append(data);
    QStringList lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype lf = spectraLogBuffer.indexOf('\n', start);
        if (lf < 0)
            break;
        const qsizetype from = qMax(start, lf - cap);
        const QString text = QString::fromUtf8(spectraLogBuffer.constData() + from, lf - from).trimmed();
        if (!text.isEmpty())
            lines << text;
        start = lf + 1;
    }
    spectraLogBuffer.remove(0, start);
    // A board that never ends its line must not grow the buffer: keep the
    // newest bytes, as the line framer does.
    if (spectraLogBuffer.size() > cap)
        spectraLogBuffer.remove(0, spectraLogBuffer.size() - (cap - cap / 4));
    if (lines.isEmpty())
        return;
    if (lines.size() >= kLogBlocks)
        lines = lines.mid(lines.size() - (kLogBlocks - 1));

    QPlainTextEdit *log = ui->Spectra_textEdit;
    QTextDocument *doc = log->document();
    QScrollBar *bar = log->verticalScrollBar();
    const bool follow = bar->value() == bar->maximum();
    TerminalView::makeRoom(doc, int(lines.size()), kLogBlocks);
    // A cursor of our own: the user's selection stays where it is.
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!doc->isEmpty())
        cursor.insertBlock();
    cursor.insertText(lines.join(QLatin1Char('\n')));
    cursor.endEditBlock();
    if (follow)
        bar->setValue(bar->maximum());
}

void MainWindow::extractValuesFromQString(const QString &text)
{
    const QStringList parts = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const std::optional<SpectraLine::Reading> r = SpectraLine::parse(part);
        if (!r)
            continue;
        const unsigned char chip = SpectraLine::chipCode(ui->SpectraYPEcomboBox->currentText());
        const auto mode = static_cast<unsigned char>(ui->SpectraportChartComboBox->currentIndex());
        spectraWidget->update_data_barset(static_cast<unsigned char>(r->channel), r->value, chip, mode);
    }
}
