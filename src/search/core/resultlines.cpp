#include "search/core/resultlines.h"

#include <algorithm>
#include <cstring>

namespace search {

namespace {

// Large enough that pages are few and fit huge pages, small enough that the last one wastes
// little.
constexpr std::size_t PageBytes = 4u << 20;
// Line ends are kept in 32 bits: a longer line (only a loaded file can hold one) is cut.
constexpr std::size_t MaxLineBytes = std::size_t(1) << 30;

} // namespace

std::uint32_t ResultLines::Page::end(std::size_t local) const
{
    std::uint32_t at;
    std::memcpy(&at, block.data() + block.size() - 4 * (local + 1), 4);
    return at;
}

void ResultLines::Page::addEnd(std::uint32_t at)
{
    ++lines;
    std::memcpy(block.data() + block.size() - 4 * lines, &at, 4);
}

std::string_view ResultLines::line(std::size_t index) const
{
    const auto page = std::upper_bound(m_pages.begin(), m_pages.end(), index,
                                       [](std::size_t i, const Page &p) { return i < p.firstLine; })
        - 1;
    const std::size_t local = index - page->firstLine;
    const std::size_t begin = local == 0 ? 0 : page->end(local - 1) + 1;
    return {page->block.data() + begin, page->end(local) - begin};
}

QString ResultLines::text(std::size_t index) const
{
    const std::string_view bytes = line(index);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

ResultLines::Page &ResultLines::pageFor(std::size_t bytes)
{
    const std::size_t needed = bytes + 4;
    if (m_pages.empty() || m_pages.back().room() < needed) {
        Page page;
        page.firstLine = m_count;
        if (needed > PageBytes) {
            page.block = platform::LargeBlock(needed);
        } else {
            // From the second page on the list is a large one: the next page is made ahead.
            if (!m_supplier)
                m_supplier = std::make_unique<platform::BlockSupplier>(PageBytes);
            page.block = m_supplier->take(!m_pages.empty());
        }
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
    text = text.substr(0, MaxLineBytes);
    Page &page = pageFor(text.size() + 1);
    char *const to = page.block.data() + page.used;
    std::memcpy(to, text.data(), text.size());
    to[text.size()] = '\n';
    page.used += text.size();
    page.addEnd(static_cast<std::uint32_t>(page.used));
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
        const std::size_t at = page.used;
        const char *q = p;
        const char *nl = firstEnd;
        while (nl && left > 0) {
            const auto length = static_cast<std::size_t>(nl - q);
            // Each line takes its bytes, its '\n' and its end; the first always fits (pageFor).
            if (static_cast<std::size_t>(nl + 1 - p) + 4 > page.room())
                break;
            page.addEnd(static_cast<std::uint32_t>(at + static_cast<std::size_t>(nl - p)));
            noteLength(m_count, length);
            ++m_count;
            m_textBytes += length;
            --left;
            q = nl + 1;
            nl = q < end ? static_cast<const char *>(std::memchr(q, '\n', static_cast<std::size_t>(end - q))) : nullptr;
        }
        std::memcpy(page.block.data() + at, p, static_cast<std::size_t>(q - p));
        page.used += static_cast<std::size_t>(q - p);
        p = q;
    }
}

void ResultLines::clear()
{
    m_pages.clear();
    if (m_supplier)
        m_supplier->reset();
    m_count = 0;
    m_textBytes = 0;
    m_longest = 0;
    m_longestBytes = 0;
}

} // namespace search
