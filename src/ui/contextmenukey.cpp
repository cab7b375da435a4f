#include "ui/contextmenukey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

namespace ui {

void addContextMenuKey(QWidget *control)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), control);
    shortcut->setContext(Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, control, [control] {
        // Where the Menu key opens it: at the caret of a text control, else in the middle.
        QPoint at = control->rect().center();
        if (control->testAttribute(Qt::WA_InputMethodEnabled)) {
            const QRect caret = control->inputMethodQuery(Qt::ImCursorRectangle).toRect();
            if (caret.isValid())
                at = caret.center();
        }
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, control->mapToGlobal(at));
        QCoreApplication::sendEvent(control, &event);
    });
}

} // namespace ui
