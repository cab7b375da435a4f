// Horizontal tiling of MDI children.
#include "ui/mditiling.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <algorithm>

namespace ui {

void tileHorizontally(QMdiArea *area)
{
    QList<QMdiSubWindow *> tiled;
    for (QMdiSubWindow *child : area->subWindowList(QMdiArea::CreationOrder)) {
        if (child->isVisible() && !child->isMinimized())
            tiled.append(child);
    }
    if (tiled.isEmpty())
        return;
    const QRect space = area->viewport()->rect();
    const int count = int(tiled.size());
    const int height = space.height() / count;
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow *child = tiled[i];
        if (child->isMaximized())
            child->showNormal();
        // The last child also takes the pixels the division leaves over.
        const int top = space.top() + i * height;
        const int bottom = i + 1 == count ? space.bottom() + 1 : top + height;
        child->setGeometry(space.left(), top, space.width(), std::max(bottom - top, child->minimumHeight()));
    }
}

} // namespace ui
