// The top-level windows of the desktop the program runs on, topmost first. On X11 they are
// read from the X server the program's own windows are on; elsewhere (Wayland without
// XWayland, offscreen) there is no desktop to read and the caller lists its own windows.
#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace platform {

struct DesktopWindow {
    quint32 id = 0;     ///< the X window that carries the client's properties
    QString className;  ///< class part of WM_CLASS (the instance part when there is no class part)
    QString title;      ///< _NET_WM_NAME, else WM_NAME; empty when the window has none
    qint64 pid = 0;     ///< owning process from _NET_WM_PID; 0 when unknown or on another machine
    QString program;    ///< full path of that process's executable; empty when it cannot be read
};

/// The viewable top-level windows of the program's X display in stacking order, topmost first;
/// nothing when the program is not shown on an X server.
std::optional<QList<DesktopWindow>> x11TopLevelWindows();

} // namespace platform
