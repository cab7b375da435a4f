// A cursor group (resource type 12): a list of the cursor images it holds.
#pragma once

#include "resexplorer/core/iconresource.h"

namespace resexplorer {

class TCursorResource : public TIconResource {
public:
    using TIconResource::TIconResource;

    TResourceList &subList() override;
};

} // namespace resexplorer
