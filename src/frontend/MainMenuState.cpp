#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Settings.h"

namespace varn {

// The main menu's frame. Its screen and buttons arrive with the front end; until then the state
// runs the common skeleton, draws the pointer and leaves the game on Escape.
void GameApp::RunMainMenuState() {
    if (statePhase != 0) {
        EnterState();
    }
    BeginFrameTiming();
    CountFps();
    mouseCursor.Update();
    device.BeginScene();
    device.Clear(0, 1.0f);

    keyboard.SetAcquired(1);
    keyboard.Update();
    if (keyboard.KeyPressed(kKeyEscape)) {
        keyboard.SetLatch(kKeyEscape, 1);
        quit = 1;
    }

    if (settings != nullptr && settings->values[0] != 0) {
        DrawFrameRate(6);
    }
    UpdateStateSeconds();
    mouseCursor.Draw();
    device.EndScene();
    device.Present();
    EndFrameTiming();
}

}  // namespace varn
