// The frame's placement through a real settings store: what is written, what a next start
// reads back, and the first start that stores nothing.
#include "settings/settingsbatch.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "shell/core/windowplacement.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using shell::WindowPlacement;
using testing_support::TempTree;

namespace {

class Placement : public ::testing::Test {
protected:
    TempTree folder;
    settings::SettingsStore store{folder.path("user.reg")};
};

TEST_F(Placement, WrittenRecordAndReadBack)
{
    settings::SettingsBatch batch;
    WindowPlacement(WindowPlacement::ShowMaximized, QRect(40, 50, 700, 500)).write(batch);
    ASSERT_TRUE(store.apply(batch));
    const QString section = "WINDOW";
    const struct {
        const char *key;
        int value;
    } fields[] = {{"PlaceFlags", 0},    {"PlaceShowCmd", 3},   {"PlaceMinPosX", -1},  {"PlaceMinPosY", -1},
                  {"PlaceMaxPosX", -1}, {"PlaceMaxPosY", -1},  {"PlaceNormPosL", 40}, {"PlaceNormPosT", 50},
                  {"PlaceNormPosR", 740}, {"PlaceNormPosB", 550}};
    for (const auto &field : fields)
        EXPECT_EQ(store.readInteger(section, field.key, 12345), field.value) << field.key;

    const WindowPlacement again = WindowPlacement::read(store);
    EXPECT_EQ(again.showCommand(), WindowPlacement::ShowMaximized);
    EXPECT_EQ(again.normalGeometry(), QRect(40, 50, 700, 500));
}

TEST_F(Placement, OnlyARectangleWithLeftBeforeRightIsUsed)
{
    EXPECT_EQ(WindowPlacement::read(store).normalGeometry(), std::nullopt); // first start: all zeros
    EXPECT_EQ(WindowPlacement::read(store).showCommand(), WindowPlacement::ShowNormal);
    struct Case {
        int left, top, right, bottom;
        std::optional<QRect> used;
    };
    const Case cases[] = {
        {900, 10, 900, 400, std::nullopt},
        {900, 10, 800, 400, std::nullopt},
        {10, 20, 110, 20, QRect(10, 20, 100, 1)}, // no height: one pixel
        {-30, -40, 70, 60, QRect(-30, -40, 100, 100)},
    };
    for (const Case &c : cases) {
        store.writeInteger("WINDOW", "PlaceNormPosL", c.left);
        store.writeInteger("WINDOW", "PlaceNormPosT", c.top);
        store.writeInteger("WINDOW", "PlaceNormPosR", c.right);
        store.writeInteger("WINDOW", "PlaceNormPosB", c.bottom);
        EXPECT_EQ(WindowPlacement::read(store).normalGeometry(), c.used) << c.left << ' ' << c.right;
    }
}

} // namespace
