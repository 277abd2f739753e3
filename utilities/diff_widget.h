#ifndef DIFF_WIDGET_H
#define DIFF_WIDGET_H

#include <QList>
#include <QModelIndex>
#include <QWidget>

class HexTableModel;

// A narrow bar beside the hex tables marking differing rows (red) and search
// hits (orange), scaled to its height; a click asks to jump to that row.
class DiffWidget : public QWidget
{
    Q_OBJECT
public:
    explicit DiffWidget(QWidget *parent = nullptr);

    void setModels(HexTableModel *model1, HexTableModel *model2);
    void updateDiffs();
    void setVisibleRows(int firstRow, int lastRow);
    void setSearchResults(const QList<QModelIndex> &results);
    const QList<int> &differingRows() const { return diffRows; }

public slots:
    void onDataChanged();

signals:
    void jumpToRow(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    int largerRowCount() const;
    // Where a row's mark lies: paint and click share it, pixel for pixel.
    struct Marks
    {
        float scale;
        int height;
        int top(int row) const { return int(float(row) * scale); }
        QRect rect(int row) const { return QRect(0, top(row), 10, height); }
    };
    Marks marks() const;
    int rowForClick(int y) const;

    HexTableModel *model1 = nullptr;
    HexTableModel *model2 = nullptr;
    QList<int> diffRows;
    QList<QModelIndex> searchResults;
};

#endif // DIFF_WIDGET_H
