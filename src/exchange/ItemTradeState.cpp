#include "app/GameApp.h"
#include "characters/CharacterSteps.h"
#include "characters/PaperDollArt.h"
#include "engine/Owned.h"
#include "exchange/ItemExchangeScreen.h"
#include "items/ItemArt.h"
#include "items/ItemBonuses.h"
#include "items/ItemTexts.h"
#include "map/ControlPanel.h"
#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

// Both characters' maximum health, attack and defence from what they wear, straight into the
// world, first then second, each with its health clamped.
void SumBothCharacters(GameState& world, ItemExchangeScreen& screen) {
    if (CharacterStats* first = StatsOf(world, screen.firstCharacter)) {
        ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(screen.firstItems), *first,
                                               screen.slotBonus);
    }
    if (CharacterStats* second = StatsOf(world, screen.secondCharacter)) {
        ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(screen.secondItems), *second,
                                               screen.slotBonus);
    }
}

}  // namespace

// Reached from the meeting with phase 0: no entry block, so the copy-in comes with the screen.
void GameApp::RunItemTradeState() {
    OpenFrame();
    CreateCharacterArt(*this);
    if (CreateScreen(itemExchangeScreen, device) &&
        !itemExchangeScreen->CopyIn(*world, world->meetingFirst, world->meetingSecond)) {
        SwitchState(MeetingStateThunk, kPhaseSwitch);
    }
    ItemExchangeScreen& screen = *itemExchangeScreen;
    PollKeyboard();
    const int32_t x = mouseCursor.x;
    const int32_t y = mouseCursor.y;
    controlPanel->ClickShowHide(x, y, mouseCursor.mouse);
    if (screen.HandleMouse(mouseCursor.mouse, x, y)) {
        screen.sumsDirty = 1;
    }
    if (screen.sumsDirty != 0) {
        screen.sumsDirty = 0;
        SumBothCharacters(*world, screen);
    }
    ItemCatalogue::LoadEquipmentArt(screen.firstDoll, EquipmentOf(screen.firstItems),
                                    screen.firstDollReload);
    ItemCatalogue::LoadEquipmentArt(screen.secondDoll, EquipmentOf(screen.secondItems),
                                    screen.secondDollReload);
    ItemCatalogue::RefreshDescription(screen.description, screen.shownItem);
    screen.ShowStats(*world);
    const bool back = BackKeyOnce();
    if (PollButtons(screen.buttons) == kItemTradeLeaveButton || back) {
        SwitchState(MeetingStateThunk, kPhaseSwitch);
    }
    screen.Draw(*paperDollArt, *controlPanel->sprites);
    screen.buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            screen.WriteBack(*world);
            FreeOwned(itemExchangeScreen);
            // No screen here acts on Hide/Show: a press taken on it must not reach the next
            // screen that does.
            controlPanel->showHideButton.Reset();
        }
    });
}

}  // namespace varn
