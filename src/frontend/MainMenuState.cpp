#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/MainMenuScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int kMenuMusicVolume = 40;

}  // namespace

void GameApp::RunMainMenuState() {
    const bool afterSaveQuit = statePhase == kPhaseAfterSaveQuit;
    OpenFrame([&] {
        if (afterSaveQuit) {
            StartFreshWorld();
        }
    });
    if (CreateScreen(mainMenuScreen, device)) {
        if (restartMenuMusic != 0) {
            RestartMenuMusic(kMenuMusicVolume);
            restartMenuMusic = 0;
        }
        StopTrack();
    }
    PollKeyboard();
    if (KeyOnce(kKeyEscape)) {
        quit = 1;
    }
    ButtonBar& buttons = mainMenuScreen->buttons;
    switch (PollButtons(buttons)) {
        case kMenuNewGame:
            statePhase = kPhaseNewGame;
            break;
        case kMenuLoad:
            SwitchState(LoadSlotsStateThunk, kPhaseSwitch);
            break;
        case kMenuHallOfFame:
            SwitchState(HallOfFameStateThunk, kPhaseSwitch);
            break;
        case kMenuInformation:
            SwitchState(InformationStateThunk, kPhaseSwitch);
            break;
        case kMenuCredits:
            SwitchState(CreditsStateThunk, kPhaseSwitch);
            break;
        case kMenuQuit:
            quit = 1;
            break;
        default:
            break;
    }
    if (statePhase == kPhaseNewGame) {
        SwitchState(NewGameSlotStateThunk, kPhaseSwitch);
    }
    mainMenuScreen->Draw(notice);
    buttons.ResetHover();
    CloseFrame(FrameRateRow::Top, [&] {
        if (LeavingFrees()) {
            FreeOwned(mainMenuScreen);
            notice.clear();
        }
    });
}

}  // namespace varn
