// Fast search of one string in a block of bytes, exact or with ASCII letters folded.
// Two rare bytes of the string are looked for together with SIMD compares; only positions
// where both sit are checked against the whole string.
#pragma once

#include <QByteArray>

#include <cstddef>

namespace search {

class SubstringFinder {
public:
    /// \a needle must not be empty. With \a caseSensitive false, ASCII letters match either case.
    SubstringFinder(const QByteArray &needle, bool caseSensitive);

    /// First occurrence that lies wholly inside [begin, end), or nullptr.
    const char *find(const char *begin, const char *end) const;

    std::size_t size() const { return static_cast<std::size_t>(m_needle.size()); }

    // Exposed for the tests, which force each implementation.
    enum class Kernel { Scalar, Sse2, Avx2 };
    void forceKernel(Kernel kernel) { m_kernel = kernel; }
    Kernel kernel() const { return m_kernel; }

private:
    bool matchesAt(const char *p) const;
    const char *findScalar(const char *begin, const char *end) const;
    const char *findSse2(const char *begin, const char *end) const;
    const char *findAvx2(const char *begin, const char *end) const;

    QByteArray m_needle; ///< upper-cased when folding
    bool m_fold;
    std::size_t m_index1 = 0, m_index2 = 0; ///< offsets of the two rare bytes
    unsigned char m_byte1 = 0, m_byte2 = 0; ///< lower-case when folding a letter
    bool m_letter1 = false, m_letter2 = false; ///< fold the compare with | 0x20
    Kernel m_kernel = Kernel::Scalar;
};

} // namespace search
