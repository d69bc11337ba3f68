#include <benchmark/benchmark.h>

#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"

namespace varn {

namespace {

// Both set-ups of every numbered battle, once each, with every ally coming: the goal is under
// 0.1 ms for all of them together.
void BM_SetUpEveryBattle(benchmark::State& state) {
    BattleScreen screen;
    screen.mapByte = 1;
    screen.questState.fill(5);
    for (auto _ : state) {
        for (const PlayerSideRow& row : PlayerSideRows()) {
            screen.battleId = row.battle;
            screen.SetupPlayerSide();
            screen.SetupEnemySide();
        }
        benchmark::DoNotOptimize(screen.enemyCell.data());
        benchmark::DoNotOptimize(screen.allyName.data());
    }
}
BENCHMARK(BM_SetUpEveryBattle)
    ->Name("Scenarios/BothSidesOfAll86Battles")
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
