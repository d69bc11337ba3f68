#include <gtest/gtest.h>

#include <functional>

#include "battle/BattleScreen.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "engine/DrawingDevice.h"
#include "platform/BmpWriter.h"
#include "support/TempDir.h"
#include "world/GameState.h"

namespace varn {

namespace {

struct Outcome {
    GameState world;
    std::array<uint8_t, 3> endOfGame{};
    uint8_t joiningHero = 0;
};

// A new game in which every battle site and trigger still stands, won at `battle`.
Outcome Fresh() {
    Outcome outcome;
    RunNewGameSetUp(outcome.world);
    outcome.world.battleSiteActive.fill(1);
    outcome.world.battleTrigger.fill(1);
    return outcome;
}

Outcome Win(int battle, const std::function<void(GameState&)>& before = {}) {
    Outcome outcome = Fresh();
    if (before) {
        before(outcome.world);
    }
    BattleScreen screen;
    screen.battleId = battle;
    ApplyVictoryConsequences(screen, outcome.world, outcome.endOfGame);
    outcome.joiningHero = screen.joiningHero;
    return outcome;
}

void ExpectSame(const Outcome& actual, const Outcome& expected, int battle) {
    EXPECT_TRUE(static_cast<const GameStateData&>(actual.world) == expected.world) << battle;
    EXPECT_EQ(actual.endOfGame, expected.endOfGame) << battle;
    EXPECT_EQ(actual.joiningHero, expected.joiningHero) << battle;
}

// One case per kind of row: what the won battle writes on a new game, nothing more.
struct ConsequenceCase {
    int battle;
    std::function<void(Outcome&)> expected;
};

TEST(VictoryConsequences, EachKindOfRowWritesItsFieldsAndNothingElse) {
    const ConsequenceCase cases[] = {
        {1, [](Outcome& o) { o.world.BattleSite(1) = 0; }},
        {2,
         [](Outcome& o) {
             o.world.BattleSite(2) = 0;
             o.world.Quest(5) = 7;
             o.world.TownOwned(0) = 1;
             o.world.Trigger(0) = 0;
         }},
        {4,
         [](Outcome& o) {
             o.world.BattleSite(4) = 0;
             o.world.Quest(3) = 7;
             o.world.HeroJoined(1) = 1;
             o.world.HeroMapCell(1) = 1862;
             o.joiningHero = 1;
         }},
        {64,
         [](Outcome& o) {
             o.world.BattleSite(64) = 0;
             o.world.HeroJoined(6) = 1;
             o.world.HeroMapCell(6) = 379;
             o.joiningHero = 6;
         }},
        {66,
         [](Outcome& o) {
             o.world.Quest(90) = 7;
             o.world.Trigger(12) = 0;
         }},
        {73,
         [](Outcome& o) {
             o.world.Quest(87) = 7;
             o.world.Quest(91) = 7;
             o.world.Trigger(18) = 0;
             o.endOfGame[2] = 1;
         }},
        {81,
         [](Outcome& o) {
             o.world.BattleSite(81) = 0;
             o.world.beatenInvader() = 80;
             o.world.mapSnapshotState = 2;
         }},
    };
    for (const ConsequenceCase& c : cases) {
        Outcome expected = Fresh();
        c.expected(expected);
        ExpectSame(Win(c.battle), expected, c.battle);
    }
}

TEST(VictoryConsequences, ANumberWithoutAScenarioWritesNothing) {
    for (int battle : {0, 74, 77, 80, 94, 100, 255, -1}) {
        ExpectSame(Win(battle), Fresh(), battle);
    }
}

TEST(VictoryConsequences, AQuestTakenOnMeetsItsGoalAndOneNeverTakenIsSolved) {
    // Battle 3 advances quest 2; {state before, state after}.
    const std::pair<uint8_t, uint8_t> cases[] = {{0, 7}, {1, 7}, {2, 5}, {4, 5},
                                                 {5, 5}, {6, 5}, {7, 5}};
    for (auto [before, after] : cases) {
        const Outcome outcome = Win(3, [before](GameState& w) { w.Quest(2) = before; });
        EXPECT_EQ(outcome.world.Quest(2), after) << int{before};
    }
    const Outcome finalBattle = Win(73, [](GameState& w) {
        w.Quest(87) = 4;
        w.Quest(91) = 1;
    });
    EXPECT_EQ(std::pair(finalBattle.world.Quest(87), finalBattle.world.Quest(91)),
              std::pair(uint8_t{5}, uint8_t{7}));
}

TEST(VictoryConsequences, EveryWonSiteLeavesTheMapButTheFixedPlaces) {
    for (int battle = 1; battle <= 93; ++battle) {
        const Outcome outcome = Win(battle);
        const bool cleared = battle <= 65 || battle >= 81;
        EXPECT_EQ(outcome.world.BattleSite(battle), cleared ? 0 : 1) << battle;
    }
}

class JoiningHeroPortrait : public DrawingDeviceTest {};

TEST_F(JoiningHeroPortrait, IsLoadedIntoTheBattlesPictureSet) {
    TempWorkingDir folder;
    std::filesystem::create_directories("Art/Heroes");
    bmp::WriteFile("Art/Heroes/Heroe1.bmp",
                   bmp::MakeBmp24(128, 128, std::vector<uint32_t>(128 * 128, 0xFF3080C0)));

    Outcome outcome = Fresh();
    BattleScreen screen;
    screen.battleId = 4;
    screen.mainSprites = std::make_unique<SpriteSet>();
    ASSERT_EQ(screen.mainSprites->Init(&device, 63), 1);
    ApplyVictoryConsequences(screen, outcome.world, outcome.endOfGame);
    EXPECT_EQ(screen.joiningHero, 1);
    EXPECT_EQ(screen.mainSprites->slots[50].texture.QueryWidth(), 128);
    EXPECT_EQ(screen.mainSprites->slots[50].frameWidth, 128);

    // Hero 6 has no picture here: the hero still joins and the slot stays empty.
    screen.battleId = 64;
    screen.mainSprites->ReleaseSlot(50);
    ApplyVictoryConsequences(screen, outcome.world, outcome.endOfGame);
    EXPECT_EQ(std::pair(screen.joiningHero, outcome.world.HeroJoined(6)),
              std::pair(uint8_t{6}, uint8_t{1}));
    EXPECT_EQ(screen.mainSprites->slots[50].texture.QueryWidth(), 0);
}

TEST(JoiningHeroPortraitLoad, NeedsAHeroNumberAndASpriteSet) {
    BattleScreen screen;
    for (uint8_t hero : {0, 1, 11, 255}) {
        screen.joiningHero = hero;
        screen.LoadHeroPortrait();
    }
    EXPECT_EQ(screen.mainSprites, nullptr);
}

}  // namespace

}  // namespace varn
