// One extension block of a GIF file, kept as read: its kind, its fixed bytes and its data
// sub-blocks. The delay, disposal and transparent index of a graphic control extension drive
// the animation.
#pragma once

#include "images/core/bytebuffer.h"

#include <QByteArray>

#include <cstdint>

namespace images {

class ByteReader;

class TExtension {
public:
    enum Kind : std::uint8_t { GraphicControl = 0, PlainText = 1, Application = 2, Comment = 3 };

    /// Label bytes of the kinds in the file.
    static constexpr std::uint8_t GraphicControlLabel = 0xF9;
    static constexpr std::uint8_t PlainTextLabel = 0x01;
    static constexpr std::uint8_t ApplicationLabel = 0xFF;
    static constexpr std::uint8_t CommentLabel = 0xFE;

    /// Reads the content of the extension whose label \a label was just read; raises
    /// EGifException for a label of no known kind.
    static TExtension read(ByteReader &reader, std::uint8_t label);

    Kind kind() const { return m_kind; }
    /// Block size, packed byte, delay, transparent index, terminator (graphic control);
    /// block size and grid (plain text); block size, identifier, authentication (application).
    const QByteArray &fixedBytes() const { return m_fixed; }
    const TByteBuffer &data() const { return m_data; }

    /// Delay of a graphic control extension in hundredths of a second; 0 for other kinds.
    int delay() const;
    /// Disposal method of a graphic control extension (0 to 7); 0 for other kinds.
    int disposal() const;
    /// Transparent colour index of a graphic control extension, -1 when it has none.
    int transparentIndex() const;

private:
    explicit TExtension(Kind kind) : m_kind(kind) {}

    Kind m_kind;
    QByteArray m_fixed;
    TByteBuffer m_data;
};

} // namespace images
