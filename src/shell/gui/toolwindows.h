// The tool windows the frame's toolbar opens. Each tool subsystem adds one entry to the list in
// toolwindows.cpp; a toolbar button without an entry stays disabled.
#pragma once

#include <QList>
#include <QString>

#include <functional>

namespace settings {
class SettingsStore;
}

class QWidget;

namespace shell {

struct ToolWindowKind {
    QString buttonName; ///< objectName of the toolbar button ("ToolBtnFtp")
    QString className;  ///< class name the frame looks for among top-level windows ("TFtpsimple")
    /// Creates the window owned by \a owner (a top-level window, deleted when closed), which
    /// keeps its settings in \a store.
    std::function<QWidget *(QWidget *owner, const settings::SettingsStore &store)> create;
};

QList<ToolWindowKind> toolWindowKinds();

/// The open top-level window whose class is \a className (namespace left out, letter case
/// ignored), or none: one window per tool.
QWidget *findToolWindow(const QString &className);

} // namespace shell
