#include "app/GameApp.h"
#include "characters/PaperDollArt.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/InformationScreen.h"

namespace varn {

void GameApp::RunInformationState() {
    OpenFrame();
    CreateScreen(infoScreen, device);
    CreateScreen(paperDollArt, device);
    PollKeyboard();
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    ButtonBar& buttons = infoScreen->buttons;
    const uint8_t action = PollButtons(buttons);
    if (TurnPages(infoScreen->pages, action, backKey, enterKey)) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    }
    infoScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::Bottom, [&] {
        if (LeavingFrees()) {
            FreeOwned(infoScreen);
        }
    });
}

}  // namespace varn
