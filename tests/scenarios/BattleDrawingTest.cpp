#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "battle/BattlePictures.h"
#include "support/BattleGame.h"
#include "support/GoldenImage.h"

namespace varn {

namespace {

// The frame's draws, recorded while one more frame runs.
std::vector<BattleDraw> RecordFrame(BattleGame& game) {
    std::vector<BattleDraw> log;
    game.screen().drawLog = &log;
    game.RunFrames(1);
    game.screen().drawLog = nullptr;
    return log;
}

int CountSlot(const std::vector<BattleDraw>& log, const SpriteSet* set, int32_t slot) {
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const BattleDraw& d) {
        return d.set == set && d.slot == slot;
    }));
}

bool HasText(const std::vector<BattleDraw>& log, const std::string& text) {
    return std::any_of(log.begin(), log.end(),
                       [&](const BattleDraw& d) { return d.set == nullptr && d.text == text; });
}

}  // namespace

TEST(BattleDrawing, EachBattleNumberDrawsItsOwnGroundAndOnlyThePlainsAreDecorated) {
    const std::pair<uint8_t, int32_t> cases[] = {
        {1, kGroundPlains}, {81, kGroundPlains}, {73, kGroundBlackZima}, {62, kGroundGrey},
        {93, kGroundGrey},  {54, kGroundDesert}, {17, kGroundGrass},     {44, kGroundBrown},
    };
    for (const auto& [battle, ground] : cases) {
        SCOPED_TRACE(+battle);
        BattleGame game;
        game.EnterBattle(battle);
        const std::vector<BattleDraw> log = RecordFrame(game);
        const SpriteSet* grounds = game.screen().groundSprites.get();
        for (int32_t slot : {kGroundPlains, kGroundBlackZima, kGroundGrey, kGroundDesert,
                             kGroundGrass, kGroundBrown}) {
            EXPECT_EQ(CountSlot(log, grounds, slot) > 0, slot == ground) << slot;
        }
        EXPECT_EQ(CountSlot(log, grounds, kGroundExtras) > 0, ground == kGroundPlains);
    }
}

TEST(BattleDrawing, UnitNumbersShowTheMenDigitByDigitAndAHundredOnlyUnderEnemies) {
    BattleGame game;
    game.EnterBattle(1);
    BattleScreen& screen = game.screen();
    screen.cameraX = 0;
    screen.cameraY = 0;
    screen.enemyPresent.fill(0);
    screen.enemyPresent[0] = 1;
    screen.enemyX[0] = 160;
    screen.enemyY[0] = 80;
    screen.enemyMen[0] = 123;
    screen.armyPresent.fill(0);
    screen.armyPresent[0] = 1;
    screen.armyX[0] = 400;
    screen.armyY[0] = 400;
    screen.armyAlive[0] = 100;
    screen.allyPresent.fill(0);
    const std::vector<BattleDraw> log = RecordFrame(game);
    std::vector<std::pair<int32_t, int32_t>> enemyDigits;
    int armyDigits = 0;
    for (const BattleDraw& d : log) {
        if (d.set == screen.mainSprites.get() && d.slot == kSlotDigits4 && d.y == 80 + 67) {
            enemyDigits.emplace_back(d.x, d.frame);
        }
        armyDigits += d.set == screen.mainSprites.get() && d.slot == kSlotDigits4 && d.y == 467;
    }
    EXPECT_EQ(enemyDigits,
              (std::vector<std::pair<int32_t, int32_t>>{{198, 3}, {183, 2}, {170, 1}}));
    EXPECT_EQ(armyDigits, 0);
}

TEST(BattleDrawing, HitPicturesShowHowHardTheEnemyWasStruck) {
    struct HitCase {
        int32_t allDown;
        uint8_t someDown;
        int hurt;
        int some;
        int all;
    };
    const HitCase cases[] = {{0, 0, 1, 0, 0}, {0, 1, 1, 1, 0}, {1, 1, 0, 0, 1}};
    for (const HitCase& c : cases) {
        BattleGame game;
        game.EnterBattle(1);
        BattleScreen& screen = game.screen();
        screen.hitEnemy = 0;
        screen.targetEnemy = 0;
        screen.armyStriking = 1;
        screen.reportAllDown = c.allDown;
        screen.reportSomeDown = c.someDown;
        const std::vector<BattleDraw> log = RecordFrame(game);
        const SpriteSet* main = screen.mainSprites.get();
        EXPECT_EQ(CountSlot(log, main, kSlotHurt), c.hurt);
        EXPECT_EQ(CountSlot(log, main, kSlotSomeDown), c.some);
        EXPECT_EQ(CountSlot(log, main, kSlotAllDown), c.all);
        EXPECT_EQ(screen.hitFlashOn, 1) << "a strike restarts the hit timer";
    }
}

TEST(BattleDrawing, TheTurnLinesCountDownAndTheLastReadsLast) {
    BattleGame game;
    game.EnterBattle(1);
    BattleScreen& screen = game.screen();
    screen.brilliantTurns = 12;
    screen.greatTurns = 4;
    screen.lastTurn = 3;
    screen.turn = 2;
    const std::vector<BattleDraw> log = RecordFrame(game);
    EXPECT_TRUE(HasText(log, "10"));
    EXPECT_TRUE(HasText(log, "2"));
    EXPECT_TRUE(HasText(log, "last"));
    EXPECT_EQ(screen.turnsLeft, 1);
    const auto ten =
        std::find_if(log.begin(), log.end(), [](const BattleDraw& d) { return d.text == "10"; });
    EXPECT_EQ(ten->x, 535);
}

class BattleGolden : public testing::Test {
  protected:
    void SetUp() override {
        game.EnterBattle(1);
        game.MoveTo(790, 590);
    }
    const platform::BackBuffer& Presented() { return HeadlessGame::backend().presented; }
    BattleGame game;
};

TEST_F(BattleGolden, OpeningFrameWithTheTurnBanner) {
    ExpectMatchesGolden(Presented(), "battle-opening");
}

TEST_F(BattleGolden, FieldWithTheGridAndTheRetreatQuestion) {
    game.ClickSideButton(kSideGrid);
    game.ClickSideButton(kSideRetreat);
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-retreat-question");
}

TEST_F(BattleGolden, DefeatBox) {
    game.KeepOneDistantEnemy(2);
    game.EndTurnsUntilLost();
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-defeat");
}

TEST_F(BattleGolden, VictoryBoxAndSummary) {
    game.ClickAway();
    game.screen().enemyPresent.fill(0);
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-victory");
    game.ClickAway();
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-summary");
}

}  // namespace varn
