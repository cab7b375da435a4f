// Whether the desktop composites windows, so that a window's transparent pixels show what
// lies beneath it.
#pragma once

namespace platform {

/// True on Wayland, and on X11 when a compositing manager owns the screen's _NET_WM_CM selection.
bool screenComposited();

} // namespace platform
