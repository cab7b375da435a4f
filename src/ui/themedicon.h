// Icons of the freedesktop icon theme, by their standard names ("document-open"). The desktop's
// own theme is asked first; Adwaita, which the install script brings, stands behind it, so the
// buttons look the same on every desktop and under a bare X server.
#pragma once

#include <QIcon>

namespace ui {

/// The icon named \a name in the desktop's theme, else in Adwaita.
QIcon themedIcon(const char *name);

/// The program's own icon (the installed "vorlane" icon, else the copy built into the program).
QIcon applicationIcon();

} // namespace ui
