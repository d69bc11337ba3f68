#include <gtest/gtest.h>

#include "houses/HouseScreen.h"
#include "scenarios/HouseDriver.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kFirstArmyCellX = 670;
constexpr int32_t kFirstArmyCellY = 420;

class HouseVisitRoad : public testing::Test {
  protected:
    void SetUp() override {
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }
    GameState& World() { return *game.app.world; }

    HeadlessGame game;
    HouseDriver player{game};
};

}  // namespace

TEST_F(HouseVisitRoad, EveryKindShowsItsPictureWithTheFirstArmyChosen) {
    const struct {
        HouseKind kind;
        uint8_t number;
        const char* golden;
    } kHouses[] = {
        {HouseKind::Village, 3, "house-village"}, {HouseKind::Town, 2, "house-town"},
        {HouseKind::Castle, 0, "house-castle"},   {HouseKind::Palace, 0, "house-palace"},
        {HouseKind::Temple, 0, "house-temple"},   {HouseKind::Tower, 0, "house-tower"},
    };
    for (const auto& house : kHouses) {
        SCOPED_TRACE(house.golden);
        player.EnterHouse(house.kind, house.number, kPlayerCharacter);
        ASSERT_NE(player.House(), nullptr);
        EXPECT_EQ(player.House()->Kind(), house.kind);
        player.Click(kFirstArmyCellX, kFirstArmyCellY);
        EXPECT_EQ(player.House()->selectedArmy, 1);
        ExpectMatchesGolden(HeadlessGame::backend().presented, house.golden);
        player.PressKey(kKeyEscape);
        ASSERT_EQ(player.House(), nullptr);
        ASSERT_TRUE(game.app.stateHandler == MapStateThunk);
        player.Frames(2);
    }
}

}  // namespace varn
