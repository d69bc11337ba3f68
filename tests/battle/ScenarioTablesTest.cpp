#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "world/MapCells.h"

namespace varn {

namespace {

std::vector<const AllyEntry*> AlliesOf(const PlayerSideRow& row) {
    std::vector<const AllyEntry*> allies;
    for (const AllyGroup& group : row.groups) {
        for (const AllyEntry& ally : group.allies) {
            allies.push_back(&ally);
        }
    }
    return allies;
}

const StartLayout& LayoutOf(const PlayerSideRow& row) {
    return kStartLayouts[row.layout - 1];
}

TEST(ScenarioTables, EveryNumberedBattleHasBothSidesAndNoOtherNumberHasAny) {
    std::vector<int> expected;
    for (int battle = 1; battle <= kLastBattle; ++battle) {
        if (battle <= 73 || battle >= 81) {
            expected.push_back(battle);
        }
    }
    std::vector<int> players;
    std::vector<int> enemies;
    for (const PlayerSideRow& row : PlayerSideRows()) {
        players.push_back(row.battle);
        EXPECT_EQ(FindPlayerSideRow(row.battle), &row);
    }
    for (const EnemySideRow& row : EnemySideRows()) {
        enemies.push_back(row.battle);
        EXPECT_EQ(FindEnemySideRow(row.battle), &row);
    }
    EXPECT_EQ(players, expected);
    EXPECT_EQ(enemies, expected);
    for (int battle : {-1, 0, 74, 77, 80, kLastBattle + 1, 100, 255, 256, 1000}) {
        EXPECT_EQ(FindPlayerSideRow(battle), nullptr) << battle;
        EXPECT_EQ(FindEnemySideRow(battle), nullptr) << battle;
    }
}

TEST(ScenarioTables, TurnThresholdsRiseAndCamerasStayInReach) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        EXPECT_LT(row.brilliantTurns, row.greatTurns);
        EXPECT_LT(row.greatTurns, row.lastTurn);
        EXPECT_TRUE(row.layout >= 1 && row.layout <= static_cast<int>(std::size(kStartLayouts)));
        if (row.hasCamera) {
            EXPECT_TRUE(row.cameraX >= -26 && row.cameraX <= 826);
            EXPECT_TRUE(row.cameraY >= -26 && row.cameraY <= 734);
        }
    }
}

TEST(ScenarioTables, LayoutsAndAlliesStandOnTheFieldInTheirSlots) {
    for (const StartLayout& layout : kStartLayouts) {
        EXPECT_TRUE(IsFieldCell(layout.commanderCell));
        EXPECT_LT(layout.commanderFacing, kFacingCount);
        for (int s = 0; s < kBattleArmySlots; ++s) {
            EXPECT_TRUE(IsFieldCell(layout.armyCell[s]));
            EXPECT_LT(layout.armyFacing[s], kFacingCount);
        }
    }
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        std::set<int> slots;
        for (const AllyGroup& group : row.groups) {
            EXPECT_LT(group.kind, kAllyKindCount);
            if (group.condition != AllyCondition::Always &&
                group.condition != AllyCondition::DefenderFound) {
                EXPECT_TRUE(group.quest >= 1 && group.quest <= 100);
            }
            for (const AllyEntry& ally : group.allies) {
                EXPECT_TRUE(IsFieldCell(ally.cell));
                EXPECT_LT(ally.facing, kFacingCount);
                EXPECT_LT(ally.slot, kBattleAllySlots);
                EXPECT_TRUE(slots.insert(ally.slot).second) << "slot " << int{ally.slot};
                EXPECT_TRUE(std::ranges::all_of(ally.name, IsValidGlyph));
                EXPECT_TRUE(
                    std::ranges::none_of(ally.name, [](GlyphCode c) { return c == kGlyphCursor; }));
            }
        }
        // Slots follow the order given, but for the gap that battle 58 leaves at slot 8.
        int next = 0;
        for (int slot : slots) {
            if (row.battle == 58 && next == 8) {
                ++next;
            }
            EXPECT_EQ(slot, next++);
        }
    }
}

TEST(ScenarioTables, EnemiesStandOnTheFieldAndFillTheirSlotsInOrder) {
    for (const EnemySideRow& row : EnemySideRows()) {
        SCOPED_TRACE(row.battle);
        std::vector<int> slots;
        for (const EnemyEntry& enemy : row.enemies) {
            EXPECT_TRUE(IsFieldCell(enemy.cell));
            EXPECT_LT(enemy.facing, kFacingCount);
            EXPECT_LT(enemy.kind, kEnemyKindCount);
            EXPECT_TRUE(row.pictures & (1 << enemy.kind)) << int{enemy.kind};
            EXPECT_TRUE(enemy.men >= 3 && enemy.men <= 160) << int{enemy.men};
            slots.push_back(enemy.slot);
        }
        // Slots fill from 0 in order; battle 27 alone leaves slot 13 empty and uses slot 14.
        std::vector<int> expectedSlots;
        for (int slot = 0; expectedSlots.size() < row.enemies.size(); ++slot) {
            if (!(row.battle == 27 && slot == 13)) {
                expectedSlots.push_back(slot);
            }
        }
        EXPECT_EQ(slots, expectedSlots);
    }
}

TEST(ScenarioTables, NoTwoUnitsOfABattleShareACell) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        std::set<int> taken;
        const StartLayout& layout = LayoutOf(row);
        EXPECT_TRUE(taken.insert(layout.commanderCell).second);
        for (int16_t cell : layout.armyCell) {
            EXPECT_TRUE(taken.insert(cell).second) << cell;
        }
        // Every ally counts, whether its condition holds or not.
        for (const AllyEntry* ally : AlliesOf(row)) {
            EXPECT_TRUE(taken.insert(ally->cell).second) << "ally " << ally->cell;
        }
        for (const EnemyEntry& enemy : FindEnemySideRow(row.battle)->enemies) {
            EXPECT_TRUE(taken.insert(enemy.cell).second) << "enemy " << enemy.cell;
        }
    }
}

TEST(VictoryTable, QuestsOnceHeroesAndCellsOnTheMap) {
    std::set<int> quests;
    int previous = 0;
    for (const VictoryRow& row : VictoryRows()) {
        SCOPED_TRACE(row.battle);
        EXPECT_GT(row.battle, previous);
        previous = row.battle;
        EXPECT_NE(FindPlayerSideRow(row.battle), nullptr);
        for (uint8_t quest : row.quests) {
            if (quest != 0) {
                EXPECT_LE(quest, 100);
                EXPECT_TRUE(quests.insert(quest).second) << "quest " << int{quest};
            }
        }
        EXPECT_TRUE(row.mine == -1 || row.mine == 0 || row.mine == 5);
        EXPECT_TRUE(row.trigger >= -1 && row.trigger < 30);
        EXPECT_LE(row.hero, 10);
        if (row.hero != 0) {
            EXPECT_TRUE(row.heroCell >= 1 && row.heroCell <= kMapCellCount);
        }
    }
}

}  // namespace

}  // namespace varn
