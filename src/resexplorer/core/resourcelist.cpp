#include "resexplorer/core/resourcelist.h"

#include "resexplorer/core/bitmapresource.h"
#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/cursorresentry.h"
#include "resexplorer/core/cursorresource.h"
#include "resexplorer/core/iconresource.h"
#include "resexplorer/core/menuresource.h"
#include "resexplorer/core/resourcetype.h"
#include "resexplorer/core/stringresource.h"

namespace resexplorer {

namespace {

constexpr std::uint64_t kDirectoryHeaderSize = 16;
constexpr std::uint64_t kEntrySize = 8;

std::unique_ptr<TResourceItem> createItem(TResourceList &list, std::uint64_t entry)
{
    switch (list.typeId()) {
    case rtCursorEntry:
        return std::make_unique<TCursorResEntry>(list, entry);
    case rtBitmap:
        return std::make_unique<TBitMapResource>(list, entry);
    case rtIconEntry:
        return std::make_unique<TIconResEntry>(list, entry);
    case rtMenu:
        return std::make_unique<TMenuResource>(list, entry);
    case rtString:
        return std::make_unique<TStringResource>(list, entry);
    case rtCursor:
        return std::make_unique<TCursorResource>(list, entry);
    case rtIcon:
        return std::make_unique<TIconResource>(list, entry);
    default:
        return std::make_unique<TResourceItem>(list, entry);
    }
}

} // namespace

TResourceList::TResourceList(TExeImage &image, std::uint64_t directory, std::int32_t typeId,
                             QString typeName, int depth, const TResourceList *parent)
    : m_image(image), m_directory(directory), m_typeId(typeId), m_typeName(std::move(typeName)),
      m_depth(depth), m_parent(parent)
{
}

TResourceList::~TResourceList() = default;

int TResourceList::count()
{
    return static_cast<int>(buildEntries().size());
}

TResourceItem *TResourceList::itemAt(int index)
{
    return buildEntries().at(static_cast<std::size_t>(index));
}

bool TResourceList::showsDirectory(std::uint64_t directory) const
{
    for (const TResourceList *list = this; list; list = list->m_parent) {
        if (list->m_directory == directory)
            return true;
    }
    return false;
}

const std::vector<TResourceItem *> &TResourceList::buildEntries()
{
    if (m_built)
        return m_entries;
    const ByteSpan &view = m_image.view();
    const ByteSpan header = view.sub(m_directory, kDirectoryHeaderSize);
    const std::uint64_t count = std::uint64_t(header.u16(12)) + header.u16(14);
    // The whole entry array must lie in the file before anything is made from it.
    const ByteSpan entries = view.sub(m_directory + kDirectoryHeaderSize, count * kEntrySize);

    std::vector<std::unique_ptr<TResourceItem>> items;
    std::vector<TResourceItem *> shown;
    TResourceItem *cursorImages = nullptr;
    TResourceItem *iconImages = nullptr;
    items.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        m_image.countEntry();
        items.push_back(createItem(*this, entries.origin() + i * kEntrySize));
        TResourceItem *item = items.back().get();
        if (isTopLevel() && !item->isNamed() && item->nameField() == rtCursorEntry)
            cursorImages = item;
        else if (isTopLevel() && !item->isNamed() && item->nameField() == rtIconEntry)
            iconImages = item;
        else
            shown.push_back(item);
    }
    // Only a list built to its end hands out its items.
    m_items = std::move(items);
    m_entries = std::move(shown);
    if (isTopLevel()) {
        m_image.setCursorImagesNode(cursorImages);
        m_image.setIconImagesNode(iconImages);
    }
    m_built = true;
    return m_entries;
}

} // namespace resexplorer
