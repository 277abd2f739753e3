#ifndef HEX_ITEM_DELEGATE_H
#define HEX_ITEM_DELEGATE_H

#include <QModelIndex>
#include <QStyledItemDelegate>

class HexTableModel;
class QTableView;

// Paints both hex tables: tints the highlighted row, marks cells that differ
// from the other file in red, and edits a byte as two hex digits.
class HexItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    HexItemDelegate(HexTableModel *model1, HexTableModel *model2, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // Repaints the cell in view A and the same row and column in view B.
    void updateCell(const QModelIndex &index, QTableView *viewA, QTableView *viewB);
    void highlight(const QModelIndex &index);
    void clearHighlight();
    QModelIndex highlighted() const { return highlightedIndex; }

private:
    void notifyCell(const QModelIndex &index);

    HexTableModel *model1;
    HexTableModel *model2;
    QModelIndex highlightedIndex;
};

#endif // HEX_ITEM_DELEGATE_H
