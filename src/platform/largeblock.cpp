#include "platform/largeblock.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <system_error>
#include <utility>

#include <sys/mman.h>
#include <unistd.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

namespace platform {

namespace {

constexpr std::size_t HugePage = 2u << 20;

} // namespace

LargeBlock::LargeBlock(std::size_t size)
{
    void *memory = nullptr;
    const bool huge = size >= HugePage;
    if (posix_memalign(&memory, huge ? HugePage : alignof(std::max_align_t), size) != 0 || !memory)
        throw std::bad_alloc();
    if (huge)
        madvise(memory, size, MADV_HUGEPAGE);
    m_data = static_cast<char *>(memory);
    m_size = size;
}

LargeBlock::~LargeBlock()
{
    std::free(m_data);
}

LargeBlock::LargeBlock(LargeBlock &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0))
{
}

LargeBlock &LargeBlock::operator=(LargeBlock &&other) noexcept
{
    if (this != &other) {
        std::free(m_data);
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

void LargeBlock::faultIn()
{
    if (m_size == 0)
        return;
    // The kernel does it in one call where it can; otherwise a write per page.
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(m_data) / page * page;
    const auto end = reinterpret_cast<std::uintptr_t>(m_data) + m_size;
    if (madvise(reinterpret_cast<void *>(start), end - start, MADV_POPULATE_WRITE) == 0)
        return;
    for (std::size_t at = 0; at < m_size; at += page)
        m_data[at] = 0;
}

BlockSupplier::~BlockSupplier()
{
    reset();
}

LargeBlock BlockSupplier::take(bool ahead)
{
    LargeBlock block;
    if (m_next.valid())
        block = m_next.get();
    else
        block = LargeBlock(m_blockSize);
    if (ahead) {
        try {
            m_next = std::async(std::launch::async, [size = m_blockSize] {
                LargeBlock next(size);
                next.faultIn();
                return next;
            });
        } catch (const std::system_error &) {
            // No thread to spare: the next block is made when it is needed.
        }
    }
    return block;
}

void BlockSupplier::reset()
{
    if (m_next.valid())
        m_next.get();
}

} // namespace platform
