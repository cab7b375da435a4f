// A byte array of fixed size addressed from 1, every index checked. Sizes beyond what a picture
// may reasonably need are refused like a failed allocation, so that a file header alone can
// never make the program reserve gigabytes.
#pragma once

#include <QtGlobal>

#include <cstdint>
#include <memory>

namespace images {

class TBigByteArray {
public:
    /// Largest array made (64 MiB: an 8192 x 8192 picture).
    static constexpr qint64 MaxBytes = qint64(64) * 1024 * 1024;

    /// Zero-filled; raises ENotEnoughMemory when \a size is negative, too large or not available.
    explicit TBigByteArray(qint64 size);

    qint64 size() const { return m_size; }
    /// Element \a index, 1 to size; raises EIndexOutOfBounds outside.
    std::uint8_t at(qint64 index) const;
    void set(qint64 index, std::uint8_t value);

    /// The \a count elements from \a index on, checked as a whole.
    const std::uint8_t *span(qint64 index, qint64 count) const;
    std::uint8_t *span(qint64 index, qint64 count);

private:
    void check(qint64 index, qint64 count) const;

    qint64 m_size;
    std::unique_ptr<std::uint8_t[]> m_bytes;
};

} // namespace images
