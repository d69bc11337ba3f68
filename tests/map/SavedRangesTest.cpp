#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "battle/BattleGrid.h"
#include "battle/BattlePictures.h"
#include "battle/BattleScreen.h"
#include "battle/BattleWorld.h"
#include "battle/scenarios/ScenarioTables.h"
#include "frontend/StoryScreen.h"
#include "map/MapPlaceTables.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "world/SaveRanges.h"

namespace varn {

namespace {

namespace rules = saved_rules;

// The save is checked against the map's and the battle's rules as the world knows them: they
// must be the rules the map and the battle play by.
TEST(SavedRanges, TheWorldsCopyOfTheMapsAndTheBattlesRulesIsTheirs) {
    EXPECT_EQ(rules::kFirstInvader, kFirstInvader);
    EXPECT_EQ(rules::kLastInvader, kLastInvader);
    EXPECT_EQ(kFirstMovingArmyEntity, kFirstMovingArmy);
    EXPECT_EQ(kMapEntityCount, kMapArmyCount);
    EXPECT_EQ(rules::kEnemyPlanPoints, kEnemyPlanPoints);
    EXPECT_EQ(rules::kArmyMovesPerDay, kArmyMovesPerDay);
    const size_t largestVillage = kCellsPerVillage;
    EXPECT_EQ(static_cast<size_t>(rules::kLargestGoalCells),
              std::max({kPalaceCells.size(), kCastleCells.size(), largestVillage, size_t{1}}));
    EXPECT_EQ(rules::kEnemyKinds, kEnemyKindCount);
    EXPECT_EQ(rules::kAllyKinds, kAllyKindCount);
    EXPECT_EQ(rules::kBattleFieldWidth, kBattleColumns * kBattleCellSize);
    EXPECT_EQ(rules::kBattleFieldHeight, kBattleRows * kBattleCellSize);
    EXPECT_EQ(rules::kBattleCells, kBattleCellCount);
    EXPECT_EQ(static_cast<size_t>(rules::kPortraits), std::size(kPlayerPortraitPictures));
    EXPECT_EQ(rules::kStoryModes, kStoryVictory + 1);
    EXPECT_TRUE(HasBattleScenario(rules::kLastBattle));
    EXPECT_FALSE(HasBattleScenario(rules::kLastBattle + 1));
    // Every scroll the view can be given is one the save takes.
    EXPECT_LE(RangeOf(SlotCheck::ScrollX).low, kMapScrollMinX);
    EXPECT_GE(RangeOf(SlotCheck::ScrollX).high, std::max(kMapScrollMaxX, kCentreMaxX));
    EXPECT_LE(RangeOf(SlotCheck::ScrollY).low, kMapScrollMinY);
    EXPECT_GE(RangeOf(SlotCheck::ScrollY).high, std::max(kMapScrollMaxY, kCentreMaxY));
}

}  // namespace

}  // namespace varn
