#include "platform/largeblock.h"

#include <cstdlib>
#include <new>
#include <utility>

#include <sys/mman.h>

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

} // namespace platform
