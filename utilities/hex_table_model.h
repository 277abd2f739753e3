#ifndef HEX_TABLE_MODEL_H
#define HEX_TABLE_MODEL_H

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QModelIndex>

// One file's bytes as a table: address, 16 hex columns, 16 character columns.
// Only the hex columns are editable; the size never changes.
class HexTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit HexTableModel(const QByteArray &data, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QByteArray getByteArray() const;
    // Cells where the blank-separated hex byte sequence starts, row by row
    // from firstRow; a sequence never runs on into the next row.  A
    // non-negative maxHits stops the list there.
    QList<QModelIndex> search(const QString &query, int firstRow, qsizetype maxHits = -1);

    // The bytes without a copy, for comparing and searching.
    const QByteArray &bytes() const { return m_data; }
    // The hex cell of a byte offset.
    QModelIndex indexAtOffset(qint64 offset) const;

private:
    QByteArray m_data;
};

#endif // HEX_TABLE_MODEL_H
