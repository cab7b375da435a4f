// The GIF decoder's rules on hand-made streams: versions, clear codes, the full table, interlace
// order, early end, the failure table, delays, and the checked arrays underneath.
#include "gifbytes.h"

#include "images/core/bigbytearray.h"
#include "images/core/bytearray2d.h"
#include "images/core/colortable.h"
#include "images/core/giffile.h"
#include "images/core/gifsubimage.h"
#include "images/core/imageerrors.h"
#include "support/messageof.h"

#include <gtest/gtest.h>

#include <vector>

using namespace images;
using namespace imagetests;

namespace {

// Code size 2: clear 4, end 5, first free 6; codes start 3 bits wide.
constexpr int C = 4;
constexpr int E = 5;

QByteArray oneImage(int width, int height, const QByteArray &lzw, bool interlaced = false,
                    const QByteArray &version = "89a", int codeSize = 2)
{
    return gifFile(version, width, height, 2, imageBlock(width, height, interlaced, codeSize, lzw));
}

QByteArray codes(std::initializer_list<std::pair<int, int>> list)
{
    CodePacker packer;
    packer.put(list);
    return packer.bytes();
}

/// All pixels of image 1, row after row.
std::vector<int> pixels(const TGifFile &gif)
{
    std::vector<int> out;
    const TByteArray2D &m = *gif.image(1).matrix();
    for (int y = 1; y <= m.height(); ++y)
        for (int x = 1; x <= m.width(); ++x)
            out.push_back(m.at(x, y));
    return out;
}

template <typename E>
QString messageOf(const QByteArray &bytes)
{
    return testing_support::messageOf<E>([&bytes] {
        TGifFile gif;
        gif.loadFromBytes(bytes);
    });
}

const QByteArray SimpleData = codes({{C, 3}, {1, 3}, {E, 3}});

struct VersionCase {
    const char *version;
    bool accepted;
};

class GifVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(GifVersion, OnlyVersions87aAnd89aInEitherCaseAreRead)
{
    const QByteArray bytes = oneImage(1, 1, SimpleData, false, GetParam().version);
    if (GetParam().accepted) {
        TGifFile gif;
        gif.loadFromBytes(bytes);
        EXPECT_EQ(pixels(gif), std::vector<int>{1});
    } else {
        EXPECT_EQ(messageOf<EGifException>(bytes), QStringLiteral("la Version Gif goit etre  87a ou 89a"));
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, GifVersion,
                         testing::Values(VersionCase{"87a", true}, VersionCase{"89a", true}, VersionCase{"87A", true},
                                         VersionCase{"89A", true}, VersionCase{"90a", false},
                                         VersionCase{"89b", false}, VersionCase{"8 9", false}));

TEST(GifDecoder, StreamWithoutLeadingClearCodeStartsAsAfterOne)
{
    // 1, 2 (adds 6 = "1 2"), 6 (adds 7, codes widen to 4 bits), end.
    TGifFile gif;
    gif.loadFromBytes(oneImage(4, 1, codes({{1, 3}, {2, 3}, {6, 3}, {E, 4}})));
    EXPECT_EQ(pixels(gif), (std::vector<int>{1, 2, 1, 2}));
}

TEST(GifDecoder, NextFreeCodeRightAfterClearIsPixelZero)
{
    TGifFile gif;
    gif.loadFromBytes(oneImage(2, 1, codes({{C, 3}, {6, 3}, {1, 3}, {E, 3}})));
    EXPECT_EQ(pixels(gif), (std::vector<int>{0, 1}));
}

TEST(GifDecoder, CodeEqualToNextFreeRepeatsThePreviousString)
{
    // 2, then 6 before it exists: "2 2"; then 7 the same way: "2 2 2".
    TGifFile gif;
    gif.loadFromBytes(oneImage(6, 1, codes({{C, 3}, {2, 3}, {6, 3}, {7, 3}, {E, 4}})));
    EXPECT_EQ(pixels(gif), (std::vector<int>(6, 2)));
}

TEST(GifDecoder, RepeatedClearCodesAreSkipped)
{
    TGifFile gif;
    gif.loadFromBytes(oneImage(2, 1, codes({{C, 3}, {C, 3}, {C, 3}, {3, 3}, {1, 3}, {E, 3}})));
    EXPECT_EQ(pixels(gif), (std::vector<int>{3, 1}));
}

/// Literal codes until the table holds 4096 entries, then \a after.
QByteArray fullTable(int after, int afterWidth, int *pixelCount)
{
    CodePacker packer;
    packer.put(C, 3);
    packer.put(1, 3);
    int nextFree = 6;
    int width = 3;
    int count = 1;
    while (nextFree < 4096) {
        packer.put(count % 4, width);
        ++count;
        if (++nextFree == (1 << width) && width < 12)
            ++width;
    }
    packer.put(after, afterWidth);
    if (after == C) {
        packer.put(2, 3);
        ++count;
        packer.put(E, 3);
    }
    *pixelCount = count;
    return packer.bytes();
}

TEST(GifDecoder, FullTableMustBeFollowedByClearCode)
{
    int count = 0;
    const QByteArray literal = fullTable(3, 12, &count);
    EXPECT_EQ(messageOf<EGifException>(oneImage(count + 1, 1, literal)), QStringLiteral("Code taille trop gand"));

    TGifFile gif;
    const QByteArray cleared = fullTable(C, 12, &count);
    gif.loadFromBytes(oneImage(count, 1, cleared));
    const std::vector<int> got = pixels(gif);
    EXPECT_EQ(got.front(), 1);
    EXPECT_EQ(got[1], 1);
    EXPECT_EQ(got.back(), 2);

    // The end code right after the table filled closes the data as well.
    const QByteArray ended = fullTable(E, 12, &count);
    gif.loadFromBytes(oneImage(count, 1, ended));
    EXPECT_EQ(pixels(gif).size(), size_t(count));
}

TEST(GifDecoder, InterlacedThreeRowsComeInOrderZeroTwoOne)
{
    TGifFile gif;
    gif.loadFromBytes(oneImage(1, 3, codes({{C, 3}, {1, 3}, {2, 3}, {3, 3}, {E, 4}}), true));
    EXPECT_EQ(pixels(gif), (std::vector<int>{1, 3, 2}));
}

TEST(GifDecoder, InterlacedPassesCoverEveryRowOnce)
{
    // Rows 0..9 receive pixel values in pass order 0,8 | 4 | 2,6 | 1,3,5,7,9.
    CodePacker packer;
    packer.put(C, 3);
    const int order[10] = {0, 8, 4, 2, 6, 1, 3, 5, 7, 9};
    int nextFree = 6, width = 3;
    for (int i = 0; i < 10; ++i) {
        packer.put(order[i] % 4, width);
        if (i > 0 && ++nextFree == (1 << width))
            ++width;
    }
    packer.put(E, width);
    TGifFile gif;
    gif.loadFromBytes(oneImage(1, 10, packer.bytes(), true));
    std::vector<int> expected;
    for (int row = 0; row < 10; ++row)
        expected.push_back(row % 4);
    EXPECT_EQ(pixels(gif), expected);
}

TEST(GifDecoder, DataEndingEarlyLeavesLowerRowsWithoutError)
{
    TGifFile gif;
    // Four pixels of a 2x3 image, then the data stops on a byte boundary without an end code.
    const QByteArray data = codes({{C, 3}, {3, 3}, {3, 3}, {2, 3}, {3, 4}});
    ASSERT_EQ(data.size(), 2);
    gif.loadFromBytes(oneImage(2, 3, data));
    EXPECT_EQ(pixels(gif), (std::vector<int>{3, 3, 2, 3, 0, 0}));
}

TEST(GifDecoder, MorePixelsThanTheImageHoldsIsAnIndexError)
{
    EXPECT_EQ(messageOf<EIndexOutOfBounds>(oneImage(1, 1, codes({{C, 3}, {1, 3}, {1, 3}, {E, 3}}))),
              QStringLiteral("Dynamic array index out of bounds"));
}

struct FailureCase {
    const char *name;
    QByteArray bytes;
    QString message;
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class GifFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(GifFailure, RaisesItsMessage)
{
    EXPECT_EQ(messageOf<ImageError>(GetParam().bytes), GetParam().message);
}

const QString WrongCode = QStringLiteral("Code erroné");
const QString EndOfFile = QStringLiteral("Fin de fichier inattendue");

INSTANTIATE_TEST_SUITE_P(
    Table, GifFailure,
    testing::Values(
        FailureCase{"endAfterClear", oneImage(1, 1, codes({{C, 3}, {E, 3}})), WrongCode},
        FailureCase{"codeAboveNextFree", oneImage(3, 1, codes({{C, 3}, {1, 3}, {7, 3}, {E, 3}})), WrongCode},
        FailureCase{"codeSize1", oneImage(1, 1, SimpleData, false, "89a", 1), QStringLiteral("Mauvais code taille")},
        FailureCase{"codeSize10", oneImage(1, 1, SimpleData, false, "89a", 10), QStringLiteral("Mauvais code taille")},
        FailureCase{"unknownExtension", gifFile("89a", 1, 1, 1, QByteArray("!\x33\x00", 3)),
                    QStringLiteral("Extension de block non reconnue.\r\nCode = $33")},
        FailureCase{"unknownExtensionHex", gifFile("89a", 1, 1, 1, QByteArray("!\xab\x00", 3)),
                    QStringLiteral("Extension de block non reconnue.\r\nCode = $AB")},
        FailureCase{"unknownBlock", gifFile("89a", 1, 1, 1, QByteArray("\x00", 1)),
                    QStringLiteral("Bloc non reconnu dans le fichier GIF.\r\nCode = $00")},
        FailureCase{"unknownBlockAfterExtension", gifFile("89a", 1, 1, 1, graphicControl(5) + "x"),
                    QStringLiteral("Bloc non reconnu dans le fichier GIF.\r\nCode = $78")},
        FailureCase{"noDataSubBlock", gifFile("89a", 1, 1, 1, QByteArray(",\0\0\0\0\1\0\1\0\0\2\0", 12)),
                    QStringLiteral("List index out of bounds (0)")},
        FailureCase{"missingTrailer", gifFile("89a", 1, 1, 2, imageBlock(1, 1, false, 2, SimpleData), false),
                    EndOfFile},
        FailureCase{"subBlockPastTheEnd", gifFile("89a", 1, 1, 2, QByteArray(",\0\0\0\0\1\0\1\0\0\2\xC8xyz", 16), false),
                    EndOfFile},
        FailureCase{"extensionPastTheEnd", gifFile("89a", 1, 1, 2, QByteArray("!\xF9\x04\x00", 4), false),
                    EndOfFile},
        FailureCase{"truncatedScreen", QByteArray("GIF89a\x01\x00\x01", 9), EndOfFile},
        FailureCase{"truncatedColourTable", QByteArray("GIF89a\x01\x00\x01\x00\x87\0\0abcdef", 19), EndOfFile},
        FailureCase{"zeroWidthWithPixels", gifFile("89a", 0, 5, 2, imageBlock(0, 5, false, 2, SimpleData)),
                    QStringLiteral("Dynamic array index out of bounds")},
        FailureCase{"zeroSizeWithoutPixels", gifFile("89a", 0, 0, 2, imageBlock(0, 0, false, 2, codes({{C, 3}, {E, 3}}))),
                    WrongCode},
        FailureCase{"hugeImage", gifFile("89a", 65535, 65535, 2, imageBlock(65535, 65535, false, 2, SimpleData)),
                    QStringLiteral("error in TBigByteArray.create: Not enough contiguous memory available\r\n"
                                   " requested memory block: 4294836225 bytes")}),
    [](const testing::TestParamInfo<FailureCase> &test) { return std::string(test.param.name); });

TEST(GifDecoder, ManyLargeImagesAreRefusedBeforeMemoryRunsOut)
{
    QByteArray body;
    for (int i = 0; i < 40; ++i)
        body += imageBlock(8000, 1000, false, 2, SimpleData);
    EXPECT_THROW(TGifFile().loadFromBytes(gifFile("89a", 8000, 1000, 2, body)), ENotEnoughMemory);
}

TEST(GifDecoder, FileWithoutImagesHasNoImageOne)
{
    TGifFile gif;
    gif.loadFromBytes(gifFile("89a", 4, 4, 1, {}));
    EXPECT_EQ(gif.imageCount(), 0);
    EXPECT_EQ(gif.animationDelay(), 0);
    EXPECT_THROW(gif.image(1), EListError);
}

TEST(GifDecoder, CodeSizeNineIsAccepted)
{
    TGifFile gif;
    gif.loadFromBytes(oneImage(1, 1, codes({{512, 10}, {7, 10}, {513, 10}}), false, "89a", 9));
    EXPECT_EQ(pixels(gif), std::vector<int>{7});
}

TEST(GifDecoder, ZeroSizeImageHasEmptyBitmap)
{
    TGifFile gif;
    gif.loadFromBytes(gifFile("89a", 0, 0, 2, imageBlock(0, 0, false, 2, codes({{E, 3}}))));
    EXPECT_TRUE(gif.image(1).bitmap().isNull());
}

struct DelayCase {
    std::vector<int> delays; ///< -1: no graphic control extension
    int expected;
};

class GifDelay : public testing::TestWithParam<DelayCase> {};

TEST_P(GifDelay, AnimationDelayIsTheLastNonZeroOneOfSeveralImages)
{
    QByteArray body;
    for (int delay : GetParam().delays) {
        if (delay >= 0)
            body += graphicControl(99) + graphicControl(delay);
        body += imageBlock(1, 1, false, 2, SimpleData);
    }
    TGifFile gif;
    gif.loadFromBytes(gifFile("89a", 1, 1, 2, body));
    EXPECT_EQ(gif.animationDelay(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Delays, GifDelay,
                         testing::Values(DelayCase{{10, 0}, 10}, DelayCase{{0, 0}, 0}, DelayCase{{50}, 0},
                                         DelayCase{{10, 20}, 20}, DelayCase{{30, 0, 0}, 30},
                                         DelayCase{{-1, 7, -1}, 7}));

TEST(GifModel, NewModelIs87aWithTwoColours)
{
    TGifFile gif;
    EXPECT_EQ(gif.version(), QByteArray("87a"));
    EXPECT_EQ(gif.globalTable().count(), 2);
    EXPECT_EQ(gif.globalTable().entry(1), (TColorEntry{255, 255, 255}));
}

TEST(GifModel, ImageColourCountMustBeAPowerOfTwo)
{
    for (int count : {0, 1, 3, 12, 257, 512}) {
        try {
            TGifSubImage image(count, nullptr);
            ADD_FAILURE() << count;
        } catch (const EGifException &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Nombre de couleurs (%1) incorrecte; doit etre une puissance de 2")
                                       .arg(count));
        }
    }
    for (int count = 2; count <= 256; count *= 2)
        EXPECT_EQ(TGifSubImage(count, nullptr).localTable().count(), count);
}

TEST(GifModel, DefaultColourTables)
{
    EXPECT_EQ(TColorTable(2).entry(0), (TColorEntry{0, 0, 0}));
    EXPECT_EQ(TColorTable(16).entry(1), (TColorEntry{128, 0, 0}));
    EXPECT_EQ(TColorTable(16).entry(8), (TColorEntry{192, 192, 192}));
    EXPECT_EQ(TColorTable(16).entry(11), (TColorEntry{255, 255, 0}));
    EXPECT_EQ(TColorTable(16).entry(15), (TColorEntry{255, 255, 255}));
    EXPECT_EQ(TColorTable(256).entry(77), (TColorEntry{77, 77, 77}));
    EXPECT_EQ(TColorTable(64).count(), 64);
    EXPECT_EQ(TColorTable(64).entry(5), (TColorEntry{0, 0, 0}));
}

TEST(ByteArrays, IndexesAreCheckedFromOneToSize)
{
    TBigByteArray bytes(3);
    bytes.set(3, 9);
    EXPECT_EQ(bytes.at(3), 9);
    EXPECT_THROW(bytes.at(0), EIndexOutOfBounds);
    EXPECT_THROW(bytes.set(4, 1), EIndexOutOfBounds);
    EXPECT_THROW(bytes.span(2, 3), EIndexOutOfBounds);

    TByteArray2D matrix(3, 2);
    matrix.storeRow(2, {7, 8, 9});
    EXPECT_EQ(matrix.at(2, 2), 8);
    EXPECT_THROW(matrix.at(4, 1), EIndexOutOfBounds);
    EXPECT_THROW(matrix.storeRow(3, {1, 2, 3}), EIndexOutOfBounds);
    try {
        matrix.storeRow(1, {1, 2});
        ADD_FAILURE();
    } catch (const EMatrixRowError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Row doesn't have equal number of elements as Matrix row"));
    }
    EXPECT_THROW(TBigByteArray(TBigByteArray::MaxBytes + 1), ENotEnoughMemory);
    EXPECT_THROW(TBigByteArray(-1), ENotEnoughMemory);
}

TEST(GifWriter, EncodesLongRunsAndRandomDataBackToTheSamePixels)
{
    // A 256-colour model from hand-made bytes whose matrix is then rewritten by our encoder.
    const int width = 300, height = 70;
    for (bool interlaced : {false, true}) {
        TGifFile gif;
        gif.loadFromBytes(gifFile("89a", width, height, 8,
                                  imageBlock(width, height, interlaced, 8,
                                             codes({{256, 9}, {0, 9}, {257, 9}}))));
        TByteArray2D &matrix = *gif.image(1).matrix();
        unsigned seed = 12345;
        for (int y = 1; y <= height; ++y)
            for (int x = 1; x <= width; ++x) {
                seed = seed * 1103515245u + 12345u;
                matrix.set(x, y, static_cast<std::uint8_t>(y < 20 ? 5 : (y < 40 ? (x / 7) : (seed >> 16))));
            }
        TGifFile again;
        again.loadFromBytes(gif.saveToBytes());
        ASSERT_EQ(again.imageCount(), 1);
        EXPECT_EQ(again.image(1).interlaced(), interlaced);
        for (int y = 1; y <= height; ++y)
            ASSERT_EQ(again.image(1).matrix()->copyRow(y), matrix.copyRow(y)) << "row " << y;
    }
}

} // namespace
