#include <gtest/gtest.h>

#include "battle/BattleScreen.h"
#include "battle/BattleWorld.h"
#include "world/GameState.h"

namespace varn {

namespace {

GameState FreshWorld() {
    GameState world;
    RunNewGameSetUp(world);
    return world;
}

}  // namespace

TEST(BattleLeave, FameMovesByHowTheBattleEndedOnlyOnTheFinalLeave) {
    struct LeaveCase {
        const char* how;
        uint8_t won;
        uint8_t grade;
        uint8_t lost;
        uint8_t retreat;
        int32_t fameBefore;
        bool final;
        int32_t fameAfter;
    };
    const LeaveCase cases[] = {
        {"brilliant", 2, 3, 0, 0, 5, true, 8},  {"plain", 3, 1, 0, 0, 5, true, 6},
        {"lost", 0, 0, 1, 0, 5, true, 2},       {"lost at 2", 0, 0, 1, 0, 2, true, 0},
        {"retreat", 0, 0, 0, 1, 5, true, 4},    {"retreat at 0", 0, 0, 0, 1, 0, true, 0},
        {"suspended", 0, 0, 1, 0, 5, false, 5}, {"nothing yet", 0, 0, 0, 0, 5, true, 5},
    };
    for (const LeaveCase& c : cases) {
        GameState world = FreshWorld();
        world.fame = c.fameBefore;
        BattleScreen screen;
        screen.commanderIsPlayer = 1;
        screen.won = c.won;
        screen.victoryGrade = c.grade;
        screen.lost = c.lost;
        screen.retreatChosen = c.retreat;
        WriteBattleBack(screen, world, c.final);
        EXPECT_EQ(world.fame, c.fameAfter) << c.how;
        EXPECT_EQ(world.mapSnapshotState, 2) << c.how;
    }
}

TEST(BattleLeave, LevelGainsAndTheHealthFloorCountOnceAndOnlyWhenTheBattleIsLeftForGood) {
    for (const bool final : {true, false}) {
        GameState world = FreshWorld();
        world.heroStats[2] = {50, 60, 0, 40, 10, 14, 8, 12, 0, 1};
        BattleScreen screen;
        screen.commanderHero = 3;
        screen.commanderHealth = 0;
        screen.commanderAttack = 18;  // 14 and the levels' 4
        screen.commanderDefence = 16;
        screen.commanderLevel = 3;
        screen.healthPerLevels = 14;
        screen.attackPerLevels = 4;
        screen.defencePerLevels = 4;
        WriteBattleBack(screen, world, final);
        const CharacterStats& hero = world.heroStats[2];
        EXPECT_EQ(hero.health, final ? 1 : 0);
        EXPECT_EQ(hero.baseHealth, final ? 64 : 50);
        EXPECT_EQ(hero.maxHealth, final ? 74 : 60);
        EXPECT_EQ(hero.attack, 18) << "the screen's attack already holds the gain";
        EXPECT_EQ(hero.baseAttack, final ? 14 : 10);
        EXPECT_EQ(hero.baseDefence, final ? 12 : 8);
        EXPECT_EQ(hero.level, 3);
    }
}

TEST(BattleLeave, AVictoryClearsTheCarriedLossesAndArmiesGoBackWithoutTheirFlags) {
    GameState world = FreshWorld();
    world.CarryA(12) = 4;
    world.CarryB(12) = 2;
    world.playerArmy.present[1] = 1;
    BattleScreen screen;
    screen.battleId = 12;
    screen.won = 2;
    screen.commanderIsPlayer = 1;
    screen.armyAlive[1] = 9;
    screen.armyDown[1] = 3;
    WriteBattleBack(screen, world, true);
    EXPECT_EQ(world.CarryA(12), 0);
    EXPECT_EQ(world.CarryB(12), 0);
    EXPECT_EQ(world.playerArmy.alive[1], 9);
    EXPECT_EQ(world.playerArmy.down[1], 3);
    EXPECT_EQ(world.playerArmy.present[1], 1);
}

TEST(BattleSnapshot, RestoresWhatItWroteAndRefusesWhatCannotBePlaced) {
    BattleScreen saved;
    saved.turn = 4;
    saved.commanderCell = 45;
    saved.commanderFacing = 6;
    saved.armyCell[2] = 300;
    saved.armyMovesCommitted[2] = 2;
    saved.enemyPresent[3] = 1;
    saved.enemyCell[3] = 60;
    saved.enemyX[3] = 1520;
    saved.enemyY[3] = 160;
    saved.enemyKind[3] = 7;
    saved.enemyMen[3] = 22;
    saved.allyPresent[19] = 1;
    saved.allyCell[19] = 1;
    saved.allyKind[19] = 2;
    saved.allyName[19] = EncodeGlyphs("Guard");
    GameState world = FreshWorld();
    WriteBattleSnapshot(saved, world);

    BattleScreen restored;
    restored.armyPresent[2] = 1;
    RestoreBattleSnapshot(restored, world);
    EXPECT_EQ(restored.turn, 4);
    EXPECT_EQ(restored.commanderCell, 45);
    EXPECT_EQ(restored.commanderFacing, 6);
    EXPECT_EQ(restored.armyCell[2], 300);
    EXPECT_EQ(restored.armyPresent[2], 1);
    EXPECT_EQ(restored.armyMovesCommitted[2], 2);
    EXPECT_EQ(restored.enemyPresent[3], 1);
    EXPECT_EQ(restored.enemyMen[3], 22);
    EXPECT_EQ(restored.allyPresent[19], 1);
    EXPECT_EQ(restored.allyName[19], EncodeGlyphs("Guard"));

    // Stored bytes that index a table or a cell are checked: out of range places nothing.
    world.battleSnapInts[0] = 301;
    world.battleSnapInts[3] = -5;
    world.battleSnapBytes[0] = 9;
    world.snapEnemyBytes[1 * kBattleEnemySlots + 3] = 11;  // enemy kind
    world.snapAllyX[19] = 1600;
    BattleScreen refused;
    refused.armyPresent[2] = 1;
    RestoreBattleSnapshot(refused, world);
    EXPECT_EQ(refused.commanderCell, 0);
    EXPECT_EQ(refused.commanderFacing, 0);
    EXPECT_EQ(refused.armyPresent[2], 0);
    EXPECT_EQ(refused.enemyPresent[3], 0);
    EXPECT_EQ(refused.allyPresent[19], 0);
}

}  // namespace varn
