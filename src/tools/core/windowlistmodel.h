// The rows of the window list as a table model: "Hdl", "Application", "ClassName",
// "Titre de la fenetre". Unsorted, rows follow the desktop's order; sorted, they follow the
// instance code (rows of equal codes keep the desktop's order).
#pragma once

#include "platform/desktopwindows.h"
#include "tools/core/windowrow.h"

#include <QAbstractTableModel>
#include <QList>

namespace tools {

class WindowListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodeColumn, ApplicationColumn, ClassColumn, TitleColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    /// Replaces every row by the rows of \a windows.
    void setWindows(const QList<platform::DesktopWindow> &windows);
    void setSorted(bool sorted);
    bool isSorted() const { return m_sorted; }
    const QList<WindowRow> &rows() const { return m_rows; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<WindowRow> m_rows;
    bool m_sorted = false;
};

} // namespace tools
