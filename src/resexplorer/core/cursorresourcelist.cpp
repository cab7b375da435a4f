#include "resexplorer/core/cursorresourcelist.h"

#include "resexplorer/core/cursorresentry.h"
#include "resexplorer/core/exeimage.h"

namespace resexplorer {

TResourceItem *TCursorResourceList::imagesNode() const
{
    return image().cursorImagesNode();
}

bool TCursorResourceList::attach(TResourceItem *item, std::uint64_t entry) const
{
    auto *cursor = dynamic_cast<TCursorResEntry *>(item);
    if (!cursor)
        return false;
    cursor->setCursorGroupEntry(entry);
    return true;
}

} // namespace resexplorer
