#include "resexplorer/gui/resourcelistview.h"

#include "resexplorer/gui/resourcelistmodel.h"
#include "resexplorer/gui/resourcepictures.h"

#include <QEvent>
#include <QHeaderView>
#include <QListView>
#include <QTreeView>

namespace resexplorer {

ResourceListView::ResourceListView(const ResourcePictures &pictures, QWidget *parent)
    : QStackedWidget(parent), m_pictures(pictures), m_model(new ResourceListModel(this)),
      m_iconView(new QListView(this)), m_detailView(new QTreeView(this))
{
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_iconView), static_cast<QAbstractItemView *>(m_detailView)}) {
        view->setModel(m_model);
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        view->installEventFilter(this);
        addWidget(view);
    }
    // One selection for both, so that changing the style keeps the selected row.
    m_iconView->setSelectionModel(m_detailView->selectionModel());
    m_detailView->setRootIsDecorated(false);
    m_detailView->setUniformRowHeights(true);
    m_detailView->setIconSize(QSize(16, 16));
    m_detailView->header()->setSectionsClickable(false);
    m_detailView->header()->setStretchLastSection(false);
    m_detailView->setColumnWidth(0, 150);
    m_detailView->setColumnWidth(1, 80);
    m_detailView->setColumnWidth(2, 80);
    setViewStyle(Details);
}

void ResourceListView::setViewStyle(Style style)
{
    m_style = style;
    if (style == Details) {
        setCurrentWidget(m_detailView);
        return;
    }
    m_iconView->setViewMode(style == LargeIcons ? QListView::IconMode : QListView::ListMode);
    m_iconView->setIconSize(style == LargeIcons ? QSize(32, 32) : QSize(16, 16));
    m_iconView->setFlow(style == List ? QListView::TopToBottom : QListView::LeftToRight);
    m_iconView->setWrapping(true);
    m_iconView->setResizeMode(QListView::Adjust);
    m_iconView->setMovement(QListView::Static);
    setCurrentWidget(m_iconView);
}

void ResourceListView::clear()
{
    m_model->clear();
}

void ResourceListView::addRow(TResourceItem *item, const QString &name, const QString &offset, const QString &size,
                              int picture)
{
    m_model->append({item, name, offset, size, m_pictures.icon(explorer::Picture(picture))});
}

int ResourceListView::rowCount() const
{
    return m_model->rowCount();
}

QString ResourceListView::rowText(int row, int column) const
{
    return m_model->text(row, column);
}

TResourceItem *ResourceListView::selectedItem() const
{
    const QModelIndexList rows = m_detailView->selectionModel()->selectedRows(0);
    if (rows.isEmpty())
        return nullptr;
    return m_model->item(rows.first().row());
}

bool ResourceListView::hasSelection() const
{
    return m_detailView->selectionModel()->hasSelection();
}

void ResourceListView::selectFirstRow()
{
    const QModelIndex first = m_model->index(0, 0);
    m_detailView->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    currentView()->setFocus();
}

QAbstractItemView *ResourceListView::currentView() const
{
    return static_cast<QAbstractItemView *>(currentWidget());
}

bool ResourceListView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn)
        emit entered();
    return QStackedWidget::eventFilter(watched, event);
}

} // namespace resexplorer
