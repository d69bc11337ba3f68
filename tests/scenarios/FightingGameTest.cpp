#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "frontend/SaveQuitDialog.h"
#include "frontend/StoryScreen.h"
#include "scenarios/PlayedGame.h"

namespace varn {

namespace {

constexpr int kSlot = 4;
constexpr int kNearArmy = 2;  // battle 3: six enemies, lost by time after turn 13
constexpr uint8_t kNearBattle = kNearArmy + 1;
constexpr int kHeroArmy = 28;  // battle 29, two cells above hero 1
constexpr int kHero = 0;
constexpr int kFirstInvasionQuest = 6;
constexpr int32_t kInvasionFame = 5;
constexpr int32_t kInvasionGold = 500;
constexpr int32_t kLossFame = 3;

}  // namespace

// Day 145 of a long game, in the west: the first invader beaten on its road, the army of battle
// 3 retreated from, then saved and loaded in the middle of its battle and waited out until the
// time ran out, then beaten; hero 1's peasants beaten by the strikes of another army; and the
// peace treaty of day 150 enters the fame into the hall of fame.
TEST(FightingGame, WonAndLostBattlesAnInvasionHeldAndThePeaceInTheHallOfFame) {
    const GameState prepared = FightingWorld();
    PlayedGame g(prepared, "fighting", kSlot);
    g.LoadPreparedWorld();
    ASSERT_TRUE(g.In(MapStateThunk));
    int32_t fame = g.World().fame;

    // The first invader, let loose by the day's end, marches onto the party and is beaten.
    g.player.ClickPanel(kEndDayButton);
    ASSERT_TRUE(g.player.RunUntil([&] { return g.battle.InBattle(); }, 600));
    g.player.Frame();
    ASSERT_EQ(g.battle.screen().battleId, kFirstInvasionBattle);
    EXPECT_EQ(g.battle.screen().allyKindUsed[1], 1) << "the palace guards come to help";
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    fame += g.battle.screen().victoryGrade + kInvasionFame;
    const int32_t paid = g.World().gold;
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.player.Frame();
    EXPECT_EQ(g.World().Quest(kFirstInvasionQuest), kQuestSolved) << "the place is held";
    EXPECT_EQ(g.World().gold, paid + kInvasionGold);
    EXPECT_EQ(g.World().fame, fame);
    g.player.PressKey(kKeyReturn);  // the outcome
    g.player.PressKey(kKeyReturn);  // the Day box
    EXPECT_EQ(g.World().day, 146);

    // Battle 3: a retreat, which costs the day's moves and a fame.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    ASSERT_EQ(g.battle.screen().battleId, kNearBattle);
    g.battle.Retreat();
    ASSERT_TRUE(g.battle.OnMap());
    g.player.Frame();
    EXPECT_EQ(g.World().fame, --fame);
    EXPECT_EQ(g.Map().playerMoves, 0);
    g.EndDay();

    // Battle 3 again: saved and left in its second turn, loaded, and waited out to its last.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    g.battle.CloseTurnBanner();
    g.battle.EndTurn();
    g.battle.CloseTurnBanner();
    const BattleScreen& field = g.battle.screen();
    const auto before = std::tuple(field.turn, field.commanderCell, field.armyCell, field.enemyCell,
                                   field.enemyMen);
    g.player.PressKey(kKeyEscape);
    ASSERT_TRUE(g.In(SaveQuitStateThunk));
    g.player.Click(kSaveQuitButtons, kSaveQuitYes);
    g.player.Frames(2);
    ASSERT_TRUE(g.In(MainMenuStateThunk));
    g.player.LoadGame(kSlot);
    ASSERT_TRUE(g.battle.InBattle());
    g.player.Frame();
    const BattleScreen& loaded = g.battle.screen();
    EXPECT_EQ(loaded.battleId, kNearBattle);
    EXPECT_EQ(std::tuple(loaded.turn, loaded.commanderCell, loaded.armyCell, loaded.enemyCell,
                         loaded.enemyMen),
              before);
    g.battle.CloseTurnBanner();
    g.battle.EndTurnsUntilLost();
    EXPECT_EQ(loaded.lost, 1);
    EXPECT_EQ(loaded.turn, loaded.lastTurn) << "lost by time";
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.player.Frame();
    fame -= kLossFame;
    EXPECT_EQ(g.World().fame, fame);
    g.EndDay();

    // A third time, fought: won, and the army is gone from the map.
    ASSERT_TRUE(g.AttackArmy(kNearArmy));
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    fame += g.battle.screen().victoryGrade;
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.player.Frame();
    EXPECT_EQ(g.World().fame, fame);
    EXPECT_EQ(g.World().BattleSite(kNearBattle), 0);
    EXPECT_EQ(g.Map().armyActive[kNearArmy], 0);

    // Hero 1 leads his three peasants into the army above him: the enemies' strikes beat them.
    g.player.ScrollMapTo(g.Map().heroX[kHero], g.Map().heroY[kHero]);
    g.player.ClickCell(g.Map().heroX[kHero], g.Map().heroY[kHero]);
    ASSERT_EQ(g.Map().heroSelected, kHero + 1);
    g.player.ClickCell(g.Map().armyX[kHeroArmy], g.Map().armyY[kHeroArmy]);
    g.player.PressKey(kKeyReturn);
    ASSERT_TRUE(g.player.RunUntil([&] { return g.battle.InBattle(); }, 300));
    g.player.Frame();
    EXPECT_EQ(g.battle.screen().commanderHero, kHero + 1);
    EXPECT_FALSE(g.battle.PlayUntilDecided());
    EXPECT_EQ(g.battle.screen().lost, 1);
    EXPECT_LT(g.battle.screen().turn, g.battle.screen().lastTurn) << "beaten before the time";
    EXPECT_EQ(g.battle.screen().commanderHealth, 0);
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.battle.OnMap());
    g.player.Frame();
    fame = std::max(fame - kLossFame, 0);
    EXPECT_EQ(g.World().fame, fame);

    // Days 148 and 149 end, and day 150's treaty ends the game: saved, its score recorded, its
    // story.
    g.player.PutAwayBoxes();
    g.EndDay();
    ASSERT_EQ(g.World().day, 149);
    g.player.ClickPanel(kEndDayButton);
    ASSERT_TRUE(g.player.RunUntil([&] { return g.In(StoryStateThunk); }, 600));
    EXPECT_EQ(g.World().storyMode, kStoryPeace);
    EXPECT_EQ(g.World().finalScore, fame) << "a peace keeps the fame";
    EXPECT_TRUE(g.HallOfFameShowsOnly(prepared.playerName, fame));
    EXPECT_EQ(g.StatesEntered(), (std::vector<std::string>{"MainMenu", "Map", "LoadSlots", "Story",
                                                           "SaveGame", "LoadGame", "SaveQuit",
                                                           "RecordScore", "HallOfFame", "Battle"}));

    g.ExpectReplayEndsInTheCommittedWorld(prepared);
}

}  // namespace varn
