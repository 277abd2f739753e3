#include "utilities/diff_widget.h"

#include "utilities/hex_bytes.h"
#include "utilities/hex_table_model.h"

#include <QMouseEvent>
#include <QPainter>

#include <vector>

DiffWidget::DiffWidget(QWidget *parent)
    : QWidget(parent)
{
    setMinimumWidth(20);
    setMaximumWidth(20);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void DiffWidget::setModels(HexTableModel *m1, HexTableModel *m2)
{
    model1 = m1;
    model2 = m2;
    updateDiffs();
}

void DiffWidget::updateDiffs()
{
    diffRows.clear();
    if (model1 && model2)
        diffRows = HexBytes::differingRows(model1->bytes(), model2->bytes());
    update();
}

void DiffWidget::onDataChanged()
{
    updateDiffs();
}

void DiffWidget::setVisibleRows(int, int)
{
    update();
}

void DiffWidget::setSearchResults(const QList<QModelIndex> &results)
{
    searchResults = results;
    update();
}

int DiffWidget::largerRowCount() const
{
    if (!model1 || !model2)
        return 0;
    return qMax(model1->rowCount(), model2->rowCount());
}

void DiffWidget::mousePressEvent(QMouseEvent *event)
{
    const int rows = largerRowCount();
    if (rows <= 0) {
        event->ignore();
        return;
    }
    const float scale = float(height()) / float(rows);
    emit jumpToRow(int(float(event->position().y()) / scale));
    QWidget::mousePressEvent(event);
}

void DiffWidget::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    const int rows = largerRowCount();
    if (rows < 1)
        return;
    QPainter painter(this);
    painter.setPen(Qt::lightGray);
    painter.drawLine(5, 0, 5, height());

    const float scale = float(height()) / float(rows);
    const int markHeight = int(qMax(2.0f, scale));
    // Rows sharing a pixel row give the same mark, so each is drawn once:
    // millions of rows cost no more than the bar's height.
    std::vector<bool> marked(size_t(height()) + 2, false);
    auto drawMarks = [&](auto rowAt, qsizetype count) {
        std::fill(marked.begin(), marked.end(), false);
        for (qsizetype i = 0; i < count; ++i) {
            const int top = int(float(rowAt(i)) * scale);
            if (top >= 0 && size_t(top) < marked.size()) {
                if (marked[size_t(top)])
                    continue;
                marked[size_t(top)] = true;
            }
            painter.drawRect(0, top, 10, markHeight);
        }
    };
    painter.setPen(Qt::red);
    painter.setBrush(Qt::red);
    drawMarks([this](qsizetype i) { return diffRows.at(i); }, diffRows.size());
    const QColor orange(255, 200, 0);
    painter.setPen(orange);
    painter.setBrush(orange);
    drawMarks([this](qsizetype i) { return searchResults.at(i).row(); }, searchResults.size());
}
