// Which items of a window's system menu are enabled, and which is the default (bold) one,
// for the window's state: refreshed each time the menu opens.
#pragma once

#include "ui/core/captiongeometry.h"

#include <array>

namespace ui {

enum class SystemMenuItem { Restore, Move, Size, Minimize, Maximize, Close };

struct SystemMenuState {
    std::array<bool, 6> enabled{};
    SystemMenuItem defaultItem = SystemMenuItem::Close;

    bool isEnabled(SystemMenuItem item) const { return enabled[std::size_t(item)]; }
};

/// \a minimizeUsable and \a maximizeUsable: the caption button is shown and enabled.
SystemMenuState systemMenuState(WindowShowState state, bool mdiChild, bool minimizeUsable, bool maximizeUsable);

} // namespace ui
