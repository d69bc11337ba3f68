#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "engine/Owned.h"
#include "exchange/ItemExchangeScreen.h"
#include "platform/HeadlessBackend.h"
#include "world/GameState.h"

namespace varn {

// The item exchange with both characters wearing an item in every slot and carrying a full bag.
// Goal: a frame under 1 ms; the switch from the meeting, which loads the icons and both dolls,
// reported.

namespace {

void PutItem(CharacterItemRecord& record, int cell, int id) {
    record.items[static_cast<size_t>(cell)] = static_cast<ItemId>(id);
    record.owned[static_cast<size_t>(id - 1)] = 1;
    record.itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
}

// Every slot filled with the next item of its kind from first on, the bag from bagFirst on.
void Outfit(CharacterItemRecord& record, int offset, int bagFirst) {
    record = CharacterItemRecord{};
    for (int slot = 0; slot < kEquipSlotCount; ++slot) {
        const ItemKind kind = FactsOf(static_cast<EquipSlot>(slot)).kind;
        const bool ring = kind == ItemKind::Ring;
        const bool amulet = kind == ItemKind::Amulet;
        const int within = ring ? slot - static_cast<int>(EquipSlot::Ring1) : amulet ? slot : 0;
        PutItem(record, kFirstEquipCell + slot, FactsOf(kind).firstId + offset + within);
    }
    for (int cell = 0; cell < kBagCellCount; ++cell) {
        PutItem(record, cell, bagFirst + cell);
    }
}

// The player and hero 1 in the item exchange, a drag under way: the sums run every frame.
void EnterItemExchange(GameApp& app) {
    GameState& world = *app.world;
    world.heroJoined[0] = 1;
    Outfit(world.playerItems, 0, 20);
    Outfit(world.heroItems[0], 10, 170);
    world.meetingFirst = kPlayerCharacter;
    world.meetingSecond = 2;
    app.SwitchState(ItemTradeStateThunk, kPhaseRunning);
    app.Frame();
}

void BM_ItemExchangeFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    EnterItemExchange(app);
    platform::HeadlessBackend& backend = *platform::Headless();
    const CellPosition& sword = kFirstSideCells[kFirstEquipCell + kEquipSlotCount - 1];
    backend.MoveMouse(sword.x + 20 - app.mouseCursor.x, sword.y + 20 - app.mouseCursor.y);
    app.Frame();
    backend.SetButton(0, true);
    app.Frame();
    for (auto _ : state) {
        app.Frame();
    }
    if (!app.itemExchangeScreen || !app.itemExchangeScreen->drag.Dragging()) {
        state.SkipWithError("no drag under way");
    }
    app.Cleanup();
}
BENCHMARK(BM_ItemExchangeFrame)->Unit(benchmark::kMicrosecond);

void BM_MeetingToItemExchange(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    EnterItemExchange(app);
    for (auto _ : state) {
        state.PauseTiming();
        FreeOwned(app.itemExchangeScreen);
        app.SwitchState(ItemTradeStateThunk, kPhaseRunning);
        state.ResumeTiming();
        app.Frame();
    }
    app.Cleanup();
}
BENCHMARK(BM_MeetingToItemExchange)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace varn
