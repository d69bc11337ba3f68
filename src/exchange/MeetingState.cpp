#include "app/GameApp.h"
#include "engine/Owned.h"
#include "exchange/MeetingScreen.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

// Entered from the map with phase 1 and from either exchange with phase 1; the exchanges are
// opened with phase 0, so the meeting keeps its screen while they run and shows the world
// afresh when they come back.
void GameApp::RunMeetingState() {
    if (!IsMeetingPair(*world, world->meetingFirst, world->meetingSecond)) {
        SwitchState(MapStateThunk, kPhaseSwitch);
        return;
    }
    const bool entering = OpenFrame();
    if (CreateScreen(meetingScreen, device) || entering) {
        meetingScreen->Show(*world, world->meetingFirst, world->meetingSecond);
    }
    PollKeyboard();
    if (BackKeyOnce()) {
        SwitchState(MapStateThunk, kPhaseSwitch);
    }
    switch (PollButtons(meetingScreen->buttons)) {
        case kMeetItemsButton:
            SwitchState(ItemTradeStateThunk, kPhaseRunning);
            break;
        case kMeetArmiesButton:
            SwitchState(ArmyTradeStateThunk, kPhaseRunning);
            break;
        case kMeetLeaveButton:
            SwitchState(MapStateThunk, kPhaseSwitch);
            break;
        default:
            break;
    }
    meetingScreen->Draw();
    meetingScreen->buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(meetingScreen);
        }
    });
}

}  // namespace varn
