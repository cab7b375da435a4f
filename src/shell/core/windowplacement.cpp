#include "shell/core/windowplacement.h"

#include "settings/settingsbatch.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <algorithm>

namespace shell {

WindowPlacement WindowPlacement::read(const settings::SettingsStore &store)
{
    namespace window = settings::window;
    WindowPlacement placement;
    placement.m_show = store.read(window::PlaceShowCmd);
    // Right and bottom are stored one past the rectangle, as left + width and top + height.
    const int left = store.read(window::PlaceNormPosL), top = store.read(window::PlaceNormPosT);
    const int right = store.read(window::PlaceNormPosR), bottom = store.read(window::PlaceNormPosB);
    placement.m_normal = QRect(left, top, right - left, bottom - top);
    return placement;
}

void WindowPlacement::write(settings::SettingsBatch &batch) const
{
    namespace window = settings::window;
    batch.write(window::PlaceFlags, 0);
    batch.write(window::PlaceShowCmd, m_show);
    batch.write(window::PlaceMinPosX, -1);
    batch.write(window::PlaceMinPosY, -1);
    batch.write(window::PlaceMaxPosX, -1);
    batch.write(window::PlaceMaxPosY, -1);
    batch.write(window::PlaceNormPosL, m_normal.left());
    batch.write(window::PlaceNormPosT, m_normal.top());
    batch.write(window::PlaceNormPosR, m_normal.left() + m_normal.width());
    batch.write(window::PlaceNormPosB, m_normal.top() + m_normal.height());
}

std::optional<QRect> WindowPlacement::normalGeometry() const
{
    if (m_normal.width() <= 0)
        return std::nullopt;
    return QRect(m_normal.left(), m_normal.top(), m_normal.width(), std::max(1, m_normal.height()));
}

} // namespace shell
