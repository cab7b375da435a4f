// One icon image (resource type 3). It is reached through the icon groups that name it, and
// takes its name from the group's entry for it. Saved as an .ico file holding that one image.
#pragma once

#include "resexplorer/core/iconbytes.h"
#include "resexplorer/core/resourceitem.h"

#include <optional>

namespace resexplorer {

class TIconResEntry : public TResourceItem {
public:
    using TResourceItem::TResourceItem;
    using TResourceItem::renderTo;

    QString displayName() override;
    void writeData(QIODevice &out) override;
    void renderTo(QImage &picture) override;

    /// File offset of the 14-byte entry of the group that listed this image last.
    std::optional<std::uint64_t> groupEntry() const { return m_groupEntry; }
    void setGroupEntry(std::uint64_t entry) { m_groupEntry = entry; }

protected:
    /// The image bytes, without what precedes them in the resource.
    virtual ByteSpan imageBytes();

private:
    std::optional<std::uint64_t> m_groupEntry;
};

} // namespace resexplorer
