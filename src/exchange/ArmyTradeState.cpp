#include "app/GameApp.h"
#include "engine/Owned.h"
#include "exchange/ArmyExchangeScreen.h"
#include "world/GameState.h"

namespace varn {

// Reached from the meeting with phase 0: no entry block, so the copy-in comes with the screen.
void GameApp::RunArmyTradeState() {
    OpenFrame();
    if (CreateScreen(armyExchangeScreen, device)) {
        armyExchangeScreen->CopyIn(*world, world->meetingFirst, world->meetingSecond);
    }
    ArmyExchangeScreen& screen = *armyExchangeScreen;
    PollKeyboard();
    screen.HandleDrag(mouseCursor.x, mouseCursor.y, mouseCursor.mouse);
    const bool back = BackKeyOnce();
    if (PollButtons(screen.buttons) == kArmyTradeLeaveButton || back) {
        SwitchState(MeetingStateThunk, kPhaseSwitch);
    }
    screen.Draw(mouseCursor.x, mouseCursor.y);
    screen.buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (statePhase != kPhaseRunning) {
            screen.WriteBack(*world);
            FreeOwned(armyExchangeScreen);
        }
    });
}

}  // namespace varn
