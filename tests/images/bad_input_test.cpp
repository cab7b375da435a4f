// Damaged and hostile picture files: every one ends in an error of ours, never in a crash, an
// out-of-bounds access (this test also runs under AddressSanitizer) or a huge allocation.
#include "externaltools.h"
#include "gifbytes.h"
#include "testicons.h"

#include "images/core/bmpcodec.h"
#include "images/core/filebytes.h"
#include "images/core/giffile.h"
#include "images/core/iconfile.h"
#include "images/core/imageerrors.h"
#include "images/core/jpegcodec.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <jerror.h>

#include <random>

using namespace images;
using namespace imagetests;

namespace {

/// Loads \a bytes; true when it succeeded, false for one of our errors (anything else escapes).
bool loadsGif(const QByteArray &bytes)
{
    try {
        TGifFile gif;
        gif.loadFromBytes(bytes);
        for (int n = 1; n <= gif.imageCount(); ++n)
            gif.image(n).bitmap();
        return true;
    } catch (const ImageError &) {
        return false;
    }
}

QByteArray madeGif(const QString &name, const QStringList &convert)
{
    const QString path = scratchPath(name);
    magick(convert + QStringList{path});
    return readFileBytes(path);
}

QByteArray animation()
{
    return madeGif(QStringLiteral("bad-anim.gif"),
                   {"-delay", "10", "-comment", "abc", "-size", "23x17", "plasma:fractal", "-colors", "32", "(", "-size", "11x9",
                    "xc:blue", "-interlace", "GIF", ")", "-loop", "0"});
}

TEST(BadGif, EveryTruncationEndsInAnErrorOrAPartialImage)
{
    const QByteArray whole = animation();
    ASSERT_TRUE(loadsGif(whole));
    int refused = 0;
    for (qsizetype size = 0; size < whole.size(); ++size)
        refused += loadsGif(whole.left(size)) ? 0 : 1;
    // Every cut before the trailer lacks at least the trailer, so it is refused.
    EXPECT_EQ(refused, whole.size());
}

TEST(BadGif, MutatedFilesNeverCrash)
{
    const QByteArray whole = animation();
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = whole;
        const int changes = 1 + int(random() % 8);
        for (int i = 0; i < changes; ++i)
            bytes[qsizetype(random() % bytes.size())] = char(random());
        loadsGif(bytes);
    }
}

TEST(BadGif, RandomBytesAreRefused)
{
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(qsizetype(random() % 4096), '\0');
        for (char &c : bytes)
            c = char(random());
        if (round % 2)
            bytes.replace(0, std::min<qsizetype>(6, bytes.size()), "GIF89a");
        loadsGif(bytes);
    }
    EXPECT_FALSE(loadsGif(QByteArray("\x13\x57\x9b\xdf\x02\x46\x8a\xce\x11\x22\x33\x44\x55", 13)));
}

TEST(BadGif, HostileCodeStreamsNeverCrash)
{
    // Random codes at random widths inside a structurally sound file, for every code size.
    std::mt19937 random(99);
    for (int round = 0; round < 2000; ++round) {
        const int codeSize = 2 + int(random() % 8);
        CodePacker packer;
        const int count = int(random() % 600);
        for (int i = 0; i < count; ++i) {
            const int width = codeSize + 1 + int(random() % (12 - codeSize));
            packer.put(int(random() & ((1u << width) - 1)), width);
        }
        const int width = 1 + int(random() % 40);
        const int height = 1 + int(random() % 40);
        loadsGif(gifFile("89a", width, height, 8, imageBlock(width, height, random() % 2, codeSize, packer.bytes())));
    }
}

QByteArray madeJpeg()
{
    const QString path = scratchPath(QStringLiteral("bad.jpg"));
    magick({"-size", "64x48", "plasma:fractal", "-quality", "85", path});
    return readFileBytes(path);
}

int jpegErrorOf(const QByteArray &bytes)
{
    try {
        JpegCodec::decode(bytes);
    } catch (const EJpegError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Erreur JPEG #%1").arg(e.code()));
        return e.code();
    } catch (const ImageError &) {
        return -1;
    }
    return 0;
}

TEST(BadJpeg, ErrorsCarryLibjpegMessageNumbers)
{
    const QByteArray whole = madeJpeg();
    EXPECT_EQ(jpegErrorOf(whole), 0);
    EXPECT_EQ(jpegErrorOf(whole.left(whole.size() / 2)), JWRN_JPEG_EOF);
    EXPECT_EQ(jpegErrorOf(QByteArray("not a jpeg at all")), JERR_NO_SOI);
    EXPECT_EQ(jpegErrorOf(QByteArray()), JERR_INPUT_EMPTY);
}

TEST(BadJpeg, TruncationsAndMutationsEndInErrors)
{
    const QByteArray whole = madeJpeg();
    for (qsizetype size = 0; size < whole.size(); size += 7)
        EXPECT_NE(jpegErrorOf(whole.left(size)), 0) << size;
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = whole;
        for (int i = 0; i < 4; ++i)
            bytes[qsizetype(random() % bytes.size())] = char(random());
        jpegErrorOf(bytes);
    }
}

TEST(BadJpeg, AbsurdSizeIsRefusedBeforeDecoding)
{
    QByteArray bytes = madeJpeg();
    // The baseline frame header: FF C0, length, precision, then height and width.
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(sof, 0);
    bytes[sof + 5] = char(0xFF);
    bytes[sof + 6] = char(0x00);
    bytes[sof + 7] = char(0xFF);
    bytes[sof + 8] = char(0x00);
    EXPECT_EQ(jpegErrorOf(bytes), -1);
}

TEST(BadBmp, DamagedBitmapsAreRefused)
{
    const QString path = scratchPath(QStringLiteral("bad.bmp"));
    magick({"-size", "31x17", "plasma:fractal", "-type", "TrueColor", QStringLiteral("BMP3:") + path});
    const QByteArray whole = readFileBytes(path);
    EXPECT_FALSE(BmpCodec::decode(whole).isNull());
    EXPECT_THROW(BmpCodec::decode(QByteArray("BM nothing here")), EBmpError);
    EXPECT_THROW(BmpCodec::decode(QByteArray()), EBmpError);
    for (qsizetype size = 0; size < 54; ++size)
        EXPECT_THROW(BmpCodec::decode(whole.left(size)), EBmpError) << size;

    QByteArray huge = whole;
    huge[18] = huge[19] = huge[20] = char(0xFF);
    huge[21] = 0x7F;
    huge[22] = huge[23] = huge[24] = char(0xFF);
    huge[25] = 0x7F;
    EXPECT_THROW(BmpCodec::decode(huge), EBmpError);

    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = whole;
        for (int i = 0; i < 4; ++i)
            bytes[qsizetype(random() % 60)] = char(random());
        try {
            BmpCodec::decode(bytes);
        } catch (const EBmpError &) {
        }
    }
}

/// Reads \a bytes as an icon file and draws every entry and both list sizes; true when all of it
/// worked, false for one of our errors (anything else escapes).
bool loadsIcon(const QByteArray &bytes)
{
    try {
        const IconFile icon = IconFile::fromBytes(bytes);
        for (int n = 0; n < icon.entries().size(); ++n)
            IconImage::decode(icon.imageBytes(n));
        icon.picture(32);
        icon.picture(16);
        return true;
    } catch (const ImageError &) {
        return false;
    }
}

/// The message of the error \a bytes give as an icon file; empty when they read.
QString iconErrorOf(const QByteArray &bytes)
{
    try {
        const IconFile icon = IconFile::fromBytes(bytes);
        for (int n = 0; n < icon.entries().size(); ++n)
            IconImage::decode(icon.imageBytes(n));
        return {};
    } catch (const ImageError &e) {
        return e.message();
    }
}

const QByteArray &multiIconBytes()
{
    static const QByteArray bytes = readFileBytes(makeMultiIcon(scratchPath(QStringLiteral("bad-multi.ico"))));
    return bytes;
}

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char(value >> 8);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    put16(bytes, at, quint16(value & 0xFFFF));
    put16(bytes, at + 2, quint16(value >> 16));
}

/// Offset of the image of directory entry \a n.
qsizetype imageOffset(const QByteArray &bytes, int n)
{
    const qsizetype at = 6 + 16 * n + 12;
    return qsizetype(quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8) | (quint8(bytes[at + 2]) << 16)
                     | (quint32(quint8(bytes[at + 3])) << 24));
}

TEST(BadIcon, EachDamageGivesAClearError)
{
    const QByteArray whole = multiIconBytes();
    ASSERT_TRUE(loadsIcon(whole));
    const QByteArray ending = QStringLiteral("fichier tronqué").toUtf8();

    struct Case {
        const char *name;
        QByteArray bytes;
        const char *says; ///< part of the message
    };
    QByteArray none = whole;
    put16(none, 4, 0);
    QByteArray many = whole;
    put16(many, 4, 65535);
    QByteArray offsetPast = whole;
    put32(offsetPast, 6 + 16 + 12, quint32(whole.size()));
    QByteArray sizePast = whole;
    put32(sizePast, 6 + 16 + 8, 0xFFFFFFF0u);
    QByteArray hugeDib = whole;
    put32(hugeDib, imageOffset(whole, 1) + 4, 0x7FFFFFFF);
    QByteArray tallDib = whole;
    put32(tallDib, imageOffset(whole, 1) + 8, 0x80000000u);
    QByteArray hugePng = whole;
    put32(hugePng, imageOffset(whole, 3) + 16, 0x00100000u);
    QByteArray fakePng = whole;
    for (qsizetype i = imageOffset(whole, 3) + 40; i < whole.size(); ++i)
        fakePng[i] = char(i * 7);
    QByteArray cursor = whole;
    put16(cursor, 2, 2);

    const Case cases[] = {
        {"empty file", QByteArray(), "tronqué"},
        {"header only", whole.left(6), "tronqué"},
        {"directory cut short", whole.left(6 + 16 * 4 - 1), "tronqué"},
        {"no entry", none, "aucune image"},
        {"65,535 entries", many, "tronqué"},
        {"offset past the end", offsetPast, "sort du fichier"},
        {"size past the end", sizePast, "sort du fichier"},
        {"cut inside the last image", whole.left(whole.size() - 1), "sort du fichier"},
        {"absurd width", hugeDib, "dimensions d'image aberrantes"},
        {"absurd height", tallDib, "dimensions d'image aberrantes"},
        {"absurd PNG size", hugePng, "dimensions d'image aberrantes"},
        {"PNG entry that is no PNG", fakePng, "PNG non valide"},
        {"not an icon file", cursor, "pas un fichier d'icônes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(iconErrorOf(c.bytes).contains(QString::fromUtf8(c.says))) << iconErrorOf(c.bytes).toStdString();
        EXPECT_FALSE(loadsIcon(c.bytes));
    }
}

TEST(BadIcon, ErrorsOfAFileNameIt)
{
    const QString path = scratchPath(QStringLiteral("damaged.ico"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(multiIconBytes().left(100));
    file.close();
    try {
        IconFile::load(path).picture(32);
        FAIL() << "a damaged file read";
    } catch (const EIconError &e) {
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
    }
    EXPECT_THROW(IconFile::load(scratchPath(QStringLiteral("missing.ico"))), EIconError);
    EXPECT_THROW(IconFile::load(QFileInfo(path).path()), EIconError) << "a folder";
}

TEST(BadIcon, EveryTruncationEndsInAnError)
{
    const QByteArray whole = multiIconBytes();
    for (qsizetype size = 0; size < whole.size(); size += size < 2000 ? 1 : 97)
        EXPECT_FALSE(loadsIcon(whole.left(size))) << size;
}

TEST(BadIcon, MutatedFilesNeverCrash)
{
    // The directory and the headers of the bitmaps and of the PNG stream are where damage bites.
    const QByteArray whole = multiIconBytes();
    const qsizetype headers[] = {0, imageOffset(whole, 0), imageOffset(whole, 1), imageOffset(whole, 2),
                                 imageOffset(whole, 3)};
    std::mt19937 random(16);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = whole;
        const int changes = 1 + int(random() % 6);
        for (int i = 0; i < changes; ++i) {
            const qsizetype base = headers[random() % std::size(headers)];
            const qsizetype at = random() % 4 == 0 ? qsizetype(random() % bytes.size()) : base + qsizetype(random() % 80);
            bytes[std::min(at, bytes.size() - 1)] = char(random());
        }
        loadsIcon(bytes);
    }
}

TEST(BadIcon, RandomBytesAreRefused)
{
    std::mt19937 random(61);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(qsizetype(random() % 2048), '\0');
        for (char &c : bytes)
            c = char(random());
        if (round % 2 && bytes.size() >= 6) {
            put16(bytes, 0, 0);
            put16(bytes, 2, 1);
            put16(bytes, 4, quint16(random() % 8));
        }
        loadsIcon(bytes);
    }
}

} // namespace
