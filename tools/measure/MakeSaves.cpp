// Writes the saves scripts/measure-game loads through the main menu to measure the map and a
// battle: slot 1 a new game on the map, slot 2 the same game saved in a battle. Run in a folder
// holding the game's data; the saves go to its Saves folder.

#include <cstdio>

#include "app/GameApp.h"
#include "battle/BattleSideButtons.h"
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

// A click as a player makes it: the pointer moved there, the left button pressed and let go.
void ClickAt(GameApp& app, int32_t x, int32_t y) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
    RunFrames(app, 1);
    backend.SetButton(0, true);
    RunFrames(app, 1);
    backend.SetButton(0, false);
    RunFrames(app, 2);
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
    // A click on the field answers the battle's opening box; the side button's Quit asks the
    // question, and the battle's own leave step keeps it for the save.
    ClickAt(app, 300, 150);
    for (const ButtonRect& button : kSideButtons) {
        if (button.id == kSideQuit) {
            ClickAt(app, button.x + button.w / 2, button.y + button.h / 2);
        }
    }
    return app.stateHandler == SaveQuitStateThunk && AnswerYes(app);
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
