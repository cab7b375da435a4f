// The model of a GIF file: header, logical screen, global colour table and its images in file
// order. Reads files of versions 87a and 89a and writes a model back as a GIF file.
#pragma once

#include "images/core/colortable.h"
#include "images/core/gifsubimage.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace images {

class TGifFile {
public:
    /// Pixel matrices one file may take in all (256 MiB), so that a file of many huge frames
    /// is refused like a failed allocation instead of exhausting memory.
    static constexpr qint64 MatrixBudget = qint64(256) * 1024 * 1024;

    /// An empty model: version "87a", a 2-colour global table.
    TGifFile();

    /// Reads \a path (opened read-only). \a rowDone runs after each decoded row.
    void loadFromFile(const QString &path, const std::function<void()> &rowDone = {});
    void loadFromBytes(const QByteArray &bytes, const std::function<void()> &rowDone = {});
    /// Re-encodes every image and writes the model to \a path, replacing any file there.
    void saveToFile(const QString &path);
    QByteArray saveToBytes();

    /// Bytes 4 to 6 of the header.
    QByteArray version() const { return m_header.mid(3, 3); }
    int screenWidth() const { return m_screen[0] | (m_screen[1] << 8); }
    int screenHeight() const { return m_screen[2] | (m_screen[3] << 8); }
    bool hasGlobalTable() const { return m_screen[4] & 0x80; }
    int bitsPerPixel() const { return (m_screen[4] & 0x07) + 1; }
    int colorCount() const { return 1 << bitsPerPixel(); }
    const TColorTable &globalTable() const { return m_globalTable; }

    int imageCount() const { return static_cast<int>(m_images.size()); }
    /// Image \a number, from 1; raises EListError outside.
    TGifSubImage &image(int number);
    const TGifSubImage &image(int number) const;

    /// Delay between frames in hundredths of a second: 0 for fewer than 2 images, else the last
    /// non-zero delay among the images' graphic control extensions.
    int animationDelay() const;

private:
    void readImages(class ByteReader &reader, GifReadContext &context);

    QByteArray m_header;
    std::array<std::uint8_t, 7> m_screen{};
    TColorTable m_globalTable;
    std::vector<std::unique_ptr<TGifSubImage>> m_images;
};

} // namespace images
