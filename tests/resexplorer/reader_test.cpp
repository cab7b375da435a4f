// The resource reader against real executables built by mingw-w64 from ImageMagick pictures:
// the tree, names, numbers, sizes, text renderings, pictures and saved files.
#include "samplepe.h"
#include "treewalk.h"

#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"
#include "resexplorer/core/resourcetype.h"
#include "support/messageof.h"

#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace resexplorer;
using rxtests::itemAt;
using rxtests::names;
using rxtests::readFile;
using rxtests::SamplePe;
using rxtests::samplePe;

namespace {

QString messageOf(const std::function<void()> &action)
{
    return testing_support::messageOf<EExeError>(action);
}

// Pixels that differ where either image is visible; -1 when the sizes differ.
int differingPixels(const QImage &ours, const QImage &reference)
{
    if (ours.size() != reference.size())
        return -1;
    int differing = 0;
    for (int y = 0; y < ours.height(); ++y) {
        for (int x = 0; x < ours.width(); ++x) {
            const QRgb a = ours.pixel(x, y);
            const QRgb b = reference.pixel(x, y);
            if ((qAlpha(a) != 0 || qAlpha(b) != 0) && a != b)
                ++differing;
        }
    }
    return differing;
}

QString savedCopy(TResourceItem &item, const QString &name)
{
    static QTemporaryDir folder;
    const QString path = folder.path() + '/' + name;
    item.saveToFile(path);
    return path;
}

QStringList lines(TResourceItem &item)
{
    QStringList out;
    item.renderTo(out);
    return out;
}

QImage picture(TResourceItem &item)
{
    QImage out;
    item.renderTo(out);
    return out.convertToFormat(QImage::Format_ARGB32);
}

// The .rsrc section as binutils sees it: file offset and address relative to the image base.
struct Section {
    quint64 fileOffset = 0;
    quint64 rva = 0;
};

Section objdumpResourceSection(const QString &path, bool wide)
{
    const QString objdump = wide ? QStringLiteral("x86_64-w64-mingw32-objdump") : QStringLiteral("i686-w64-mingw32-objdump");
    const QString headers = QString::fromLatin1(rxtests::runTool(objdump, {QStringLiteral("-h"), QStringLiteral("-p"), path}));
    const QRegularExpression base(QStringLiteral("ImageBase\\s+([0-9a-fA-F]+)"));
    const QRegularExpression rsrc(QStringLiteral("\\.rsrc\\s+[0-9a-f]+\\s+([0-9a-f]+)\\s+[0-9a-f]+\\s+([0-9a-f]+)"));
    const auto b = base.match(headers);
    const auto r = rsrc.match(headers);
    if (!b.hasMatch() || !r.hasMatch())
        throw std::runtime_error("objdump shows no .rsrc section");
    return {r.captured(2).toULongLong(nullptr, 16), r.captured(1).toULongLong(nullptr, 16) - b.captured(1).toULongLong(nullptr, 16)};
}

class SampleFile : public testing::TestWithParam<QString SamplePe::*> {
protected:
    const SamplePe &sample = samplePe();
    const QString path = sample.*GetParam();
    TExeImage image{path};
};

INSTANTIATE_TEST_SUITE_P(Pe, SampleFile,
                         testing::Values(&SamplePe::exe32, &SamplePe::exe64, &SamplePe::dll32),
                         [](const auto &test) {
                             return std::string(test.index == 0 ? "Pe32" : test.index == 1 ? "Pe32Plus" : "Dll");
                         });

} // namespace

TEST_P(SampleFile, FindsTheResourceSectionWhereBinutilsDoes)
{
    image.resources();
    const Section section = objdumpResourceSection(path, path == sample.exe64);
    EXPECT_EQ(image.resourceBase(), section.fileOffset);
    EXPECT_EQ(image.resourceRva(), section.rva);
}

TEST_P(SampleFile, ListsTheTypesWithImageTypesSetAside)
{
    TResourceList &top = image.resources();
    EXPECT_EQ(names(top), QStringList({"MYTYPE", "Bitmap", "Menu", "Dialog", "String", "RCData",
                                        "Cursor", "Icon", "Version", "24"}));
    for (TResourceItem *type : top.buildEntries()) {
        EXPECT_TRUE(type->hasSubList()) << type->displayName().toStdString();
        EXPECT_EQ(type->dataSize(), 0u);
    }
    ASSERT_NE(image.iconImagesNode(), nullptr);
    ASSERT_NE(image.cursorImagesNode(), nullptr);
    EXPECT_EQ(image.iconImagesNode()->nameField(), 3u);
    EXPECT_EQ(image.cursorImagesNode()->nameField(), 1u);
    EXPECT_EQ(image.iconImagesNode()->subList().count(), 4); // 3 sizes + 1
}

TEST_P(SampleFile, NamesNumbersAndTypesOfResources)
{
    struct Case {
        const char *type;
        QStringList names;
        std::int32_t typeId;
        const char *label;
    };
    const Case cases[] = {
        {"Bitmap", {"LOGO", "3", "4"}, rtBitmap, "Bitmap"},
        {"Menu", {"100", "101"}, rtMenu, "Menu"},
        {"Dialog", {"200"}, rtDialog, "Dialog"},
        {"String", {"1", "2"}, rtString, "String"},
        {"RCData", {"300"}, rtRCData, "RCData"},
        {"Cursor", {"5"}, rtCursor, "Cursor"},
        {"Icon", {"1", "2"}, rtIcon, "Icon"},
        {"Version", {"1"}, rtVersion, "Version"},
        {"24", {"24"}, 24, "24"},
        {"MYTYPE", {"HELLO"}, -1, "MYTYPE"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.type);
        TResourceList &list = itemAt(image, c.type).subList();
        EXPECT_EQ(names(list), c.names);
        for (TResourceItem *item : list.buildEntries()) {
            if (c.typeId >= 0)
                EXPECT_EQ(item->typeId(), c.typeId);
            else
                EXPECT_FALSE(isKnownType(item->typeId()));
            EXPECT_EQ(item->typeLabel(), c.label);
        }
    }
}

TEST_P(SampleFile, IconGroupsListTheirImagesByTheGroupEntries)
{
    EXPECT_EQ(names(itemAt(image, "Icon/1").subList()),
              QStringList({"0 X 0 0 Couleurs", "48 X 48 0 Couleurs", "16 X 16 0 Couleurs"}));
    EXPECT_EQ(names(itemAt(image, "Icon/2").subList()), QStringList({"32 X 32 16 Couleurs"}));
    EXPECT_EQ(names(itemAt(image, "Cursor/5").subList()), QStringList({"32 X 32 1 Bit(s)"}));

    TResourceItem &group = itemAt(image, "Icon/1");
    EXPECT_TRUE(group.hasSubList());
    EXPECT_EQ(group.dataSize(), 0u);
    TResourceItem &leaf = itemAt(image, "Icon/2/32 X 32 16 Couleurs");
    EXPECT_FALSE(leaf.hasSubList());
    EXPECT_EQ(leaf.typeId(), rtIconEntry);
    EXPECT_EQ(leaf.typeLabel(), "IconEntry");
    EXPECT_EQ(messageOf([&] { leaf.subList(); }), "L'élément de Resource n'est pas une liste");
}

TEST_P(SampleFile, IconAndCursorImagesAreThoseOfTheFilesCompiledIn)
{
    struct Case {
        const char *path;
        QString SamplePe::*file;
        int index; ///< the image in the original file
    };
    const Case cases[] = {
        {"Icon/1/0 X 0 0 Couleurs", &SamplePe::multiIcon, 0},
        {"Icon/1/48 X 48 0 Couleurs", &SamplePe::multiIcon, 1},
        {"Icon/1/16 X 16 0 Couleurs", &SamplePe::multiIcon, 2},
        {"Icon/2/32 X 32 16 Couleurs", &SamplePe::paletteIcon, 0},
        {"Cursor/5/32 X 32 1 Bit(s)", &SamplePe::cursor, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        TResourceItem &item = itemAt(image, c.path);
        const QString original = sample.*c.file;
        const QImage reference = rxtests::magickImage(original, c.index);
        EXPECT_EQ(differingPixels(picture(item), reference), 0);
        const QString saved = savedCopy(item, QString(c.path).replace('/', '_') + original.right(4));
        EXPECT_EQ(differingPixels(rxtests::magickImage(saved), reference), 0);
    }
}

TEST_P(SampleFile, SavedSingleImageFilesAreByteForByteTheOriginals)
{
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "Icon/2/32 X 32 16 Couleurs"), "palette.ico")),
              readFile(sample.paletteIcon));
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "Cursor/5/32 X 32 1 Bit(s)"), "pointer.cur")),
              readFile(sample.cursor));
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "Bitmap/3"), "bitmap8.bmp")), readFile(sample.bitmap8));
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "Bitmap/4"), "bitmap24.bmp")), readFile(sample.bitmap24));
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "Bitmap/LOGO"), "bitmapv5.bmp")), readFile(sample.bitmapV5));
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "RCData/300"), "blob.bin")), sample.rcdata);
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "MYTYPE/HELLO"), "custom.bin")), sample.custom);
    EXPECT_EQ(readFile(savedCopy(itemAt(image, "24/24"), "custom24.bin")), sample.custom);
}

TEST_P(SampleFile, BitmapsDrawAsImageMagickReadsThem)
{
    const std::pair<const char *, QString SamplePe::*> cases[] = {
        {"Bitmap/3", &SamplePe::bitmap8}, {"Bitmap/4", &SamplePe::bitmap24}, {"Bitmap/LOGO", &SamplePe::bitmapV5}};
    for (const auto &[name, file] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(differingPixels(picture(itemAt(image, name)), rxtests::magickImage(sample.*file)), 0);
    }
}

TEST_P(SampleFile, SizesAndOffsetsOfLeavesAndLists)
{
    TResourceItem &blob = itemAt(image, "RCData/300");
    EXPECT_EQ(blob.dataSize(), quint32(sample.rcdata.size()));
    EXPECT_EQ(blob.data().toByteArray(), sample.rcdata);
    // A leaf shows the address of its bytes; they lie in the resource section.
    EXPECT_EQ(blob.dataPtr(), image.resourceBase() + blob.displayOffset() - image.resourceRva());
    EXPECT_EQ(itemAt(image, "Bitmap/3").dataSize(), quint32(readFile(sample.bitmap8).size() - 14));
    EXPECT_EQ(itemAt(image, "Icon/2/32 X 32 16 Couleurs").dataSize(), quint32(readFile(sample.paletteIcon).size() - 22));
    EXPECT_EQ(itemAt(image, "Cursor/5/32 X 32 1 Bit(s)").dataSize(), quint32(readFile(sample.cursor).size() - 22 + 4));
    // A list shows where its directory lies, counted from the resource section.
    TResourceItem &type = itemAt(image, "RCData");
    EXPECT_EQ(type.displayOffset(), type.subList().directory() - image.resourceBase());

    const QByteArray version = itemAt(image, "Version/1").data().toByteArray();
    EXPECT_EQ(quint16(uchar(version[0]) | uchar(version[1]) << 8), version.size());
    EXPECT_TRUE(version.contains(QByteArray("V\0S\0_\0V\0E\0R\0S\0I\0O\0N\0_\0I\0N\0F\0O\0", 30)));
}

TEST_P(SampleFile, StringBlocksListTheirPresentStrings)
{
    EXPECT_EQ(lines(itemAt(image, "String/1")), QStringList({"0,  \"zero\"", "3,  \"three\""}));
    EXPECT_EQ(lines(itemAt(image, "String/2")), QStringList({"16,  \"sixteen\"", "17,  \"Été\""}));
}

TEST_P(SampleFile, MenusListAsScriptLines)
{
    EXPECT_EQ(lines(itemAt(image, "Menu/100")),
              QStringList({"POPUP \"File\"", "  MENUITEM \"Open\",  1", "  MENUITEM \"Exit\",  2", "ENDPOPUP",
                           "POPUP \"Help\"", "  MENUITEM \"About\",  3", "ENDPOPUP", "ENDPOPUP"}));
    EXPECT_EQ(lines(itemAt(image, "Menu/101")),
              QStringList({"MENUITEM \"Zoom %1 %2\",  7", "MENUITEM SEPARATOR", "POPUP \"More\"", "  POPUP \"Deeper\"",
                           "    MENUITEM \"Inside\",  65535", "  ENDPOPUP", "ENDPOPUP", "ENDPOPUP"}));
}

TEST_P(SampleFile, OnlyPicturesDrawAndOnlyTextsList)
{
    QImage image2;
    QStringList text;
    EXPECT_NE(messageOf([&] { itemAt(image, "Dialog/200").renderTo(image2); }), "(no error)");
    EXPECT_NE(messageOf([&] { itemAt(image, "Bitmap/3").renderTo(text); }), "(no error)");
    EXPECT_NE(messageOf([&] { itemAt(image, "String/1").renderTo(image2); }), "(no error)");
}

TEST(OpeningFiles, RefusalsCarryTheirMessages)
{
    QTemporaryDir folder;
    const QString text = folder.filePath("notes.txt");
    const QString empty = folder.filePath("empty.exe");
    const QString missing = folder.filePath("missing.exe");
    {
        QFile f(text);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Ceci n'est pas un programme.\r\n");
    }
    {
        QFile f(empty);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    const std::pair<QString, QString> cases[] = {
        {text, "Format de fichier inconnu ! "},
        {empty, "CreateFileMapping failed"},
        {missing, "Ne peut pas ouvrir : " + missing},
        {folder.path(), "Ne peut pas ouvrir : " + folder.path()},
    };
    for (const auto &[path, message] : cases)
        EXPECT_EQ(messageOf([&] { TExeImage image(path); }), message) << path.toStdString();
}

TEST(OpeningFiles, AFileWithoutResourcesOpensAndFailsWhenAsked)
{
    TExeImage image(samplePe().noResources);
    EXPECT_EQ(messageOf([&] { image.resources(); }), "Pas de resources dans ce fichier .");
}

namespace {

// A copy of the 32-bit sample with \a patch applied to its bytes.
QString patchedCopy(const QString &name, const std::function<void(QByteArray &, TExeImage &)> &patch)
{
    static QTemporaryDir folder;
    QByteArray bytes = readFile(samplePe().exe32);
    TExeImage original(samplePe().exe32);
    patch(bytes, original);
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write the patched copy");
    return path;
}

void renameSection(QByteArray &bytes, const QByteArray &name)
{
    const qsizetype at = bytes.indexOf(QByteArray(".rsrc\0\0\0", 8));
    ASSERT_GT(at, 0);
    bytes.replace(at, 8, name.leftJustified(8, '\0'));
}

} // namespace

TEST(PatchedFiles, TheResourceSectionNameIgnoresCaseButMustEndAfterFiveCharacters)
{
    TExeImage capitals(patchedCopy("capitals.exe", [](QByteArray &b, TExeImage &) { renameSection(b, ".RSRC"); }));
    EXPECT_EQ(capitals.resources().count(), 10);
    TExeImage longer(patchedCopy("longer.exe", [](QByteArray &b, TExeImage &) { renameSection(b, ".rsrcx"); }));
    EXPECT_EQ(messageOf([&] { longer.resources(); }), "Pas de resources dans ce fichier .");
}

TEST(PatchedFiles, IconGroupsOfAFileWithoutIconImagesAreEmpty)
{
    // Renumber the icon-image type: the groups then have no images to refer to.
    const QString path = patchedCopy("noimages.exe", [](QByteArray &b, TExeImage &original) {
        original.resources().count();
        const qsizetype entry = qsizetype(original.iconImagesNode()->entry());
        b[entry] = 99;
    });
    TExeImage image(path);
    EXPECT_EQ(image.iconImagesNode(), nullptr);
    EXPECT_EQ(names(image.resources()).filter("99"), QStringList({"99"}));
    EXPECT_EQ(itemAt(image, "Icon/1").subList().count(), 0);
    EXPECT_EQ(itemAt(image, "Cursor/5").subList().count(), 1);
}
