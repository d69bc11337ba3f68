#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/SaveQuitDialog.h"
#include "scenarios/PlayedGame.h"

namespace varn {

namespace {

constexpr int kSlot = 4;
constexpr int kNearArmy = 2;  // battle 3, six enemies, lost by time after turn 13
constexpr uint8_t kNearBattle = kNearArmy + 1;
constexpr int kHeroArmy = 28;  // battle 29, two cells above hero 1
constexpr int kFirstInvasionQuest = 6;
constexpr int32_t kInvasionFame = 5;
constexpr int32_t kInvasionGold = 500;

}  // namespace

TEST(FightingGame, BattlesWonAndLostAnInvasionHeldAndPeaceIntoTheHallOfFame) {
    PlayedGame g;
    ASSERT_TRUE(InstallPreparedWorld(FightingWorld(), "fighting", kSlot));
    HeadlessGame::backend().presentAdvanceMs = 100;
    g.Load(kSlot);
    ASSERT_TRUE(g.In(MapStateThunk));
    int32_t fame = g.World().fame;
    std::printf("day %d fame %d drawflag %d\n", g.World().day, fame, g.App().mapDrawFlag);

    // The first invader marches on the party at the day's end, and is beaten.
    g.map.ClickPanel(kEndDayButton);
    ASSERT_TRUE(g.map.RunUntil([&] { return g.battle.InBattle(); }, 600));
    g.front.Frame();
    ASSERT_EQ(g.battle.screen().battleId, kFirstInvasionBattle);
    const int32_t gold = g.World().gold;
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    const uint8_t grade = g.battle.screen().victoryGrade;
    std::printf("invader won grade %d turn %d\n", grade, g.battle.screen().turn);
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.front.Frame();
    EXPECT_EQ(g.World().Quest(kFirstInvasionQuest), kSolved);
    std::printf("gold %d -> %d, fame %d\n", gold, g.World().gold, g.World().fame);
    fame += grade + kInvasionFame;
    EXPECT_EQ(g.World().fame, fame);
    g.map.PressKey(kKeyReturn);
    std::printf("phase %d day %d drawflag %d\n", g.Map().enemyPhase, g.World().day, g.App().mapDrawFlag);
    g.map.PressKey(kKeyReturn);

    // The army above: a retreat.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    g.front.Frame();
    ASSERT_EQ(g.battle.screen().battleId, kNearBattle);
    g.battle.Retreat();
    ASSERT_TRUE(g.battle.OnMap());
    g.front.Frame();
    EXPECT_EQ(g.World().fame, fame - 1);
    fame -= 1;
    std::printf("after retreat day %d cell %d moves %d\n", g.World().day, g.World().playerMapCell, g.Map().playerMoves);
    g.EndDay();
    std::printf("day %d moves %d drawflag %d\n", g.World().day, g.Map().playerMoves, g.App().mapDrawFlag);

    // Again: the battle saved and left in its second turn, loaded, and waited out.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    g.front.Frame();
    g.battle.CloseTurnBanner();
    g.battle.EndTurn();
    g.battle.CloseTurnBanner();
    const int32_t turn = g.battle.screen().turn;
    g.battle.PressKey(kKeyEscape);
    ASSERT_TRUE(g.In(SaveQuitStateThunk));
    g.front.Click(kSaveQuitButtons, kSaveQuitYes);
    g.front.Frame();
    g.front.Frame();
    ASSERT_TRUE(g.In(MainMenuStateThunk));
    g.Load(kSlot);
    ASSERT_TRUE(g.battle.InBattle());
    g.front.Frame();
    EXPECT_EQ(g.battle.screen().turn, turn);
    EXPECT_EQ(g.battle.screen().battleId, kNearBattle);
    g.battle.CloseTurnBanner();
    g.battle.EndTurnsUntilLost();
    std::printf("lost %d turn %d last %d\n", g.battle.screen().lost, g.battle.screen().turn, g.battle.screen().lastTurn);
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.front.Frame();
    fame -= 3;
    EXPECT_EQ(g.World().fame, fame);
    g.EndDay();

    // A third time, fought and won.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    g.front.Frame();
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    fame += g.battle.screen().victoryGrade;
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.front.Frame();
    EXPECT_EQ(g.World().fame, fame);
    EXPECT_EQ(g.World().BattleSite(kNearBattle), 0);
    std::printf("won; day %d fame %d\n", g.World().day, fame);

    // Hero 1 leads his peasants into the army above him: beaten by its strikes.
    {
        MapScreen& m = g.Map();
        const int hero = 0;
        CentreView(*g.App().mapView, m.heroX[hero], m.heroY[hero], 400, 300);
        g.map.ClickCell(m.heroX[hero], m.heroY[hero]);
        g.map.ClickCell(m.armyX[kHeroArmy], m.armyY[kHeroArmy]);
        std::printf("hero sel %d path %d target %d\n", m.heroSelected, m.pathCount, m.armyTarget);
        g.map.PressKey(kKeyReturn);
        ASSERT_TRUE(g.map.RunUntil([&] { return g.battle.InBattle(); }, 300));
    }
    g.front.Frame();
    EXPECT_EQ(g.battle.screen().commanderHero, 1);
    EXPECT_FALSE(g.battle.PlayUntilDecided());
    std::printf("lost %d turn %d last %d\n", g.battle.screen().lost, g.battle.screen().turn, g.battle.screen().lastTurn);
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.front.Frame();
    fame = std::max(fame - 3, 0);
    EXPECT_EQ(g.World().fame, fame);

    // Two more days, and the peace treaty ends the game.
    g.EndDay();
    g.map.ClickPanel(kEndDayButton);
    ASSERT_TRUE(g.map.RunUntil([&] { return g.In(StoryStateThunk); }, 600));
    std::printf("story mode %d\n", g.World().storyMode);
    g.front.Frame();
    g.front.PressKey(kKeyReturn);
    ASSERT_TRUE(g.In(HallOfFameStateThunk));
    g.front.Frame();
}

}  // namespace varn
