#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/SaveFiles.h"
#include "world/GameState.h"

namespace varn {

void GameApp::RunHallOfFameState() {
    OpenFrame();
    if (CreateScreen(hallOfFameScreen, device)) {
        if (!loadBlob) {
            loadBlob = std::make_unique<DataBlob>();
        }
        LoadHallOfFame(*loadBlob, *world);
        hallOfFameScreen->Show(*world);
    }
    PollKeyboard();
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    ButtonBar& buttons = hallOfFameScreen->buttons;
    if (PollButtons(buttons) == kHallBack || backKey || enterKey) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    }
    hallOfFameScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::Bottom, [&] {
        if (LeavingFrees()) {
            FreeOwned(hallOfFameScreen);
        }
    });
}

}  // namespace varn
