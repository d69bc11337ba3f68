#include <gtest/gtest.h>

#include <algorithm>

#include "frontend/StoryScreen.h"
#include "scenarios/PlayedGame.h"

namespace varn {

namespace {

constexpr int kSlot = 5;
constexpr int kCastleArmy = 72;  // the Black Zima Castle's: the final battle
constexpr uint8_t kFinalBattle = kCastleArmy + 1;
// A cell of the castle's western wall, two cells east of the party.
constexpr int32_t kCastleGateX = 3400;
constexpr int32_t kCastleGateY = 480;
constexpr int32_t kVictoryFame = 100;

}  // namespace

// Day 120 of a long game, in the east: the party marches into the Black Zima Castle, wins the
// final battle beside the palace's and the castle's guards, and the game ends in the victory
// story and the hall of fame, its score the fame with the victory's hundred.
TEST(VictoryGame, TheFinalBattleWonEndsInTheVictoryStoryAndTheHallOfFame) {
    const GameState prepared = VictoryWorld();
    PlayedGame g(prepared, "victory", kSlot);
    g.LoadPreparedWorld();
    ASSERT_TRUE(g.In(MapStateThunk));
    const int32_t fame = g.World().fame;

    ASSERT_TRUE(g.MarchOn(kCastleGateX, kCastleGateY));
    BattleScreen& field = g.battle.screen();
    ASSERT_EQ(field.battleId, kFinalBattle);
    EXPECT_EQ(std::count(field.allyPresent.begin(), field.allyPresent.end(), 1), 16)
        << "every guard of the palace and the castle";
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    const uint8_t grade = field.victoryGrade;
    EXPECT_EQ(g.App().endOfGame[2], 1);
    EXPECT_EQ(g.World().Quest(87), kQuestGoalMet);
    EXPECT_EQ(g.World().Quest(91), kQuestGoalMet);

    // The result and the summary put away: the map hands the ended game to the save, the score
    // and the closing story in the frames that follow.
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.player.RunUntil([&] { return g.In(StoryStateThunk); }, 10));
    EXPECT_EQ(g.World().storyMode, kStoryVictory);
    const int32_t score = fame + grade + kVictoryFame;
    EXPECT_EQ(g.World().finalScore, score);
    EXPECT_TRUE(g.HallOfFameShowsOnly(prepared.playerName, score));
    EXPECT_EQ(g.StatesEntered(),
              (std::vector<std::string>{"MainMenu", "Map", "LoadSlots", "Story", "SaveGame",
                                        "LoadGame", "RecordScore", "HallOfFame", "Battle"}));

    g.ExpectReplayEndsInTheCommittedWorld(prepared);
}

}  // namespace varn
