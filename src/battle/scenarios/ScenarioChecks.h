#pragma once

#include <algorithm>

#include "battle/BattleGrid.h"
#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"

namespace varn {

// What the set-ups rely on to index the battle screen's tables safely. The rows are checked
// against these when they are compiled; the validator test checks what a scenario must be.

constexpr bool IsSoundLayout(const StartLayout& layout) {
    return IsFieldCell(layout.commanderCell) && layout.commanderFacing < kFacingCount &&
           std::ranges::all_of(layout.armyCell, IsFieldCell) &&
           std::ranges::all_of(layout.armyFacing,
                               [](uint8_t facing) { return facing < kFacingCount; });
}

constexpr bool IsSoundAllyGroup(const AllyGroup& group) {
    const bool questInRange = group.condition == AllyCondition::Always ||
                              group.condition == AllyCondition::DefenderFound ||
                              (group.quest >= 1 && group.quest <= 100);
    return questInRange && group.kind < kAllyKindCount &&
           std::ranges::all_of(group.allies, [](const AllyEntry& ally) {
               return ally.slot < kBattleAllySlots && IsFieldCell(ally.cell) &&
                      ally.facing < kFacingCount;
           });
}

constexpr bool IsSoundPlayerRow(const PlayerSideRow& row) {
    return row.layout >= 1 && row.layout <= kStartLayoutCount &&
           std::ranges::all_of(row.groups, IsSoundAllyGroup);
}

constexpr bool IsSoundEnemyRow(const EnemySideRow& row) {
    return row.pictures < (1u << kEnemyKindCount) &&
           std::ranges::all_of(row.enemies, [](const EnemyEntry& enemy) {
               return enemy.slot < kBattleEnemySlots && IsFieldCell(enemy.cell) &&
                      enemy.facing < kFacingCount && enemy.kind < kEnemyKindCount;
           });
}

}  // namespace varn
