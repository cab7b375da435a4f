// Reading GIF extensions.
#include "images/core/gifextension.h"

#include "images/core/bytereader.h"
#include "images/core/imageerrors.h"

namespace images {

TExtension TExtension::read(ByteReader &reader, std::uint8_t label)
{
    switch (label) {
    case GraphicControlLabel: {
        TExtension ext(GraphicControl);
        ext.m_fixed = reader.bytes(6);
        return ext;
    }
    case PlainTextLabel: {
        TExtension ext(PlainText);
        ext.m_fixed = reader.bytes(13);
        readSubBlocks(reader, ext.m_data);
        return ext;
    }
    case ApplicationLabel: {
        TExtension ext(Application);
        ext.m_fixed = reader.bytes(12);
        readSubBlocks(reader, ext.m_data);
        return ext;
    }
    case CommentLabel: {
        TExtension ext(Comment);
        readSubBlocks(reader, ext.m_data);
        return ext;
    }
    default:
        throw EGifException(QStringLiteral("Extension de block non reconnue.\r\nCode = $%1")
                                .arg(QString::number(label, 16).rightJustified(2, QLatin1Char('0')).toUpper()));
    }
}

int TExtension::delay() const
{
    if (m_kind != GraphicControl || m_fixed.size() < 4)
        return 0;
    return static_cast<std::uint8_t>(m_fixed[2]) | (static_cast<std::uint8_t>(m_fixed[3]) << 8);
}

int TExtension::disposal() const
{
    if (m_kind != GraphicControl || m_fixed.size() < 2)
        return 0;
    return (static_cast<std::uint8_t>(m_fixed[1]) >> 2) & 0x07;
}

int TExtension::transparentIndex() const
{
    if (m_kind != GraphicControl || m_fixed.size() < 5 || !(m_fixed[1] & 0x01))
        return -1;
    return static_cast<std::uint8_t>(m_fixed[4]);
}

} // namespace images
