#include "shell/gui/toolwindows.h"

#include "images/gui/tboite_icone.h"
#include "media/gui/tmultimedia.h"
#include "net/gui/tformwebnav.h"
#include "net/gui/tftpsimple.h"
#include "resexplorer/gui/tmainform.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"
#include "tools/gui/tform_spy.h"
#include "tools/gui/tformfontlist.h"
#include "tools/gui/tformreg.h"

#include <QApplication>

namespace shell {

QList<ToolWindowKind> toolWindowKinds()
{
    QList<ToolWindowKind> kinds;
    kinds.append({QStringLiteral("ToolBtnFtp"), QStringLiteral("TFtpsimple"), [](QWidget *owner, const settings::SettingsStore &store) -> QWidget * {
                      auto *window = new net::TFtpsimple(store, owner);
                      // "Voir" shows a local file in the program's own editor.
                      if (auto *frame = qobject_cast<Tframeform *>(owner))
                          window->setFileViewer([frame](const QString &path) { frame->openchild(path); });
                      return window;
                  }});
    kinds.append({QStringLiteral("ToolBtnRessource"), QStringLiteral("TMainform"),
                  [](QWidget *owner, const settings::SettingsStore &) -> QWidget * {
                      return new resexplorer::TMainForm(owner);
                  }});
    kinds.append({QStringLiteral("ToolBtnHtml"), QStringLiteral("TFormWebNav"),
                  [](QWidget *owner, const settings::SettingsStore &store) -> QWidget * {
                      auto *window = new net::TFormWebNav(store, owner);
                      // "Voir le code source" shows the page's source in the program's own editor.
                      if (auto *frame = qobject_cast<Tframeform *>(owner))
                          window->setSourceViewer([frame](const QString &caption, const QString &text) {
                              frame->textchild(caption, text);
                          });
                      return window;
                  }});
    kinds.append({QStringLiteral("ToolBtnReg"), QStringLiteral("TFormreg"),
                  [](QWidget *owner, const settings::SettingsStore &store) -> QWidget * {
                      return new tools::TFormreg(store, owner);
                  }});
    kinds.append({QStringLiteral("ToolBtnicone"), QStringLiteral("Tboite_icone"),
                  [](QWidget *owner, const settings::SettingsStore &store) -> QWidget * {
                      return new images::Tboite_icone(store, owner);
                  }});
    kinds.append({QStringLiteral("ToolBtnMedia"), QStringLiteral("Tmultimedia"),
                  [](QWidget *owner, const settings::SettingsStore &store) -> QWidget * {
                      return new media::Tmultimedia(store, owner);
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

QWidget *findToolWindow(const QString &className)
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        QString name = QString::fromLatin1(top->metaObject()->className());
        name = name.mid(name.lastIndexOf(':') + 1);
        if (name.compare(className, Qt::CaseInsensitive) == 0)
            return top;
    }
    return nullptr;
}

} // namespace shell
