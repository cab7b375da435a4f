// Hand-over of a file to the desktop: its default action, or running it.
#pragma once

#include <QString>

namespace platform {

/// The desktop's default action for \a file (xdg-open). Returns false when nothing could be started.
bool shellOpen(const QString &file);

/// Runs \a file when it carries the execute permission (detached, \a folder as working
/// directory); anything else goes to the default action. Returns false when nothing was started.
bool shellExecute(const QString &file, const QString &folder);

} // namespace platform
