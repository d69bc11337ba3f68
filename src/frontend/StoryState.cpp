#include "app/GameApp.h"
#include "app/StepTimerSlots.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "frontend/StoryScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kRiseTimerRate = 40;

}  // namespace

void GameApp::RunStoryState() {
    OpenFrame([&] { RewindTrack(); });
    if (CreateScreen(storyScreen, device)) {
        storyScreen->page = StoryPage(world->storyMode);
        StartStepTimer(kRiseTimer);
    }
    PollKeyboard();
    // Every key that leaves the page is taken, so none of them counts again on the next screen.
    const bool backKey = BackKeyOnce();
    const bool enterKey = KeyOnce(kKeyReturn);
    bool done = backKey || enterKey;
    ButtonBar& buttons = storyScreen->buttons;
    done = PollButtons(buttons) == kStoryNext || done;
    if (done) {
        if (storyScreen->page == kStoryOpening) {
            EnterMap();
        } else {
            // The game has ended: its record gives way to a fresh one.
            StartFreshWorld();
            SwitchState(HallOfFameStateThunk, kPhaseSwitch);
        }
    }
    storyScreen->Animate(TakeTimerSteps(kRiseTimer, kRiseTimerRate));
    storyScreen->Draw();
    buttons.ResetHover();
    CloseFrame(FrameRateRow::Bottom, [&] {
        if (LeavingFrees()) {
            FreeOwned(storyScreen);
            stepTimers[kRiseTimer].reset();
        }
    });
}

}  // namespace varn
