// One level of the resource directory: the items of an IMAGE_RESOURCE_DIRECTORY, built on the
// first request and kept. The top-level list holds the resource types, the lists below them
// the resources of one type.
#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

namespace resexplorer {

class TExeImage;
class TResourceItem;

class TResourceList {
public:
    /// A list over the directory at file offset \a directory. \a typeId is the resource type of
    /// the items (0 for the top level), \a typeName its label when it has no number of its own.
    /// \a parent is the list this one hangs below (none for the top level).
    TResourceList(TExeImage &image, std::uint64_t directory, std::int32_t typeId, QString typeName,
                  int depth, const TResourceList *parent);
    virtual ~TResourceList();
    TResourceList(const TResourceList &) = delete;
    TResourceList &operator=(const TResourceList &) = delete;

    int count();
    TResourceItem *itemAt(int index);
    /// The items, built first when this is the first request.
    virtual const std::vector<TResourceItem *> &buildEntries();

    TExeImage &image() const { return m_image; }
    std::uint64_t directory() const { return m_directory; }
    std::int32_t typeId() const { return m_typeId; }
    const QString &typeName() const { return m_typeName; }
    int depth() const { return m_depth; }
    const TResourceList *parent() const { return m_parent; }
    bool isTopLevel() const { return m_parent == nullptr; }

    /// Whether this list or one above it shows the directory at \a directory.
    bool showsDirectory(std::uint64_t directory) const;

    /// The deepest list a well-formed file needs below the top level is the languages of one
    /// resource; anything deeper comes from a damaged directory.
    static constexpr int kMaxDepth = 2;

protected:
    std::vector<TResourceItem *> m_entries;
    bool m_built = false;

private:
    TExeImage &m_image;
    std::uint64_t m_directory;
    std::int32_t m_typeId;
    QString m_typeName;
    int m_depth;
    const TResourceList *m_parent;
    std::vector<std::unique_ptr<TResourceItem>> m_items; ///< every item this list made
};

} // namespace resexplorer
