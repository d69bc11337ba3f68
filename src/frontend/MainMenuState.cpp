#include "app/GameApp.h"
#include "engine/KeyCodes.h"

namespace varn {

// The main menu's frame. Its screen and buttons arrive with the front end; until then the state
// runs the common frame and leaves the game on Escape.
void GameApp::RunMainMenuState() {
    OpenFrame();
    PollKeyboard();
    if (KeyOnce(kKeyEscape)) {
        quit = 1;
    }
    CloseFrame(FrameRateRow::Top);
}

}  // namespace varn
