// A menu template (resource type 4), listed as the lines of a resource script: POPUP and
// MENUITEM lines indented by their depth, ENDPOPUP where a level ends.
#pragma once

#include "resexplorer/core/resourceitem.h"

namespace resexplorer {

class TMenuResource : public TResourceItem {
public:
    using TResourceItem::TResourceItem;
    using TResourceItem::renderTo;

    void renderTo(QStringList &lines) override;

    int depth() const { return m_depth; }
    /// Two blanks per level.
    QString indentText() const;

private:
    int m_depth = 0;
};

} // namespace resexplorer
