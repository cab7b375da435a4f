// A GIF colour table: 256 red, green, blue entries and the count in use, with the default
// entries the program gives a table of 2, 16 or 256 colours when it is made.
#pragma once

#include <QRgb>

#include <array>
#include <cstdint>

namespace images {

struct TColorEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const TColorEntry &) const = default;
};

class TColorTable {
public:
    static constexpr int MaxEntries = 256;

    TColorTable() = default;
    /// A table of \a count entries holding the defaults for that count.
    explicit TColorTable(int count) { setDefault(count); }

    int count() const { return m_count; }
    /// Sets the count and, for 2, 16 and 256, the default entries; other counts keep the entries.
    void setDefault(int count);
    void setCount(int count) { m_count = count; }

    const TColorEntry &entry(int index) const { return m_entries[static_cast<std::size_t>(index & 0xFF)]; }
    void setEntry(int index, TColorEntry entry) { m_entries[static_cast<std::size_t>(index & 0xFF)] = entry; }
    QRgb rgb(int index) const;

private:
    std::array<TColorEntry, MaxEntries> m_entries{};
    int m_count = 0;
};

} // namespace images
