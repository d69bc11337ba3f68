#include "battle/BattleWorld.h"

#include <algorithm>

#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"
#include "world/Counters.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int kLostFame = 3;

// The commander's records in the world, or null for a hero number out of range.
CharacterStats* CommanderStats(GameState& world, uint8_t isPlayer, uint8_t hero) {
    if (isPlayer != 0) {
        return &world.playerStats;
    }
    return hero >= 1 && hero <= kHeroCount ? &world.heroStats[hero - 1] : nullptr;
}
ArmyRecord* CommanderArmy(GameState& world, uint8_t isPlayer, uint8_t hero) {
    if (isPlayer != 0) {
        return &world.playerArmy;
    }
    return hero >= 1 && hero <= kHeroCount ? &world.heroArmies[hero - 1] : nullptr;
}

void CopyCommanderIn(BattleScreen& screen, const CharacterStats& stats, const ArmyRecord& army) {
    screen.commanderHealth = stats.health;
    screen.commanderAttack = stats.attack;
    screen.commanderDefence = stats.defence;
    screen.commanderLevel = stats.level;
    screen.commanderExperience = stats.experience;
    for (int s = 0; s < kBattleArmySlots; ++s) {
        screen.armyAlive[s] = army.alive[s];
        screen.armyAttack[s] = army.attack[s];
        screen.armyDefence[s] = army.defence[s];
        screen.armyType[s] = army.unitType[s];
        screen.armyTraining[s] = army.training[s];
        screen.armyEquipment[s] = army.equipment[s];
        screen.armyLight[s] = army.light[s];
        screen.armySerious[s] = army.serious[s];
        screen.armyCritical[s] = army.critical[s];
        screen.armyDown[s] = army.down[s];
    }
}

bool IsFieldPosition(int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < kBattleColumns * kBattleCellSize &&
           y < kBattleRows * kBattleCellSize;
}

uint8_t SavedFacing(uint8_t facing) {
    return facing < kFacingCount ? facing : 0;
}

int32_t SavedCell(int32_t cell) {
    return IsFieldCell(cell) ? cell : kNoBattleCell;
}

// The rows of the enemies and of the allies in the order the snapshot keeps them.
template <typename Screen>
auto EnemyRows(Screen& screen) {
    return std::array{&screen.enemyFacing,   &screen.enemyKind,    &screen.enemyMen,
                      &screen.enemyAttack,   &screen.enemyDefence, &screen.enemyDone,
                      &screen.enemyMoves,    &screen.enemyLight,   &screen.enemySerious,
                      &screen.enemyCritical, &screen.enemyDown};
}
template <typename Screen>
auto AllyRows(Screen& screen) {
    return std::array{&screen.allyFacing, &screen.allyKind,    &screen.allyMen,
                      &screen.allyLight,  &screen.allySerious, &screen.allyCritical,
                      &screen.allyDown,   &screen.allyAttack,  &screen.allyDefence,
                      &screen.allyDone,   &screen.allyMoves};
}

}  // namespace

bool HasBattleScenario(int battle) {
    return FindPlayerSideRow(battle) != nullptr && FindEnemySideRow(battle) != nullptr;
}

std::unique_ptr<BattleScreen> CreateBattleScreen(GameState& world, GraphicsDevice& device) {
    auto screen = std::make_unique<BattleScreen>();
    BattleScreen& b = *screen;
    b.battleId = world.battleId;
    b.mapByte = world.defenderFound();
    b.InitMainSprites(&device);
    b.InitGround(&device);

    b.questState = world.questState;
    b.commanderIsPlayer = world.commanderIsPlayer;
    b.commanderHero = world.commanderHero;
    b.carriedWounds = world.CarryA(b.battleId);
    b.carriedDown = world.CarryB(b.battleId);
    b.portraitVariant = world.playerPortrait;
    b.InitPortrait(&device);

    b.SetupPlayerSide();
    b.SetupEnemySide();
    b.ApplyCarryOverWounds();

    CharacterStats* stats = CommanderStats(world, b.commanderIsPlayer, b.commanderHero);
    ArmyRecord* army = CommanderArmy(world, b.commanderIsPlayer, b.commanderHero);
    if (army != nullptr) {
        b.armyPresent = army->present;
        b.armyName = army->name;
    }
    if (b.commanderIsPlayer != 0) {
        b.commanderName = world.playerName;
    } else if (stats != nullptr) {
        b.commanderName = world.heroNames.Name(static_cast<HeroIndex>(b.commanderHero - 1));
    }

    if (world.inBattle == 0) {
        RestoreBattleSnapshot(b, world);
    } else {
        b.SetupPlayerSide();
    }
    if (stats != nullptr && army != nullptr) {
        CopyCommanderIn(b, *stats, *army);
    }

    b.InitHeroMarker(&device);
    b.CellsToPixels();
    for (int s = 0; s < kBattleArmySlots; ++s) {
        // An army of a type the game has no pictures for stays off the field, its men kept.
        if (!IsKnownUnitType(b.armyType[s])) {
            b.armyPresent[s] = 0;
        }
    }
    b.InitArmySprites(&device);
    b.InitEnemySprites(&device);
    b.BuildOccupancy();
    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (b.armyPresent[s] == 0 && IsKnownUnitType(b.armyType[s])) {
            b.armyAlive[s] = 0;
        }
        b.armyTookPart[s] = b.armyPresent[s];
        if (b.armyAlive[s] == 0) {
            b.armyPresent[s] = 0;
        }
    }
    return screen;
}

void WriteBattleSnapshot(const BattleScreen& screen, GameState& world) {
    world.battleSaved = screen.turn;
    world.battleSnapInts[0] = screen.commanderCell;
    world.battleSnapBytes[0] = screen.commanderFacing;
    world.battleSnapBytes[7] = screen.commanderMovesCommitted;
    for (int s = 0; s < kBattleArmySlots; ++s) {
        world.battleSnapInts[1 + s] = screen.armyCell[s];
        world.battleSnapBytes[1 + s] = screen.armyFacing[s];
        world.battleSnapBytes[8 + s] = screen.armyMovesCommitted[s];
    }
    const auto enemyRows = EnemyRows(screen);
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        world.snapEnemyPresent[e] = screen.enemyPresent[e];
        world.snapEnemyX[e] = screen.enemyX[e];
        world.snapEnemyY[e] = screen.enemyY[e];
        world.snapEnemyCell[e] = screen.enemyCell[e];
        for (size_t r = 0; r < enemyRows.size(); ++r) {
            world.snapEnemyBytes[r * kBattleEnemySlots + e] = (*enemyRows[r])[e];
        }
    }
    const auto allyRows = AllyRows(screen);
    for (int a = 0; a < kBattleAllySlots; ++a) {
        world.snapAllyPresent[a] = screen.allyPresent[a];
        world.snapAllyX[a] = screen.allyX[a];
        world.snapAllyY[a] = screen.allyY[a];
        world.snapAllyCell[a] = screen.allyCell[a];
        for (size_t r = 0; r < allyRows.size(); ++r) {
            world.snapAllyBytes[r * kBattleAllySlots + a] = (*allyRows[r])[a];
        }
        std::copy(screen.allyName[a].begin(), screen.allyName[a].end(),
                  world.snapAllyRows.begin() + a * kGlyphStringLength);
    }
}

void RestoreBattleSnapshot(BattleScreen& screen, const GameState& world) {
    screen.turn = world.battleSaved;
    screen.commanderCell = SavedCell(world.battleSnapInts[0]);
    screen.commanderFacing = SavedFacing(world.battleSnapBytes[0]);
    screen.commanderMovesCommitted = world.battleSnapBytes[7];
    for (int s = 0; s < kBattleArmySlots; ++s) {
        screen.armyCell[s] = SavedCell(world.battleSnapInts[1 + s]);
        screen.armyFacing[s] = SavedFacing(world.battleSnapBytes[1 + s]);
        screen.armyMovesCommitted[s] = world.battleSnapBytes[8 + s];
        if (screen.armyCell[s] == kNoBattleCell) {
            screen.armyPresent[s] = 0;
        }
    }
    const auto enemyRows = EnemyRows(screen);
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        for (size_t r = 0; r < enemyRows.size(); ++r) {
            (*enemyRows[r])[e] = world.snapEnemyBytes[r * kBattleEnemySlots + e];
        }
        screen.enemyX[e] = world.snapEnemyX[e];
        screen.enemyY[e] = world.snapEnemyY[e];
        screen.enemyCell[e] = SavedCell(world.snapEnemyCell[e]);
        screen.enemyFacing[e] = SavedFacing(screen.enemyFacing[e]);
        const bool placeable = screen.enemyCell[e] != kNoBattleCell &&
                               IsFieldPosition(screen.enemyX[e], screen.enemyY[e]) &&
                               screen.enemyKind[e] < kEnemyKindCount;
        screen.enemyPresent[e] = world.snapEnemyPresent[e] != 0 && placeable ? 1 : 0;
    }
    const auto allyRows = AllyRows(screen);
    for (int a = 0; a < kBattleAllySlots; ++a) {
        for (size_t r = 0; r < allyRows.size(); ++r) {
            (*allyRows[r])[a] = world.snapAllyBytes[r * kBattleAllySlots + a];
        }
        screen.allyX[a] = world.snapAllyX[a];
        screen.allyY[a] = world.snapAllyY[a];
        screen.allyCell[a] = SavedCell(world.snapAllyCell[a]);
        screen.allyFacing[a] = SavedFacing(screen.allyFacing[a]);
        const bool placeable = screen.allyCell[a] != kNoBattleCell &&
                               IsFieldPosition(screen.allyX[a], screen.allyY[a]) &&
                               screen.allyKind[a] < kAllyKindCount;
        screen.allyPresent[a] = world.snapAllyPresent[a] != 0 && placeable ? 1 : 0;
        std::copy_n(world.snapAllyRows.begin() + a * kGlyphStringLength, kGlyphStringLength,
                    screen.allyName[a].begin());
    }
}

void WriteBattleBack(const BattleScreen& screen, GameState& world, bool finalLeave) {
    world.mapSnapshotState = kSnapshotWaiting;
    if (screen.won != kNotWon) {
        world.CarryA(screen.battleId) = 0;
        world.CarryB(screen.battleId) = 0;
    }
    int32_t health = screen.commanderHealth;
    if (finalLeave) {
        if (screen.won != kNotWon) {
            world.fame = AddToCounter(world.fame, screen.victoryGrade);
        } else if (screen.lost != 0) {
            world.fame = AddToCounter(world.fame, -kLostFame);
        } else if (screen.retreatChosen != 0) {
            world.fame = AddToCounter(world.fame, -1);
        }
        health = std::max(health, 1);
    }
    world.commanderIsPlayer = screen.commanderIsPlayer;
    world.commanderHero = screen.commanderHero;
    WriteBattleSnapshot(screen, world);

    CharacterStats* stats = CommanderStats(world, screen.commanderIsPlayer, screen.commanderHero);
    ArmyRecord* army = CommanderArmy(world, screen.commanderIsPlayer, screen.commanderHero);
    if (stats == nullptr || army == nullptr) {
        return;
    }
    stats->health = health;
    if (finalLeave) {
        // The screen's attack and defence already hold the levels' gains.
        stats->baseHealth += screen.healthPerLevels;
        stats->maxHealth += screen.healthPerLevels;
        stats->baseAttack += screen.attackPerLevels;
        stats->baseDefence += screen.defencePerLevels;
    }
    stats->attack = screen.commanderAttack;
    stats->defence = screen.commanderDefence;
    stats->level = screen.commanderLevel;
    stats->experience = screen.commanderExperience;
    for (int s = 0; s < kBattleArmySlots; ++s) {
        army->alive[s] = screen.armyAlive[s];
        army->attack[s] = screen.armyAttack[s];
        army->defence[s] = screen.armyDefence[s];
        army->training[s] = screen.armyTraining[s];
        army->equipment[s] = screen.armyEquipment[s];
        army->light[s] = screen.armyLight[s];
        army->serious[s] = screen.armySerious[s];
        army->critical[s] = screen.armyCritical[s];
        army->down[s] = screen.armyDown[s];
    }
}

}  // namespace varn
