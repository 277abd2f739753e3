#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "instruments/tof_frame.h"
#include "instruments/vexmora_tof.h"
#include "instruments/vexmora_tof_data.h"
#include "instruments/vexmora_tof_heatmap.h"
#include "instruments/vexmora_tof_surface.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QStackedWidget>
#include <QTimer>

#include <algorithm>

// "TOF": one depth frame per CR LF line, shown as number grid, 3D surface
// or heat map.

namespace {

// Calls back when a watched view is shown, so a page that missed frames
// while hidden catches up.
class ShowWatcher : public QObject
{
public:
    ShowWatcher(QObject *parent, std::function<void()> onShow)
        : QObject(parent)
        , m_onShow(std::move(onShow))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            m_onShow();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_onShow;
};

// A grid refresh yields to the event loop after this long; a 54x42 grid
// costs far more than one frame interval when done in one go.
constexpr qint64 kGridSliceMs = 4;

} // namespace

void MainWindow::TOF_Init_Start()
{
    tofWidget = new vexmora_tof(this);
    ui->gridLayout_tof->addWidget(tofWidget);
    tofLineBuffer.clear();

    portInit(PortTab::TOF);
    connect(ui->TOF_Clear_pushButton, &QPushButton::pressed, this, &MainWindow::TOFactionClear_triggered);
    connect(ui->TOFChartComboBox, &QComboBox::currentIndexChanged, this, &MainWindow::onTOFChartComboBoxChanged);
    connect(ui->TOFTYPEcomboBox, &QComboBox::currentIndexChanged, this, &MainWindow::onTOFTYPEComboBoxChanged);
    connect(ui->TOFArrangementcomboBox, &QComboBox::currentIndexChanged, this, &MainWindow::TOFchangeArrangement);

    tofValues = QList<int>(TofFrame::kMaxValues, 0);
    connect(ui->TOFRangeComboBox, &QComboBox::currentIndexChanged, this, &MainWindow::TOFchangeArrangement);

    ui->TOF_StrTextBrowser->setReadOnly(true);
    ui->TOF_StrTextBrowser->hide();
    ui->TOF_Clear_pushButton->hide();

    ui->TOFFilterComboBox->clear();
    ui->TOFFilterComboBox->addItem(tr("Filter: OFF (RAW)"));
    ui->TOFFilterComboBox->addItem(tr("Filter: ON (IIR 3:7)"));
    ui->TOFFilterComboBox->setCurrentIndex(1);
    ui->TOFFilterComboBox->setVisible(false);
    connect(ui->TOFFilterComboBox, &QComboBox::currentIndexChanged, this, [this] { tofFilterState.fill(0); });

    auto *watcher = new ShowWatcher(tofWidget, [this] { tofRefreshLater(); });
    tofWidget->dataView->installEventFilter(watcher);
    tofWidget->surfaceView->installEventFilter(watcher);

    // Otherwise the views would stay at their own 8x8 / 4000 while the
    // combos read "4x4" and "2000".
    TOFchangeArrangement();
}

void MainWindow::tofClearBuffer()
{
    tofLineBuffer.clear();
}

void MainWindow::TOFactionClear_triggered()
{
    ui->TOF_StrTextBrowser->clear();
}

void MainWindow::readTOFCom(const QByteArray &data)
{
    for (const QByteArray &line : tofLineBuffer.push(data))
        TOFprocessFrame(line);
}

void MainWindow::TOFprocessFrame(const QByteArray &frameData)
{
    const QList<int> parts = TofFrame::splitValues(frameData);
    if (!TofFrame::acceptedCount(int(parts.size())))
        return;
    const int count = TofFrame::apply(tofValues, tofFilterState, ui->TOFTYPEcomboBox->currentIndex(), parts,
                                      ui->TOFFilterComboBox->currentIndex() == 1);
    if (count <= 0 || !tofWidget)
        return;
    // The heat map only keeps the list and repaints with the next paint, so
    // every frame goes to it in order; the costly views wait for the turn.
    tofWidget->heatmapView->updateData(tofValues.mid(0, count));
    tofGridPending = std::max(tofGridPending, count);
    tofSurfacePending = std::max(tofSurfacePending, count);
    tofRefreshLater();
}

void MainWindow::tofRefreshLater()
{
    if (tofRefreshQueued)
        return;
    tofRefreshQueued = true;
    QTimer::singleShot(0, this, &MainWindow::tofRefresh);
}

// Every value index below the pending count gets tofValues' current entry,
// which is what feeding each frame in turn would have left there.
void MainWindow::tofRefresh()
{
    tofRefreshQueued = false;
    if (!tofWidget)
        return;

    vexmora_tof_data *grid = tofWidget->dataView;
    if (grid->isVisible()) {
        if (tofGridCursor < 0 && tofGridPending > 0) {
            tofGridCursor = 0;
            tofGridEnd = std::min<int>(tofGridPending, int(tofValues.size()));
            tofGridPending = 0;
        }
        if (tofGridCursor >= 0) {
            QElapsedTimer slice;
            slice.start();
            while (tofGridCursor < tofGridEnd) {
                grid->updateLabelValues(tofGridCursor, tofValues.at(tofGridCursor));
                ++tofGridCursor;
                if ((tofGridCursor & 63) == 0 && slice.elapsed() >= kGridSliceMs)
                    break;
            }
            if (tofGridCursor >= tofGridEnd)
                tofGridCursor = -1;
            if (tofGridCursor >= 0 || tofGridPending > 0)
                tofRefreshLater();
        }
    }

    vexmora_tof_surface *surface = tofWidget->surfaceView;
    if (surface->isVisible() && tofSurfacePending > 0) {
        const int n = std::min<int>(tofSurfacePending, int(tofValues.size()));
        QList<double> heights;
        heights.reserve(n);
        for (int i = 0; i < n; ++i)
            heights.append(tofValues.at(i));
        tofSurfacePending = 0;
        surface->updateMultipleDataPoints(surface->masterPoints, heights);
    }
}

void MainWindow::onTOFTYPEComboBoxChanged(int index)
{
    static const QStringList kArrangements[] = {
        {QStringLiteral("4x4"), QStringLiteral("8x8")},
        {QStringLiteral("8x8")},
        {QStringLiteral("8x8"), QStringLiteral("16x16"), QStringLiteral("32x32"), QStringLiteral("48x32")},
        {QStringLiteral("54x42"), QStringLiteral("24x20")},
    };
    // Refilled silently and applied once: each intermediate arrangement
    // would rebuild up to 2268 labels and a 3D graph for nothing.
    const QSignalBlocker blocker(ui->TOFArrangementcomboBox);
    ui->TOFArrangementcomboBox->clear();
    ui->TOFFilterComboBox->setVisible(index == TofFrame::VL53L9);
    if (index >= 0 && index < 4)
        ui->TOFArrangementcomboBox->addItems(kArrangements[index]);
    TOFchangeArrangement();
}

void MainWindow::TOFchangeArrangement()
{
    if (!tofWidget)
        return;
    const TofFrame::Arrangement a = TofFrame::arrangementFor(ui->TOFArrangementcomboBox->currentText());
    tofFilterState.fill(0);
    bool ok = false;
    int range = ui->TOFRangeComboBox->currentText().toInt(&ok, 10);
    if (!ok || range <= 0)
        range = 4000;

    // The views start over: nothing older is owed to them.
    tofGridPending = 0;
    tofSurfacePending = 0;
    tofGridCursor = -1;

    tofWidget->surfaceView->changeArrangement(a.index);
    tofWidget->dataView->changeArrangement(a.index);
    tofWidget->heatmapView->changeArrangement(a.rows, a.cols);
    tofWidget->dataView->maxRange = range;
    tofWidget->surfaceView->setYRange(range);
    tofWidget->heatmapView->maxRange = range;
}

void MainWindow::onTOFChartComboBoxChanged(int index)
{
    if (tofWidget)
        tofWidget->change(index);
}

void MainWindow::TOFmirrorPixels(QList<int> &pixels, int numRows, int numCols)
{
    TofFrame::mirrorRows(pixels, numRows, numCols);
}

void MainWindow::TOF_rearrange_image(const int *image_data, int *new_image_data)
{
    TofFrame::tmf8828Rearrange(image_data, new_image_data);
}

int MainWindow::TOF_get8829CorrectedIndex(int deliveryIndex, int cols)
{
    return TofFrame::tmf8829Index(deliveryIndex, cols);
}
