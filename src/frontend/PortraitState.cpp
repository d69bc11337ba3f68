#include "app/GameApp.h"
#include "app/StepTimerSlots.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/PortraitScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kGlowTimerRate = 40;
constexpr int32_t kSlideTimerRate = 90;

}  // namespace

void GameApp::RunPortraitState() {
    OpenFrame();
    if (CreateScreen(portraitScreen, device)) {
        StartStepTimer(kGlowTimer);
        StartStepTimer(kSlideTimer);
        portraitScreen->chosenPortrait =
            world->playerPortrait == 1 ? kPortraitSecond : kPortraitFirst;
    }
    PollKeyboard();
    bool back = BackKeyOnce();
    bool confirm = KeyOnce(kKeyReturn);
    ButtonBar& buttons = portraitScreen->buttons;
    switch (const uint8_t action = PollButtons(buttons)) {
        case kPortraitFirst:
        case kPortraitSecond:
            portraitScreen->chosenPortrait = action;
            break;
        case kPortraitConfirm:
            confirm = true;
            break;
        case kPortraitBack:
            back = true;
            break;
        default:
            break;
    }
    if (back) {
        // The name entry kept its screen: the player finds the name as typed.
        SwitchState(NameEntryStateThunk, kPhaseSwitch);
    } else if (confirm) {
        world->playerPortrait = static_cast<uint8_t>(portraitScreen->chosenPortrait - 1);
        ShowPortraitOnPanel();
        FreeOwned(nameEntryScreen);
        FreeOwned(nameLetters);
        SwitchState(StoryStateThunk, kPhaseSwitch);
    }
    portraitScreen->Animate(TakeTimerSteps(kGlowTimer, kGlowTimerRate),
                            TakeTimerSteps(kSlideTimer, kSlideTimerRate));
    portraitScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(portraitScreen);
            stepTimers[kGlowTimer].reset();
            stepTimers[kSlideTimer].reset();
        }
    });
}

}  // namespace varn
