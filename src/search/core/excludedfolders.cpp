#include "search/core/excludedfolders.h"

namespace search {

bool isFolderName(const QString &name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != QLatin1String(".") && name != QLatin1String("..");
}

QStringList excludedFoldersFromText(const QString &text)
{
    QStringList names;
    for (const QString &name : text.split(u'/', Qt::SkipEmptyParts))
        if (isFolderName(name) && !names.contains(name))
            names.append(name);
    return names;
}

QString excludedFoldersText(const QStringList &names)
{
    return names.join(u'/');
}

} // namespace search
