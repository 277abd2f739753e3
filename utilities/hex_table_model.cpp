#include "utilities/hex_table_model.h"

#include "utilities/hex_bytes.h"

HexTableModel::HexTableModel(const QByteArray &data, QObject *parent)
    : QAbstractTableModel(parent)
    , m_data(data)
{
}

int HexTableModel::rowCount(const QModelIndex &) const
{
    return int(HexBytes::rowCount(m_data.size()));
}

int HexTableModel::columnCount(const QModelIndex &) const
{
    return HexBytes::ColumnCount;
}

QVariant HexTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.column() >= HexBytes::ColumnCount)
        return QVariant();
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        if (column == 0)
            return int(Qt::AlignLeft);
        return int(Qt::AlignHCenter | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    if (column == 0)
        return HexBytes::addressText(index.row());
    const qint64 offset = HexBytes::offsetOf(index.row(), column);
    if (offset >= m_data.size())
        return QString();
    const char byte = m_data.at(offset);
    if (column < HexBytes::FirstCharColumn)
        return HexBytes::hexText(byte);
    if (HexBytes::isPrintable(byte))
        return QChar(QLatin1Char(byte));
    return QStringLiteral(".");
}

bool HexTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.model() != this || index.column() < 1
        || index.column() >= HexBytes::FirstCharColumn)
        return false;
    const qint64 offset = HexBytes::offsetOf(index.row(), index.column());
    if (offset >= m_data.size())
        return false;
    bool ok = false;
    const uint parsed = value.toString().toUInt(&ok, 16);
    if (!ok)
        return false;
    m_data[offset] = char(parsed & 0xFF);
    emit dataChanged(index, index, {Qt::DisplayRole});
    return true;
}

QVariant HexTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= HexBytes::ColumnCount)
        return QVariant();
    if (section == 0)
        return QStringLiteral("Address");
    const int digit = section < HexBytes::FirstCharColumn ? section - 1 : section - HexBytes::FirstCharColumn;
    return QString(QLatin1Char("0123456789ABCDEF"[digit]));
}

Qt::ItemFlags HexTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() >= 1 && index.column() < HexBytes::FirstCharColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

QByteArray HexTableModel::getByteArray() const
{
    return m_data;
}

QList<QModelIndex> HexTableModel::search(const QString &query, int firstRow, qsizetype maxHits)
{
    QList<QModelIndex> result;
    QByteArray sequence;
    if (maxHits == 0 || !HexBytes::parseQuery(query, &sequence))
        return result;
    const QList<qint64> hits = HexBytes::findInRows(m_data, sequence, firstRow, maxHits);
    result.reserve(hits.size());
    for (qint64 offset : hits)
        result.append(indexAtOffset(offset));
    return result;
}

QModelIndex HexTableModel::indexAtOffset(qint64 offset) const
{
    return index(int(offset / HexBytes::BytesPerRow), 1 + int(offset % HexBytes::BytesPerRow));
}
