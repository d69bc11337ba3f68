#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "houses/HouseScreen.h"
#include "world/GameState.h"

namespace varn {

// The house state's busiest frames, and a visit's first frame, which loads the screen. Goal for
// each frame: under 0.5 ms.

namespace {

// The application brought up on a new game's player with six wounded armies, standing at the
// door of village 3.
void PrepareVisit(GameApp& app) {
    BringUp(app);
    app.StartFreshWorld();
    GameState& world = *app.world;
    world.houseVisitor = kPlayerCharacter;
    world.villageNumber = 3;
    world.gold = 5000;
    ArmyRecord& army = world.playerArmy;
    for (size_t i = 0; i < kArmySlotCount; ++i) {
        army.present[i] = 1;
        army.unitId[i] = 1;
        army.unitType[i] = 0;
        army.position[i] = static_cast<uint8_t>(i);
        army.alive[i] = 12;
        army.light[i] = army.serious[i] = army.critical[i] = 1;
        army.training[i] = 80;
        army.equipment[i] = 80;
        army.name[i] = EncodeGlyphs("Village Guard 12");
    }
}

void EnterVillage(GameApp& app) {
    app.SwitchState(VillageStateThunk, kPhaseSwitch);
    app.Frame();
}

// A press and release of the left button at (x, y), a frame each, as the player clicks.
void ClickAt(GameApp& app, int32_t x, int32_t y) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
    app.Frame();
    backend.SetButton(0, true);
    app.Frame();
    backend.SetButton(0, false);
    app.Frame();
}

void Talk(GameApp& app) {
    const ButtonRect& talk = kHouseButtons[kTalkButton - 1];
    ClickAt(app, talk.x + talk.w / 2, talk.y + talk.h / 2);
}

void FillBag(CharacterItemRecord& items) {
    for (size_t cell = 0; cell < kBagCellCount; ++cell) {
        const ItemId item = static_cast<ItemId>(200 + cell);
        items.items[cell] = item;
        items.owned[item - 1] = 1;
        items.itemCell[item - 1] = static_cast<uint8_t>(cell);
    }
}

void RunFrames(benchmark::State& state, GameApp& app) {
    for (auto _ : state) {
        app.Frame();
    }
    benchmark::DoNotOptimize(platform::Headless()->presented.pixels.data());
    app.Cleanup();
}

// One whole village frame through the state: six armies with their wound marks and rise arrows,
// the recruit panel with an offer chosen and the no-room box, presented headless.
void BM_BusiestHouseStateFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    PrepareVisit(app);
    EnterVillage(app);
    HouseScreen& screen = *app.villageScreen;
    screen.canRise.fill(1);
    screen.recruitOpen = 1;
    screen.offerChosen = 3;
    screen.noRoomShown = 1;
    RunFrames(state, app);
}
BENCHMARK(BM_BusiestHouseStateFrame)->Unit(benchmark::kMicrosecond);

// A village frame at the Talk that rewards its joining quest with a full bag: the reward note
// with its item, the bag-full note, the join box and the store's still-holding lines.
void BM_VillageRewardJoinStoreFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    PrepareVisit(app);
    GameState& world = *app.world;
    FillBag(world.playerItems);
    world.Quest(28) = 5;
    // An item the village already holds for the player, the first of village 3's store.
    world.heldFlagVillage[2 * kHeldSlotsPerHouse] = 1;
    world.heldItemVillage[2 * kHeldSlotsPerHouse] = 47 - 1;
    EnterVillage(app);
    Talk(app);
    HouseScreen& screen = *app.villageScreen;
    // The click that opened the talk closed the entry's store lines; shown again.
    screen.stillHeldMessage = 1;
    if (world.VillageJoined(3) == 0 || screen.heldAny == 0) {
        state.SkipWithError("the village did not join or holds nothing");
    }
    RunFrames(state, app);
}
BENCHMARK(BM_VillageRewardJoinStoreFrame)->Unit(benchmark::kMicrosecond);

// The palace once quest 6 is solved: both offers open at one Talk, with "Accept?".
void BM_PalaceTwoOffersFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    PrepareVisit(app);
    GameState& world = *app.world;
    world.Quest(4) = 1;
    world.Quest(6) = 7;
    app.SwitchState(PalaceStateThunk, kPhaseSwitch);
    app.Frame();
    Talk(app);
    if (app.palaceScreen == nullptr || app.palaceScreen->acceptQuestion == 0) {
        state.SkipWithError("the palace asks nothing");
    }
    RunFrames(state, app);
}
BENCHMARK(BM_PalaceTwoOffersFrame)->Unit(benchmark::kMicrosecond);

// A visit's first frame: the screen made, its pictures loaded, the world copied in, drawn.
void BM_HouseVisitFirstFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    PrepareVisit(app);
    for (auto _ : state) {
        state.PauseTiming();
        FreeHouseScreen(app.villageScreen);
        state.ResumeTiming();
        EnterVillage(app);
    }
    app.Cleanup();
}
BENCHMARK(BM_HouseVisitFirstFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
