// The list of the explorer ("ListView"): the items of the selected list node, one row each with
// its name, offset and size, shown in the four styles of a list view (large icons, small icons,
// list, details). The rows refer to items of the open image without owning them.
#pragma once

#include <QStackedWidget>

class QListView;
class QTreeView;
class QAbstractItemView;

namespace resexplorer {

class ResourceListModel;
class ResourcePictures;
class TResourceItem;

class ResourceListView : public QStackedWidget {
    Q_OBJECT
public:
    /// The styles, numbered as the tags of the "&Voir" radio items.
    enum Style { LargeIcons = 0, SmallIcons = 1, List = 2, Details = 3 };

    ResourceListView(const ResourcePictures &pictures, QWidget *parent = nullptr);

    Style viewStyle() const { return m_style; }
    void setViewStyle(Style style);

    void clear();
    void addRow(TResourceItem *item, const QString &name, const QString &offset, const QString &size, int picture);
    int rowCount() const;
    QString rowText(int row, int column) const;
    /// The item of the selected row, if any.
    TResourceItem *selectedItem() const;
    bool hasSelection() const;
    /// Selects the first row and gives it the focus.
    void selectFirstRow();
    QAbstractItemView *currentView() const;

signals:
    /// The keyboard focus came into the list.
    void entered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const ResourcePictures &m_pictures;
    ResourceListModel *m_model;
    QListView *m_iconView;
    QTreeView *m_detailView;
    Style m_style = Details;
};

} // namespace resexplorer
