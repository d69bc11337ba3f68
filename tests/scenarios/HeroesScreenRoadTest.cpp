#include <gtest/gtest.h>

#include "characters/ArmySlots.h"
#include "characters/NameScreen.h"
#include "characters/RenameReturns.h"
#include "support/CharacterPlayer.h"
#include "support/FrontEndPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr ItemId kSword = 240;
constexpr ItemId kHelmet = 45;
constexpr int kSwordCell = CellOf(EquipSlot::Sword);
constexpr int kHelmetCell = CellOf(EquipSlot::Helmet);
constexpr uint8_t kFirstHero = 0;
constexpr uint8_t kThirdHero = 2;

void GiveToBag(CharacterItemRecord& record, int cell, ItemId id) {
    record.items[static_cast<size_t>(cell)] = id;
    record.owned[static_cast<size_t>(id - 1)] = 1;
    record.itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
}

// Heroes 1 and 3 have joined, hero 1 with two armies and a sword in the bag and hero 3 with a
// helmet.
class HeroesScreenRoad : public ::testing::Test {
  protected:
    void SetUp() override {
        GameState& world = World();
        world.heroJoined[kFirstHero] = 1;
        world.heroJoined[kThirdHero] = 1;
        world.heroItems[kFirstHero] = CharacterItemRecord{};
        world.heroItems[kThirdHero] = CharacterItemRecord{};
        GiveToBag(world.heroItems[kFirstHero], 0, kSword);
        GiveToBag(world.heroItems[kThirdHero], 4, kHelmet);
        world.heroArmies[kFirstHero] = world.playerArmy;  // armies in slots 1 and 2
    }

    // The world as the test left it taken onto the map, then the panel's Heroes.
    void OpenHeroes() {
        player.EnterMap();
        player.ClickPanel(kHeroesButton);
        player.Frame();
        ASSERT_TRUE(app.stateHandler == HeroesStateThunk);
        ASSERT_NE(app.heroScreen, nullptr);
    }

    // Empties a name being typed and types another.
    void Retype(std::string_view name) {
        for (int i = 0; i < kGlyphStringLength; ++i) {
            front.PressKey(kKeyBack);
        }
        front.Type(name);
    }

    GameState& World() { return *app.world; }
    HeroScreen& Screen() { return *app.heroScreen; }

    HeadlessGame game;
    CharacterPlayer player{game};
    FrontEndPlayer front{game};
    GameApp& app = game.app;
};

}  // namespace

TEST_F(HeroesScreenRoad, PagingWritesEachHeroBackAndShowsTheNext) {
    app.currentHero = 5;  // never joined: the first joined hero is shown instead
    OpenHeroes();
    EXPECT_EQ(app.currentHero, kFirstHero);
    EXPECT_EQ(app.loadedHero, kFirstHero);
    const int32_t attack = World().heroStats[kFirstHero].attack;
    player.DragCell(0, kSwordCell);
    EXPECT_EQ(World().heroStats[kFirstHero].attack, attack + ItemCatalogue::BonusOf(kSword));

    player.Click(kHeroButtons, kCharacterNext);
    EXPECT_EQ(app.currentHero, kThirdHero);
    EXPECT_EQ(World().heroItems[kFirstHero].items[kSwordCell], kSword);
    EXPECT_EQ(World().heroItems[kFirstHero].itemCell[kSword - 1], kSwordCell);
    EXPECT_EQ(Screen().items[4], kHelmet);
    player.DragCell(4, kHelmetCell);

    player.Click(kHeroButtons, kCharacterPrevious);
    EXPECT_EQ(app.currentHero, kFirstHero);
    EXPECT_EQ(World().heroItems[kThirdHero].items[kHelmetCell], kHelmet);
    EXPECT_EQ(Screen().items[kSwordCell], kSword);
    EXPECT_EQ(Screen().owned[kHelmet - 1], 0);
}

TEST_F(HeroesScreenRoad, ADisbandedArmyStaysGoneAfterLeaving) {
    ASSERT_TRUE(HasArmy(World().heroArmies[kFirstHero], 0));
    OpenHeroes();
    player.DragArmyTo(0, kDisbandTarget);
    ASSERT_EQ(Screen().question, CharacterQuestion::Disband);
    player.Click(kQuestionButtons, kQuestionYes);
    EXPECT_FALSE(HasArmy(Screen().army, 0));
    player.PressKey(kKeyEscape);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    const ArmyRecord& army = World().heroArmies[kFirstHero];
    EXPECT_FALSE(HasArmy(army, 0));
    EXPECT_EQ(army.alive[0], 0);
    EXPECT_EQ(army.name[0], GlyphString{});
    EXPECT_EQ(app.loadedHero, kNoLoadedHero);
}

TEST_F(HeroesScreenRoad, RenamingAnArmyKeepsTheMovesMadeBefore) {
    OpenHeroes();
    player.DragCell(0, kSwordCell);
    player.SelectArmy(1);
    player.Click(kHeroButtons, kCharacterName);
    ASSERT_TRUE(app.stateHandler == RenameStateThunk);
    EXPECT_EQ(app.renameReturn, kRenameToHeroes);
    EXPECT_EQ(app.renameArmy, 1);
    EXPECT_EQ(app.renameArmySlot, 2);
    EXPECT_EQ(app.renameOwner, CharacterOfHeroIndex(kFirstHero));
    EXPECT_EQ(World().armyNameHandOver, World().heroArmies[kFirstHero].name[1]);
    EXPECT_EQ(World().heroItems[kFirstHero].items[kSwordCell], kSword);

    front.Frame();
    Retype("Guard");
    front.PressKey(kKeyReturn);
    ASSERT_TRUE(app.stateHandler == HeroesStateThunk);
    EXPECT_EQ(World().heroArmies[kFirstHero].name[1], EncodeGlyphs("Guard"));
    EXPECT_EQ(app.renameDone, 0);  // read and cleared by the heroes screen's entry
    EXPECT_EQ(app.armyNameChanged, 0);
    EXPECT_EQ(Screen().items[kSwordCell], kSword);
    EXPECT_EQ(Screen().army.name[1], EncodeGlyphs("Guard"));
}

TEST_F(HeroesScreenRoad, RenamingAHeroChangesOnlyItsColumnOfTheNames) {
    app.currentHero = kThirdHero;
    OpenHeroes();
    player.Click(kHeroButtons, kCharacterName);
    ASSERT_TRUE(app.stateHandler == RenameStateThunk);
    EXPECT_EQ(app.renameHero, 1);
    EXPECT_EQ(World().nameEditBuffer, World().heroNames.Name(kThirdHero));
    HeroNameTable expected = World().heroNames;
    expected.SetName(kThirdHero, EncodeGlyphs("Bertram"));
    front.Frame();
    Retype("Bertram");
    front.PressKey(kKeyReturn);
    ASSERT_TRUE(app.stateHandler == HeroesStateThunk);
    EXPECT_EQ(World().heroNames, expected);
    EXPECT_EQ(Screen().name, EncodeGlyphs("Bertram"));
}

TEST_F(HeroesScreenRoad, WithNoHeroJoinedNothingIsShownOrWritten) {
    World().heroJoined.fill(0);
    OpenHeroes();
    EXPECT_EQ(app.currentHero, kNoCurrentHero);
    EXPECT_FALSE(Screen().hasCharacter);
    const GameStateData before = World();
    player.Click(kHeroButtons, kCharacterNext);
    player.Click(kHeroButtons, kCharacterName);
    EXPECT_TRUE(app.stateHandler == HeroesStateThunk);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "heroes_none_joined");
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    player.Frame();
    EXPECT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_TRUE(static_cast<const GameStateData&>(World()) == before);
    HeadlessGame::backend().SetKey(kKeyEscape, false);
}

TEST_F(HeroesScreenRoad, GoldenImage) {
    OpenHeroes();
    player.DragCell(0, kSwordCell);
    player.SelectArmy(0);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "heroes_screen");
}

}  // namespace varn
