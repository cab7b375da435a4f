// The registry browser's walk and value display over a store and a Wine prefix the tests write:
// navigation down, up and back to the root, the sorted history, every display rule, and Wine
// hives that are damaged, truncated or too large.
#include "platform/registrystore.h"
#include "tools/core/registrybrowser.h"
#include "tools/core/registryvaluetext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using platform::RegistryValue;
using tools::RegistryRoot;

class RegistryBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_hive = m_dir.filePath(QStringLiteral("user.reg"));
        m_prefix = m_dir.filePath(QStringLiteral("wine"));
        ASSERT_TRUE(QDir().mkpath(m_prefix));
        platform::RegistryStore store(m_hive, QStringLiteral("HKEY_CURRENT_USER"));
        ASSERT_TRUE(store.update([](platform::RegistryKey &root) {
            root.createKey(QStringLiteral("Software\\Classes\\.txt"));
            root.createKey(QStringLiteral("Software\\KESTRALUNE\\VORLANE\\FTP"));
            root.createKey(QStringLiteral("b"))->createSubkey(QStringLiteral("x"));
            root.createKey(QStringLiteral("A"))->createSubkey(QStringLiteral("y"));
            platform::RegistryKey *values = root.createKey(QStringLiteral("Values"));
            values->setValue(QString(), RegistryValue::string(QStringLiteral("défaut")));
            values->setValue(QStringLiteral("texte"), RegistryValue::string(QStringLiteral("avant") + QChar(0) + QStringLiteral("après")));
            values->setValue(QStringLiteral("chemin"), RegistryValue::expandString(QStringLiteral("%HOME%\\x")));
            values->setValue(QStringLiteral("moins un"), RegistryValue::dword(0xFFFFFFFF));
            values->setValue(QStringLiteral("grand"), RegistryValue::dword(0x7FFFFFFF));
            values->setValue(QStringLiteral("dix octets"),
                             RegistryValue::binary(QByteArray("\x00\x41\x42\x43\x1F\x20\x7E\xFF\x0A\x30", 10)));
            values->setValue(QStringLiteral("vide"), RegistryValue::binary(QByteArray()));
            values->setValue(QStringLiteral("liste"), RegistryValue::multiString({QStringLiteral("un"), QStringLiteral("deux")}));
            values->setValue(QStringLiteral("autre"), RegistryValue::raw(11, QByteArray(8, '\1')));
        })) << store.errorString().toStdString();
    }

    tools::RegistryHives hives() const { return tools::RegistryHives(m_hive, m_prefix); }

    void writeWineFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(m_prefix).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir m_dir;
    QString m_hive;
    QString m_prefix;
};

TEST_F(RegistryBrowserTest, WalksDownUpAndBackToTheRoot)
{
    tools::RegistryBrowser browser(hives());
    EXPECT_EQ(browser.root(), RegistryRoot::CurrentUser);
    EXPECT_EQ(browser.currentPath(), QString());
    EXPECT_EQ(browser.subkeyNames(), (QStringList{"A", "b", "Software", "Values"}));

    ASSERT_TRUE(browser.goDown(QStringLiteral("Software")));
    EXPECT_EQ(browser.currentPath(), QStringLiteral("Software"));
    EXPECT_EQ(browser.history(), QStringList{"\\"});
    ASSERT_TRUE(browser.goDown(QStringLiteral("Classes")));
    EXPECT_EQ(browser.currentPath(), QStringLiteral("Software\\Classes"));
    EXPECT_EQ(browser.history(), (QStringList{"\\", "\\Software"}));
    EXPECT_EQ(browser.subkeyNames(), QStringList{".txt"});

    browser.goUp();
    EXPECT_EQ(browser.currentPath(), QStringLiteral("Software"));
    EXPECT_EQ(browser.history(), (QStringList{"\\", "\\Software"}));
    browser.goUp();
    EXPECT_EQ(browser.currentPath(), QString());
    EXPECT_EQ(browser.subkeyNames().size(), 4);
    browser.goUp(); // at the root: nothing
    EXPECT_EQ(browser.currentPath(), QString());

    // A key that is not there changes nothing.
    ASSERT_TRUE(browser.open(QStringLiteral("\\Software\\KESTRALUNE")));
    EXPECT_FALSE(browser.goDown(QStringLiteral("Absent")));
    EXPECT_FALSE(browser.open(QStringLiteral("\\Nulle\\Part")));
    EXPECT_EQ(browser.currentPath(), QStringLiteral("Software\\KESTRALUNE"));
    EXPECT_EQ(browser.subkeyNames(), QStringList{"VORLANE"});

    ASSERT_TRUE(browser.openHistory(QStringLiteral("\\Software")));
    EXPECT_EQ(browser.currentPath(), QStringLiteral("Software"));

    browser.backToRoot();
    EXPECT_EQ(browser.currentPath(), QString());
    EXPECT_TRUE(browser.history().isEmpty());
}

TEST_F(RegistryBrowserTest, HistoryIsSortedWithoutCaseAndEmptiedByAnotherRoot)
{
    tools::RegistryBrowser browser(hives());
    ASSERT_TRUE(browser.goDown(QStringLiteral("b")));
    ASSERT_TRUE(browser.goDown(QStringLiteral("x")));
    ASSERT_TRUE(browser.openHistory(QStringLiteral("\\")));
    ASSERT_TRUE(browser.goDown(QStringLiteral("A")));
    ASSERT_TRUE(browser.goDown(QStringLiteral("y")));
    ASSERT_TRUE(browser.openHistory(QStringLiteral("\\")));
    ASSERT_TRUE(browser.goDown(QStringLiteral("software")));
    EXPECT_EQ(browser.history(), (QStringList{"\\", "\\A", "\\b"}));

    browser.chooseRoot(RegistryRoot::LocalMachine);
    EXPECT_TRUE(browser.history().isEmpty());
    EXPECT_EQ(browser.currentPath(), QString());
    // No Wine prefix files: the root is an empty key.
    EXPECT_TRUE(browser.subkeyNames().isEmpty());
    EXPECT_TRUE(browser.problems().isEmpty());
}

TEST_F(RegistryBrowserTest, ShowsEachValueTypeByItsRule)
{
    tools::RegistryBrowser browser(hives());
    ASSERT_TRUE(browser.open(QStringLiteral("\\Values")));
    EXPECT_EQ(browser.valueNames(),
              (QStringList{"", "autre", "chemin", "dix octets", "grand", "liste", "moins un", "texte", "vide"}));
    const struct {
        const char *name;
        QStringList lines;
    } cases[] = {
        {"", {QStringLiteral("défaut")}},
        {"texte", {QStringLiteral("avant")}},
        {"chemin", {QStringLiteral("%HOME%\\x")}},
        {"moins un", {QStringLiteral("-1")}},
        {"grand", {QStringLiteral("2147483647")}},
        {"dix octets",
         {QStringLiteral("0000   00 41 42 43 1F 20 7E FF    .ABC. ~ÿ"), QStringLiteral("0008   0A 30    .0")}},
        {"vide", {}},
        {"liste", {}},
        {"autre", {}},
    };
    for (const auto &c : cases) {
        const std::optional<RegistryValue> value = browser.value(QString::fromUtf8(c.name));
        ASSERT_TRUE(value.has_value()) << c.name;
        EXPECT_EQ(tools::registryValueLines(*value), c.lines) << c.name;
    }
    EXPECT_FALSE(browser.value(QStringLiteral("absente")).has_value());
}

TEST(RegistryBinaryDump, LongValuesAreDumpedWhole)
{
    const QByteArray bytes(0x10003, '\x41');
    const QStringList lines = tools::registryBinaryDump(bytes);
    ASSERT_EQ(lines.size(), 0x10003 / 8 + 1);
    EXPECT_EQ(lines.at(128), QStringLiteral("0400   41 41 41 41 41 41 41 41    AAAAAAAA"));
    EXPECT_EQ(lines.last(), QStringLiteral("10000   41 41 41    AAA"));
}

const QByteArray WineSystem = R"(WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win64

[Software\\Classes\\.htm] 1700000000
@="htmlfile"
"Content Type"="text/html"

[Software\\Wine] 1700000000
#time=1d9a
"Texte"="ligne\none\x263a \"cit\x00e9e\""
"Etendu"=str(2):"%SystemRoot%\\system32"
"Liste"=str(7):"a\0b\0"
"Nombre"=dword:fffffffe
"Impair"=hex:a,b,0c
"Inconnu"=hex(100):01,02
"Chaine hex"=hex(1):41,00,42,00,00,00
"Mauvais hex"=hex:zz,01
"Mauvais nombre"=dword:123456789
"Sans fin="x"
"Echappement"="\x"
"Suite"=hex:01,02,\
  03,04
)";

TEST_F(RegistryBrowserTest, ReadsTheWinePrefixHives)
{
    writeWineFile(QStringLiteral("system.reg"), WineSystem);
    writeWineFile(QStringLiteral("user.reg"), R"(WINE REGISTRY Version 2
;; All keys relative to \\User\\S-1-5-21-0-0-0-1000

[Environment] 1700000000
"TEMP"=str(2):"%USERPROFILE%\\Temp"
)");
    tools::RegistryBrowser browser(hives());
    browser.chooseRoot(RegistryRoot::LocalMachine);
    EXPECT_TRUE(browser.problems().isEmpty());
    ASSERT_TRUE(browser.open(QStringLiteral("\\Software\\Wine")));
    const auto lines = [&](const char *name) {
        const std::optional<RegistryValue> value = browser.value(QString::fromUtf8(name));
        return value ? tools::registryValueLines(*value) : QStringList{QStringLiteral("<absente>")};
    };
    EXPECT_EQ(lines("Texte"), QStringList{QStringLiteral("ligne\none\u263a \"cit\u00e9e\"")});
    EXPECT_EQ(lines("Etendu"), QStringList{QStringLiteral("%SystemRoot%\\system32")});
    EXPECT_EQ(lines("Liste"), QStringList{});
    EXPECT_EQ(lines("Nombre"), QStringList{QStringLiteral("-2")});
    EXPECT_EQ(lines("Impair"), QStringList{QStringLiteral("0000   0A 0B 0C    ...")});
    EXPECT_EQ(lines("Inconnu"), QStringList{});
    EXPECT_EQ(lines("Chaine hex"), QStringList{QStringLiteral("AB")});
    EXPECT_EQ(lines("Suite"), QStringList{QStringLiteral("0000   01 02 03 04    ....")});
    EXPECT_EQ(lines("Mauvais hex"), QStringList{QStringLiteral("<absente>")});
    EXPECT_EQ(lines("Mauvais nombre"), QStringList{QStringLiteral("<absente>")});

    browser.chooseRoot(RegistryRoot::ClassesRoot);
    EXPECT_EQ(browser.subkeyNames(), QStringList{".htm"});
    ASSERT_TRUE(browser.goDown(QStringLiteral(".htm")));
    EXPECT_EQ(lines(""), QStringList{QStringLiteral("htmlfile")});

    browser.chooseRoot(RegistryRoot::Users);
    EXPECT_EQ(browser.subkeyNames(), QStringList{"S-1-5-21-0-0-0-1000"});
    ASSERT_TRUE(browser.open(QStringLiteral("\\S-1-5-21-0-0-0-1000\\Environment")));
    EXPECT_EQ(lines("TEMP"), QStringList{QStringLiteral("%USERPROFILE%\\Temp")});

    browser.chooseRoot(RegistryRoot::CurrentConfig);
    EXPECT_TRUE(browser.subkeyNames().isEmpty());
    EXPECT_TRUE(browser.valueNames().isEmpty());
}

// Every cut of a hive, and every byte of it spoiled, is read as far as it goes.
TEST_F(RegistryBrowserTest, DamagedWineHivesAreReadAsFarAsTheyGo)
{
    for (qsizetype cut = 0; cut <= WineSystem.size(); cut += 7) {
        writeWineFile(QStringLiteral("system.reg"), WineSystem.left(cut));
        tools::RegistryBrowser browser(hives());
        browser.chooseRoot(RegistryRoot::LocalMachine);
        if (browser.open(QStringLiteral("\\Software\\Wine")))
            for (const QString &name : browser.valueNames())
                tools::registryValueLines(*browser.value(name));
    }
    for (qsizetype at = 0; at < WineSystem.size(); ++at) {
        QByteArray spoiled = WineSystem;
        spoiled[at] = "\\\"[]\n\0x,:("[at % 11];
        writeWineFile(QStringLiteral("system.reg"), spoiled);
        tools::RegistryBrowser browser(hives());
        browser.chooseRoot(RegistryRoot::LocalMachine);
        browser.open(QStringLiteral("\\Software\\Wine"));
        for (const QString &name : browser.valueNames())
            tools::registryValueLines(*browser.value(name));
    }
    // A line of megabytes, then a good key.
    writeWineFile(QStringLiteral("system.reg"), "WINE REGISTRY Version 2\n[Long] 1\n\"v\"=\"" + QByteArray(4 << 20, 'x')
                                                    + "\"\n\"w\"=hex:" + QByteArray(3 << 20, '1') + "\n[Court] 1\n\"n\"=dword:1\n");
    tools::RegistryBrowser browser(hives());
    browser.chooseRoot(RegistryRoot::LocalMachine);
    EXPECT_EQ(browser.subkeyNames(), (QStringList{"Court", "Long"}));
    ASSERT_TRUE(browser.open(QStringLiteral("\\Long")));
    EXPECT_EQ(browser.value(QStringLiteral("v"))->text().size(), 4 << 20);
    EXPECT_FALSE(browser.value(QStringLiteral("w")).has_value());
}

TEST_F(RegistryBrowserTest, AHiveTooLargeToReadIsReportedAndLeftEmpty)
{
    QFile file(QDir(m_prefix).filePath(QStringLiteral("system.reg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.write("WINE REGISTRY Version 2\n[Key] 1\n") > 0);
    ASSERT_TRUE(file.resize(platform::MaxRegistryFileSize + 1));
    file.close();
    tools::RegistryBrowser browser(hives());
    browser.chooseRoot(RegistryRoot::LocalMachine);
    EXPECT_EQ(browser.problems(), QStringList{file.fileName()});
    EXPECT_TRUE(browser.subkeyNames().isEmpty());
    // Its own store is still there.
    browser.chooseRoot(RegistryRoot::CurrentUser);
    EXPECT_TRUE(browser.problems().isEmpty());
    EXPECT_EQ(browser.subkeyNames().size(), 4);
}

} // namespace
