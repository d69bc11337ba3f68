#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "characters/CharacterScreen.h"
#include "engine/Owned.h"
#include "items/ItemKinds.h"
#include "world/GameState.h"

namespace varn {

// The player's own screen at its fullest: twelve items in the bag and every equipment slot worn.
// Goal: a frame under 1 ms; the entry (icons and the doll's art loaded) is reported.

namespace {

void WearEverythingAndFillTheBag(GameState& world) {
    CharacterItemRecord& record = world.playerItems;
    record = CharacterItemRecord{};
    std::array<int, kItemKindCount> taken{};
    auto give = [&record](int cell, int id) {
        record.items[static_cast<size_t>(cell)] = static_cast<ItemId>(id);
        record.owned[static_cast<size_t>(id - 1)] = 1;
        record.itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
    };
    for (const EquipSlotFacts& slot : kEquipSlots) {
        give(CellOf(slot.slot),
             FactsOf(slot.kind).firstId + taken[static_cast<size_t>(slot.kind)]++);
    }
    for (int cell = 0; cell < kBagCellCount; ++cell) {
        give(cell, 100 + cell);
    }
}

void OpenOwnScreen(GameApp& app) {
    WearEverythingAndFillTheBag(*app.world);
    app.SwitchState(YouStateThunk, kPhaseSwitch);
    app.Frame();
}

void BM_OwnScreenFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    OpenOwnScreen(app);
    // The pointer on a bag item, so that its description is drawn too.
    platform::Headless()->MoveMouse(560 - app.mouseCursor.x, 320 - app.mouseCursor.y);
    app.Frame();
    for (auto _ : state) {
        app.Frame();
    }
    benchmark::DoNotOptimize(platform::Headless()->presented.pixels.data());
    app.Cleanup();
}
BENCHMARK(BM_OwnScreenFrame)->Unit(benchmark::kMicrosecond);

// The entry frame: the screen created, the items copied in and laid out, every doll layer and
// the owned items' icons loaded, drawn once.
void BM_OwnScreenEntry(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    for (auto _ : state) {
        state.PauseTiming();
        FreeOwned(app.youScreen);
        WearEverythingAndFillTheBag(*app.world);
        app.SwitchState(YouStateThunk, kPhaseSwitch);
        state.ResumeTiming();
        app.Frame();
    }
    app.Cleanup();
}
BENCHMARK(BM_OwnScreenEntry)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
