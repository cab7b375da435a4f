#include "search/core/resultlines.h"

#include <algorithm>
#include <cstring>

namespace search {

namespace {

// Large enough that pages are few and fit huge pages, small enough that the last one wastes
// little.
constexpr std::size_t PageBytes = 4u << 20;
constexpr std::size_t MaxLineBytes = std::size_t(1) << 30;

} // namespace

std::string_view ResultLines::line(std::size_t index) const
{
    const auto page = std::upper_bound(m_pages.begin(), m_pages.end(), index,
                                       [](std::size_t i, const Page &p) { return i < p.firstLine; })
        - 1;
    const std::size_t local = index - page->firstLine;
    const std::size_t begin = local == 0 ? 0 : page->ends[local - 1] + 1;
    return {page->bytes.data() + begin, page->ends[local] - begin};
}

QString ResultLines::text(std::size_t index) const
{
    const std::string_view bytes = line(index);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ResultLines::Page &ResultLines::pageFor(std::size_t bytes)
{
    if (m_pages.empty() || m_pages.back().capacity - m_pages.back().used < bytes) {
        Page page;
        page.capacity = std::max(PageBytes, bytes);
        page.bytes = platform::LargeBlock(page.capacity);
        page.firstLine = m_count;
        // Room for the ends of lines of a usual length, so that the list does not grow in steps.
        page.ends.reserve(page.capacity / 32);
        m_pages.push_back(std::move(page));
    }
    return m_pages.back();
}

void ResultLines::noteLength(std::size_t index, std::size_t bytes)
{
    if (bytes > m_longestBytes) {
        m_longestBytes = bytes;
        m_longest = index;
    }
}

void ResultLines::append(std::string_view text)
{
    // Line ends are kept in 32 bits: a longer line (only a loaded file can hold one) is cut.
    text = text.substr(0, MaxLineBytes);
    Page &page = pageFor(text.size() + 1);
    char *const to = page.bytes.data() + page.used;
    std::memcpy(to, text.data(), text.size());
    to[text.size()] = '\n';
    page.used += text.size();
    page.ends.push_back(static_cast<std::uint32_t>(page.used));
    ++page.used;
    noteLength(m_count, text.size());
    ++m_count;
    m_textBytes += text.size();
}

void ResultLines::append(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    append(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void ResultLines::appendBlock(const char *text, std::size_t size, std::size_t count)
{
    // Pages keep each line followed by its '\n', as blocks come: whole runs of lines are
    // copied at once and only their ends looked for.
    const char *p = text;
    const char *const end = text + size;
    std::size_t left = count;
    while (left > 0 && p < end) {
        const auto *firstEnd = static_cast<const char *>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
        if (!firstEnd)
            break;
        Page &page = pageFor(static_cast<std::size_t>(firstEnd - p) + 1);
        const std::size_t room = std::min(page.capacity - page.used, static_cast<std::size_t>(end - p));
        const char *const runEnd = p + room;
        const char *q = p;
        const char *nl = firstEnd;
        const std::size_t at = page.used;
        while (nl && left > 0) {
            const auto length = static_cast<std::size_t>(nl - q);
            page.ends.push_back(static_cast<std::uint32_t>(at + static_cast<std::size_t>(nl - p)));
            noteLength(m_count, length);
            ++m_count;
            m_textBytes += length;
            --left;
            q = nl + 1;
            nl = q < runEnd ? static_cast<const char *>(std::memchr(q, '\n', static_cast<std::size_t>(runEnd - q))) : nullptr;
        }
        std::memcpy(page.bytes.data() + page.used, p, static_cast<std::size_t>(q - p));
        page.used += static_cast<std::size_t>(q - p);
        p = q;
    }
}

void ResultLines::clear()
{
    m_pages.clear();
    m_count = 0;
    m_textBytes = 0;
    m_longest = 0;
    m_longestBytes = 0;
}

} // namespace search
