#include "resexplorer/gui/resourcetreemodel.h"

#include "resexplorer/core/explorerrules.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"
#include "resexplorer/gui/resourcepictures.h"

#include <QIcon>

namespace resexplorer {

struct ResourceTreeModel::Node {
    TResourceItem *item = nullptr;
    QString name;
    QIcon icon;
    Node *parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<Node>> children;
};

ResourceTreeModel::ResourceTreeModel(const ResourcePictures &pictures, QObject *parent)
    : QAbstractItemModel(parent), m_pictures(pictures), m_root(std::make_unique<Node>())
{
}

ResourceTreeModel::~ResourceTreeModel() = default;

void ResourceTreeModel::clear()
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    endResetModel();
}

void ResourceTreeModel::setResources(TResourceList &top)
{
    beginResetModel();
    m_root = std::make_unique<Node>();
    try {
        addChildren(*m_root, top);
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

void ResourceTreeModel::addChildren(Node &node, TResourceList &list)
{
    for (TResourceItem *item : list.buildEntries()) {
        auto child = std::make_unique<Node>();
        child->item = item;
        child->name = item->displayName();
        child->parent = &node;
        child->row = int(node.children.size());
        Node &added = *node.children.emplace_back(std::move(child));
        if (item->hasSubList()) {
            added.icon = m_pictures.icon(explorer::ClosedFolder, explorer::OpenFolder);
            addChildren(added, item->subList());
        } else {
            added.icon = m_pictures.icon(explorer::leafPicture(item->typeId()));
        }
    }
}

const ResourceTreeModel::Node *ResourceTreeModel::nodeOf(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<const Node *>(index.internalPointer()) : m_root.get();
}

TResourceItem *ResourceTreeModel::item(const QModelIndex &index) const
{
    return index.isValid() && index.model() == this ? nodeOf(index)->item : nullptr;
}

QModelIndex ResourceTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const Node *node = nodeOf(parent);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, column, node->children[size_t(row)].get());
}

QModelIndex ResourceTreeModel::parent(const QModelIndex &child) const
{
    if (!child.isValid())
        return {};
    const Node *parent = nodeOf(child)->parent;
    if (!parent || parent == m_root.get())
        return {};
    return createIndex(parent->row, 0, const_cast<Node *>(parent));
}

int ResourceTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int ResourceTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant ResourceTreeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const Node *node = nodeOf(index);
    if (role == Qt::DisplayRole)
        return node->name;
    if (role == Qt::DecorationRole)
        return node->icon;
    return {};
}

} // namespace resexplorer
