// One cursor image (resource type 1): its hot spot, then an image like an icon's. Named after
// the cursor group's entry for it; saved as a .cur file with that hot spot.
#pragma once

#include "resexplorer/core/iconresentry.h"

namespace resexplorer {

class TCursorResEntry : public TIconResEntry {
public:
    using TIconResEntry::TIconResEntry;

    QString displayName() override;
    void writeData(QIODevice &out) override;

    /// File offset of the 14-byte entry of the cursor group that listed this image last.
    std::optional<std::uint64_t> cursorGroupEntry() const { return m_cursorGroupEntry; }
    void setCursorGroupEntry(std::uint64_t entry) { m_cursorGroupEntry = entry; }

protected:
    ByteSpan imageBytes() override;

private:
    std::optional<std::uint64_t> m_cursorGroupEntry;
};

} // namespace resexplorer
