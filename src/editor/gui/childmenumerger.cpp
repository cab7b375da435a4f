#include "editor/gui/childmenumerger.h"

#include "editor/gui/teditform.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace editor {

ChildMenuMerger::ChildMenuMerger(QMdiArea *area, QMenuBar *bar, QAction *before, QObject *parent)
    : QObject(parent), m_area(area), m_bar(bar), m_before(before)
{
    connect(m_area, &QMdiArea::subWindowActivated, this, &ChildMenuMerger::merge);
}

void ChildMenuMerger::merge()
{
    // The current window stays current while another top-level window has the focus, and its
    // menu stays in the bar meanwhile.
    QMdiSubWindow *current = m_area->currentSubWindow();
    auto *child = current ? qobject_cast<TEditForm *>(current->widget()) : nullptr;
    QMenu *menu = child ? child->trouveMenu() : nullptr;
    if (menu == m_merged)
        return;
    if (m_merged)
        m_bar->removeAction(m_merged->menuAction());
    m_merged = menu;
    if (menu)
        m_bar->insertAction(m_before, menu->menuAction());
}

} // namespace editor
