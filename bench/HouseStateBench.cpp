#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "houses/HouseScreen.h"
#include "world/GameState.h"

namespace varn {

// The house state's busiest frame, and a visit's first frame, which loads the screen. Goal for
// the frame: under 1 ms.

namespace {

// A new game's player with six wounded armies, standing at the door of village 3.
void PrepareVisit(GameApp& app) {
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

// One whole village frame through the state: six armies with their wound marks and rise arrows,
// the recruit panel with an offer chosen and the no-room box, presented headless.
void BM_BusiestHouseStateFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    PrepareVisit(app);
    EnterVillage(app);
    HouseScreen& screen = *app.villageScreen;
    screen.canRise.fill(1);
    screen.recruitOpen = 1;
    screen.offerChosen = 3;
    screen.noRoomShown = 1;
    for (auto _ : state) {
        app.Frame();
    }
    benchmark::DoNotOptimize(platform::Headless()->presented.pixels.data());
    app.Cleanup();
}
BENCHMARK(BM_BusiestHouseStateFrame)->Unit(benchmark::kMicrosecond);

// A visit's first frame: the screen made, its pictures loaded, the world copied in, drawn.
void BM_HouseVisitFirstFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
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
