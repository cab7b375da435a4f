#include "resexplorer/core/resourceitem.h"

#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/resourcelist.h"
#include "resexplorer/core/resourcetype.h"

#include <QSaveFile>

#include <algorithm>

namespace resexplorer {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;

} // namespace

TResourceItem::TResourceItem(TResourceList &owner, std::uint64_t entry) : m_owner(owner), m_entry(entry)
{
}

TResourceItem::~TResourceItem() = default;

std::uint32_t TResourceItem::entryField(std::uint64_t field) const
{
    return image().view().u32(m_entry + field);
}

std::uint32_t TResourceItem::nameField() const
{
    return entryField(0);
}

bool TResourceItem::isNamed() const
{
    return (nameField() & kHighBit) != 0;
}

QString TResourceItem::entryName() const
{
    const std::uint32_t name = nameField();
    if (!(name & kHighBit))
        return QString::number(name);
    const ByteSpan &view = image().view();
    const std::uint64_t at = image().resourceBase() + (name & ~kHighBit);
    return view.utf16(at + 2, view.u16(at));
}

QString TResourceItem::displayName()
{
    if (m_owner.isTopLevel() && !isNamed() && isKnownType(nameField()))
        return knownTypeLabel(nameField());
    return entryName();
}

std::uint64_t TResourceItem::subDirectory() const
{
    return image().resourceBase() + (entryField(4) & ~kHighBit);
}

std::uint64_t TResourceItem::firstChildEntry() const
{
    return subDirectory() + 16;
}

bool TResourceItem::hasSubList()
{
    return (image().view().u32(firstChildEntry() + 4) & kHighBit) != 0;
}

std::uint64_t TResourceItem::dataEntry() const
{
    return image().resourceBase() + image().view().u32(firstChildEntry() + 4);
}

std::uint64_t TResourceItem::dataPtr() const
{
    const std::int64_t at = std::int64_t(image().resourceBase()) + image().view().u32(dataEntry())
        - std::int64_t(image().resourceRva());
    if (at < 0)
        throw EExeError(damage::outsideFile());
    return static_cast<std::uint64_t>(at);
}

std::uint32_t TResourceItem::dataSize()
{
    if (hasSubList())
        return 0;
    return image().view().u32(dataEntry() + 4);
}

ByteSpan TResourceItem::data()
{
    return hasSubList() ? ByteSpan() : entryData();
}

ByteSpan TResourceItem::entryData() const
{
    const std::uint32_t size = image().view().u32(dataEntry() + 4);
    if (size == 0)
        return ByteSpan();
    return image().view().sub(dataPtr(), size);
}

ByteSpan TResourceItem::availableData()
{
    if (hasSubList())
        return ByteSpan();
    const std::uint32_t size = dataSize();
    const std::uint64_t at = dataPtr();
    const ByteSpan &view = image().view();
    if (at >= view.size())
        return ByteSpan(nullptr, 0, at);
    return view.sub(at, std::min<std::uint64_t>(size, view.size() - at));
}

std::uint32_t TResourceItem::displayOffset()
{
    if (hasSubList())
        return entryField(4) & ~kHighBit;
    return image().view().u32(dataEntry());
}

std::int32_t TResourceItem::typeId() const
{
    return m_owner.typeId();
}

QString TResourceItem::typeLabel() const
{
    if (isKnownType(typeId()))
        return knownTypeLabel(typeId());
    return m_owner.typeName();
}

TExeImage &TResourceItem::image() const
{
    return m_owner.image();
}

TResourceList &TResourceItem::directorySubList()
{
    if (m_subList)
        return *m_subList;
    if (!hasSubList())
        throw EExeError(QStringLiteral("L'élément de Resource n'est pas une liste"));
    const int depth = m_owner.depth() + 1;
    if (depth > TResourceList::kMaxDepth)
        throw EExeError(damage::tooDeep());
    const std::uint64_t directory = subDirectory();
    if (m_owner.showsDirectory(directory))
        throw EExeError(damage::loop());
    // The resources of a type take its number; the levels below keep the type of their list.
    const bool typeLevel = m_owner.isTopLevel();
    const std::int32_t type = typeLevel ? static_cast<std::int32_t>(nameField()) : m_owner.typeId();
    const QString typeName = typeLevel ? displayName() : m_owner.typeName();
    m_subList = std::make_unique<TResourceList>(image(), directory, type, typeName, depth, &m_owner);
    return *m_subList;
}

TResourceList &TResourceItem::subList()
{
    return directorySubList();
}

void TResourceItem::writeBytes(QIODevice &out, const QByteArray &bytes)
{
    if (out.write(bytes) != bytes.size())
        throw EExeError(QStringLiteral("Erreur d'écriture : ") + out.errorString());
}

void TResourceItem::writeData(QIODevice &out)
{
    writeBytes(out, data().rawView());
}

void TResourceItem::renderTo(QImage &)
{
    throw EExeError(QStringLiteral("Cette ressource n'est pas une image"));
}

void TResourceItem::renderTo(QStringList &)
{
    throw EExeError(QStringLiteral("Cette ressource n'est pas un texte"));
}

void TResourceItem::saveToFile(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EExeError(QStringLiteral("Impossible de créer le fichier %1").arg(path));
    writeData(file);
    if (!file.commit())
        throw EExeError(QStringLiteral("Erreur d'écriture : %1").arg(file.errorString()));
}

} // namespace resexplorer
