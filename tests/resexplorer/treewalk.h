// Helpers to find and visit the items of a resource tree in the tests.
#pragma once

#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"

#include <QStringList>

#include <functional>

namespace rxtests {

/// The display names of the items of \a list, in order.
QStringList names(resexplorer::TResourceList &list);

/// The item of \a list named \a name; throws std::runtime_error when there is none.
resexplorer::TResourceItem &child(resexplorer::TResourceList &list, const QString &name);

/// The item at \a path ("Icon/2/32 X 32 16 Couleurs") below the top-level list of \a image.
resexplorer::TResourceItem &itemAt(resexplorer::TExeImage &image, const QString &path);

/// Asks every item below the top-level list everything the explorer window asks of it:
/// names, lists, offsets, sizes, renderings and the saved form. Errors other than
/// EExeError escape. Gives the number of items visited.
int visitAll(resexplorer::TExeImage &image);

} // namespace rxtests
