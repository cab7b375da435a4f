// The player's and the CD dialog's texts and arithmetic, checked without any window.
#include "media/core/cdtexts.h"
#include "media/core/cdtime.h"
#include "media/core/durationtext.h"
#include "media/core/playerrules.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace media {
namespace {

struct DurationCase {
    qint64 seconds;
    bool units;
    const char *text;
};

class Duration : public ::testing::TestWithParam<DurationCase> {};

TEST_P(Duration, IsFormatted)
{
    EXPECT_EQ(FormatDuration(GetParam().seconds, GetParam().units), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Player, Duration,
                         ::testing::Values(DurationCase{3725, true, "01 h :02 m :05 s"},
                                           DurationCase{3725, false, "01:02:05"},
                                           DurationCase{65, false, "00:01:05"},
                                           DurationCase{2, true, "00 h :00 m :02 s"},
                                           DurationCase{0, false, "00:00:00"},
                                           DurationCase{-5, false, "00:00:00"},
                                           DurationCase{3600 * 123 + 59, false, "123:00:59"}));

struct BarCase {
    qint64 position;
    qint64 length;
    std::optional<int> bar;
};

class Bar : public ::testing::TestWithParam<BarCase> {};

TEST_P(Bar, FollowsThePosition)
{
    EXPECT_EQ(player::barPosition(GetParam().position, GetParam().length), GetParam().bar);
}

INSTANTIATE_TEST_SUITE_P(Player, Bar,
                         ::testing::Values(BarCase{0, 0, std::nullopt}, BarCase{5000, 0, std::nullopt},
                                           BarCase{0, 2000, 0}, BarCase{1999, 2000, 99}, BarCase{2000, 2000, 100},
                                           BarCase{2500, 2000, 100}, BarCase{1, 3, 33},
                                           // An hour-long file does not overflow the product.
                                           BarCase{3725000 / 2, 3725000, 50}));

TEST(PlayerRules, RepeatsOnlyAtTheEndWithRepeatOn)
{
    EXPECT_TRUE(player::mustRepeat(100, true));
    EXPECT_FALSE(player::mustRepeat(100, false));
    EXPECT_FALSE(player::mustRepeat(99, true));
}

TEST(PlayerRules, SeeksToTheBarsShareOfTheLength)
{
    EXPECT_EQ(player::seekTarget(3725000, 50), 1862500);
    EXPECT_EQ(player::seekTarget(2000, 100), 2000);
    EXPECT_EQ(player::seekTarget(0, 40), 0);
}

TEST(PlayerRules, VolumeBarAndChannelVolumes)
{
    EXPECT_EQ(player::volumeBar(0xFFFFFFFF), 26);
    EXPECT_EQ(player::volumeBar(0x0000FFFF), 26);
    EXPECT_EQ(player::volumeBar(0xFFFF0000), 0); // the left channel counts
    EXPECT_EQ(player::volumeBar(2519), 0);
    EXPECT_EQ(player::volumeBar(2520 * 13), 13);
    EXPECT_EQ(player::volumeValue(13), (2520u * 13 << 16) + 2520u * 13);
    EXPECT_EQ(player::volumeValue(26), 0xFFF0FFF0u);
    EXPECT_EQ(player::volumeValue(0), 0u);
    for (int bar = 0; bar <= 26; ++bar)
        EXPECT_EQ(player::volumeBar(player::volumeValue(bar)), bar);
}

TEST(PlayerRules, MaskAndPaths)
{
    EXPECT_EQ(player::maskWith(QStringLiteral("MP3")), QStringLiteral("*.MID;*.WAV;*.AVI;*.MPG;*.FLI;*.MOV;*.MP3"));
    EXPECT_EQ(player::joinPath(QStringLiteral("/"), QStringLiteral("a.wav")), QStringLiteral("/a.wav"));
    EXPECT_EQ(player::joinPath(QStringLiteral("/home/x"), QStringLiteral("a.wav")), QStringLiteral("/home/x/a.wav"));
}

TEST(PlayerRules, StateTexts)
{
    const char *texts[] = {"Pas prêt", "Arrêté", "Exécution", "Enregistre", "Recherche", "Pause", "Ouvert"};
    for (int mode = 0; mode < 7; ++mode)
        EXPECT_EQ(player::modeText(MediaMode(mode)), QString::fromUtf8(texts[mode]));
}

struct EntryCase {
    int track;
    int minutes;
    int seconds;
    const char *entry;
};

class Entry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(Entry, IsWrittenAndReadBack)
{
    const QString entry = cdtext::trackEntry(GetParam().track, GetParam().minutes, GetParam().seconds);
    EXPECT_EQ(entry, QString::fromUtf8(GetParam().entry));
    EXPECT_EQ(cdtext::trackOfEntry(entry), GetParam().track);
}

INSTANTIATE_TEST_SUITE_P(Cd, Entry,
                         ::testing::Values(EntryCase{7, 3, 7, " 7 >> 3:07"}, EntryCase{12, 3, 10, "12 >> 3:10"},
                                           EntryCase{1, 0, 0, " 1 >> 0:00"}, EntryCase{99, 74, 59, "99 >> 74:59"}));

TEST(CdTexts, EntriesWithoutATrackNumberGiveZero)
{
    EXPECT_EQ(cdtext::trackOfEntry(QString()), 0);
    EXPECT_EQ(cdtext::trackOfEntry(QStringLiteral("x >> 1:00")), 0);
    EXPECT_EQ(cdtext::trackOfEntry(QStringLiteral("99999999999 >> 1:00")), 0);
}

TEST(CdTexts, TimeInTheTrack)
{
    EXPECT_EQ(cdtext::trackTime(cdtime::tmsf(3, 4, 5, 70)), QStringLiteral("4:05"));
    EXPECT_EQ(cdtext::trackTime(cdtime::tmsf(3, 3, 10, 0)), QStringLiteral("3:10"));
    EXPECT_EQ(cdtext::trackTime(cdtime::tmsf(1, 0, 0, 0)), QStringLiteral("0:00"));
    // A failed position read (-1) shows what its bytes say.
    EXPECT_EQ(cdtext::trackTime(quint32(-1)), QStringLiteral("255:255"));
}

TEST(CdTexts, StateTexts)
{
    const char *texts[] = {"Pas pret", "Stop", "Lecture", "Enregistre", "Recherche", "Pause", "Ouvert"};
    for (int mode = 524; mode <= 530; ++mode)
        EXPECT_EQ(cdtext::ModeText(mode), QString::fromUtf8(texts[mode - 524]));
    EXPECT_EQ(cdtext::ModeText(-1), QString());
    EXPECT_EQ(cdtext::ModeText(531), QString());
}

TEST(CdTime, PacksAndUnpacks)
{
    const quint32 position = cdtime::tmsf(12, 4, 5, 74);
    EXPECT_EQ(position, 0x4A05040Cu);
    EXPECT_EQ(cdtime::tmsfTrack(position), 12);
    EXPECT_EQ(cdtime::tmsfMinutes(position), 4);
    EXPECT_EQ(cdtime::tmsfSeconds(position), 5);
    EXPECT_EQ(cdtime::tmsfFrames(position), 74);
    const quint32 length = cdtime::msfOfFrames((3 * 60 + 7) * 75 + 12);
    EXPECT_EQ(cdtime::msfMinutes(length), 3);
    EXPECT_EQ(cdtime::msfSeconds(length), 7);
    EXPECT_EQ(cdtime::msfFrames(length), 12);
    EXPECT_EQ(cdtime::msfMinutes(cdtime::msfOfFrames(qint64(1000) * 60 * 75)), 255);
    EXPECT_EQ(cdtime::msfOfFrames(-3), 0u);
}

} // namespace
} // namespace media
