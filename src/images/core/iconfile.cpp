// Reading icon files: the directory is checked entry by entry before any image is decoded.
#include "images/core/iconfile.h"

#include "images/core/bytereader.h"
#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

#include <utility>

namespace images {

namespace {

constexpr std::uint16_t IconType = 1;
constexpr std::size_t HeaderSize = 6;
constexpr std::size_t EntrySize = 16;

QString truncated()
{
    return QStringLiteral("fichier tronqué");
}

} // namespace

int IconFile::Entry::depth() const
{
    if (dir.bitCount != 0 || dir.colorCount == 0)
        return dir.bitCount;
    int bits = 1;
    while ((1 << bits) < dir.colorCount)
        ++bits;
    return bits;
}

IconFile IconFile::load(const QString &path)
{
    IconFile file;
    try {
        file.m_bytes = readFileBytes(path);
    } catch (const EInOutError &error) {
        throw EIconError(error.message());
    }
    file.m_path = path;
    file.readDirectory();
    return file;
}

IconFile IconFile::fromBytes(QByteArray bytes)
{
    IconFile file;
    file.m_bytes = std::move(bytes);
    file.readDirectory();
    return file;
}

QByteArrayView IconFile::imageBytes(int index) const
{
    const Entry &entry = m_entries.at(index);
    return QByteArrayView(m_bytes).sliced(entry.offset, entry.size);
}

void IconFile::fail(const QString &reason) const
{
    if (m_path.isEmpty())
        throw EIconError(QStringLiteral("Icône illisible : %1").arg(reason));
    throw EIconError(QStringLiteral("Le fichier \"%1\" n'est pas une icône lisible : %2").arg(m_path, reason));
}

void IconFile::readDirectory()
{
    ByteReader in(m_bytes);
    if (in.size() < HeaderSize)
        fail(truncated());
    if (in.u16le() != 0 || in.u16le() != IconType)
        fail(QStringLiteral("ce n'est pas un fichier d'icônes"));
    const std::uint16_t count = in.u16le();
    if (count == 0)
        fail(QStringLiteral("il ne contient aucune image"));
    if (!in.contains(HeaderSize, EntrySize * count))
        fail(truncated());
    for (std::uint16_t n = 0; n < count; ++n) {
        Entry entry;
        entry.dir.width = in.u8();
        entry.dir.height = in.u8();
        entry.dir.colorCount = in.u8();
        entry.dir.reserved = in.u8();
        entry.dir.planes = in.u16le();
        entry.dir.bitCount = in.u16le();
        const std::uint32_t size = in.u32le();
        const std::uint32_t offset = in.u32le();
        if (size == 0 || !in.contains(offset, size))
            fail(QStringLiteral("l'image %1 sort du fichier").arg(n + 1));
        entry.offset = static_cast<qsizetype>(offset);
        entry.size = static_cast<qsizetype>(size);
        m_entries.append(entry);
    }
}

int IconFile::bestEntry(int side) const
{
    // Ranks: the size itself first, then larger sizes from the nearest, then smaller ones from
    // the nearest; within one size, more colours first.
    const auto rank = [side](const Entry &e) {
        const int s = e.side();
        const int distance = s == side ? 0 : s > side ? s - side : 1024 + side - s;
        return std::pair(distance, -e.depth());
    };
    int best = 0;
    for (int n = 1; n < m_entries.size(); ++n) {
        if (rank(m_entries.at(n)) < rank(m_entries.at(best)))
            best = n;
    }
    return best;
}

QImage IconFile::picture(int side) const
{
    QImage image;
    try {
        image = IconImage::decode(imageBytes(bestEntry(side)));
    } catch (const EInOutError &) {
        fail(truncated());
    } catch (const EIconError &error) {
        fail(error.message());
    }
    if (image.size() == QSize(side, side))
        return image;
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied)
        .scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

} // namespace images
