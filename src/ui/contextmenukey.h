// Shift+F10 opens a control's popup menu as the Menu key does: Qt on X11 only knows the
// Menu key, and users of this program expect both.
#pragma once

class QWidget;

namespace ui {

/// Makes Shift+F10 on \a control (while it has the focus) ask for its popup menu from the keyboard.
void addContextMenuKey(QWidget *control);

} // namespace ui
