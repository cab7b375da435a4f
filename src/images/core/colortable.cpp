// Colour tables and their defaults.
#include "images/core/colortable.h"

namespace images {

namespace {

constexpr TColorEntry Default16[16] = {
    {0, 0, 0},     {128, 0, 0},   {0, 128, 0},   {128, 128, 0}, {0, 0, 128},   {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0}, {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},   {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
};

} // namespace

void TColorTable::setDefault(int count)
{
    m_count = count;
    switch (count) {
    case 2:
        m_entries[0] = {0, 0, 0};
        m_entries[1] = {255, 255, 255};
        break;
    case 16:
        for (int i = 0; i < 16; ++i)
            m_entries[static_cast<std::size_t>(i)] = Default16[i];
        break;
    case 256:
        for (int i = 0; i < 256; ++i) {
            const auto level = static_cast<std::uint8_t>(i);
            m_entries[static_cast<std::size_t>(i)] = {level, level, level};
        }
        break;
    default:
        break;
    }
}

QRgb TColorTable::rgb(int index) const
{
    const TColorEntry &e = entry(index);
    return qRgb(e.red, e.green, e.blue);
}

} // namespace images
