// The list of folder names the search can leave out, as the search dialog edits it and the
// settings keep it: names separated by "/", which no folder name can hold.
#pragma once

#include <QString>
#include <QStringList>

namespace search {

/// Whether \a name can be the name of a folder: not empty, no "/", neither "." nor "..".
bool isFolderName(const QString &name);

/// The names stored as \a text, without empty or repeated ones.
QStringList excludedFoldersFromText(const QString &text);
/// \a names as stored.
QString excludedFoldersText(const QStringList &names);

} // namespace search
