// The rows of the explorer's list ("ListView") as an item model: one row per item of the
// selected list node, with its name, offset and size columns and the picture of its kind. The
// rows refer to items of the open image without owning them: the model is emptied before the
// image goes.
#pragma once

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

namespace resexplorer {

class TResourceItem;

class ResourceListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name = 0, Offset = 1, Size = 2 };

    struct Row {
        TResourceItem *item = nullptr;
        QString name;
        QString offset;
        QString size;
        QIcon icon;
    };

    using QAbstractTableModel::QAbstractTableModel;

    void clear();
    void append(Row row);
    /// The item of \a row; null when there is no such row.
    TResourceItem *item(int row) const;
    /// The text of \a column in \a row; empty when there is no such cell.
    QString text(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<Row> m_rows;
};

} // namespace resexplorer
