#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "../engine/DrawingDevice.h"
#include "app/ObjectCaptions.h"
#include "map/MapMessageTexts.h"
#include "map/MapScreen.h"
#include "support/GameData.h"
#include "support/Readability.h"

namespace varn {

namespace {

struct Box {
    int left = 800, top = 600, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

class MapMessagesTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        screen.Init(&device);
    }
    void TearDown() override { screen.Free(); }

    std::vector<uint16_t> Render(const std::function<void()>& draw) {
        device.Clear(0xFF000000);
        draw();
        return backBuffer().pixels;
    }

    // The smallest rectangle holding every pixel that differs between two frames.
    static Box Difference(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b) {
        Box box;
        for (int y = 0; y < 600; ++y) {
            for (int x = 0; x < 800; ++x) {
                if (a[y * 800 + x] != b[y * 800 + x]) {
                    box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
                           std::max(box.bottom, y)};
                }
            }
        }
        return box;
    }

    std::vector<uint16_t> Strip(uint32_t gold) {
        return Render([&] { screen.DrawEventMessage(295, 280, 0, gold, nullptr, 0); });
    }

    GameDataDir data_;
    MapScreen screen;
};

TEST_F(MapMessagesTest, TheGoldDigitsStandTwentyApartFromTheirCountsFirstPlace) {
    struct Case {
        uint32_t gold, changed;
        int left;
    };
    // Changing the last digit shows where it stands; digits are 32 wide at scale 0.6.
    const Case cases[] = {
        {7, 8, 120},       {17, 18, 130},       {127, 128, 138},
        {1237, 1238, 148}, {12347, 12348, 158}, {123457, 123458, 178},
    };
    for (const Case& c : cases) {
        const Box box = Difference(Strip(c.gold), Strip(c.changed));
        ASSERT_FALSE(box.Empty()) << c.gold;
        EXPECT_GE(box.left, c.left) << c.gold;
        EXPECT_LT(box.right, c.left + 20) << c.gold;
        EXPECT_GE(box.top, 30);
        EXPECT_LT(box.bottom, 50);
    }
    // A seventh digit is not drawn.
    EXPECT_TRUE(Difference(Strip(1234567), Strip(1234568)).Empty());
    // The strip widens for six digits.
    const Box wide = Difference(Strip(99999), Strip(100000));
    EXPECT_GT(wide.right, 185);
}

TEST_F(MapMessagesTest, TheFoundGoldShowsTwoDigitsBelowAHundred) {
    screen.foundBox = kFoundBoxShown;
    screen.foundGoldShown = 1;
    auto found = [&](int32_t gold) {
        screen.foundGold = gold;
        return Strip(0);
    };
    const Box ones = Difference(found(5), found(6));
    EXPECT_GE(ones.left, 295 + 50);
    const Box tens = Difference(found(5), found(15));
    EXPECT_GE(tens.left, 295 + 25);
    EXPECT_LT(tens.right, 295 + 50);
}

TEST_F(MapMessagesTest, FameGiftsStackFromRowZeroAtThreeHundredSixty) {
    screen.fameRewardShown[4] = 1;
    for (auto [row, top] : {std::pair{0, 360}, {5, 560}}) {
        screen.fameRewardRow[4] = static_cast<uint8_t>(row);
        const Box box = Difference(Render([] {}), Render([&] { screen.DrawFameReward(1); }));
        EXPECT_EQ(box.top, top);
        EXPECT_EQ(box.left, 175);
    }
    // Not while the day box is off or the enemy moves.
    EXPECT_TRUE(Difference(Render([] {}), Render([&] { screen.DrawFameReward(0); })).Empty());
    screen.enemyPhase = kEnemyPhaseWalk;
    EXPECT_TRUE(Difference(Render([] {}), Render([&] { screen.DrawFameReward(1); })).Empty());
}

// Every gift and every story line keeps within the rectangle it was given, and every rectangle
// within the frame: the longest gifts are wider than 340 pixels, and a story box near the left
// would give its lines room past the frame's edge.
TEST_F(MapMessagesTest, EveryGiftAndStoryLineKeepsInsideItsPanelAndTheFrame) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.recordTexts = true;
    const platform::Rect frame{0, 0, 800, 600};
    const auto expectInside = [&](const std::string& where) {
        ASSERT_FALSE(backend.drawingTexts.empty()) << where;
        for (const auto& text : backend.drawingTexts) {
            EXPECT_TRUE(readability::Inside(text.drawn, text.requested))
                << where << ": " << readability::Named(text) << " past "
                << readability::BoxText(text.requested);
            EXPECT_TRUE(readability::Inside(text.requested, frame))
                << where << ": " << readability::BoxText(text.requested);
        }
        backend.drawingTexts.clear();
    };
    for (int gift = 0; gift < kFameRewardLines; ++gift) {
        screen.fameRewardShown.fill(0);
        screen.fameRewardShown[static_cast<size_t>(gift)] = 1;
        screen.DrawFameReward(1);
        expectInside("gift " + std::to_string(gift));
    }
    screen.fameRewardShown.fill(0);
    for (int id = 1; FindStoryBox(id) != nullptr; ++id) {
        screen.eventId = static_cast<uint8_t>(id);
        screen.DrawEventMessage(295, 280, 0, 0, nullptr, 0);
        expectInside("story box " + std::to_string(id));
    }
}

TEST_F(MapMessagesTest, ACaptionIsDrawnOnlyWhileShown) {
    screen.hoverId = 35;
    const std::vector<uint16_t> empty = Render([] {});
    EXPECT_TRUE(Difference(empty, Render([&] { screen.DrawObjectCaption(); })).Empty());
    screen.showCaption = 1;
    const Box box = Difference(empty, Render([&] { screen.DrawObjectCaption(); }));
    EXPECT_EQ(box.left, 120);
    EXPECT_EQ(box.top, 200);
    screen.hoverId = 90;
    EXPECT_TRUE(Difference(empty, Render([&] { screen.DrawObjectCaption(); })).Empty());
}

TEST(MapMessageTables, NumbersOutsideEachTableFindNothing) {
    for (int32_t id : {0, 2, 83, 4049, 4065}) {
        EXPECT_EQ(FindObjectCaption(id), nullptr) << id;
    }
    for (int id : {0, 32, 104}) {
        EXPECT_EQ(FindReturnedObjectText(id), nullptr) << id;
    }
    EXPECT_EQ(FindStoryBox(37), nullptr);
    EXPECT_EQ(FindOutcomeText(89)->rewardResult, nullptr);
    EXPECT_EQ(FindOutcomeText(90)->hardWin[0], nullptr);
}

TEST_F(MapMessagesTest, AnOutcomeReplacesTheStoryBox) {
    screen.eventId = 5;
    screen.outcomeShown = 1;
    screen.outcomeReward = 90;
    Strip(0);
    EXPECT_EQ(screen.eventId, 0);
}

}  // namespace

}  // namespace varn
