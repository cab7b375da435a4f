#include "resexplorer/core/exeimage.h"

#include "platform/textcodec.h"
#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"

namespace resexplorer {

namespace {

constexpr std::uint16_t kDosSignature = 0x5A4D;    // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint64_t kNewHeaderField = 0x3C;
constexpr std::uint64_t kFileHeaderEnd = 24;       // signature and file header
constexpr std::uint64_t kOptionalSizeField = 20;   // SizeOfOptionalHeader in the PE header
constexpr std::uint64_t kSectionCountField = 6;
constexpr std::uint64_t kSectionHeaderSize = 40;

QString notExecutable()
{
    return QStringLiteral("Fichier non executable (ou pas WIN32 Executable)");
}

bool isResourceSectionName(const ByteSpan &name)
{
    static const char wanted[] = ".rsrc";
    for (std::uint64_t i = 0; i < 5; ++i) {
        unsigned char c = name.u8(i);
        if (c >= 'A' && c <= 'Z')
            c = static_cast<unsigned char>(c - 'A' + 'a');
        if (c != static_cast<unsigned char>(wanted[i]))
            return false;
    }
    return name.u8(5) == 0;
}

} // namespace

TExeImage::TExeImage(const QString &path) : m_path(path)
{
    switch (m_file.open(platform::encodePath(path))) {
    case platform::MappedFile::Status::Ok:
        break;
    case platform::MappedFile::Status::CannotOpen:
        throw EExeError(QStringLiteral("Ne peut pas ouvrir : ") + path);
    case platform::MappedFile::Status::CannotMap:
        throw EExeError(QStringLiteral("CreateFileMapping failed"));
    case platform::MappedFile::Status::CannotView:
        throw EExeError(QStringLiteral("MapViewOfFile failed"));
    }
    m_view = ByteSpan(m_file.data(), m_file.size());

    if (!m_view.contains(0, 2) || m_view.u16(0) != kDosSignature)
        throw EExeError(QStringLiteral("Format de fichier inconnu ! "));
    if (!m_view.contains(kNewHeaderField, 4))
        throw EExeError(notExecutable());
    m_peHeader = m_view.u32(kNewHeaderField);
    if (!m_view.contains(m_peHeader, kFileHeaderEnd) || m_view.u32(m_peHeader) != kPeSignature)
        throw EExeError(notExecutable());
    // The section table follows the optional header, whose size the file header declares:
    // 224 bytes in 32-bit files, 240 in 64-bit ones.
    const std::uint16_t optionalSize = m_view.u16(m_peHeader + kOptionalSizeField);
    m_sectionTable = m_peHeader + kFileHeaderEnd + optionalSize;
    if (!m_view.contains(m_peHeader, kFileHeaderEnd + optionalSize))
        throw EExeError(notExecutable());
    m_sectionCount = m_view.u16(m_peHeader + kSectionCountField);
}

TExeImage::~TExeImage() = default;

TResourceList &TExeImage::resources()
{
    if (!m_topList)
        locateResources();
    return *m_topList;
}

void TExeImage::locateResources()
{
    for (std::uint16_t i = 0; i < m_sectionCount; ++i) {
        const ByteSpan header = m_view.sub(m_sectionTable + i * kSectionHeaderSize, kSectionHeaderSize);
        if (!isResourceSectionName(header))
            continue;
        m_resourceRva = header.u32(12);
        m_resourceBase = header.u32(20);
        if (!m_view.contains(m_resourceBase, 16))
            throw EExeError(damage::outsideFile());
        m_topList = std::make_unique<TResourceList>(*this, m_resourceBase, 0, QString(), 0, nullptr);
        return;
    }
    throw EExeError(QStringLiteral("Pas de resources dans ce fichier ."));
}

void TExeImage::countEntry()
{
    if (++m_entryCount > kMaxEntries)
        throw EExeError(damage::tooManyEntries());
}

} // namespace resexplorer
