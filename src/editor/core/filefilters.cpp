#include "editor/core/filefilters.h"

#include <QRegularExpression>

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

QStringList qtNameFilters(const QString &labelsAndPatterns)
{
    static const QRegularExpression endsInPatterns(QStringLiteral("\\([^()]*\\)$"));
    QStringList filters;
    const QStringList parts = labelsAndPatterns.split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        if (endsInPatterns.match(label).hasMatch())
            filters.append(label);
        else
            filters.append(label + QStringLiteral(" (") + parts[i + 1].split(';').join(' ') + ')');
    }
    return filters;
}

} // namespace editor
