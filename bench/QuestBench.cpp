#include <benchmark/benchmark.h>

#include "houses/HouseQuests.h"
#include "houses/HouseScreen.h"

namespace varn {

// The quest progress runs only at four moments of a visit, but a village runs all nine
// updaters each time; one run of them should cost next to nothing.

namespace {

void BM_AllNineVillageUpdaters(benchmark::State& state) {
    VillageScreen village;
    village.houseNumber = 5;
    village.day = 3;
    // Mid-chain at Talk: two quests solved, the third ready for its reward.
    village.Quest(52) = 7;
    village.Quest(66) = 7;
    village.talkOpen = 1;
    for (auto _ : state) {
        village.Quest(69) = 6;
        village.Quest(73) = 0;
        RunQuestUpdaters(village);
        benchmark::DoNotOptimize(village.questDisplay);
    }
}
BENCHMARK(BM_AllNineVillageUpdaters)->Name("Quests/AllNineVillageUpdaters");

}  // namespace

}  // namespace varn
