#include "app/GameApp.h"
#include "engine/Owned.h"
#include "frontend/CreditsScreen.h"

namespace varn {

void GameApp::RunCreditsState() {
    OpenFrame();
    CreateScreen(creditsScreen, device);
    PollKeyboard();
    bool back = BackKeyOnce();
    ButtonBar& buttons = creditsScreen->buttons;
    back = PollButtons(buttons) == kCreditsBack || back;
    if (back) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    }
    creditsScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(creditsScreen);
        }
    });
}

}  // namespace varn
