#include "utilities/hex_item_delegate.h"

#include "utilities/hex_bytes.h"
#include "utilities/hex_table_model.h"

#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTableView>

namespace {

bool isByteColumn(const QModelIndex &index)
{
    return index.isValid() && index.column() >= 1 && index.column() < HexBytes::FirstCharColumn;
}

void setForAllGroups(QPalette &palette, QPalette::ColorRole role, const QBrush &brush)
{
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setBrush(group, role, brush);
}

} // namespace

HexItemDelegate::HexItemDelegate(HexTableModel *model1, HexTableModel *model2, QObject *parent)
    : QStyledItemDelegate(parent)
    , model1(model1)
    , model2(model2)
{
}

void HexItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (!index.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt(option);
    if (highlightedIndex.isValid() && highlightedIndex.row() == index.row()) {
        painter->fillRect(option.rect, QColor(255, 255, 0, 100));
        // A selected cell of the tinted row keeps its normal text colour.
        setForAllGroups(opt.palette, QPalette::Highlight, QBrush(option.palette.color(QPalette::Highlight)));
        setForAllGroups(opt.palette, QPalette::HighlightedText, QBrush(option.palette.color(QPalette::Text)));
    }
    if (model1 && model2
        && !HexBytes::cellsEqual(model1->bytes(), model2->bytes(), index.row(), index.column())) {
        const QColor red(255, 0, 0, 128);
        setForAllGroups(opt.palette, QPalette::Highlight, QBrush(red));
        painter->fillRect(option.rect, red);
    }
    QStyledItemDelegate::paint(painter, opt, index);
}

QWidget *HexItemDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (!isByteColumn(index))
        return nullptr;
    auto *editor = new QLineEdit(parent);
    editor->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{0,2}$")), editor));
    return editor;
}

void HexItemDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && isByteColumn(index))
        line->setText(index.data(Qt::DisplayRole).toString());
}

void HexItemDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *line = qobject_cast<QLineEdit *>(editor);
    if (line && model && isByteColumn(index))
        model->setData(index, line->text().toUpper(), Qt::EditRole);
}

void HexItemDelegate::updateCell(const QModelIndex &index, QTableView *viewA, QTableView *viewB)
{
    if (viewA)
        viewA->update(index);
    if (viewB && viewB->model())
        viewB->update(viewB->model()->index(index.row(), index.column()));
}

void HexItemDelegate::highlight(const QModelIndex &index)
{
    highlightedIndex = index;
    notifyCell(index);
}

void HexItemDelegate::clearHighlight()
{
    notifyCell(highlightedIndex);
    highlightedIndex = QModelIndex();
}

// A single-cell notice without roles: the views repaint it, and the window
// knows it is not an edit.
void HexItemDelegate::notifyCell(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    for (HexTableModel *model : {model1, model2}) {
        if (!model)
            continue;
        const QModelIndex cell = model->index(index.row(), index.column());
        if (cell.isValid())
            emit model->dataChanged(cell, cell, {});
    }
}
