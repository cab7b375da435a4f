// An icon file (.ico): its directory of images of several sizes and colour depths, and the
// picture of it at a given size, drawn from the image that suits that size best.
#pragma once

#include "images/core/iconimage.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace images {

class IconFile {
public:
    struct Entry {
        IconDirEntry dir;
        qsizetype offset = 0; ///< of the image in the file
        qsizetype size = 0;
        int side() const { return dir.width == 0 ? 256 : dir.width; }
        /// Bits per pixel the directory gives, worked out from the colours when it gives none.
        int depth() const;
    };

    /// Reads the icon file \a path; raises EIconError naming the file when it cannot.
    static IconFile load(const QString &path);
    /// Reads the bytes of an icon file; raises EIconError when they are damaged.
    static IconFile fromBytes(QByteArray bytes);

    const QList<Entry> &entries() const { return m_entries; }
    /// The image bytes of entry \a index.
    QByteArrayView imageBytes(int index) const;

    /// Index of the entry that draws best at \a side by \a side: that size with the most colours,
    /// else the smallest larger one, else the largest.
    int bestEntry(int side) const;

    /// The icon at \a side by \a side (ARGB32), scaled from the best entry when no entry has that
    /// size; raises EIconError when that entry is damaged.
    QImage picture(int side) const;

private:
    IconFile() = default;
    void readDirectory();
    /// Raises EIconError with \a reason, naming the file when it has a name.
    [[noreturn]] void fail(const QString &reason) const;

    QString m_path;
    QByteArray m_bytes;
    QList<Entry> m_entries;
};

} // namespace images
