// Programs of the user's system: found on the path, and started on their own.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

/// The full path of the program \a name: \a name itself when it holds a '/' and is executable,
/// otherwise the first executable of that name on $PATH; empty when there is none.
QString findProgram(const QString &name);

/// Starts \a program with \a arguments, detached, in \a folder. False when it could not start.
bool startProgram(const QString &program, const QStringList &arguments, const QString &folder);

} // namespace platform
