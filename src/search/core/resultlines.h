// The lines of the results list, held compactly: UTF-8 text in large pages, lines one after
// another, and the end of each line, so that millions of lines cost little more than their
// text and a line is found at once by its number. Lines are only ever appended, or all
// cleared; a line may hold any character, even a line feed (a file named so).
#pragma once

#include "platform/largeblock.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace search {

class ResultLines {
public:
    ResultLines() = default;
    ResultLines(ResultLines &&) noexcept = default;
    ResultLines &operator=(ResultLines &&) noexcept = default;

    std::size_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    /// Bytes of text of all lines together.
    std::size_t textBytes() const { return m_textBytes; }

    /// Line \a index as UTF-8; valid until the lines change.
    std::string_view line(std::size_t index) const;
    /// Line \a index as text.
    QString text(std::size_t index) const;
    /// The line with the most bytes (0 when there is none): where the widest line likely is.
    std::size_t longestLine() const { return m_longest; }

    /// Appends one line of UTF-8.
    void append(std::string_view line);
    void append(const QString &line);
    /// Appends \a count lines of UTF-8 from \a text, each followed by '\n'.
    void appendBlock(const char *text, std::size_t size, std::size_t count);
    void clear();

private:
    /// A block holding lines: their text from the front, each followed by '\n', and the end
    /// of each from the back, 32 bits each (so a page needs no other allocation).
    struct Page {
        platform::LargeBlock block;
        std::size_t used = 0;      ///< bytes of text
        std::size_t lines = 0;
        std::size_t firstLine = 0; ///< number of its first line
        std::size_t room() const { return block.size() - used - 4 * lines; }
        std::uint32_t end(std::size_t local) const;
        void addEnd(std::uint32_t at);
    };

    /// The page where a line of \a bytes (and its '\n') goes.
    Page &pageFor(std::size_t bytes);
    void noteLength(std::size_t index, std::size_t bytes);

    std::vector<Page> m_pages;
    std::unique_ptr<platform::BlockSupplier> m_supplier; ///< pages of the usual size, the next one made ahead
    std::size_t m_count = 0;
    std::size_t m_textBytes = 0;
    std::size_t m_longest = 0;
    std::size_t m_longestBytes = 0;
};

} // namespace search
