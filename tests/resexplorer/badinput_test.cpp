// Damaged and hostile files: each gives a clear EExeError, never a crash, a hang or a read
// outside the file. The malformed files are built here byte by byte; the fuzz loop mutates the
// real samples. Run under AddressSanitizer as well.
#include "samplepe.h"
#include "treewalk.h"

#include "resexplorer/core/bytespan.h"
#include "resexplorer/core/exeerror.h"
#include "resexplorer/core/exeimage.h"
#include "resexplorer/core/resourceitem.h"
#include "resexplorer/core/resourcelist.h"
#include "support/messageof.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <random>
#include <vector>

using namespace resexplorer;
using rxtests::itemAt;

namespace {

constexpr quint32 kSectionRva = 0x1000;
constexpr quint32 kSectionFileOffset = 0x200;
constexpr quint32 kList = 0x80000000u;

void put16(QByteArray &bytes, qsizetype at, quint32 value)
{
    if (bytes.size() < at + 2)
        bytes.resize(at + 2, '\0');
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    put16(bytes, at, value & 0xFFFF);
    put16(bytes, at + 2, value >> 16);
}

struct Resource {
    quint32 type;
    quint32 name;
    QByteArray data;
};

// A well-formed resource section: one resource per type, types in the order given. With one
// resource the names directory is at 24, the languages directory at 48, the data entry at 72
// and the data at 88.
QByteArray resourceSection(const std::vector<Resource> &resources)
{
    const auto n = qsizetype(resources.size());
    const qsizetype namesAt = 16 + 8 * n;
    const qsizetype languagesAt = namesAt + 24 * n;
    const qsizetype entriesAt = languagesAt + 24 * n;
    qsizetype dataAt = entriesAt + 16 * n;
    QByteArray s;
    put16(s, 14, quint32(n));
    for (qsizetype i = 0; i < n; ++i) {
        const Resource &r = resources[size_t(i)];
        put32(s, 16 + 8 * i, r.type);
        put32(s, 16 + 8 * i + 4, kList | quint32(namesAt + 24 * i));
        put16(s, namesAt + 24 * i + 14, 1);
        put32(s, namesAt + 24 * i + 16, r.name);
        put32(s, namesAt + 24 * i + 20, kList | quint32(languagesAt + 24 * i));
        put16(s, languagesAt + 24 * i + 14, 1);
        put32(s, languagesAt + 24 * i + 16, 1033);
        put32(s, languagesAt + 24 * i + 20, quint32(entriesAt + 16 * i));
        put32(s, entriesAt + 16 * i, kSectionRva + quint32(dataAt));
        put32(s, entriesAt + 16 * i + 4, quint32(r.data.size()));
        s.resize(dataAt, '\0');
        s.append(r.data);
        dataAt = (s.size() + 3) & ~qsizetype(3);
    }
    return s;
}

struct PeShape {
    quint16 optionalSize = 224;
    quint16 sectionCount = 1;
    QByteArray sectionName = QByteArray(".rsrc");
    quint32 rawPointer = kSectionFileOffset;
};

// A 32-bit PE file whose one section holds \a section at file offset 0x200, address 0x1000.
QByteArray peFile(const QByteArray &section, const PeShape &shape = {})
{
    QByteArray f(kSectionFileOffset, '\0');
    f[0] = 'M';
    f[1] = 'Z';
    put32(f, 0x3C, 0x40);
    f.replace(0x40, 4, QByteArray("PE\0\0", 4));
    put16(f, 0x44, 0x14C);
    put16(f, 0x46, shape.sectionCount);
    put16(f, 0x54, shape.optionalSize);
    put16(f, 0x58, 0x10B);
    const qsizetype table = 0x40 + 24 + 224;
    f.replace(table, 8, shape.sectionName.leftJustified(8, '\0'));
    put32(f, table + 8, quint32(section.size()));
    put32(f, table + 12, kSectionRva);
    put32(f, table + 16, quint32(section.size()));
    put32(f, table + 20, shape.rawPointer);
    return f + section;
}

QByteArray withPatch(QByteArray bytes, qsizetype at, quint32 value)
{
    put32(bytes, kSectionFileOffset + at, value);
    return bytes;
}

QByteArray dib(qint32 width, qint32 height, quint16 bits)
{
    QByteArray header;
    put32(header, 0, 40);
    put32(header, 4, quint32(width));
    put32(header, 8, quint32(height));
    put16(header, 12, 1);
    put16(header, 14, bits);
    put32(header, 36, 0);
    return header;
}

QByteArray group(quint16 count, quint16 id)
{
    QByteArray g;
    put16(g, 2, 1);
    put16(g, 4, count);
    put16(g, 6 + 12, id);
    return g;
}

// Shared sub-directories: every type entry names the same names directory, every name entry
// the same language directory, so a small file describes 600 x 600 resources.
QByteArray multiplyingSection()
{
    constexpr int kFan = 600;
    const qsizetype namesAt = 16 + 8 * kFan;
    const qsizetype languagesAt = namesAt + 16 + 8 * kFan;
    const qsizetype entryAt = languagesAt + 24;
    QByteArray s;
    put16(s, 14, kFan);
    put16(s, namesAt + 14, kFan);
    for (int i = 0; i < kFan; ++i) {
        put32(s, 16 + 8 * i, quint32(100 + i));
        put32(s, 16 + 8 * i + 4, kList | quint32(namesAt));
        put32(s, namesAt + 16 + 8 * i, quint32(i + 1));
        put32(s, namesAt + 16 + 8 * i + 4, kList | quint32(languagesAt));
    }
    put16(s, languagesAt + 14, 1);
    put32(s, languagesAt + 20, quint32(entryAt));
    put32(s, entryAt, kSectionRva);
    put32(s, entryAt + 4, 4);
    return s;
}

QString messageOf(const std::function<void()> &action)
{
    return testing_support::messageOf<EExeError>(action);
}

QString writeTemp(const QByteArray &bytes)
{
    static QTemporaryDir folder;
    static int serial = 0;
    const QString path = folder.filePath(QStringLiteral("case%1.exe").arg(++serial));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return path;
}

const QString kNotExecutable = QStringLiteral("Fichier non executable (ou pas WIN32 Executable)");

struct BadCase {
    const char *name;
    QByteArray bytes;
    QString message;
    /// What is asked of the opened file (nothing: opening itself fails).
    std::function<void(TExeImage &)> ask;
};

std::vector<BadCase> badCases()
{
    const QByteArray one = peFile(resourceSection({{10, 1, "data"}}));
    const auto dosOnly = [](quint32 newHeader) {
        QByteArray f(64, '\0');
        f[0] = 'M';
        f[1] = 'Z';
        put32(f, 0x3C, newHeader);
        return f;
    };
    const auto firstLeaf = [](TExeImage &i) -> TResourceItem & {
        return *i.resources().itemAt(0)->subList().itemAt(0);
    };
    PeShape hugeOptional;
    hugeOptional.optionalSize = 0xFFFF;
    PeShape endlessTable;
    endlessTable.sectionCount = 0xFFFF;
    endlessTable.sectionName = ".text";
    PeShape farSection;
    farSection.rawPointer = 0x7FFFFFF0;

    QByteArray deep = one;
    // names -> languages -> a further directory -> the languages again: four levels.
    put32(deep, kSectionFileOffset + 64 + 4, kList | 24);

    return {
        {"only the DOS signature", QByteArray("MZ"), kNotExecutable, {}},
        {"PE header past the end", dosOnly(0x1000), kNotExecutable, {}},
        {"PE header offset near 4 GiB", dosOnly(0xFFFFFFF0), kNotExecutable, {}},
        {"PE header cut short", one.left(0x50), kNotExecutable, {}},
        {"wrong PE signature", QByteArray(one).replace(0x41, 1, "X"), kNotExecutable, {}},
        {"optional header larger than the file", peFile(resourceSection({{10, 1, "x"}}), hugeOptional),
         kNotExecutable, {}},
        {"section count past the end of the table", peFile(QByteArray(16, '\0'), endlessTable),
         damage::outsideFile(), [](TExeImage &i) { i.resources(); }},
        {"resource section past the end", peFile(QByteArray(16, '\0'), farSection), damage::outsideFile(),
         [](TExeImage &i) { i.resources(); }},
        {"absurd entry counts", withPatch(withPatch(one, 12, 0xFFFFFFFF), 0, 0), damage::outsideFile(),
         [](TExeImage &i) { i.resources().count(); }},
        {"type directory naming itself", withPatch(one, 20, kList | 0), damage::loop(),
         [](TExeImage &i) { i.resources().itemAt(0)->subList(); }},
        {"names directory naming itself", withPatch(one, 44, kList | 24), damage::loop(),
         [&](TExeImage &i) { firstLeaf(i).subList(); }},
        {"directories nested too deep", deep, damage::tooDeep(),
         [&](TExeImage &i) { firstLeaf(i).subList().itemAt(0)->subList(); }},
        {"shared directories multiplying the entries", peFile(multiplyingSection()), damage::tooManyEntries(),
         [](TExeImage &i) {
             for (TResourceItem *type : i.resources().buildEntries())
                 type->subList().count();
         }},
        {"data before the resource section", withPatch(one, 72, 0x10), damage::outsideFile(),
         [&](TExeImage &i) { firstLeaf(i).data(); }},
        {"data size past the end", withPatch(one, 76, 0xFFFFFFFF), damage::outsideFile(),
         [&](TExeImage &i) {
             QBuffer out;
             out.open(QIODevice::WriteOnly);
             firstLeaf(i).writeData(out);
         }},
        {"name outside the file", withPatch(one, 40, kList | 0x7FFFFFFF), damage::outsideFile(),
         [&](TExeImage &i) { firstLeaf(i).displayName(); }},
        {"name longer than the file", withPatch(withPatch(one, 40, kList | 88), 88, 0xFFFF), damage::outsideFile(),
         [&](TExeImage &i) { firstLeaf(i).displayName(); }},
        {"icon group counting past its data",
         peFile(resourceSection({{3, 1, dib(16, 32, 32)}, {14, 1, group(0xFFFF, 1).left(8)}})),
         damage::outsideFile(), [](TExeImage &i) { itemAt(i, "Icon/1").subList().count(); }},
        {"icon image of absurd size",
         peFile(resourceSection({{3, 1, dib(0x7FFFFFFF, 64, 32)}, {14, 1, group(1, 1)}})), damage::badPicture(),
         [](TExeImage &i) {
             QImage picture;
             itemAt(i, "Icon/1").subList().itemAt(0)->renderTo(picture);
         }},
        {"icon image shorter than its pixels",
         peFile(resourceSection({{3, 1, dib(32, 64, 32)}, {14, 1, group(1, 1)}})), damage::outsideFile(),
         [](TExeImage &i) {
             QImage picture;
             itemAt(i, "Icon/1").subList().itemAt(0)->renderTo(picture);
         }},
        {"menu text without its end", peFile(resourceSection({{4, 1, QByteArray("\0\0\0\0\0\0\1\0A\0B\0", 12)}})),
         damage::unterminatedText(), [](TExeImage &i) {
             QStringList lines;
             itemAt(i, "Menu/1").renderTo(lines);
         }},
        {"string block cut short", peFile(resourceSection({{6, 1, QByteArray("\5\0A\0", 4)}})), damage::outsideFile(),
         [](TExeImage &i) {
             QStringList lines;
             itemAt(i, "String/1").renderTo(lines);
         }},
        {"bitmap shorter than its header", peFile(resourceSection({{2, 1, QByteArray("\x28\0", 2)}})),
         damage::outsideFile(), [](TExeImage &i) {
             QImage picture;
             itemAt(i, "Bitmap/1").renderTo(picture);
         }},
    };
}

} // namespace

TEST(BadInput, EachDamageGivesItsError)
{
    for (const BadCase &c : badCases()) {
        SCOPED_TRACE(c.name);
        const QString path = writeTemp(c.bytes);
        const QString message = messageOf([&] {
            TExeImage image(path);
            if (!c.ask)
                return;
            c.ask(image);
        });
        EXPECT_EQ(message, c.message);
    }
}

TEST(BadInput, TheWellFormedBaseOfTheCasesReads)
{
    // The cases above differ from this file by the damage alone.
    TExeImage image(writeTemp(peFile(resourceSection({{10, 1, "data"}}))));
    EXPECT_EQ(itemAt(image, "RCData/1").data().toByteArray(), QByteArray("data"));
    TExeImage icons(writeTemp(peFile(resourceSection({{3, 1, dib(16, 32, 32) + QByteArray(16 * 16 * 4 + 16 * 4, '\0')},
                                                       {14, 1, group(1, 1)}}))));
    QImage picture;
    itemAt(icons, "Icon/1").subList().itemAt(0)->renderTo(picture);
    EXPECT_EQ(picture.size(), QSize(16, 16));
}

TEST(BadInput, SpanRangesNeverWrapAround)
{
    const unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    const ByteSpan span(bytes, sizeof bytes);
    constexpr auto kMax = std::numeric_limits<std::uint64_t>::max();
    EXPECT_FALSE(span.contains(kMax, 2));
    EXPECT_FALSE(span.contains(2, kMax));
    EXPECT_FALSE(span.contains(9, 0));
    EXPECT_TRUE(span.contains(8, 0));
    EXPECT_EQ(span.u32(4), 0x08070605u);
    EXPECT_EQ(messageOf([&] { span.u32(5); }), damage::outsideFile());
    EXPECT_EQ(messageOf([&] { span.utf16(0, kMax / 2 + 1); }), damage::outsideFile());
    EXPECT_EQ(messageOf([&] { span.sub(4, 4).sub(1, 4); }), damage::outsideFile());
}

TEST(BadInput, AFileChangedWhileOpenReadsAsItWasWhenOpened)
{
    QByteArray original = rxtests::readFile(rxtests::samplePe().exe32);
    const QString path = writeTemp(original);
    TExeImage before(rxtests::samplePe().exe32);
    TExeImage image(path);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.resize(100));
    }
    EXPECT_EQ(rxtests::visitAll(image), rxtests::visitAll(before));
    EXPECT_EQ(itemAt(image, "RCData/300").data().toByteArray(), rxtests::samplePe().rcdata);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(QByteArray(original.size() * 2, '\xFF')), original.size() * 2);
    }
    EXPECT_EQ(itemAt(image, "Bitmap/3").data().toByteArray(), itemAt(before, "Bitmap/3").data().toByteArray());
}

TEST(BadInput, AFailedSaveLeavesTheExistingFileAlone)
{
    TExeImage image(writeTemp(withPatch(peFile(resourceSection({{10, 1, "data"}})), 76, 0x10000)));
    const QString target = writeTemp("keep me");
    EXPECT_EQ(messageOf([&] { itemAt(image, "RCData/1").saveToFile(target); }), damage::outsideFile());
    EXPECT_EQ(rxtests::readFile(target), QByteArray("keep me"));
    EXPECT_TRUE(messageOf([&] { itemAt(image, "RCData/1").saveToFile("/nonexistent/folder/x.bin"); })
                    .startsWith("Impossible de créer le fichier"));
}

TEST(Fuzz, MutatedSamplesGiveErrorsNeverFaults)
{
    // A bounded run over the real samples: mostly damage inside the resource section, where
    // the reader does its work, some in the headers, some truncations.
    constexpr int kMaxMutants = 3000;
    constexpr qint64 kTimeBudgetMs = 20000;
    const quint32 interesting[] = {0, 1, 0xFFFF, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFFF, 0x80000010u, 16, 24};
    std::mt19937 random(20261210);
    QElapsedTimer clock;
    clock.start();
    int mutants = 0;
    int opened = 0;
    int failures = 0;
    for (const QString &seedPath : {rxtests::samplePe().exe32, rxtests::samplePe().exe64}) {
        const QByteArray seed = rxtests::readFile(seedPath);
        TExeImage seedImage(seedPath);
        seedImage.resources();
        const auto rsrc = qsizetype(seedImage.resourceBase());
        const auto pick = [&](qsizetype from, qsizetype to) {
            return std::uniform_int_distribution<qsizetype>(from, to - 1)(random);
        };
        for (int round = 0; round < kMaxMutants / 2 && clock.elapsed() < kTimeBudgetMs; ++round) {
            QByteArray mutant = seed;
            const int changes = 1 + int(random() % 6);
            for (int c = 0; c < changes; ++c) {
                const unsigned kind = random() % 9;
                if (kind < 6) {
                    mutant[pick(rsrc, mutant.size())] = char(random());
                } else if (kind < 8) {
                    const qsizetype at = pick(rsrc, mutant.size() - 4) & ~qsizetype(1);
                    put32(mutant, at, interesting[random() % std::size(interesting)]);
                } else {
                    mutant[pick(0, 0x200)] = char(random());
                }
            }
            if (random() % 10 == 0)
                mutant.truncate(pick(1, mutant.size()));
            ++mutants;
            const QString path = writeTemp(mutant);
            try {
                TExeImage image(path);
                ++opened;
                rxtests::visitAll(image);
            } catch (const EExeError &) {
                ++failures;
            }
            QFile::remove(path);
        }
    }
    EXPECT_GT(mutants, 100);
    EXPECT_GT(opened, mutants / 2);
    EXPECT_GT(failures, 0);
}
