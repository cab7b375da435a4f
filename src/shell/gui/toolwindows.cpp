#include "shell/gui/toolwindows.h"

#include "resexplorer/gui/tmainform.h"

namespace shell {

QList<ToolWindowKind> toolWindowKinds()
{
    QList<ToolWindowKind> kinds;
    kinds.append({QStringLiteral("ToolBtnRessource"), QStringLiteral("TMainform"),
                  [](QWidget *owner) -> QWidget * { return new resexplorer::TMainForm(owner); }});
    return kinds;
}

} // namespace shell
