#include "ui/core/systemmenustate.h"

namespace ui {

SystemMenuState systemMenuState(WindowShowState state, bool mdiChild, bool minimizeUsable, bool maximizeUsable)
{
    SystemMenuState menu;
    menu.enabled.fill(true);
    const auto grey = [&menu](SystemMenuItem item) { menu.enabled[std::size_t(item)] = false; };
    if (state == WindowShowState::Normal) {
        grey(SystemMenuItem::Restore);
    } else {
        if (!(mdiChild && state == WindowShowState::Maximized))
            menu.defaultItem = SystemMenuItem::Restore;
        grey(SystemMenuItem::Size);
        grey(SystemMenuItem::Move);
        grey(state == WindowShowState::Maximized ? SystemMenuItem::Maximize : SystemMenuItem::Minimize);
    }
    if (!maximizeUsable)
        grey(SystemMenuItem::Maximize);
    if (!minimizeUsable)
        grey(SystemMenuItem::Minimize);
    return menu;
}

} // namespace ui
