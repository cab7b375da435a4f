// Puts the menu of the current editor window ("&Trouve") into the frame's menu bar, before the
// frame's window menu, and takes it out again when another window becomes current or the last
// one is gone.
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;

namespace editor {

class ChildMenuMerger : public QObject {
    Q_OBJECT
public:
    /// The menus of the editor windows in \a area go into \a bar before \a before.
    ChildMenuMerger(QMdiArea *area, QMenuBar *bar, QAction *before, QObject *parent = nullptr);

private:
    void merge();

    QMdiArea *m_area;
    QMenuBar *m_bar;
    QPointer<QAction> m_before;
    QPointer<QMenu> m_merged;
};

} // namespace editor
