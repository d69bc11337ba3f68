#include <gtest/gtest.h>
#include <chrono>

#include "scenarios/PlayedGame.h"

namespace varn {

namespace {

constexpr int kSlot = 5;
constexpr int kCastleArmy = 72;  // the Black Zima Castle's army: the final battle
constexpr uint8_t kFinalBattle = kCastleArmy + 1;

}  // namespace

TEST(VictoryGame, TheFinalBattleWonEndsTheGameWithTheVictoryStoryAndItsHundred) {
    PlayedGame g;
    ASSERT_TRUE(InstallPreparedWorld(VictoryWorld(), "victory", kSlot));
    g.Load(kSlot);
    ASSERT_TRUE(g.In(MapStateThunk));
    const int32_t fame = g.World().fame;

    // Two cells west of the castle: the path onto its gate, and the battle.
    const int32_t gateX = 3400;
    const int32_t gateY = 480;
    ASSERT_TRUE(g.MarchOn(gateX, gateY));
    g.front.Frame();
    ASSERT_EQ(g.battle.screen().battleId, kFinalBattle);
    int computer = 0, player = 0, total = 0;
    g.game.afterFrame = [&] { if (g.App().battleScreen) { ++total; (ComputerActs(g.battle.screen()) ? computer : player)++; } };
    auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(g.battle.PlayUntilDecided());
    std::printf("frames %d computer %d player %d ms %ld\n", total, computer, player, (long)std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count());
    const uint8_t grade = g.battle.screen().victoryGrade;
    std::printf("won turn %d grade %d\n", g.battle.screen().turn, grade);
    EXPECT_EQ(g.App().endOfGame[2], 1);
    g.battle.LeaveTheField();
    ASSERT_TRUE(g.map.RunUntil([&] { return g.In(StoryStateThunk); }, 10));
    std::printf("story %d fame %d final %d\n", g.World().storyMode, g.World().fame, g.World().finalScore);
    EXPECT_EQ(g.World().finalScore, fame + grade + 100);
    g.front.Frame();
    g.front.PressKey(kKeyReturn);
    ASSERT_TRUE(g.In(HallOfFameStateThunk));
    g.front.Frame();
}

}  // namespace varn
