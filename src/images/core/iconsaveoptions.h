// How the icon window saves its selection: the format (low byte of the options word) and the
// naming mode (high byte). The window keeps the word for its lifetime; it is not stored.
#pragma once

#include <QString>

#include <cstdint>

namespace images {

class IconSaveOptions {
public:
    enum Format : std::uint8_t { Icon = 0, SmallIcon = 1, Bitmap = 2, SmallBitmap = 3 };
    enum Naming : std::uint8_t { AskName = 0, ImageName = 1 };

    IconSaveOptions() = default;
    IconSaveOptions(Format format, Naming naming) : m_format(format), m_naming(naming) {}
    /// From the options word; values out of range give the defaults.
    static IconSaveOptions fromWord(std::uint16_t word);
    /// naming mode × 256 + format.
    std::uint16_t word() const { return static_cast<std::uint16_t>(m_naming * 256 + m_format); }

    Format format() const { return m_format; }
    Naming naming() const { return m_naming; }
    bool isBitmap() const { return m_format == Bitmap || m_format == SmallBitmap; }
    /// 32 for the large pictures, 16 for the small ones.
    int side() const { return m_format == SmallIcon || m_format == SmallBitmap ? 16 : 32; }
    /// ".bmp" or ".ico".
    QString extension() const;

private:
    Format m_format = Icon;
    Naming m_naming = AskName;
};

} // namespace images
