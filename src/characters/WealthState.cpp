#include "app/GameApp.h"
#include "characters/WealthScreen.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"

namespace varn {

void GameApp::RunWealthState() {
    OpenFrame();
    if (CreateScreen(wealthScreen, device)) {
        wealthScreen->Show(*world);
    }
    PollKeyboard();
    const bool back = BackKeyOnce() || KeyOnce(kKeyReturn);
    if (PollButtons(wealthScreen->buttons) == kWealthExit || back) {
        SwitchState(MapStateThunk, kPhaseWriteBack);
    }
    wealthScreen->Draw();
    wealthScreen->buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(wealthScreen);
        }
    });
}

}  // namespace varn
