#include "images/core/savenames.h"

#include <QDir>
#include <QFileInfo>

namespace images {

QString SaveNames::withExtension(const QString &fileName, const QString &extension)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const QString base = dot > slash ? fileName.left(dot) : fileName;
    return base + extension;
}

QString SaveNames::unusedName(const QString &name, const QString &folder)
{
    const QDir dir(folder);
    QString free = name;
    // A symbolic link that leads nowhere still takes the name.
    while (QFileInfo(dir.filePath(free)).exists() || QFileInfo(dir.filePath(free)).isSymLink())
        free.prepend(QLatin1Char('_'));
    return free;
}

QString SaveNames::withBmpSuffix(const QString &name)
{
    return name.contains(QLatin1String(".BMP")) ? name : name + QStringLiteral(".BMP");
}

} // namespace images
