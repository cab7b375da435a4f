#include "search/core/walkrules.h"

#include "platform/textcodec.h"
#include "search/core/asciicase.h"

#include <algorithm>

namespace search {

namespace {

bool lessIgnoringCase(const QByteArray &a, const QByteArray &b)
{
    const std::size_t n = static_cast<std::size_t>(std::min(a.size(), b.size()));
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = asciiUpper(static_cast<unsigned char>(a[i]));
        const unsigned char y = asciiUpper(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y;
    }
    if (a.size() != b.size())
        return a.size() < b.size();
    return a < b;
}

bool containsIgnoringCase(const QByteArray &name, const QByteArray &upperCode)
{
    if (upperCode.isEmpty())
        return true;
    for (qsizetype i = 0; i + upperCode.size() <= name.size(); ++i) {
        qsizetype k = 0;
        while (k < upperCode.size()
               && asciiUpper(static_cast<unsigned char>(name[i + k])) == static_cast<unsigned char>(upperCode[k]))
            ++k;
        if (k == upperCode.size())
            return true;
    }
    return false;
}

} // namespace

WalkRules::WalkRules(const SearchRequest &request)
    : m_start(platform::encodePath(request.folder)),
      m_extension(asciiUpper(request.extension.toUtf8())),
      m_allFiles(request.extension == AllFilesCode),
      m_folderOnly(request.walkMode == WalkMode::FolderOnly),
      m_startMask(m_folderOnly ? QStringLiteral("*.") + request.extension : QStringLiteral("*.*")),
      m_everyEntry(QStringLiteral("*.*"))
{
    for (const QString &name : request.excludedFolders)
        if (!name.isEmpty())
            m_excluded.push_back(platform::encodePath(name));
}

bool WalkRules::excluded(const QByteArray &name) const
{
    return std::find(m_excluded.begin(), m_excluded.end(), name) != m_excluded.end();
}

const PathMask &WalkRules::subfolderMask(const PathMask &mask) const
{
    return m_folderOnly ? mask : m_everyEntry;
}

bool WalkRules::list(const QByteArray &folder, std::vector<platform::DirEntry> &entries)
{
    entries.clear();
    if (!platform::listDirectory(folder, entries))
        return false;
    std::sort(entries.begin(), entries.end(), [](const platform::DirEntry &a, const platform::DirEntry &b) {
        return lessIgnoringCase(a.name, b.name);
    });
    return true;
}

bool WalkRules::qualifies(const QByteArray &name) const
{
    return m_allFiles || containsIgnoringCase(name, m_extension);
}

QByteArray WalkRules::join(const QByteArray &folder, const QByteArray &name)
{
    QByteArray path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    path += '/';
    path += name;
    return path;
}

} // namespace search
