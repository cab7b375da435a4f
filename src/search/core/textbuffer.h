// A growable run of bytes written through a pointer: the result lines of a file are formatted
// straight into it, with one check for room per line and no clearing of what gets written.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

namespace search {

class TextBuffer {
public:
    TextBuffer() = default;
    TextBuffer(TextBuffer &&other) noexcept
        : m_data(std::move(other.m_data)), m_size(std::exchange(other.m_size, 0)),
          m_capacity(std::exchange(other.m_capacity, 0))
    {
    }
    TextBuffer &operator=(TextBuffer &&other) noexcept
    {
        m_data = std::move(other.m_data);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        return *this;
    }

    const char *data() const { return m_data.get(); }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::size_t capacity() const { return m_capacity; }
    void clear() { m_size = 0; }

    /// Room for \a n more bytes at the end, to be claimed with commit().
    char *grow(std::size_t n)
    {
        if (m_capacity - m_size < n)
            reallocate(n);
        return m_data.get() + m_size;
    }
    /// Takes \a n bytes written at grow() into the text.
    void commit(std::size_t n) { m_size += n; }

    void append(const char *bytes, std::size_t n)
    {
        std::memcpy(grow(n), bytes, n);
        m_size += n;
    }

private:
    void reallocate(std::size_t n);

    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace search
