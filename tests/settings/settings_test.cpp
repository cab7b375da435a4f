// The program's settings over the registry-style store: defaults of a first start, the stored
// form of each type, names without regard to case, sections, and stored values that make no
// sense.
#include "platform/registrystore.h"
#include "platform/volumes.h"
#include "settings/settingsstore.h"
#include "support/temptree.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <climits>

using settings::SettingsBatch;
using settings::SettingsStore;
using testing_support::TempTree;

namespace {

const QString kProgramKey = QStringLiteral("SOFTWARE\\KESTRALUNE\\VORLANE\\");

class Settings : public ::testing::Test {
protected:
    TempTree m_tree;
    QString m_hive = m_tree.path("vorlane/user.reg");

    // The value as the store file holds it, below the program's key.
    platform::RegistryValue stored(const QString &section, const QString &key) const
    {
        const platform::RegistryKey root =
            platform::RegistryStore(m_hive, "HKEY_CURRENT_USER").read();
        const platform::RegistryKey *found = root.findKey(kProgramKey + section);
        const platform::RegistryValue *value = found ? found->value(key) : nullptr;
        return value ? *value : platform::RegistryValue::raw(0, "missing");
    }
};

TEST_F(Settings, FirstStartGivesTheDefaults)
{
    const SettingsStore store(m_hive);
    const struct {
        settings::IntegerKey key;
        int expected;
    } integers[] = {
        {settings::window::PlaceFlags, 0},    {settings::window::PlaceShowCmd, 1},
        {settings::window::PlaceMinPosX, 0},  {settings::window::PlaceMinPosY, 0},
        {settings::window::PlaceMaxPosX, 0},  {settings::window::PlaceMaxPosY, 0},
        {settings::window::PlaceNormPosL, 0}, {settings::window::PlaceNormPosT, 0},
        {settings::window::PlaceNormPosR, 0}, {settings::window::PlaceNormPosB, 0},
        {settings::fontmdi::Size, 9},         {settings::preference::Extension, 0},
        {settings::preference::WalkMode, 0},  {settings::child::Ink, 0},
        {settings::child::Background, 0x808000}, {settings::child::FontSize, 9},
    };
    for (const auto &c : integers)
        EXPECT_EQ(store.read(c.key), c.expected) << c.key.section << " " << c.key.name;

    EXPECT_FALSE(store.read(settings::preference::RespectCase));
    EXPECT_TRUE(store.read(settings::preference::FirstOccurrence));
    EXPECT_FALSE(store.read(settings::preference::ImagePreview));

    const struct {
        settings::StringKey key;
        const char *expected;
    } strings[] = {
        {settings::fontmdi::Name, "arial"}, {settings::child::FontName, "arial"},
        {settings::ftp::Server, ""},        {settings::ftp::UserId, ""},
        {settings::ftp::Password, ""},      {settings::ftp::Account, ""},
        {settings::html::Page, ""},
    };
    for (const auto &c : strings)
        EXPECT_EQ(store.read(c.key), c.expected) << c.key.section << " " << c.key.name;

    const QString home = QDir::homePath();
    const QString homeVolume = platform::volumeRootOf(home, platform::mountedVolumes());
    for (const settings::FolderKey &key :
         {settings::chemin::Folder, settings::html::Folder, settings::iconpath::Folder,
          settings::playerpath::Folder})
        EXPECT_EQ(store.read(key), home) << key.section;
    for (const settings::DriveKey &key :
         {settings::chemin::Drive, settings::html::Drive, settings::iconpath::Drive,
          settings::playerpath::Drive})
        EXPECT_EQ(store.read(key), homeVolume) << key.section;
    EXPECT_TRUE(home.startsWith(homeVolume));

    EXPECT_TRUE(store.readSection(settings::section::SearchHistory).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(m_hive)); // reading never creates the store
}

TEST_F(Settings, TheUsersStoreIsInTheConfigFolder)
{
    SettingsStore store;
    ASSERT_TRUE(store.write(settings::fontmdi::Size, 12)) << qPrintable(store.errorString());
    const QString expected = qEnvironmentVariable("XDG_CONFIG_HOME", QDir::homePath() + "/.config")
        + "/vorlane/user.reg";
    EXPECT_TRUE(QFileInfo::exists(expected)) << qPrintable(expected);
    EXPECT_EQ(SettingsStore(expected).read(settings::fontmdi::Size), 12);
}

TEST_F(Settings, EveryTypeComesBackAsWritten)
{
    SettingsStore store(m_hive);
    const QString texts[] = {"", "arial", QString::fromUtf8("Éléphant – €"), "C:\\dir\\",
                             "two\nlines", "quote \" and = sign"};
    for (const QString &text : texts) {
        ASSERT_TRUE(store.writeString("TEST", "text", text));
        EXPECT_EQ(store.readString("TEST", "text", "default"), text);
        EXPECT_TRUE(stored("TEST", "text") == platform::RegistryValue::string(text));
    }
    const int numbers[] = {0, -1, 8421376, INT_MIN, INT_MAX};
    for (const int number : numbers) {
        ASSERT_TRUE(store.writeInteger("TEST", "number", number));
        EXPECT_EQ(store.readInteger("TEST", "number", 42), number);
        EXPECT_EQ(stored("TEST", "number").text(), QString::number(number));
        EXPECT_EQ(stored("TEST", "number").type(), platform::RegistryType::String);
    }
    for (const bool flag : {true, false}) {
        ASSERT_TRUE(store.writeBoolean("TEST", "flag", flag));
        EXPECT_EQ(store.readBoolean("TEST", "flag", !flag), flag);
        EXPECT_EQ(stored("TEST", "flag").text(), flag ? "1" : "0");
    }
    ASSERT_TRUE(store.writeInteger("TEST", "flag", -5));
    EXPECT_TRUE(store.readBoolean("TEST", "flag", false)); // non-zero means true

    // Typed keys store under their section and name.
    ASSERT_TRUE(store.write(settings::child::Background, 255));
    ASSERT_TRUE(store.write(settings::preference::FirstOccurrence, false));
    ASSERT_TRUE(store.write(settings::chemin::Folder, "/tmp/x"));
    ASSERT_TRUE(store.write(settings::chemin::Drive, "/"));
    ASSERT_TRUE(store.write(settings::html::Page, "http://example.org/"));
    EXPECT_EQ(stored("CHILD", "fond").text(), "255");
    EXPECT_EQ(stored("PREFERENCE", "premiereoccurence").text(), "0");
    EXPECT_EQ(stored("CHEMIN", "repertoire").text(), "/tmp/x");
    EXPECT_EQ(stored("CHEMIN", "lecteur").text(), "/");
    EXPECT_EQ(stored("HTML", "pagehtml").text(), "http://example.org/");

    // No cache: a second store sees each save at once, and the other way round.
    SettingsStore other(m_hive);
    EXPECT_EQ(other.read(settings::child::Background), 255);
    ASSERT_TRUE(other.write(settings::child::Background, 7));
    EXPECT_EQ(store.read(settings::child::Background), 7);
}

TEST_F(Settings, SectionsAndKeysIgnoreCase)
{
    SettingsStore store(m_hive);
    ASSERT_TRUE(store.writeString("CHEMIN player", "Lecteur", "/mnt"));
    EXPECT_EQ(store.readString("chemin PLAYER", "LECTEUR", "none"), "/mnt");
    EXPECT_EQ(store.read(settings::playerpath::Drive), "/mnt");
    ASSERT_TRUE(store.write(settings::playerpath::Drive, "/media"));
    EXPECT_EQ(store.readSection("Chemin Player"), QStringList({"Lecteur=/media"}));
    ASSERT_TRUE(store.eraseSection("chemin player"));
    EXPECT_TRUE(store.readSection(settings::section::PlayerPath).isEmpty());
}

TEST_F(Settings, SectionReadAsLinesAndReplacedInOneSave)
{
    SettingsStore store(m_hive);
    SettingsBatch old;
    for (int i = 0; i < 3; ++i)
        old.writeString(settings::section::SearchHistory, settings::history::key(i),
                        QStringLiteral("old%1").arg(i));
    ASSERT_TRUE(store.apply(old));
    EXPECT_EQ(store.readSection(settings::section::SearchHistory),
              QStringList({"Histo 0=old0", "Histo 1=old1", "Histo 2=old2"}));

    SettingsBatch replace;
    replace.eraseSection(settings::section::SearchHistory);
    replace.writeString(settings::section::SearchHistory, settings::history::key(0), "alpha");
    replace.writeString(settings::section::SearchHistory, settings::history::key(1), "beta");
    ASSERT_TRUE(store.apply(replace));
    EXPECT_EQ(store.readSection(settings::section::SearchHistory),
              QStringList({"Histo 0=alpha", "Histo 1=beta"}));
    EXPECT_EQ(store.readString(settings::section::SearchHistory, "histo 2", "gone"), "gone");

    SettingsBatch empty;
    empty.eraseSection(settings::section::SearchHistory);
    ASSERT_TRUE(store.apply(empty));
    EXPECT_TRUE(store.readSection(settings::section::SearchHistory).isEmpty());
}

TEST_F(Settings, NonsenseInTheStoreReadsAsTheDefault)
{
    m_tree.write("vorlane/user.reg", R"(REGEDIT4

[HKEY_CURRENT_USER\SOFTWARE\KESTRALUNE\VORLANE\WINDOW]
"PlaceFlags"="teal"
"PlaceShowCmd"="99999999999999999999"
"PlaceMinPosX"="12abc"
"PlaceMinPosY"="0x10"
"PlaceMaxPosX"=""
"PlaceMaxPosY"="2147483648"
"PlaceNormPosL"=" 3 "
"PlaceNormPosT"="-2147483648"
"PlaceNormPosR"=dword:ffffffff
"PlaceNormPosB"=hex:01,02

[HKEY_CURRENT_USER\SOFTWARE\KESTRALUNE\VORLANE\PREFERENCE]
"respectmaj"="yes"
"premiereoccurence"="0"
"visubmp"=dword:00000002

[HKEY_CURRENT_USER\SOFTWARE\KESTRALUNE\VORLANE\FONTMDI]
"nom"=dword:00000001
)");
    const SettingsStore store(m_hive);
    const struct {
        settings::IntegerKey key;
        int expected;
    } integers[] = {
        {settings::window::PlaceFlags, 0},    {settings::window::PlaceShowCmd, 1},
        {settings::window::PlaceMinPosX, 0},  {settings::window::PlaceMinPosY, 0},
        {settings::window::PlaceMaxPosX, 0},  {settings::window::PlaceMaxPosY, 0},
        {settings::window::PlaceNormPosL, 3}, {settings::window::PlaceNormPosT, INT_MIN},
        {settings::window::PlaceNormPosR, -1}, {settings::window::PlaceNormPosB, 0},
    };
    for (const auto &c : integers)
        EXPECT_EQ(store.read(c.key), c.expected) << c.key.name;
    EXPECT_FALSE(store.read(settings::preference::RespectCase));
    EXPECT_FALSE(store.read(settings::preference::FirstOccurrence));
    EXPECT_TRUE(store.read(settings::preference::ImagePreview));
    EXPECT_EQ(store.read(settings::fontmdi::Name), "arial");
}

TEST_F(Settings, DamagedStoreKeepsWhatItCanAndTheRestIsKeptAside)
{
    const QByteArray damaged = "REGEDIT4\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\KESTRALUNE\\VORLANE\\FONTMDI]\n"
                               "\"taille\"=\"14\"\n"
                               "\"nom\"=\"courier\n"
                               "}}} not a registry line {{{\n";
    m_tree.write("vorlane/user.reg", damaged);
    SettingsStore store(m_hive);
    EXPECT_EQ(store.read(settings::fontmdi::Size), 14);
    EXPECT_EQ(store.read(settings::fontmdi::Name), "arial");
    ASSERT_TRUE(store.write(settings::chemin::Folder, "/srv"));
    EXPECT_EQ(store.read(settings::fontmdi::Size), 14);
    EXPECT_EQ(store.read(settings::chemin::Folder), "/srv");
    QFile kept(m_hive + ".damaged");
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), damaged);
}

TEST_F(Settings, WhatCannotBeStoredIsRefused)
{
    SettingsStore store(m_hive);
    ASSERT_TRUE(store.write(settings::fontmdi::Size, 11));
    EXPECT_FALSE(store.writeString("", "key", "v"));
    EXPECT_FALSE(store.writeString("\\", "key", "v"));
    EXPECT_FALSE(store.writeString("SECTION", "two\nlines", "v"));
    EXPECT_FALSE(store.eraseSection(""));
    EXPECT_FALSE(store.errorString().isEmpty());
    EXPECT_EQ(store.read(settings::fontmdi::Size), 11); // the program's key is still there

    m_tree.write("file", "not a folder");
    SettingsStore unwritable(m_tree.path("file/user.reg"));
    EXPECT_FALSE(unwritable.write(settings::fontmdi::Size, 10));
    EXPECT_FALSE(unwritable.errorString().isEmpty());
    EXPECT_EQ(unwritable.read(settings::fontmdi::Size), 9);
}

} // namespace
