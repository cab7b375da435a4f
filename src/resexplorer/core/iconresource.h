// An icon group (resource type 14): always a list, whose items are the icon images of the
// sizes and depths the group holds.
#pragma once

#include "resexplorer/core/resourceitem.h"

namespace resexplorer {

class TIconResource : public TResourceItem {
public:
    using TResourceItem::TResourceItem;

    TResourceList &subList() override;
    bool hasSubList() override;

protected:
    /// The group directory is this resource's data, not a directory level.
    ByteSpan groupDirectory();
};

} // namespace resexplorer
