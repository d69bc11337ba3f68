#include <benchmark/benchmark.h>

#include <memory>

#include "battle/BattleScreen.h"
#include "support/BattleSimulation.h"

namespace varn {

namespace {

constexpr int32_t CellAt(int c, int r) {
    return r * kBattleColumns + c + 1;
}

// A full field: the commander, six army slots and twenty allies on the left, fifty enemies in
// ranks on the right.
std::unique_ptr<BattleScreen> FullField() {
    auto s = std::make_unique<BattleScreen>();
    auto place = [](int32_t cell, int32_t& x, int32_t& y, int32_t& at) {
        at = cell;
        x = CellPixelX(cell);
        y = CellPixelY(cell);
    };
    place(CellAt(0, 7), s->commanderX, s->commanderY, s->commanderCell);
    s->commanderHealth = 60;
    for (int slot = 0; slot < kBattleArmySlots; ++slot) {
        place(CellAt(1, 4 + slot), s->armyX[slot], s->armyY[slot], s->armyCell[slot]);
        s->armyPresent[slot] = 1;
        s->armyAlive[slot] = 15;
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        place(CellAt(2 + a / 10, 2 + a % 10), s->allyX[a], s->allyY[a], s->allyCell[a]);
        s->allyPresent[a] = 1;
        s->allyMen[a] = 10;
    }
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        place(CellAt(19 - e / 10, 2 + e % 10), s->enemyX[e], s->enemyY[e], s->enemyCell[e]);
        s->enemyPresent[e] = 1;
        s->enemyMen[e] = 10;
    }
    s->BuildOccupancy();
    return s;
}

// One planning frame for each of the fifty enemies, the walk left out: goal under 1 ms.
void BM_PlanEveryEnemyOfAFullField(benchmark::State& state) {
    std::unique_ptr<BattleScreen> field = FullField();
    BattleScreen& s = *field;
    for (auto _ : state) {
        s.enemyDone.fill(0);
        for (int e = 0; e < kBattleEnemySlots; ++e) {
            s.enemyMoves.fill(kTurnMoves);
            s.enemyPhase = 1;
            s.enemyActed = 1;
            s.RunEnemyPhase(0);
            s.enemyDone[s.actingEnemy] = 1;
        }
        benchmark::DoNotOptimize(s.stepX.data());
    }
}
BENCHMARK(BM_PlanEveryEnemyOfAFullField)
    ->Name("BattleAi/PlanAll50EnemiesOfAFullField")
    ->Unit(benchmark::kMicrosecond);

// A whole battle from its set-up to the result, undrawn, the player's side played by a fixed
// script and the clock moved 100 ms a frame: goal under 50 ms for an early battle.
void BM_WholeBattle(benchmark::State& state) {
    const int battle = static_cast<int>(state.range(0));
    int frames = 0;
    int turns = 0;
    bool won = false;
    for (auto _ : state) {
        BattleSimulation simulation(battle);
        frames = simulation.RunToEnd(100000);
        turns = simulation.screen().turn;
        won = simulation.Won();
    }
    state.counters["frames"] = frames;
    state.counters["turns"] = turns;
    state.counters["won"] = won;
}
BENCHMARK(BM_WholeBattle)
    ->Name("BattleAi/WholeBattleScripted")
    ->Arg(1)
    ->Arg(2)
    ->Arg(30)
    ->Arg(73)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace varn
