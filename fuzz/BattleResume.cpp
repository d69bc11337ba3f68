#include <cstdint>
#include <cstring>

#include "FuzzGame.h"
#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "platform/HeadlessBackend.h"
#include "world/GameState.h"

using namespace varn;

// Resumes a battle from a world record whose battle number, commander bytes and battle snapshot
// come from the input, and runs it for some frames with the pointer wandering and clicking. No
// data set is needed: missing pictures draw nothing.

namespace {

template <typename T>
void Take(const uint8_t*& data, size_t& size, T& field) {
    const size_t bytes = std::min(size, sizeof(T));
    std::memcpy(&field, data, bytes);
    data += bytes;
    size -= bytes;
}

}  // namespace

// The system font library keeps a cache for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A battle won at the end of the game writes the hall of fame.
    const FuzzWorkingFolder folder;
    GameApp app;
    platform::HeadlessBackend& backend = StartHeadlessGame(app, 16);
    GameState& world = *app.world;
    Take(data, size, world.battleId);
    Take(data, size, world.commanderIsPlayer);
    Take(data, size, world.commanderHero);
    Take(data, size, world.playerPortrait);
    Take(data, size, world.battleSaved);
    Take(data, size, world.battleSnapInts);
    Take(data, size, world.battleSnapBytes);
    Take(data, size, world.snapEnemyPresent);
    Take(data, size, world.snapEnemyCell);
    Take(data, size, world.snapEnemyBytes);
    Take(data, size, world.snapAllyPresent);
    Take(data, size, world.snapAllyCell);
    Take(data, size, world.snapAllyBytes);
    Take(data, size, world.snapAllyRows);
    Take(data, size, world.playerArmy.unitType);
    for (int i = 0; i < 50; ++i) {
        // A cell far outside the field still gives a position the record can hold.
        const int64_t cell = int64_t{world.snapEnemyCell[i]} - 1;
        world.snapEnemyX[i] = static_cast<int32_t>(cell % 20 * 80);
        world.snapEnemyY[i] = static_cast<int32_t>(cell / 20 % 1000 * 80);
    }
    world.inBattle = 0;
    world.resumeBattle = 1;
    app.SwitchState(BattleStateThunk, kPhaseSwitch);
    for (int frame = 0; frame < 40; ++frame) {
        uint8_t step = 0;
        Take(data, size, step);
        backend.MoveMouse(static_cast<int8_t>(step), static_cast<int8_t>(step * 7));
        backend.SetButton(step & 1, (step & 6) == 6);
        backend.SetKey(28, (step & 0x30) == 0x30);
        app.Frame();
    }
    app.Cleanup();
    return 0;
}
