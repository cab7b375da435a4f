// A block of sixteen strings of a string table (resource type 6). Block n holds the strings
// numbered (n - 1) * 16 to (n - 1) * 16 + 15; absent ones have a length of 0.
#pragma once

#include "resexplorer/core/resourceitem.h"

namespace resexplorer {

class TStringResource : public TResourceItem {
public:
    using TResourceItem::TResourceItem;
    using TResourceItem::renderTo;

    /// One line per present string: its number, then the text in quotes.
    void renderTo(QStringList &lines) override;
};

} // namespace resexplorer
