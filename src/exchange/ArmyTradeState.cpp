#include "app/GameApp.h"
#include "characters/PaperDollArt.h"
#include "engine/Owned.h"
#include "exchange/ArmyExchangeScreen.h"
#include "items/ItemArt.h"
#include "items/ItemBonuses.h"
#include "world/GameState.h"

namespace varn {

// Reached from the meeting with phase 0: no entry block, so the copy-in comes with the screen.
// The dolls are dressed once: items do not move here.
void GameApp::RunArmyTradeState() {
    OpenFrame();
    CreateScreen(paperDollArt, device);
    if (CreateScreen(armyExchangeScreen, device)) {
        ArmyExchangeScreen& screen = *armyExchangeScreen;
        if (!screen.CopyIn(*world, world->meetingFirst, world->meetingSecond)) {
            SwitchState(MeetingStateThunk, kPhaseSwitch);
        }
        ItemCatalogue::LoadEquipmentArt(screen.firstDoll, EquipmentOf(screen.firstItems),
                                        screen.firstDollReload);
        ItemCatalogue::LoadEquipmentArt(screen.secondDoll, EquipmentOf(screen.secondItems),
                                        screen.secondDollReload);
    }
    ArmyExchangeScreen& screen = *armyExchangeScreen;
    PollKeyboard();
    screen.HandleDrag(mouseCursor.x, mouseCursor.y, mouseCursor.mouse);
    const bool back = BackKeyOnce();
    if (PollButtons(screen.buttons) == kArmyTradeLeaveButton || back) {
        SwitchState(MeetingStateThunk, kPhaseSwitch);
    }
    screen.Draw(*paperDollArt, mouseCursor.x, mouseCursor.y);
    screen.buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            screen.WriteBack(*world);
            FreeOwned(armyExchangeScreen);
        }
    });
}

}  // namespace varn
