// The folder named on the command line ("vorlane FOLDER"), where the search dialog opens.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

/// The first argument after the program's name, as a clean absolute path, when it names an
/// existing folder; empty otherwise (no argument, a file, a missing folder).
QString startFolder(const QStringList &arguments);

} // namespace shell
