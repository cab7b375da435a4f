#include "shell/gui/toolwindows.h"

#include "net/gui/tftpsimple.h"
#include "resexplorer/gui/tmainform.h"
#include "settings/settingsstore.h"
#include "shell/gui/tframeform.h"

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
