// Reading, decoding, encoding and writing one GIF image.
#include "images/core/gifsubimage.h"

#include "images/core/bytereader.h"
#include "images/core/bytewriter.h"
#include "images/core/giffile.h"
#include "images/core/imageerrors.h"
#include "images/core/lzwdecoder.h"
#include "images/core/lzwencoder.h"

#include <bit>

namespace images {

TGifSubImage::TGifSubImage(int colorCount, const TGifFile *owner)
    : m_owner(owner)
{
    if (colorCount < 2 || colorCount > 256 || !std::has_single_bit(static_cast<unsigned>(colorCount)))
        throw EGifException(
            QStringLiteral("Nombre de couleurs (%1) incorrecte; doit etre une puissance de 2").arg(colorCount));
    const int bits = std::countr_zero(static_cast<unsigned>(colorCount));
    m_packed = static_cast<std::uint8_t>(bits - 1);
    m_codeSize = std::max(bits, 2);
    m_localTable.setDefault(colorCount);
}

void TGifSubImage::read(ByteReader &reader, GifReadContext &context)
{
    m_left = reader.u16le();
    m_top = reader.u16le();
    m_width = reader.u16le();
    m_height = reader.u16le();
    m_packed = reader.u8();
    if (hasLocalTable()) {
        const int count = 1 << bitsPerPixel();
        m_localTable.setCount(count);
        for (int i = 0; i < count; ++i) {
            const std::uint8_t *rgb = reader.take(3);
            m_localTable.setEntry(i, {rgb[0], rgb[1], rgb[2]});
        }
    }

    const qint64 matrixBytes = qint64(m_width) * m_height;
    if (matrixBytes > context.matrixBudget)
        throw ENotEnoughMemory(matrixBytes);
    m_matrix = std::make_unique<TByteArray2D>(m_width, m_height);
    context.matrixBudget -= matrixBytes;

    m_codeSize = reader.u8();
    m_data.clear();
    readSubBlocks(reader, m_data);
    m_bitmap = QImage();
    LzwDecoder().decode(m_data, m_codeSize, interlaced(), *m_matrix, context.rowDone);
}

void TGifSubImage::encode()
{
    if (!m_matrix)
        m_matrix = std::make_unique<TByteArray2D>(m_width, m_height);
    m_data = LzwEncoder().encode(*m_matrix, interlaced(), m_codeSize);
}

void TGifSubImage::write(QByteArray &out) const
{
    ByteWriter writer(out);
    writer.u8(',');
    writer.u16le(m_left);
    writer.u16le(m_top);
    writer.u16le(m_width);
    writer.u16le(m_height);
    std::uint8_t packed = 0;
    if (hasLocalTable())
        packed |= 0x80 | (bitsPerPixel() - 1);
    if (interlaced())
        packed |= 0x40;
    writer.u8(packed);
    if (hasLocalTable())
        writer.colorTable(m_localTable, 1 << bitsPerPixel());
    writer.u8(static_cast<std::uint8_t>(m_codeSize));
    writer.subBlocks(m_data);
}

const TExtension *TGifSubImage::graphicControl() const
{
    for (auto it = m_extensions.rbegin(); it != m_extensions.rend(); ++it) {
        if (it->kind() == TExtension::GraphicControl)
            return &*it;
    }
    return nullptr;
}

int TGifSubImage::delay() const
{
    const TExtension *control = graphicControl();
    return control ? control->delay() : 0;
}

int TGifSubImage::disposal() const
{
    const TExtension *control = graphicControl();
    return control ? control->disposal() : 0;
}

int TGifSubImage::transparentIndex() const
{
    const TExtension *control = graphicControl();
    return control ? control->transparentIndex() : -1;
}

const QImage &TGifSubImage::bitmap() const
{
    if (!m_bitmap.isNull() || !m_matrix || m_width == 0 || m_height == 0)
        return m_bitmap;
    const TColorTable &table = hasLocalTable() ? m_localTable : m_owner->globalTable();
    QList<QRgb> palette(TColorTable::MaxEntries);
    for (int i = 0; i < TColorTable::MaxEntries; ++i)
        palette[i] = table.rgb(i);
    QImage image(m_width, m_height, QImage::Format_Indexed8);
    if (image.isNull())
        throw ENotEnoughMemory(qint64(m_width) * m_height);
    image.setColorTable(palette);
    for (int y = 0; y < m_height; ++y)
        std::copy_n(m_matrix->row(y + 1), m_width, image.scanLine(y));
    m_bitmap = std::move(image);
    return m_bitmap;
}

} // namespace images
