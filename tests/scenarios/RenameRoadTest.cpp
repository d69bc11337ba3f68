#include <gtest/gtest.h>

#include <algorithm>

#include "characters/NameScreen.h"
#include "characters/RenameReturns.h"
#include "support/CharacterPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"

namespace varn {

namespace {

class RenameRoad : public ::testing::Test {
  protected:
    // The rename state entered as a screen hands over to it.
    void EnterRename(uint8_t returnCode) {
        app.renameReturn = returnCode;
        app.SwitchState(RenameStateThunk, kPhaseSwitch);
        player.Frame();
        ASSERT_NE(app.nameScreen, nullptr);
    }

    void HandOverArmy(uint8_t owner, uint8_t slot) {
        app.renameArmy = 1;
        app.renameOwner = owner;
        app.renameArmySlot = slot;
        World().armyNameHandOver = EncodeGlyphs("Old");
    }

    GameState& World() { return *app.world; }

    HeadlessGame game;
    CharacterPlayer player{game};
    GameApp& app = game.app;
};

bool HoldsCursor(const GlyphString& name) {
    return std::find(name.begin(), name.end(), kGlyphCursor) != name.end();
}

}  // namespace

TEST_F(RenameRoad, TheOwnScreensArmyIsRenamedAndTheScreenComesBack) {
    player.EnterMap();
    player.ClickPanel(kYouButton);
    player.Frame();
    player.SelectArmy(0);
    player.Click(kYouButtons, kCharacterName);
    ASSERT_TRUE(app.stateHandler == RenameStateThunk);
    EXPECT_EQ(app.youScreen, nullptr);  // written back and freed on the way
    EXPECT_EQ(app.renameOwner, kPlayerCharacter);
    EXPECT_EQ(app.renameReturn, kRenameToYou);
    player.Frame();
    player.Type("s");
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(app.stateHandler == YouStateThunk);
    GlyphString expected = World().armyNameHandOver;
    EXPECT_EQ(World().playerArmy.name[0], expected);
    EXPECT_EQ(expected[static_cast<size_t>(LastGlyphIndex(expected))], EncodeGlyphs("s")[0]);
    EXPECT_FALSE(HoldsCursor(World().playerArmy.name[0]));
    EXPECT_EQ(app.youScreen->army.name[0], expected);
}

TEST_F(RenameRoad, BackWritesNothingAndTheLeaveStepClearsTheHandOver) {
    HandOverArmy(3, 2);
    const GameStateData before = World();
    EnterRename(kRenameToHeroes);
    player.Type("New");
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    player.Frame();
    EXPECT_TRUE(app.stateHandler == HeroesStateThunk);
    EXPECT_EQ(app.nameScreen, nullptr);
    EXPECT_EQ(app.renameDone, 1);
    EXPECT_EQ(app.renameReturn, 0);
    EXPECT_EQ(app.renameArmy, 0);
    EXPECT_EQ(app.renameHero, 0);
    EXPECT_EQ(app.armyNameChanged, 0);
    EXPECT_TRUE(static_cast<const GameStateData&>(World()) == before);
    HeadlessGame::backend().SetKey(kKeyEscape, false);
}

TEST_F(RenameRoad, AHandOverNamingNoArmyOrHeroWritesNothing) {
    struct Case {
        uint8_t owner;
        uint8_t slot;
    };
    for (const Case bad : {Case{0, 1}, Case{12, 1}, Case{1, 0}, Case{1, 7}, Case{255, 255}}) {
        SCOPED_TRACE(+bad.owner);
        SCOPED_TRACE(+bad.slot);
        HandOverArmy(bad.owner, bad.slot);
        const GameStateData before = World();
        EnterRename(kRenameToHeroes);
        player.Type("x");
        player.PressKey(kKeyReturn);
        EXPECT_TRUE(static_cast<const GameStateData&>(World()) == before);
        EXPECT_EQ(app.armyNameChanged, 0);
        app.SwitchState(MapStateThunk, kPhaseSwitch);
        player.Frame();
    }
    for (const uint8_t hero : {uint8_t{10}, kNoCurrentHero, uint8_t{255}}) {
        SCOPED_TRACE(+hero);
        app.currentHero = hero;
        app.renameHero = 1;
        const GameStateData before = World();
        EnterRename(kRenameToHeroes);
        player.Type("Zed");
        player.PressKey(kKeyReturn);
        EXPECT_TRUE(static_cast<const GameStateData&>(World()) == before);
        app.SwitchState(MapStateThunk, kPhaseSwitch);
        player.Frame();
    }
}

TEST_F(RenameRoad, GoldenImage) {
    HandOverArmy(1, 1);
    EnterRename(kRenameToYou);
    player.Type("Guards");
    ExpectMatchesGolden(HeadlessGame::backend().presented, "rename");
}

}  // namespace varn
