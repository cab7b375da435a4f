// The names the icon window and the glyph viewer give the files they save.
#pragma once

#include <QString>

namespace images {

class SaveNames {
public:
    /// \a fileName with its extension (from its last ".") replaced by \a extension, or with
    /// \a extension added when it has none.
    static QString withExtension(const QString &fileName, const QString &extension);
    /// \a name, prefixed with as many "_" as it takes to name no existing file in \a folder.
    static QString unusedName(const QString &name, const QString &folder);
    /// \a name with ".BMP" added unless it already holds ".BMP" (upper case) somewhere.
    static QString withBmpSuffix(const QString &name);
};

} // namespace images
