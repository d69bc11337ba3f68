#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <vector>

#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"

namespace varn {

namespace {

using Row = std::tuple<int, int, int, int, int, int, int>;

// slot, cell, facing, kind, men, attack, defence of every present enemy.
std::vector<Row> EnemiesOf(const BattleScreen& screen) {
    std::vector<Row> rows;
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (screen.enemyPresent[e]) {
            rows.emplace_back(e, screen.enemyCell[e], screen.enemyFacing[e], screen.enemyKind[e],
                              screen.enemyMen[e], screen.enemyAttack[e], screen.enemyDefence[e]);
            EXPECT_EQ(std::pair(screen.enemyX[e], screen.enemyY[e]),
                      std::pair(CellPixelX(screen.enemyCell[e]), CellPixelY(screen.enemyCell[e])));
            EXPECT_EQ(screen.enemyLight[e] + screen.enemySerious[e] + screen.enemyCritical[e] +
                          screen.enemyDown[e],
                      0);
        }
    }
    return rows;
}

// slot, cell, facing, kind, men, attack, defence of every present ally.
std::vector<Row> AlliesOf(const BattleScreen& screen) {
    std::vector<Row> rows;
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (screen.allyPresent[a]) {
            rows.emplace_back(a, screen.allyCell[a], screen.allyFacing[a], screen.allyKind[a],
                              screen.allyMen[a], screen.allyAttack[a], screen.allyDefence[a]);
            EXPECT_EQ(std::pair(screen.allyX[a], screen.allyY[a]),
                      std::pair(CellPixelX(screen.allyCell[a]), CellPixelY(screen.allyCell[a])));
            EXPECT_EQ(screen.allyLight[a] + screen.allySerious[a] + screen.allyCritical[a] +
                          screen.allyDown[a],
                      0);
        }
    }
    return rows;
}

std::vector<int> Flags(std::span<const uint8_t> flags) {
    std::vector<int> set;
    for (size_t k = 0; k < flags.size(); ++k) {
        if (flags[k]) {
            set.push_back(static_cast<int>(k));
        }
    }
    return set;
}

struct Battle {
    explicit Battle(int battle, std::map<int, uint8_t> quests = {}, uint8_t mapByte = 0) {
        screen.battleId = battle;
        screen.mapByte = mapByte;
        for (auto [quest, state] : quests) {
            screen.questState[quest - 1] = state;
        }
        screen.SetupPlayerSide();
        screen.SetupEnemySide();
    }
    BattleScreen screen;
};

// Everything the two set-ups may write.
auto SetUpFields(const BattleScreen& s) {
    return std::tuple(
        std::tuple(s.brilliantTurns, s.greatTurns, s.lastTurn, s.commanderCell, s.commanderFacing,
                   s.armyCell, s.armyFacing, s.cameraX, s.cameraY, s.allyKindUsed, s.enemyKindUsed,
                   s.enemyCount),
        std::tuple(s.allyPresent, s.allyX, s.allyY, s.allyCell, s.allyFacing, s.allyKind, s.allyMen,
                   s.allyLight, s.allySerious, s.allyCritical, s.allyDown, s.allyAttack,
                   s.allyDefence, s.allyName),
        std::tuple(s.enemyPresent, s.enemyX, s.enemyY, s.enemyCell, s.enemyFacing, s.enemyKind,
                   s.enemyMen, s.enemyAttack, s.enemyDefence, s.enemyLight, s.enemySerious,
                   s.enemyCritical, s.enemyDown, s.enemyDone, s.enemyMoves));
}

TEST(ScenarioSetup, EveryBattleTakesTheValuesOfItsRows) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        SCOPED_TRACE(row.battle);
        const Battle battle(row.battle);
        const BattleScreen& s = battle.screen;
        EXPECT_EQ(std::tuple(s.brilliantTurns, s.greatTurns, s.lastTurn),
                  std::tuple(row.brilliantTurns, row.greatTurns, row.lastTurn));
        const StartLayout& layout = kStartLayouts[row.layout - 1];
        EXPECT_EQ(std::pair(s.commanderCell, s.commanderFacing),
                  std::pair(int32_t{layout.commanderCell}, layout.commanderFacing));
        for (int k = 0; k < kBattleArmySlots; ++k) {
            EXPECT_EQ(std::pair(s.armyCell[k], s.armyFacing[k]),
                      std::pair(int32_t{layout.armyCell[k]}, layout.armyFacing[k]));
        }
        if (row.hasCamera) {
            EXPECT_EQ(std::pair(s.cameraX, s.cameraY),
                      std::pair(int32_t{row.cameraX}, int32_t{row.cameraY}));
        }
        const EnemySideRow& enemySide = *FindEnemySideRow(row.battle);
        std::vector<Row> enemies;
        for (const EnemyEntry& e : enemySide.enemies) {
            enemies.emplace_back(e.slot, e.cell, e.facing, e.kind, e.men, e.attack, e.defence);
        }
        EXPECT_EQ(EnemiesOf(s), enemies);
        EXPECT_EQ(s.enemyCount, enemySide.enemyCount);
    }
}

TEST(ScenarioSetup, AlliesWhoComeTakeTheValuesOfTheirGroups) {
    std::map<int, uint8_t> allGoalsMet;
    for (int quest : {4, 70, 75, 79, 81, 82, 83, 85}) {
        allGoalsMet[quest] = 5;
    }
    // Battle 2's miners once quest 5 is taken; the final battle's eight groups in their slots.
    const std::tuple<int, std::map<int, uint8_t>, size_t> cases[] = {{2, {{5, 2}}, 4},
                                                                     {73, allGoalsMet, 16}};
    for (const auto& [number, quests, count] : cases) {
        const Battle battle(number, quests);
        std::vector<Row> allies;
        for (const AllyGroup& group : FindPlayerSideRow(number)->groups) {
            for (const AllyEntry& a : group.allies) {
                allies.emplace_back(a.slot, a.cell, a.facing, group.kind, a.men, a.attack,
                                    a.defence);
                EXPECT_EQ(battle.screen.allyName[a.slot], a.name) << number;
            }
        }
        EXPECT_EQ(allies.size(), count);
        EXPECT_EQ(AlliesOf(battle.screen), allies) << number;
    }
}

// Which ally slots come, and which ally pictures load, by the world's copies.
struct ConditionCase {
    const char* name;
    int battle;
    std::map<int, uint8_t> quests;
    uint8_t mapByte;
    std::vector<int> slots;
    std::vector<int> pictures;
};

std::vector<int> Range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) {
        values.push_back(v);
    }
    return values;
}

TEST(ScenarioSetup, AlliesComeOnlyWhenTheirConditionHolds) {
    const ConditionCase cases[] = {
        {"quest 5 offered", 2, {{5, 1}}, 0, {}, {0}},
        {"quest 5 accepted", 2, {{5, 2}}, 0, Range(0, 3), {0}},
        {"quest 5 solved", 2, {{5, 7}}, 0, Range(0, 3), {0}},
        {"quest 13 locked", 11, {}, 1, {}, {0}},
        {"quest 90 locked", 66, {}, 0, {}, {}},
        {"quest 90 offered", 66, {{90, 1}}, 0, Range(0, 4), {2}},
        {"no defender", 90, {}, 0, {}, {}},
        {"a defender", 90, {}, 1, Range(0, 11), {1}},
        {"a defender at 93", 93, {}, 1, Range(0, 11), {2}},
        {"final battle, goals not met", 73, {{4, 4}, {81, 2}}, 0, {}, {1, 2}},
        {"final battle, quest 81 met", 73, {{81, 5}}, 0, {8}, {1, 2}},
        {"final battle, quests 70 and 85", 73, {{70, 6}, {85, 7}}, 0, {1, 2, 13, 14, 15}, {1, 2}},
        {"pictures without allies", 18, {}, 1, {}, {0}},
        {"allies always", 49, {}, 0, {0, 1}, {0}},
        {"slot 8 left empty", 58, {{60, 2}}, 0, {0, 1, 2, 3, 4, 5, 6, 7, 9}, {0}},
    };
    for (const ConditionCase& c : cases) {
        const Battle battle(c.battle, c.quests, c.mapByte);
        EXPECT_EQ(Flags(battle.screen.allyPresent), c.slots) << c.name;
        EXPECT_EQ(Flags(battle.screen.allyKindUsed), c.pictures) << c.name;
    }
}

TEST(ScenarioSetup, UnnamedAlliesStayBlank) {
    const Battle withGap(58, {{60, 2}});
    EXPECT_NE(withGap.screen.allyName[7], GlyphString{});
    EXPECT_EQ(withGap.screen.allyName[9], GlyphString{});
    const Battle second(26, {{50, 2}});
    EXPECT_NE(second.screen.allyName[0], GlyphString{});
    EXPECT_EQ(second.screen.allyName[1], GlyphString{});
}

TEST(ScenarioSetup, BattlesWithoutACameraStartKeepTheScreensScroll) {
    for (int number : {1, 7, 28}) {
        BattleScreen screen;
        screen.battleId = number;
        screen.cameraX = 33;
        screen.cameraY = 44;
        screen.SetupPlayerSide();
        EXPECT_EQ(std::pair(screen.cameraX, screen.cameraY), std::pair(33, 44)) << number;
    }
}

TEST(ScenarioSetup, TheEnemySideClearsTheFirstTenPicturesKeepsTheLastAndLeavesTurnCounters) {
    BattleScreen screen;
    screen.battleId = 1;
    screen.enemyKindUsed.fill(1);
    screen.enemyMoves.fill(3);
    screen.enemyDone.fill(1);
    screen.SetupEnemySide();
    EXPECT_EQ(Flags(screen.enemyKindUsed), (std::vector<int>{0, 3, 4, 10}));
    EXPECT_EQ(screen.enemyMoves[0], 3);
    EXPECT_EQ(screen.enemyDone[0], 1);
}

TEST(ScenarioSetup, ASecondPlayerSideCallLeavesTheSameFields) {
    for (const PlayerSideRow& row : PlayerSideRows()) {
        BattleScreen screen;
        screen.battleId = row.battle;
        screen.mapByte = 1;
        screen.questState.fill(5);
        screen.SetupPlayerSide();
        screen.SetupEnemySide();
        const auto once = SetUpFields(screen);
        screen.SetupPlayerSide();
        EXPECT_TRUE(SetUpFields(screen) == once) << row.battle;
    }
}

TEST(ScenarioSetup, ANumberWithoutAScenarioWritesNothing) {
    const BattleScreen fresh;
    for (int number : {0, 74, 77, 80, 94, 200, -3}) {
        BattleScreen screen;
        screen.battleId = number;
        screen.mapByte = 1;
        screen.questState.fill(5);
        screen.SetupPlayerSide();
        screen.SetupEnemySide();
        EXPECT_TRUE(SetUpFields(screen) == SetUpFields(fresh)) << number;
    }
}

}  // namespace

}  // namespace varn
