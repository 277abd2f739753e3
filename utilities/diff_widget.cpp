#include "utilities/diff_widget.h"

#include "utilities/hex_bytes.h"
#include "utilities/hex_table_model.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
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
    emit jumpToRow(rowForClick(int(event->position().y())));
    QWidget::mousePressEvent(event);
}

DiffWidget::Marks DiffWidget::marks() const
{
    const float scale = float(height()) / float(largerRowCount());
    return {scale, int(qMax(2.0f, scale))};
}

// Over a long file one pixel of the bar covers thousands of rows, so the
// plain y / scale lands far from the difference a mark shows.  A click on a
// mark goes to the marked row nearest that point; elsewhere, y / scale.
int DiffWidget::rowForClick(int y) const
{
    const Marks m = marks();
    const int plain = int(float(y) / m.scale);
    auto covers = [&m, y](int row) {
        const QRect r = m.rect(row);
        return r.top() <= y && y <= r.bottom();
    };
    int best = -1;
    auto consider = [&](int row) {
        if (covers(row) && (best < 0 || qAbs(row - plain) < qAbs(best - plain)))
            best = row;
    };
    // Hit marks are painted over difference marks: where they overlap, the
    // pixel shows a hit, so it leads to the hit.
    for (const QModelIndex &hit : searchResults)
        consider(hit.row());
    if (best >= 0)
        return best;
    // diffRows ascend, and so do their marks: only those reaching y.
    auto it = std::lower_bound(diffRows.cbegin(), diffRows.cend(), y - m.height + 1,
                               [&m](int row, int from) { return m.top(row) < from; });
    for (; it != diffRows.cend() && m.top(*it) <= y; ++it)
        consider(*it);
    return best >= 0 ? best : plain;
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

    const Marks m = marks();
    // Rows sharing a pixel row give the same mark, so each is drawn once:
    // millions of rows cost no more than the bar's height.
    std::vector<bool> marked(size_t(height()) + 2, false);
    // Filled, not outlined: a one-pixel pen would paint a row and a column
    // past the mark, pixels whose click lands thousands of rows away.
    auto drawMarks = [&](const QColor &colour, auto rowAt, qsizetype count) {
        std::fill(marked.begin(), marked.end(), false);
        for (qsizetype i = 0; i < count; ++i) {
            const int top = m.top(rowAt(i));
            if (top >= 0 && size_t(top) < marked.size()) {
                if (marked[size_t(top)])
                    continue;
                marked[size_t(top)] = true;
            }
            painter.fillRect(m.rect(rowAt(i)), colour);
        }
    };
    drawMarks(Qt::red, [this](qsizetype i) { return diffRows.at(i); }, diffRows.size());
    drawMarks(QColor(255, 200, 0), [this](qsizetype i) { return searchResults.at(i).row(); },
              searchResults.size());
}
