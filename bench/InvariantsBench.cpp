#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "checks/WorldInvariants.h"
#include "world/GameState.h"

namespace varn {

// The checks the monkey runs after its frames: the party's after every one, the save's round
// trip after some. Both should cost less than a frame.

namespace {

void BM_PartyInvariants(benchmark::State& state) {
    GameState world;
    RunNewGameSetUp(world);
    for (auto _ : state) {
        std::vector<std::string> violations;
        AddPartyViolations(world, violations);
        benchmark::DoNotOptimize(violations);
    }
}
BENCHMARK(BM_PartyInvariants);

void BM_RecordInvariantsWithSaveRoundTrip(benchmark::State& state) {
    GameState world;
    RunNewGameSetUp(world);
    for (auto _ : state) {
        std::vector<std::string> violations;
        AddRecordViolations(world, 0, 0, violations);
        benchmark::DoNotOptimize(violations);
    }
}
BENCHMARK(BM_RecordInvariantsWithSaveRoundTrip);

}  // namespace

}  // namespace varn
