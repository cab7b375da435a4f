// Which entries a search walk sees and in what order, shared by the walk on the caller's thread
// and the one run by worker threads: the listing order of the volume (names sorted without
// regard to case), the masks of the two walk modes, the dot folders left out, and the file
// names that qualify for the extension code.
#pragma once

#include "platform/directory.h"
#include "search/core/pathmask.h"
#include "search/core/searchrequest.h"

#include <QByteArray>

#include <vector>

namespace search {

class WalkRules {
public:
    explicit WalkRules(const SearchRequest &request);

    /// The start folder, as the volume names it.
    QByteArray startFolder() const { return m_start; }
    /// The mask of the start folder's entries.
    const PathMask &startMask() const { return m_startMask; }
    /// The mask of the entries of a subfolder entered while walking with \a mask.
    const PathMask &subfolderMask(const PathMask &mask) const;

    /// Lists \a folder in walk order into \a entries (emptied first). False when it cannot be read.
    static bool list(const QByteArray &folder, std::vector<platform::DirEntry> &entries);
    /// An entry the walk looks at, under \a mask (folders, files; neither links to folders nor
    /// special files).
    static bool seen(const platform::DirEntry &entry, const PathMask &mask)
    {
        return entry.kind != platform::DirEntry::Other && mask.matches(entry.name);
    }
    /// A folder entry the walk enters: neither a dot folder nor one of the excluded names.
    bool entered(const platform::DirEntry &entry) const
    {
        return !entry.name.startsWith('.') && (m_excluded.empty() || !excluded(entry.name));
    }
    /// A file whose name qualifies for reading.
    bool qualifies(const QByteArray &name) const;
    /// \a folder + "/" + \a name.
    static QByteArray join(const QByteArray &folder, const QByteArray &name);

private:
    bool excluded(const QByteArray &name) const;

    QByteArray m_start;
    std::vector<QByteArray> m_excluded; ///< folder names left out, as the volume names them
    QByteArray m_extension; ///< the code, upper-cased, names are tested against
    bool m_allFiles;
    bool m_folderOnly;
    PathMask m_startMask;
    PathMask m_everyEntry;
};

} // namespace search
