#include "resexplorer/core/cursorresource.h"

#include "resexplorer/core/cursorresourcelist.h"

namespace resexplorer {

TResourceList &TCursorResource::subList()
{
    if (!m_subList)
        m_subList = std::make_unique<TCursorResourceList>(image(), groupDirectory(), owner().depth() + 1, &owner());
    return *m_subList;
}

} // namespace resexplorer
