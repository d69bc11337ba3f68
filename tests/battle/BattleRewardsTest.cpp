#include <gtest/gtest.h>

#include "battle/BattleRewards.h"
#include "battle/BattleScreen.h"

namespace varn {

namespace {

void MakeWinnable(BattleScreen& screen, int32_t battle, uint8_t turn) {
    screen.battleId = battle;
    screen.turn = turn;
    screen.brilliantTurns = 6;
    screen.greatTurns = 10;
    screen.commanderHealth = 20;
}

}  // namespace

TEST(VictoryGrade, TurnsBelowEachThresholdGradeTheVictory) {
    const std::pair<uint8_t, uint8_t> cases[] = {{1, 3}, {5, 3}, {6, 2}, {9, 2}, {10, 1}, {40, 1}};
    for (const auto& [turn, grade] : cases) {
        BattleScreen screen;
        MakeWinnable(screen, 5, turn);
        int32_t gold = 0;
        screen.GrantVictoryRewards(gold);
        EXPECT_EQ(screen.victoryGrade, grade) << +turn;
        EXPECT_EQ(gold, (std::array{20, 60, 100})[grade - 1]) << +turn;
    }
}

TEST(VictoryRewards, ThePlainVictoryOfBattleTwoPaysNothingAndTheGradeMovesEveryGain) {
    BattleScreen late;
    MakeWinnable(late, 2, 30);
    int32_t gold = 7;
    late.GrantVictoryRewards(gold);
    EXPECT_EQ(gold, 7);
    EXPECT_EQ(late.commanderExpGain, 70);
    EXPECT_EQ(late.armyTrainingGain[0], 4);

    BattleScreen early;
    MakeWinnable(early, 1, 3);
    early.GrantVictoryRewards(gold);
    EXPECT_EQ(early.goldRewardShown, 100);
    EXPECT_EQ(early.commanderExperience, 70);
    EXPECT_EQ(early.armyEquipmentGain[5], 4);
}

TEST(VictoryRewards, AFallenCommanderGainsNoExperience) {
    BattleScreen screen;
    MakeWinnable(screen, 1, 3);
    screen.commanderHealth = 0;
    screen.commanderExperience = 40;
    int32_t gold = 0;
    screen.GrantVictoryRewards(gold);
    EXPECT_EQ(screen.commanderExpGain, 0);
    EXPECT_EQ(screen.commanderExperience, 40);
}

TEST(Levels, ThresholdsSkipLevelTwentyNineAndStopAtSeventy) {
    const std::pair<int32_t, int> cases[] = {
        {0, 0},     {49, 0},    {50, 1},    {159, 2},   {160, 3},
        {400, 6},   {499, 6},   {500, 7},   {2600, 28}, {2699, 28},
        {2700, 30}, {2800, 31}, {6699, 69}, {6700, 70}, {99999, 70},
    };
    for (const auto& [experience, level] : cases) {
        EXPECT_EQ(LevelForExperience(experience), level) << experience;
    }
}

TEST(Levels, GainsComeOncePerLevelWonAndRaiseAttackAndDefenceAtOnce) {
    BattleScreen screen;
    MakeWinnable(screen, 5, 8);  // great: 80 experience
    screen.commanderExperience = 2620;
    screen.commanderLevel = 28;
    screen.commanderAttack = 30;
    screen.commanderDefence = 20;
    int32_t gold = 0;
    screen.GrantVictoryRewards(gold);
    EXPECT_EQ(screen.commanderLevel, 30);
    EXPECT_EQ(screen.levelsGained, 2);
    EXPECT_EQ(screen.healthPerLevels, 14);
    EXPECT_EQ(screen.commanderAttack, 34);
    EXPECT_EQ(screen.commanderDefence, 24);

    BattleScreen veteran;
    MakeWinnable(veteran, 5, 8);
    veteran.commanderExperience = 10;
    veteran.commanderLevel = 4;
    veteran.GrantVictoryRewards(gold);
    EXPECT_EQ(veteran.commanderLevel, 4) << "a level is never taken away";
    EXPECT_EQ(veteran.levelsGained, 0);
}

TEST(ArmyGrowth, TheArmyThatFoughtMostTakesThePlaceOneGainsAndTiesKeepSlotOrder) {
    BattleScreen screen;
    MakeWinnable(screen, 5, 8);  // great: the table's gains as they stand
    for (int s = 0; s < kBattleArmySlots; ++s) {
        screen.armyAlive[s] = 10;
    }
    screen.armyCombats = {1, 1, 5, 0, 1, 3};
    screen.armyAlive[4] = 0;
    int32_t gold = 0;
    screen.GrantVictoryRewards(gold);
    EXPECT_EQ(screen.combatRank, (std::array<uint8_t, 6>{2, 5, 0, 1, 4, 3}));
    const RewardRow& row = RewardRowFor(5);
    EXPECT_EQ(screen.armyTraining[2], row.training[0]);
    EXPECT_EQ(screen.armyTraining[5], row.training[1]);
    EXPECT_EQ(screen.armyTraining[3], row.training[5]);
    EXPECT_EQ(screen.armyTraining[4], 0) << "a fallen slot keeps its values";
    EXPECT_EQ(screen.trainingGainShown[4], row.training[4]);
}

TEST(ArmyGrowth, PassingATenthOfTrainingAndEquipmentAddsAttackAndDefence) {
    BattleScreen screen;
    MakeWinnable(screen, 5, 8);
    screen.armyAlive[0] = 5;
    screen.armyTraining[0] = 23;
    screen.armyEquipment[0] = 28;
    screen.armyAttack[0] = 10;
    screen.armyDefence[0] = 11;
    int32_t gold = 0;
    screen.GrantVictoryRewards(gold);  // place 1 of battle 5: +5 and +5
    EXPECT_EQ(screen.menBefore[0], 5);
    EXPECT_EQ(screen.menAfter[0], 6);
    EXPECT_EQ(screen.armyAttack[0], 12);
    EXPECT_EQ(screen.armyDefence[0], 13);
    EXPECT_EQ(screen.armyAlive[0], 5);
}

TEST(CarriedLosses, AveragesAreCarriedAndATraceOfWoundsCarriesOneLevel) {
    struct LossCase {
        uint8_t count;
        int down;
        int wounds;
        uint8_t carriedDown;
        uint8_t carriedWounds;
    };
    const LossCase cases[] = {
        {5, 35, 10, 7, 2},   {5, 3, 0, 0, 1},   {5, 0, 3, 0, 1},
        {5, 0, 0, 0, 0},     {0, 30, 30, 0, 0},  // a battle counting no enemies carries nothing
        {1, 600, 0, 255, 0},                     // an average past a byte is stored as 255
    };
    for (const LossCase& c : cases) {
        BattleScreen screen;
        screen.enemyCount = c.count;
        for (int e = 0; e < c.down; ++e) {
            screen.enemyDown[static_cast<size_t>(e % kBattleEnemySlots)] += 1;
        }
        for (int e = 0; e < c.wounds; ++e) {
            screen.enemyLight[static_cast<size_t>(e % kBattleEnemySlots)] += 1;
        }
        screen.ComputeEnemyLosses();
        EXPECT_EQ(screen.carriedDown, c.carriedDown) << +c.count << " " << c.down;
        EXPECT_EQ(screen.carriedWounds, c.carriedWounds) << +c.count << " " << c.wounds;
    }
}

TEST(CarriedLosses, WoundLevelsSpreadLightFirst) {
    const std::pair<uint8_t, CarriedWounds> cases[] = {
        {0, {0, 0, 0}},  {1, {1, 0, 0}},  {4, {3, 1, 0}},   {7, {3, 3, 1}},    {9, {3, 3, 3}},
        {10, {4, 3, 3}}, {11, {4, 4, 3}}, {28, {10, 9, 9}}, {29, {10, 10, 9}}, {31, {10, 10, 10}},
    };
    for (const auto& [level, wounds] : cases) {
        const CarriedWounds got = WoundsOfCarriedLevel(level);
        EXPECT_EQ(got.light, wounds.light) << +level;
        EXPECT_EQ(got.serious, wounds.serious) << +level;
        EXPECT_EQ(got.critical, wounds.critical) << +level;
    }
}

TEST(CarriedLosses, DownsTakeMenAndAnArmyWithNoneLeftIsNotPresent) {
    BattleScreen screen;
    screen.carriedDown = 7;
    screen.carriedWounds = 2;
    screen.enemyPresent[0] = 1;
    screen.enemyMen[0] = 5;
    screen.enemyPresent[1] = 1;
    screen.enemyMen[1] = 20;
    screen.ApplyCarryOverWounds();
    EXPECT_EQ(screen.enemyPresent[0], 0);
    EXPECT_EQ(screen.enemyMen[0], 0);
    EXPECT_EQ(screen.enemyLight[0], 0) << "wounds are cut to the men standing";
    EXPECT_EQ(screen.enemyPresent[1], 1);
    EXPECT_EQ(screen.enemyMen[1], 13);
    EXPECT_EQ(screen.enemyDown[1], 7);
    EXPECT_EQ(screen.enemyLight[1], 2);
}

}  // namespace varn
