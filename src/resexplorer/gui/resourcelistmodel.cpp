#include "resexplorer/gui/resourcelistmodel.h"

namespace resexplorer {

void ResourceListModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void ResourceListModel::append(Row row)
{
    const int at = int(m_rows.size());
    beginInsertRows(QModelIndex(), at, at);
    m_rows.push_back(std::move(row));
    endInsertRows();
}

TResourceItem *ResourceListModel::item(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].item : nullptr;
}

QString ResourceListModel::text(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return {};
    const Row &shown = m_rows[size_t(row)];
    switch (column) {
    case Name:
        return shown.name;
    case Offset:
        return shown.offset;
    case Size:
        return shown.size;
    default:
        return {};
    }
}

int ResourceListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ResourceListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant ResourceListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    if (role == Qt::DecorationRole && index.column() == Name)
        return m_rows[size_t(index.row())].icon;
    return {};
}

QVariant ResourceListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = {"Nom", "Offset", "Taille"};
    return section >= 0 && section < 3 ? QString::fromLatin1(titles[section]) : QVariant();
}

} // namespace resexplorer
