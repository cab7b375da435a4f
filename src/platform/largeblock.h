// Large blocks of memory for data that fills them whole (the results list's pages): aligned so
// that the system may back them with huge pages, which spares a page fault per 4 KB when
// hundreds of megabytes of results arrive; and a supplier that faults the next block in on a
// thread of its own while the current one fills.
#pragma once

#include <cstddef>
#include <future>

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
    /// Makes every page of the block resident and writable now.
    void faultIn();

private:
    char *m_data = nullptr;
    std::size_t m_size = 0;
};

class BlockSupplier {
public:
    explicit BlockSupplier(std::size_t blockSize) : m_blockSize(blockSize) {}
    ~BlockSupplier();
    BlockSupplier(const BlockSupplier &) = delete;
    BlockSupplier &operator=(const BlockSupplier &) = delete;

    std::size_t blockSize() const { return m_blockSize; }
    /// A block of blockSize() bytes. With \a ahead, the next one is prepared meanwhile.
    LargeBlock take(bool ahead);
    /// Drops the block prepared ahead.
    void reset();

private:
    std::size_t m_blockSize;
    std::future<LargeBlock> m_next;
};

} // namespace platform
