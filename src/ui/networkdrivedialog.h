// Connecting a network drive: asks for a network location and mounts it through gio, where
// the desktop's file managers see it.
#pragma once

class QWidget;

namespace ui {

/// Runs the dialog owned by \a owner; returns true when a mount was started.
bool connectNetworkDrive(QWidget *owner);

} // namespace ui
