// An executable or DLL opened read-only for its resources: checks that it is a PE file and, on
// the first request, finds the resource section and makes the top-level list of resource types.
// Owns every list and item built from it; destroying the image releases them and the view.
#pragma once

#include "platform/mappedfile.h"
#include "resexplorer/core/bytespan.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace resexplorer {

class TResourceItem;
class TResourceList;

class TExeImage {
public:
    /// Opens and checks \a path; raises EExeError when it cannot be read or is not a PE file.
    explicit TExeImage(const QString &path);
    ~TExeImage();
    TExeImage(const TExeImage &) = delete;
    TExeImage &operator=(const TExeImage &) = delete;

    const QString &path() const { return m_path; }
    /// The whole file.
    const ByteSpan &view() const { return m_view; }

    /// The top-level list (one item per resource type). Locates the resource section on the
    /// first call; raises EExeError when the file has none.
    TResourceList &resources();

    /// File offset of the resource section: directory offsets count from here.
    std::uint64_t resourceBase() const { return m_resourceBase; }
    /// Where the resource section is loaded: data offsets are relative to this.
    std::uint32_t resourceRva() const { return m_resourceRva; }

    /// The top-level items of the icon-image and cursor-image types, which the groups refer to.
    TResourceItem *iconImagesNode() const { return m_iconImagesNode; }
    TResourceItem *cursorImagesNode() const { return m_cursorImagesNode; }
    void setIconImagesNode(TResourceItem *item) { m_iconImagesNode = item; }
    void setCursorImagesNode(TResourceItem *item) { m_cursorImagesNode = item; }

    /// Counts one more list entry. A damaged directory can name the same sub-directory from
    /// many entries and multiply them; past a limit no real file reaches, EExeError is raised.
    void countEntry();

    static constexpr std::size_t kMaxEntries = 200000;

private:
    void locateResources();

    QString m_path;
    platform::MappedFile m_file;
    ByteSpan m_view;
    std::uint64_t m_peHeader = 0;
    std::uint64_t m_sectionTable = 0;
    std::uint16_t m_sectionCount = 0;
    std::uint64_t m_resourceBase = 0;
    std::uint32_t m_resourceRva = 0;
    std::unique_ptr<TResourceList> m_topList;
    TResourceItem *m_iconImagesNode = nullptr;
    TResourceItem *m_cursorImagesNode = nullptr;
    std::size_t m_entryCount = 0;
};

} // namespace resexplorer
