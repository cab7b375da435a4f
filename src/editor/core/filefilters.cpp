#include "editor/core/filefilters.h"

namespace editor {

QString extensionOf(const QString &path)
{
    const qsizetype dot = path.lastIndexOf('.');
    if (dot < 0 || dot < path.lastIndexOf('/'))
        return QString();
    return path.mid(dot);
}

QString closeSaveFilter(const QString &caption)
{
    const QString extension = extensionOf(caption);
    return QStringLiteral("(*") + extension + QStringLiteral(")|*") + extension;
}

bool isRichTextName(const QString &fileName)
{
    return extensionOf(fileName).compare(QStringLiteral(".rtf"), Qt::CaseInsensitive) == 0;
}

} // namespace editor
