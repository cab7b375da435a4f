// The images of one icon group: for each entry of the group directory, the icon images whose
// number it names, in the group's order. The images stay owned by the icon-image list; this
// list only refers to them, so an image two groups name appears under both.
#pragma once

#include "resexplorer/core/bytespan.h"
#include "resexplorer/core/resourcelist.h"

namespace resexplorer {

class TIconResEntry;

class TIconResourceList : public TResourceList {
public:
    /// The list of the group directory \a group, hanging below \a parent.
    TIconResourceList(TExeImage &image, const ByteSpan &group, int depth, const TResourceList *parent);

    const std::vector<TResourceItem *> &buildEntries() override;

protected:
    /// The top-level item whose resources the group names.
    virtual TResourceItem *imagesNode() const;
    /// Records in \a item that the group entry at file offset \a entry names it; false when
    /// the item is not an image of this kind.
    virtual bool attach(TResourceItem *item, std::uint64_t entry) const;

private:
    ByteSpan m_group;
};

} // namespace resexplorer
