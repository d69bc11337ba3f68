#include <gtest/gtest.h>

#include <tuple>

#include "BattleField.h"

namespace varn {

namespace {

// The commander at column 5 row 5, enemy 3 just right of it.
constexpr int32_t kCommanderCell = CellAt(5, 5);
constexpr int32_t kEnemyCell = CellAt(6, 5);

void OrderStrike(BattleScreen& s, bool byCommander, uint8_t slot = 0) {
    s.strikingCommander = byCommander;
    s.strikingArmy = slot;
    s.targetEnemy = 3;
    s.strikeOrdered = kStrikeOrdered;
    s.strikeNow = 1;
}

TEST(PlayerStrike, CommanderStrikesAnAdjacentEnemy) {
    BattleField field;
    field.Commander(kCommanderCell, 50, 40).Enemy(3, kEnemyCell, 20, 10, 30);
    BattleScreen& s = field.Build();
    s.commanderSelected = 1;
    s.commanderOrder = kOrderPlanned;
    OrderStrike(s, true);
    s.PlayerStrike();
    EXPECT_EQ(std::tuple(s.strikeOrdered, s.strikeNow, s.damageLevel), std::tuple(2, 0, 16));
    EXPECT_EQ(std::tuple(s.commanderMovesCommitted, s.commanderOrder, s.commanderSelected),
              std::tuple(0, 0, 0));
    EXPECT_EQ(std::tuple(s.commanderFacing, s.commanderStriking, s.newStrike, s.strikeAnimOn),
              std::tuple(2, 1, 1, 1));
    s.PlayerStrikeEnd();
    EXPECT_EQ(std::tuple(s.enemyMen[3], s.enemyLight[3], s.enemySerious[3]), std::tuple(20, 16, 0));
    EXPECT_EQ(std::tuple(s.strikeOrdered, s.strikeReportOn, s.reportLight, s.pickSoundPending),
              std::tuple(0, 1, 1, 1));
}

TEST(PlayerStrike, ArmyCountsItsCombatInItsOwnEntry) {
    BattleField field;
    field.Commander(CellAt(0, 0)).Army(5, kCommanderCell, 12, 30).Enemy(3, kEnemyCell, 5, 1, 30);
    BattleScreen& s = field.Build();
    s.selectedArmy = 6;
    s.armyOrderPlanned = 6;
    OrderStrike(s, false, 6);
    s.PlayerStrike();
    s.PlayerStrikeEnd();
    EXPECT_EQ(s.armyCombats, (std::array<int32_t, 6>{0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(std::tuple(s.damageLevel, s.armyMovesCommitted[5], s.selectedArmy, s.armyOrderPlanned,
                         s.armyStriking),
              std::tuple(10, 0, 0, 0, 1));
    // Ten points on five men: light, serious, and nothing yet down.
    EXPECT_EQ(std::tuple(s.enemyMen[3], s.enemyLight[3], s.enemySerious[3], s.reportSerious),
              std::tuple(5, 5, 5, 1));
}

TEST(PlayerStrike, DowningTheLastManClearsTheEnemyAndSmashes) {
    BattleField field;
    field.Commander(kCommanderCell, 50, 200).Enemy(3, kEnemyCell, 2);
    BattleScreen& s = field.Build();
    OrderStrike(s, true);
    s.PlayerStrike();
    s.PlayerStrikeEnd();
    EXPECT_EQ(std::tuple(s.enemyPresent[3], s.enemyCell[3], s.occupancy[kEnemyCell]),
              std::tuple(0, 0, 0));
    EXPECT_EQ(std::tuple(s.reportAllDown, s.reportSomeDown, s.strikeDownCount, s.smashSoundState,
                         s.pickSoundPending),
              std::tuple(1, 0, 2, 1, 0));
}

TEST(PlayerStrike, StaleOrdersAreDropped) {
    struct Case {
        const char* what;
        void (*spoil)(BattleScreen&);
    };
    const Case cases[] = {
        {"enemy gone", [](BattleScreen& s) { s.enemyPresent[3] = 0; }},
        {"enemy has no men", [](BattleScreen& s) { s.enemyMen[3] = 0; }},
        {"enemy walked away", [](BattleScreen& s) { s.enemyX[3] += 160; }},
        {"commander down", [](BattleScreen& s) { s.commanderHealth = 0; }},
        {"no striker", [](BattleScreen& s) { s.strikingCommander = 0; }},
        {"army slot gone",
         [](BattleScreen& s) {
             s.strikingCommander = 0;
             s.strikingArmy = 2;
         }},
    };
    for (const Case& c : cases) {
        BattleField field;
        field.Commander(kCommanderCell).Enemy(3, kEnemyCell);
        BattleScreen& s = field.Build();
        OrderStrike(s, true);
        c.spoil(s);
        s.PlayerStrike();
        s.PlayerStrikeEnd();
        EXPECT_EQ(std::tuple(s.strikeOrdered, s.strikeNow, s.strikeAnimOn, s.enemyLight[3]),
                  std::tuple(0, 0, 0, 0))
            << c.what;
        EXPECT_EQ(s.commanderMovesCommitted, kTurnMoves) << c.what;
    }
}

TEST(EnemyStrike, CommanderHealthNeverBelowZero) {
    const std::tuple<int, int, int, int> cases[] = {
        // health, enemy men, health after, destroyed
        {50, 27, 31, 0},
        {19, 27, 0, 1},
        {5, 27, 0, 1},
    };
    for (auto [health, men, after, destroyed] : cases) {
        BattleField field;
        field.Commander(kCommanderCell, health, 10, 30).Enemy(3, kEnemyCell, men, 30);
        BattleScreen& s = field.Build();
        s.actingEnemy = 3;
        s.enemyStrikeFollows = 1;
        s.enemyTargetFixed = 1;
        s.enemyStruckTarget = 0;
        s.strikeReportOn = 1;
        s.armyHit = 1;
        s.EnemyStrike();
        s.EnemyStrikeEnd();
        EXPECT_EQ(s.commanderHealth, after);
        EXPECT_EQ(s.occupancy[kCommanderCell], destroyed ? 0 : 1);
        EXPECT_EQ(std::tuple(s.smashSoundState, s.pickSoundPending),
                  std::tuple(destroyed, 1 - destroyed));
        EXPECT_EQ(std::tuple(s.commanderHit, s.strikeReportOn, s.armyHit, s.enemyDone[3],
                             s.enemyFacing[3], s.enemyStriking),
                  std::tuple(1, 0, 0, 1, 6, 1));
    }
}

TEST(EnemyStrike, ArmySlotAndAllyTargets) {
    BattleField field;
    field.Commander(CellAt(0, 0))
        .Army(2, CellAt(5, 4), 10, 10, 30)
        .Ally(4, CellAt(6, 6), 3, 10, 30)
        .Enemy(3, kCommanderCell, 10, 5);
    BattleScreen& s = field.Build();
    s.actingEnemy = 3;
    s.enemyStrikeFollows = 1;
    s.enemyTargetFixed = 0;
    s.enemyCandTarget = 3;  // army slot 3 (index 2)
    s.EnemyStrike();
    s.EnemyStrikeEnd();
    EXPECT_EQ(std::tuple(s.enemyStruckTarget, s.damageLevel, s.armyCombats[2], s.armyLight[2]),
              std::tuple(3, 2, 1, 2));
    EXPECT_EQ(std::tuple(s.armyHit, s.hitArmy, s.armyHitLight, s.allyHit, s.enemyFacing[3]),
              std::tuple(1, 2, 1, 0, 0));

    s.enemyTargetFixed = 1;
    s.enemyStruckTarget = 7 + 4;
    s.enemyAttack[3] = 60;  // 36 + 10 / 4 = 38 on three men: all down
    s.EnemyStrike();
    s.EnemyStrikeEnd();
    EXPECT_EQ(std::tuple(s.allyHit, s.hitAlly, s.allyHitAllDown, s.armyHit, s.strikeDownCount),
              std::tuple(1, 4, 1, 0, 3));
    EXPECT_EQ(
        std::tuple(s.allyPresent[4], s.allyCell[4], s.occupancy[CellAt(6, 6)], s.smashSoundState),
        std::tuple(0, 0, 0, 1));
}

TEST(AllyStrike, TakesTheCandidateUnlessTheTargetIsSettled) {
    for (uint8_t fixed : {0, 1}) {
        BattleField field;
        field.Ally(1, kCommanderCell, 20, 30).Enemy(3, kEnemyCell, 20).Enemy(4, CellAt(5, 6), 20);
        BattleScreen& s = field.Build();
        s.actingAlly = 1;
        s.allyStrikeFollows = 1;
        s.allyTargetFixed = fixed;
        s.allyStruckTarget = 3;
        s.allyCandTarget = 4;
        s.AllyStrike();
        s.AllyStrikeEnd();
        const int struck = fixed ? 3 : 4;
        EXPECT_EQ(std::tuple(s.targetEnemy, s.enemyLight[struck], s.allyDone[1],
                             s.allyStrikeFollows, s.allyStriking, s.newStrike),
                  std::tuple(struck, 20, 1, 0, 1, 1));
        EXPECT_EQ(s.damageLevel, 26 + 20 / 4);
        EXPECT_EQ(s.allyFacing[1], fixed ? 2 : 4);
    }
}

}  // namespace

}  // namespace varn
