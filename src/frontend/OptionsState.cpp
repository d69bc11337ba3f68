#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/OptionsScreen.h"
#include "world/GameState.h"

namespace varn {

void GameApp::RunOptionsState() {
    OpenFrame();
    if (CreateScreen(optionsScreen, device)) {
        optionsScreen->Show(*world);
    }
    PollKeyboard();
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    ButtonBar& buttons = optionsScreen->buttons;
    const uint8_t action = PollButtons(buttons);
    const bool changed = optionsScreen->Choose(action);
    // The track follows the music option at once: off silences it, and a change while it is on
    // takes the track up as the map's upkeep does (starting it when it was off).
    if (!optionsScreen->MusicOn()) {
        StopTrack();
    } else if (changed) {
        UpkeepTrack();
    }
    if (backKey || enterKey || action == kOptionsBack) {
        ReturnFromOptions();
    }
    optionsScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            optionsScreen->WriteBack(*world);
            FreeOwned(optionsScreen);
        }
    });
}

}  // namespace varn
