#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "battle/BattlePictures.h"
#include "support/BattleGame.h"
#include "support/GoldenImage.h"
#include "support/Readability.h"

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

// A free cell beside `cell` (the eight around it), none beside the commander when asked.
int32_t FreeCellBeside(const BattleScreen& s, int32_t cell, bool awayFromTheCommander) {
    for (const int32_t step : {1, -1, kBattleColumns, -kBattleColumns, kBattleColumns + 1,
                               kBattleColumns - 1, -kBattleColumns + 1, -kBattleColumns - 1}) {
        const int32_t near = cell + step;
        if (IsFieldCell(near) && DistanceInCells(near, cell) == 1 &&
            s.occupancy[near] == kOccupantFree &&
            !(awayFromTheCommander && DistanceInCells(near, s.commanderCell) <= 1)) {
            return near;
        }
    }
    return kNoBattleCell;
}

// Three cells beside the commander on its row, toward the middle of the field.
int32_t ThreeCellsBesideTheCommander(const BattleScreen& s) {
    return CellColumn(s.commanderCell) < kBattleColumns / 2 ? s.commanderCell + 3
                                                            : s.commanderCell - 3;
}

using Digits = std::vector<std::pair<int32_t, int32_t>>;

// The digits one slot draws on row y, as (x, digit) from the units on.
Digits DigitsOnRow(const std::vector<BattleDraw>& log, const SpriteSet* set, int32_t slot,
                   int32_t y) {
    Digits digits;
    for (const BattleDraw& d : log) {
        if (d.set == set && d.slot == slot && d.y == y) {
            digits.emplace_back(d.x, d.frame);
        }
    }
    return digits;
}

// The party's first army made of the kind, before the battle loads its pictures.
void FirstArmyOfKind(BattleGame& game, UnitType kind) {
    game.world().playerArmy.unitType[0] = static_cast<uint8_t>(kind);
    game.world().playerArmy.unitId[0] = static_cast<uint8_t>(static_cast<uint8_t>(kind) + 1);
}

// The first army slot selected, its panel showing these rows.
void SelectFirstArmy(BattleScreen& s, uint8_t alive, uint8_t down, uint8_t light, uint8_t serious,
                     uint8_t critical) {
    s.armyAlive[0] = alive;
    s.armyDown[0] = down;
    s.armyLight[0] = light;
    s.armySerious[0] = serious;
    s.armyCritical[0] = critical;
    s.commanderSelected = 0;
    s.selectedArmy = 1;
    s.activeArmyIndex = 0;
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

TEST(BattleDrawing, EveryCountARowCanHoldIsDrawnDigitByDigit) {
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
    SelectFirstArmy(screen, 250, 104, 250, 7, 0);
    screen.allyPresent.fill(0);
    screen.allyPresent[0] = 1;
    screen.allyX[0] = 240;
    screen.allyY[0] = 240;
    screen.allyMen[0] = 100;
    const std::vector<BattleDraw> log = RecordFrame(game);
    const SpriteSet* main = screen.mainSprites.get();
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits4, 80 + 67),
              (Digits{{198, 3}, {183, 2}, {170, 1}}));
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits4, 400 + 67),
              (Digits{{438, 0}, {423, 5}, {410, 2}}));
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits4, 240 + 67),
              (Digits{{278, 0}, {263, 0}, {250, 1}}));
    // The selected army's panel: men alive, men down, then the light and serious rows.
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits4, 565), (Digits{{274, 0}, {257, 5}, {240, 2}}));
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits5, 565), (Digits{{184, 4}, {167, 0}, {150, 1}}));
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits3, 530), (Digits{{600, 0}, {583, 5}, {566, 2}}));
    EXPECT_EQ(DigitsOnRow(log, main, kSlotDigits3, 555), (Digits{{591, 7}}));
}

TEST(BattleDrawing, AKindWithoutAnIconShowsItsFigureInThePanelTheReportAndTheSummary) {
    for (const UnitType kind : {UnitType::Infantry, UnitType::EliteGuards}) {
        const auto type = static_cast<uint8_t>(kind);
        SCOPED_TRACE(+type);
        BattleGame game;
        FirstArmyOfKind(game, kind);
        game.EnterBattle(1);
        BattleScreen& screen = game.screen();
        ASSERT_EQ(screen.armyPresent[0], 1);
        const bool hasIcon = screen.armyIcons->IsLoaded(type);
        EXPECT_EQ(hasIcon, kind == UnitType::Infantry);
        const SpriteSet* shown = hasIcon ? screen.armyIcons.get() : screen.armySprites.get();
        const auto drawnAt = [&](const std::vector<BattleDraw>& log, int32_t x, int32_t y) {
            return std::any_of(log.begin(), log.end(), [&](const BattleDraw& d) {
                return d.set == shown && d.slot == type && d.x == x && d.y == y;
            });
        };
        SelectFirstArmy(screen, 12, 0, 0, 0, 0);
        EXPECT_TRUE(drawnAt(RecordFrame(game), 10, 535)) << "its panel";
        screen.selectedArmy = 0;
        screen.armyHit = 1;
        screen.hitArmy = 0;
        EXPECT_TRUE(drawnAt(RecordFrame(game), 10, 535)) << "its hit report";
        screen.armyHit = 0;
        screen.battleOver = 1;
        screen.won = kWonFieldHidden;
        EXPECT_TRUE(drawnAt(RecordFrame(game), 50, 145 + 10)) << "its summary row";
    }
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

// A battle won while the turn box shows: the victory box stands where the box was, and no line
// of the turn box is left on the field under its edge.
TEST(BattleDrawing, AWinWhileTheTurnBoxShowsLeavesNoneOfItsLines) {
    BattleGame game;
    game.EnterBattle(1);
    game.MoveTo(790, 590);
    BattleScreen& s = game.screen();
    game.ClickAway();
    s.turn = 3;
    s.brilliantTurns = 2;
    s.greatTurns = 7;
    s.lastTurn = 12;
    s.enemyPresent.fill(0);
    s.showTurnInfo = 1;
    game.RunFrames(1);
    ASSERT_EQ(s.won, kWonPaid);
    ASSERT_EQ(s.showTurnInfo, 1);
    const std::vector<BattleDraw> log = RecordFrame(game);
    EXPECT_FALSE(HasText(log, "turns left for a Victory"));
    EXPECT_FALSE(HasText(log, "9"));
    EXPECT_EQ(s.turnsLeft, 9);
    ExpectReadable("a battle won under the turn box");
}

// Every digit a count can show, and every word a report can set, reads on the panels and boxes
// they stand on.
TEST(BattleDrawing, EveryTurnNumberReportWordAndSummaryDigitReads) {
    BattleGame game;
    game.EnterBattle(1);
    game.MoveTo(790, 590);
    BattleScreen& s = game.screen();
    s.brilliantTurns = 30;
    s.greatTurns = 31;
    s.lastTurn = 32;
    for (uint8_t turn = 1; turn <= 20; ++turn) {
        s.turn = turn;
        s.showTurnInfo = 1;
        game.RunFrames(1);
        ExpectReadable("turn " + std::to_string(turn));
    }
    game.ClickAway();
    s.armyHit = 1;
    s.hitArmy = 0;
    s.strikeDownCount = 88;
    for (int report = 0; report < 3; ++report) {
        s.armyHitOneDown = report == 0 ? 1 : 0;
        s.armyHitSomeDown = report == 1 ? 1 : 0;
        s.armyHitAllDown = report == 2 ? 1 : 0;
        game.RunFrames(1);
        ExpectReadable("report " + std::to_string(report));
    }
    s.armyHit = 0;
    s.enemyPresent.fill(0);
    game.ClickAway();
    game.ClickAway();
    ASSERT_EQ(s.won, kWonFieldHidden);
    for (const int32_t digits : {80, 91, 23, 45, 67}) {
        s.commanderExpGain = digits;
        s.levelsGained = s.healthPerLevels = s.attackPerLevels = s.defencePerLevels =
            static_cast<uint8_t>(digits);
        s.trainingGainShown.fill(digits);
        s.equipmentGainShown.fill(digits);
        game.RunFrames(1);
        ExpectReadable("summary " + std::to_string(digits));
    }
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

TEST_F(BattleGolden, TheTurnBoxWithALastTurnAndATwoDigitCount) {
    BattleScreen& s = game.screen();
    ASSERT_EQ(s.turn, 1);
    s.brilliantTurns = 2;
    s.greatTurns = 12;
    s.lastTurn = 13;
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-turn-last");
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

TEST_F(BattleGolden, APlannedPathWithItsTargetMark) {
    game.ClickAway();
    BattleScreen& s = game.screen();
    const int32_t enemyCell = ThreeCellsBesideTheCommander(s);
    game.KeepOneEnemyAt(enemyCell);
    game.CentreCameraOn(enemyCell);
    game.ClickFieldCell(s.commanderCell);
    game.ClickFieldCell(enemyCell);
    ASSERT_EQ(s.attackPlanned, 1);
    ASSERT_EQ(s.pathLength, 2);
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-planned-path");
}

TEST_F(BattleGolden, ARefusedMove) {
    game.ClickAway();
    BattleScreen& s = game.screen();
    // An enemy behind one of the party's armies: the path would have to end on the army.
    const int32_t toward = CellColumn(s.commanderCell) < kBattleColumns / 2 ? 1 : -1;
    const int32_t armyCell = s.commanderCell + toward;
    const int32_t enemyCell = s.commanderCell + 2 * toward;
    game.KeepOneEnemyAt(enemyCell);
    s.occupancy[s.armyCell[0]] = kOccupantFree;
    s.armyCell[0] = armyCell;
    s.armyX[0] = CellPixelX(armyCell);
    s.armyY[0] = CellPixelY(armyCell);
    s.occupancy[armyCell] = kOccupantFirstArmy;
    game.CentreCameraOn(enemyCell);
    game.ClickFieldCell(s.commanderCell);
    game.ClickFieldCell(enemyCell);
    ASSERT_EQ(s.moveRefused, 1);
    ASSERT_EQ(std::tuple(s.refusedX, s.refusedY), std::tuple(s.armyX[0], s.armyY[0]));
    ASSERT_EQ(s.noMovesLeft, 0);
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-refused-move");
}

TEST_F(BattleGolden, AStrikeReportOnAnEnemy) {
    game.ClickAway();
    BattleScreen& s = game.screen();
    const int32_t enemyCell = FreeCellBeside(s, s.commanderCell, false);
    ASSERT_NE(enemyCell, kNoBattleCell);
    game.KeepOneEnemyAt(enemyCell, 30, 10, 10);
    game.CentreCameraOn(enemyCell);
    game.ClickFieldCell(s.commanderCell);
    game.ClickFieldCell(enemyCell);
    game.PressKey(kKeyReturn);
    ASSERT_EQ(s.strikeReportOn, 1);
    ASSERT_EQ(s.strikeAnimOn, 1);
    game.MoveTo(790, 590);
    ExpectMatchesGolden(Presented(), "battle-strike-on-enemy");
}

TEST_F(BattleGolden, AStrikeReportOnAnArmySlot) {
    game.ClickAway();
    BattleScreen& s = game.screen();
    const int32_t enemyCell = FreeCellBeside(s, s.armyCell[0], true);
    ASSERT_NE(enemyCell, kNoBattleCell);
    game.KeepOneEnemyAt(enemyCell, 30, 10, 10);
    game.ClickSideButton(kSideEndTurn);
    game.MoveTo(790, 590);
    for (int frame = 0; frame < 200 && s.armyHit == 0; ++frame) {
        game.RunFrames(1);
    }
    ASSERT_EQ(s.armyHit, 1);
    EXPECT_EQ(s.hitArmy, 0);
    game.RunFrames(1);
    ExpectMatchesGolden(Presented(), "battle-strike-on-army");
}

TEST(BattleDrawingGolden, AReportOfThreeDigitCountsReadsWhole) {
    BattleGame game;
    FirstArmyOfKind(game, UnitType::EliteGuards);
    game.EnterBattle(1);
    game.ClickAway();
    BattleScreen& s = game.screen();
    s.armyHit = 1;
    s.hitArmy = 0;
    s.damageLevel = 666;
    s.armyHitSomeDown = 1;
    s.strikeDownCount = 104;
    game.MoveTo(790, 590);
    ASSERT_EQ(s.armyHit, 1);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "battle-report-three-digits");
}

}  // namespace varn
