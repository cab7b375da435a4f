// A large block of memory for data that fills it whole (the results list's pages): aligned so
// that the system may back it with huge pages, which spares a page fault per 4 KB when
// hundreds of megabytes of results arrive.
#pragma once

#include <cstddef>

namespace platform {

class LargeBlock {
public:
    LargeBlock() = default;
    /// \a size bytes, not cleared. Throws std::bad_alloc when the memory is not there.
    explicit LargeBlock(std::size_t size);
    ~LargeBlock();
    LargeBlock(LargeBlock &&other) noexcept;
    LargeBlock &operator=(LargeBlock &&other) noexcept;
    LargeBlock(const LargeBlock &) = delete;
    LargeBlock &operator=(const LargeBlock &) = delete;

    char *data() const { return m_data; }
    std::size_t size() const { return m_size; }

private:
    char *m_data = nullptr;
    std::size_t m_size = 0;
};

} // namespace platform
