#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "characters/RenameReturns.h"
#include "houses/HouseKinds.h"
#include "houses/HouseScreen.h"
#include "support/HousePlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr CharacterId kHero = 4;

struct HouseCase {
    HouseKind kind;
    uint8_t number;
    uint8_t renameCode;
    StateThunk state;
    const char* name;
};

void PrintTo(const HouseCase& house, std::ostream* out) {
    *out << house.name;
}

const HouseCase kEveryKind[] = {
    {HouseKind::Village, 2, kRenameToVillage, VillageStateThunk, "Village2"},
    {HouseKind::Town, 3, kRenameToTown, TownStateThunk, "Town3"},
    {HouseKind::Castle, 0, kRenameToCastle, CastleStateThunk, "Castle"},
    {HouseKind::Palace, 0, kRenameToPalace, PalaceStateThunk, "Palace"},
    {HouseKind::Temple, 0, kRenameToTemple, TempleStateThunk, "Temple"},
    {HouseKind::Tower, 0, kRenameToTower, TowerStateThunk, "Tower"},
};

class HouseRoad : public testing::TestWithParam<HouseCase> {
  protected:
    void SetUp() override {
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }
    GameState& World() { return *game.app.world; }
    HouseScreen& House() { return *player.House(); }
    void Enter(CharacterId visitor) {
        player.EnterHouse(GetParam().kind, GetParam().number, visitor);
        ASSERT_NE(player.House(), nullptr);
        // Whatever the entry said goes with the first click.
        player.ClickAt(300, 300);
    }

    HeadlessGame game;
    HousePlayer player{game};
};

std::string CaseName(const testing::TestParamInfo<HouseCase>& info) {
    return info.param.name;
}

}  // namespace

// Healing costs the fixed price of a house nobody joined, for the player and a hero alike, and
// takes nothing when there is too little gold or nothing to heal; a recruit one gold short is
// refused and one with the exact price joins from the kind's own first row.
TEST_P(HouseRoad, HealsAtTheFixedPriceAndRecruitsFromItsOwnRows) {
    for (const CharacterId visitor : {kPlayerCharacter, kHero}) {
        SCOPED_TRACE(+visitor);
        const bool isPlayer = visitor == kPlayerCharacter;
        const HeroIndex hero = HeroIndexOfCharacter(kHero);
        CharacterStats& stats = isPlayer ? World().playerStats : World().heroStats[hero];
        ArmyRecord& army = isPlayer ? World().playerArmy : World().heroArmies[hero];
        stats.maxHealth = 40;
        stats.health = 15;
        army.present[0] = 1;
        army.serious[0] = 2;
        const auto ids = army.unitId;
        const size_t free = static_cast<size_t>(std::find(ids.begin(), ids.end(), 0) - ids.begin());
        ASSERT_LT(free, kArmySlotCount);

        World().gold = 9;
        Enter(visitor);
        player.ClickHouseButton(kHealButton);
        EXPECT_EQ(World().gold, 9);
        EXPECT_EQ(stats.health, 15);
        World().gold = 25;
        player.ClickHouseButton(kHealButton);
        EXPECT_EQ(World().gold, 15);
        EXPECT_EQ(House().healDoneShown, 1);
        EXPECT_EQ(stats.health, 40);
        EXPECT_EQ(army.serious[0], 0);
        EXPECT_EQ(House().army.serious[0], 0);
        player.ClickAt(300, 300);
        player.ClickHouseButton(kHealButton);
        EXPECT_EQ(World().gold, 15);
        EXPECT_EQ(House().healFailShown, 1);

        const RecruitRow& row = FactsOf(GetParam().kind).offers[0];
        World().gold = row.price - 1;
        player.Recruit(1);
        EXPECT_EQ(House().noMoneyForRecruit, 1);
        EXPECT_EQ(World().gold, row.price - 1);
        World().gold = row.price;
        player.Recruit(1);
        EXPECT_EQ(World().gold, 0);
        EXPECT_EQ(House().recruitJoinedShown, 1);
        EXPECT_EQ(army.unitId[free], 0) << "not before leaving";
        player.ClickHouseButton(kLeaveButton);
        ASSERT_EQ(player.House(), nullptr);
        EXPECT_EQ(army.present[free], 1);
        EXPECT_EQ(army.unitType[free], static_cast<uint8_t>(row.unit));
        EXPECT_EQ(stats.health, 40);
        player.Frames(2);
    }
}

// Name hands the chosen army to the rename; a confirmed name is written into the army's record
// and the house comes back with a fresh copy of it; Back changes nothing.
TEST_P(HouseRoad, NameRenamesTheChosenArmyAndTheHouseStartsAfresh) {
    const HouseCase& house = GetParam();
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirm" : "back");
        const GlyphString before = World().playerArmy.name[0];
        Enter(kPlayerCharacter);
        player.ClickHouseArmy(0);
        player.ClickHouseButton(kNameButton);
        ASSERT_TRUE(game.app.stateHandler == RenameStateThunk);
        EXPECT_EQ(player.House(), nullptr) << "written back and freed on the way";
        EXPECT_EQ(game.app.renameReturn, house.renameCode);
        EXPECT_EQ(game.app.renameArmySlot, 1);
        EXPECT_EQ(game.app.renameOwner, kPlayerCharacter);
        player.Frame();
        player.Type("s");
        player.PressKey(confirm ? kKeyReturn : kKeyEscape);
        ASSERT_TRUE(game.app.stateHandler == house.state);
        player.Frames(2);
        ASSERT_NE(player.House(), nullptr);
        GlyphString renamed = before;
        if (confirm) {
            renamed[static_cast<size_t>(LastGlyphIndex(before)) + 1] = EncodeGlyphs("s")[0];
        }
        EXPECT_EQ(World().playerArmy.name[0], renamed);
        EXPECT_EQ(House().army.name[0], renamed);
        EXPECT_EQ(House().selectedArmy, 0);
        EXPECT_EQ(House().houseNumber, house.number);
        player.ClickHouseButton(kLeaveButton);
        ASSERT_TRUE(game.app.stateHandler == MapStateThunk);
        player.Frames(2);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HouseRoad, testing::ValuesIn(kEveryKind), CaseName);

}  // namespace varn
