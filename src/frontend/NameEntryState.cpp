#include "app/GameApp.h"
#include "app/StepTimerSlots.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "frontend/NameEntryScreen.h"
#include "frontend/NameLetters.h"
#include "frontend/NameTyping.h"
#include "world/GameState.h"

namespace varn {

namespace {

constexpr int32_t kCursorTimerRate = 180;
constexpr int32_t kStartingGold = 3000;
constexpr uint8_t kOpeningStory = 1;

}  // namespace

void GameApp::RunNameEntryState() {
    OpenFrame();
    CreateScreen(nameEntryScreen, device);
    if (CreateScreen(nameLetters, device)) {
        nameLetters->Start(GlyphString{});
    }
    PollKeyboard();
    const NameTyping typed = TypeName(*this, *nameLetters);
    bool back = typed.back;
    bool confirm = typed.confirm;
    ButtonBar& buttons = nameEntryScreen->buttons;
    switch (PollButtons(buttons)) {
        case kNameConfirm:
            confirm = true;
            break;
        case kNameBack:
            back = true;
            break;
        default:
            break;
    }
    if (back) {
        SwitchState(MainMenuStateThunk, kPhaseSwitch);
    } else if (confirm && !nameLetters->IsBlank()) {
        world->playerName = nameLetters->Name();
        world->gold = kStartingGold;
        world->storyMode = kOpeningStory;
        // A new game opens on its first Day box, which tells how to move; a load leaves the box
        // as the player left it.
        mapDrawFlag = 1;
        // The name entry's screen stays, so that going back from the portraits finds the name.
        SwitchState(PortraitStateThunk, kPhaseRunning);
    }
    nameEntryScreen->cursorSteps += TakeTimerSteps(kCursorTimer, kCursorTimerRate);
    nameEntryScreen->Draw();
    nameLetters->Draw(kNameCentreX, kNameTop, nameEntryScreen->CursorShown());
    buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(nameEntryScreen);
            FreeOwned(nameLetters);
            stepTimers[kCursorTimer].reset();
        }
    });
}

}  // namespace varn
