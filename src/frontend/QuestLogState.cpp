#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/QuestLogScreen.h"
#include "world/GameState.h"

namespace varn {

void GameApp::RunQuestLogState() {
    OpenFrame();
    if (CreateScreen(questLogScreen, device)) {
        questLogScreen->Show(*world);
    }
    PollKeyboard();
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    ButtonBar& buttons = questLogScreen->buttons;
    const uint8_t action = PollButtons(buttons);
    if (TurnPages(questLogScreen->pages, action, backKey, enterKey)) {
        SwitchState(MapStateThunk, kPhaseSwitch);
    }
    questLogScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(questLogScreen);
        }
    });
}

}  // namespace varn
