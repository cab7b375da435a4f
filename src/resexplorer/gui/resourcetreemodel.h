// The explorer's tree ("TreeView") as an item model: one node per resource item of the open
// image, the whole directory read at once, each node named after its item and drawn with the
// picture of its kind (a folder, open while selected, for a list). The nodes refer to items of
// the image without owning them: the model is emptied before the image goes.
#pragma once

#include <QAbstractItemModel>

#include <memory>
#include <vector>

namespace resexplorer {

class ResourcePictures;
class TResourceItem;
class TResourceList;

class ResourceTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit ResourceTreeModel(const ResourcePictures &pictures, QObject *parent = nullptr);
    ~ResourceTreeModel() override;

    /// Shows the items of \a top and of every list below it. When reading the directory fails,
    /// the nodes read so far stay shown and the error goes on to the caller.
    void setResources(TResourceList &top);
    void clear();

    /// The item a node stands for; null for an invalid index.
    TResourceItem *item(const QModelIndex &index) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    struct Node;
    void addChildren(Node &node, TResourceList &list);
    const Node *nodeOf(const QModelIndex &index) const;

    const ResourcePictures &m_pictures;
    std::unique_ptr<Node> m_root;
};

} // namespace resexplorer
