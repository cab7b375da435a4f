// Reading and writing GIF files.
#include "images/core/giffile.h"

#include "images/core/bytereader.h"
#include "images/core/bytewriter.h"
#include "images/core/filebytes.h"
#include "images/core/imageerrors.h"

namespace images {

namespace {

constexpr std::uint8_t ExtensionIntroducer = '!';
constexpr std::uint8_t ImageIntroducer = ',';
constexpr std::uint8_t Trailer = ';';

bool knownVersion(const QByteArray &version)
{
    return version == "87a" || version == "89a" || version == "87A" || version == "89A";
}

} // namespace

TGifFile::TGifFile()
    : m_header("GIF87a")
    , m_globalTable(2)
{
}

void TGifFile::loadFromFile(const QString &path, const std::function<void()> &rowDone)
{
    loadFromBytes(readFileBytes(path), rowDone);
}

void TGifFile::loadFromBytes(const QByteArray &bytes, const std::function<void()> &rowDone)
{
    ByteReader reader(bytes);
    m_header = reader.bytes(6);
    if (!knownVersion(version()))
        throw EGifException(QStringLiteral("la Version Gif goit etre  87a ou 89a"));
    reader.read(m_screen.data(), m_screen.size());
    // Without a global table the model keeps the default one of a new model.
    m_globalTable = TColorTable(2);
    if (hasGlobalTable()) {
        m_globalTable.setCount(colorCount());
        for (int i = 0; i < colorCount(); ++i) {
            const std::uint8_t *rgb = reader.take(3);
            m_globalTable.setEntry(i, {rgb[0], rgb[1], rgb[2]});
        }
    }
    m_images.clear();
    GifReadContext context{rowDone, MatrixBudget};
    readImages(reader, context);
}

void TGifFile::readImages(ByteReader &reader, GifReadContext &context)
{
    std::uint8_t introducer = reader.u8();
    while (introducer != Trailer) {
        std::vector<TExtension> extensions;
        while (introducer == ExtensionIntroducer) {
            const std::uint8_t label = reader.u8();
            extensions.push_back(TExtension::read(reader, label));
            introducer = reader.u8();
        }
        if (introducer == ImageIntroducer) {
            auto image = std::make_unique<TGifSubImage>(colorCount(), this);
            image->setExtensions(std::move(extensions));
            image->read(reader, context);
            m_images.push_back(std::move(image));
            introducer = reader.u8();
        } else if (introducer != Trailer) {
            throw EGifException(QStringLiteral("Bloc non reconnu dans le fichier GIF.\r\nCode = $%1")
                                    .arg(QString::number(introducer, 16).rightJustified(2, QLatin1Char('0')).toUpper()));
        }
    }
}

QByteArray TGifFile::saveToBytes()
{
    std::uint8_t resolution = 0;
    switch (colorCount()) {
    case 2: resolution = 0; break;
    case 16: resolution = 3; break;
    case 256: resolution = 7; break;
    default: throw EGifException(QStringLiteral("Nombre de couleurs inattendu"));
    }
    QByteArray out;
    ByteWriter writer(out);
    writer.bytes(m_header);
    std::array<std::uint8_t, 7> screen = m_screen;
    screen[4] = static_cast<std::uint8_t>((hasGlobalTable() ? 0x80 : 0) | (resolution << 4) | (bitsPerPixel() - 1));
    for (std::uint8_t byte : screen)
        writer.u8(byte);
    if (hasGlobalTable())
        writer.colorTable(m_globalTable, colorCount());
    for (auto &image : m_images) {
        image->encode();
        image->write(out);
    }
    writer.u8(Trailer);
    return out;
}

void TGifFile::saveToFile(const QString &path)
{
    writeFileBytes(path, saveToBytes());
}

TGifSubImage &TGifFile::image(int number)
{
    if (number < 1 || number > imageCount())
        throw EListError(number - 1);
    return *m_images[static_cast<std::size_t>(number - 1)];
}

const TGifSubImage &TGifFile::image(int number) const
{
    return const_cast<TGifFile *>(this)->image(number);
}

int TGifFile::animationDelay() const
{
    if (imageCount() < 2)
        return 0;
    int delay = 0;
    for (const auto &image : m_images) {
        if (const int d = image->delay(); d != 0)
            delay = d;
    }
    return delay;
}

} // namespace images
