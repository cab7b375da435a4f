#include "shell/gui/toolwindows.h"

#include "net/gui/tftpsimple.h"
#include "resexplorer/gui/tmainform.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "tools/gui/tform_spy.h"
#include "tools/gui/tformfontlist.h"

namespace shell {

QList<ToolWindowKind> toolWindowKinds()
{
    QList<ToolWindowKind> kinds;
    kinds.append({QStringLiteral("ToolBtnFtp"), QStringLiteral("TFtpsimple"), [](QWidget *owner, const settings::SettingsStore &) -> QWidget * {
                      auto *window = new net::TFtpsimple(owner);
                      // "Voir" shows a local file in the program's own editor.
                      if (auto *frame = qobject_cast<Tframeform *>(owner))
                          window->setFileViewer([frame](const QString &path) { frame->openchild(path); });
                      return window;
                  }});
    kinds.append({QStringLiteral("ToolBtnRessource"), QStringLiteral("TMainform"),
                  [](QWidget *owner, const settings::SettingsStore &) -> QWidget * {
                      return new resexplorer::TMainForm(owner);
                  }});
    kinds.append({QStringLiteral("ToolBtnFont"), QStringLiteral("TFormFontlist"),
                  [](QWidget *owner, const settings::SettingsStore &) -> QWidget * {
                      return new tools::TFormFontlist(owner);
                  }});
    kinds.append({QStringLiteral("SpyBtn"), QStringLiteral("TForm_Spy"),
                  [](QWidget *owner, const settings::SettingsStore &) -> QWidget * {
                      return new tools::TForm_Spy(owner);
                  }});
    return kinds;
}

} // namespace shell
