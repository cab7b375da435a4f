#include "resexplorer/core/iconresourcelist.h"

#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/iconresentry.h"

#include <unordered_map>

namespace resexplorer {

namespace {

constexpr std::uint64_t kGroupHeaderSize = 6;
constexpr std::uint64_t kGroupEntrySize = 14;

} // namespace

TIconResourceList::TIconResourceList(TExeImage &image, const ByteSpan &group, int depth,
                                     const TResourceList *parent)
    : TResourceList(image, group.origin(), parent ? parent->typeId() : 0,
                    parent ? parent->typeName() : QString(), depth, parent),
      m_group(group)
{
}

TResourceItem *TIconResourceList::imagesNode() const
{
    return image().iconImagesNode();
}

bool TIconResourceList::attach(TResourceItem *item, std::uint64_t entry) const
{
    auto *icon = dynamic_cast<TIconResEntry *>(item);
    if (!icon)
        return false;
    icon->setGroupEntry(entry);
    return true;
}

const std::vector<TResourceItem *> &TIconResourceList::buildEntries()
{
    if (m_built)
        return m_entries;
    std::vector<TResourceItem *> found;
    image().resources().buildEntries();
    // A file without images of this kind gives groups with nothing in them.
    if (TResourceItem *node = imagesNode()) {
        std::unordered_map<std::uint32_t, std::vector<TResourceItem *>> byNumber;
        for (TResourceItem *item : node->subList().buildEntries()) {
            if (!item->isNamed())
                byNumber[item->nameField()].push_back(item);
        }
        const std::uint64_t count = m_group.u16(4);
        const ByteSpan entries = m_group.sub(kGroupHeaderSize, count * kGroupEntrySize);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t at = i * kGroupEntrySize;
            const auto images = byNumber.find(entries.u16(at + 12));
            if (images == byNumber.end())
                continue;
            for (TResourceItem *item : images->second) {
                if (!attach(item, entries.origin() + at))
                    continue;
                image().countEntry();
                found.push_back(item);
            }
        }
    }
    m_entries = std::move(found);
    m_built = true;
    return m_entries;
}

} // namespace resexplorer
