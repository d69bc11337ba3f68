// Writes the saves scripts/measure-game loads through the main menu to measure the map and a
// battle: slot 1 a new game on the map, slot 2 the same game saved in a battle. Run in a folder
// holding the game's data; the saves go to its Saves folder.

#include <cstdio>

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "platform/HeadlessBackend.h"
#include "world/GameState.h"

using namespace varn;

namespace {

void RunFrames(GameApp& app, int count) {
    for (int i = 0; i < count; ++i) {
        app.Frame();
    }
}

// The question's Yes by its key: the game is written to its slot and the menu comes back.
bool AnswerYes(GameApp& app) {
    platform::HeadlessBackend& backend = *platform::Headless();
    RunFrames(app, 2);
    backend.SetKey(kKeyReturn, true);
    RunFrames(app, 1);
    backend.SetKey(kKeyReturn, false);
    RunFrames(app, 2);
    return app.stateHandler == MainMenuStateThunk && app.notice.empty();
}

bool SaveOnTheMap(GameApp& app, uint8_t slot) {
    app.StartFreshWorld();
    app.world->saveSlot = slot;
    app.EnterMap();
    RunFrames(app, 3);
    app.saveQuitFromMap = 1;
    app.saveQuitFromBattle = 0;
    app.SwitchState(SaveQuitStateThunk, kPhaseSwitch);
    return AnswerYes(app);
}

bool SaveInABattle(GameApp& app, uint8_t slot, uint8_t battle) {
    app.StartFreshWorld();
    GameState& world = *app.world;
    world.saveSlot = slot;
    world.battleId = battle;
    world.commanderIsPlayer = 1;
    world.commanderHero = 0;
    world.inBattle = 1;
    app.SwitchState(BattleStateThunk, kPhaseSwitch);
    RunFrames(app, 2);
    // A click on the field answers the battle's opening box: the armies take the field.
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.MoveMouse(300 - app.mouseCursor.x, 150 - app.mouseCursor.y);
    RunFrames(app, 1);
    backend.SetButton(0, true);
    RunFrames(app, 1);
    backend.SetButton(0, false);
    RunFrames(app, 2);
    app.AskSaveAndQuitInBattle();
    return AnswerYes(app);
}

}  // namespace

int main() {
    platform::UseHeadlessBackend();
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.Reset();
    backend.presentAdvanceMs = 16;
    GameApp app;
    backend.CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
    app.hWnd = &backend;
    bool made = app.Init() == 1;
    if (made) {
        RunFrames(app, 1);
        made = SaveOnTheMap(app, 1) && SaveInABattle(app, 2, 1);
    }
    app.Cleanup();
    if (!made) {
        std::fprintf(stderr, "varn_measure_saves: the saves could not be made here\n");
        return 1;
    }
    return 0;
}
