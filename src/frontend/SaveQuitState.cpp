#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/SaveQuitDialog.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int kQuestionMusicVolume = 60;

}  // namespace

void GameApp::RunSaveQuitState() {
    OpenFrame();
    if (CreateScreen(saveQuitDialog, device) && restartMenuMusic != 0) {
        RestartMenuMusic(kQuestionMusicVolume);
        restartMenuMusic = 0;
    }
    PollKeyboard();
    bool no = BackKeyOnce();
    bool yes = KeyOnce(kKeyReturn);
    ButtonBar& buttons = saveQuitDialog->buttons;
    switch (PollButtons(buttons)) {
        case kSaveQuitYes:
            yes = true;
            break;
        case kSaveQuitNo:
            no = true;
            break;
        default:
            break;
    }
    if (no) {
        world->quitFromBattle = 0;
        // Playing on: a battle saved as in progress is not to be resumed from the save.
        world->resumeBattle = 0;
        notice.clear();
        ReturnFromSaveQuit();
    } else if (yes) {
        world->quitFromBattle = 0;
        saveAndQuit = 1;
        FreeMapAndBattleScreens();
        SwitchState(SaveGameStateThunk, kPhaseWriteBack);
    }
    saveQuitDialog->Draw(notice);
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(saveQuitDialog);
        }
    });
}

}  // namespace varn
