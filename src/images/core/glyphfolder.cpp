#include "images/core/glyphfolder.h"

#include <QDir>

#include <algorithm>

namespace images {

QList<GlyphFile> GlyphFolder::list(const QString &folder)
{
    QList<GlyphFile> files;
    const QDir dir(folder);
    // Without QDir::Hidden and QDir::System, hidden files, devices, pipes and sockets stay out.
    // The name filter ignores case.
    const QFileInfoList entries = dir.entryInfoList({QStringLiteral("*.bmp")}, QDir::Files);
    for (const QFileInfo &info : entries)
        files.append({info.fileName().toLower(), info.absoluteFilePath()});
    std::stable_sort(files.begin(), files.end(),
                     [](const GlyphFile &a, const GlyphFile &b) { return a.shownName < b.shownName; });
    return files;
}

} // namespace images
