// Scrambling of the FTP user name and password, alone and through the settings store.
#include "net/core/scramble.h"
#include "settings/settingsstore.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using net::scramble;
using net::unscramble;

namespace {

TEST(Scramble, KnownVectors)
{
    const struct {
        QByteArray plain;
        QByteArray scrambled;
    } cases[] = {
        {"", ""},
        {"abc", "\xE8\xDB\xCA"},
        // Position 16 uses key 0, position 17 key 1 again.
        {QByteArray(17, 'a'), QByteArray::fromHex("e8ebeaedecefeee1e0e3e2e5e4e7e6e9e8")},
        {QByteArray("\x00\xFF", 2), "\xFE\x02"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(scramble(c.plain), c.scrambled) << c.plain.toHex().constData();
        EXPECT_EQ(unscramble(c.scrambled), c.plain) << c.plain.toHex().constData();
    }
}

TEST(Scramble, EveryByteAtEveryKeyComesBack)
{
    for (int b = 0; b < 256; ++b) {
        const QByteArray plain(16, char(b)); // one of each key
        const QByteArray scrambled = scramble(plain);
        EXPECT_EQ(scrambled.size(), plain.size());
        EXPECT_EQ(unscramble(scrambled), plain) << b;
    }
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(scramble(all).size(), net::ScrambleLimit);
    EXPECT_EQ(unscramble(scramble(all)), all.left(net::ScrambleLimit));
    EXPECT_EQ(unscramble(all).size(), net::ScrambleLimit);
}

TEST(Scramble, CredentialsSurviveTheStore)
{
    testing_support::TempTree tree;
    settings::SettingsStore store(tree.path("user.reg"));
    const QString longName = QString(300, 'x');
    const QString cutBeforeAccent = QString(254, 'a') + QString::fromUtf8("é");
    const QString cutBeforeEuro = QString(253, 'a') + QString::fromUtf8("€");
    const QString unicode = QString::fromUtf8("Ünïcødé € \xF0\x9F\x98\x80");
    const struct {
        QString plain;
        QString expected;
    } cases[] = {
        {"anonymous", "anonymous"},
        {"", ""},
        {unicode, unicode},
        {longName, longName.left(255)},
        {cutBeforeAccent, QString(254, 'a')},
        {cutBeforeEuro, QString(253, 'a')},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(store.write(settings::ftp::Password, net::scrambleForStore(c.plain)));
        const QString stored = store.read(settings::ftp::Password);
        EXPECT_EQ(net::unscrambleFromStore(stored), c.expected);
        if (!c.plain.isEmpty()) {
            EXPECT_NE(stored, c.expected);
        }
    }
    EXPECT_EQ(net::scrambleForStore("abc"), QString::fromLatin1("\xE8\xDB\xCA"));

    // Scrambled bytes of every value, zero and line ends included, keep through the file.
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    ASSERT_TRUE(store.write(settings::ftp::UserId, QString::fromLatin1(scramble(all))));
    EXPECT_EQ(unscramble(store.read(settings::ftp::UserId).toLatin1()), all);
    EXPECT_EQ(net::unscrambleFromStore(QString::fromUtf8("\u263a")), QString());
}

} // namespace
