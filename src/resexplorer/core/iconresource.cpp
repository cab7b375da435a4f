#include "resexplorer/core/iconresource.h"

#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/iconresourcelist.h"

namespace resexplorer {

bool TIconResource::hasSubList()
{
    return true;
}

ByteSpan TIconResource::groupDirectory()
{
    return entryData();
}

TResourceList &TIconResource::subList()
{
    if (!m_subList)
        m_subList = std::make_unique<TIconResourceList>(image(), groupDirectory(), owner().depth() + 1, &owner());
    return *m_subList;
}

} // namespace resexplorer
