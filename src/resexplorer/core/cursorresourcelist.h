// The images of one cursor group: the cursor images its entries name, as for icon groups.
#pragma once

#include "resexplorer/core/iconresourcelist.h"

namespace resexplorer {

class TCursorResourceList : public TIconResourceList {
public:
    using TIconResourceList::TIconResourceList;

protected:
    TResourceItem *imagesNode() const override;
    bool attach(TResourceItem *item, std::uint64_t entry) const override;
};

} // namespace resexplorer
