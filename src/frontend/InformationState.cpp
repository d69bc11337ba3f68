#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/InformationScreen.h"

namespace varn {

void GameApp::RunInformationState() {
    OpenFrame();
    CreateScreen(infoScreen, device);
    PollKeyboard();
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    ButtonBar& buttons = infoScreen->buttons;
    buttons.Hover(mouseCursor.x, mouseCursor.y);
    buttons.Click(mouseCursor.x, mouseCursor.y, mouseCursor.mouse);
    const uint8_t action = buttons.TakeAction(mouseCursor.mouse);
    if (TurnPages(infoScreen->pages, action, backKey, enterKey)) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    }
    infoScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::Bottom, [&] {
        if (statePhase != kPhaseRunning) {
            FreeOwned(infoScreen);
        }
    });
}

}  // namespace varn
