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
    buttons.Hover(mouseCursor.x, mouseCursor.y);
    buttons.Click(mouseCursor.x, mouseCursor.y, mouseCursor.mouse);
    back = buttons.TakeAction(mouseCursor.mouse) == kCreditsBack || back;
    if (back) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    }
    creditsScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (statePhase == kPhaseSwitch) {
            FreeOwned(creditsScreen);
        }
    });
}

}  // namespace varn
