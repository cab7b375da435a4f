// The main frame's placement as it is stored: how it was shown (normal, minimised, maximised)
// and its normal rectangle, kept as the fields of a window placement record.
#pragma once

#include <QRect>

#include <optional>

namespace settings {
class SettingsBatch;
class SettingsStore;
} // namespace settings

namespace shell {

class WindowPlacement {
public:
    enum ShowCommand { ShowNormal = 1, ShowMinimized = 2, ShowMaximized = 3 };

    WindowPlacement() = default;
    /// A frame whose normal (not maximised) geometry is \a normal.
    WindowPlacement(ShowCommand show, const QRect &normal) : m_show(show), m_normal(normal) {}

    static WindowPlacement read(const settings::SettingsStore &store);
    /// The record's fields; positions of the minimised and maximised window are not kept (-1).
    void write(settings::SettingsBatch &batch) const;

    int showCommand() const { return m_show; }
    /// The stored rectangle; none on a first start, which stores nothing but zeros. An empty
    /// height is taken as one pixel.
    std::optional<QRect> normalGeometry() const;

private:
    int m_show = ShowNormal;
    QRect m_normal;
};

} // namespace shell
