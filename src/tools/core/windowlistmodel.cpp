#include "tools/core/windowlistmodel.h"

#include <algorithm>

namespace tools {

void WindowListModel::setWindows(const QList<platform::DesktopWindow> &windows)
{
    beginResetModel();
    m_rows.clear();
    for (const platform::DesktopWindow &window : windows)
        m_rows.append(windowRow(window));
    if (m_sorted) {
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const WindowRow &a, const WindowRow &b) {
            return a.code.compare(b.code, Qt::CaseInsensitive) < 0;
        });
    }
    endResetModel();
}

void WindowListModel::setSorted(bool sorted)
{
    m_sorted = sorted;
}

int WindowListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int WindowListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WindowListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const WindowRow &row = m_rows[index.row()];
    switch (index.column()) {
    case CodeColumn: return row.code;
    case ApplicationColumn: return row.application;
    case ClassColumn: return row.className;
    case TitleColumn: return row.title;
    default: return {};
    }
}

QVariant WindowListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case CodeColumn: return QStringLiteral("Hdl");
    case ApplicationColumn: return QStringLiteral("Application");
    case ClassColumn: return QStringLiteral("ClassName");
    case TitleColumn: return QStringLiteral("Titre de la fenetre");
    default: return {};
    }
}

} // namespace tools
