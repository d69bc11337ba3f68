#include "app/GameApp.h"
#include "engine/DataBlob.h"
#include "engine/KeyCodes.h"
#include "engine/Owned.h"
#include "frontend/SaveFiles.h"
#include "frontend/SaveSlotScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

// What the player did on a slot screen this frame.
enum class SlotChoice { None, Confirm, Back };

// Keys and buttons of the slot screens: a slot button chooses that slot, Enter or the confirm
// button takes the chosen one, Escape, Backspace or the back button leave.
SlotChoice RunSlotInput(GameApp& app, SaveSlotScreen& screen) {
    SlotChoice choice = SlotChoice::None;
    app.PollKeyboard();
    if (app.BackKeyOnce()) {
        choice = SlotChoice::Back;
    } else if (app.KeyOnce(kKeyReturn)) {
        choice = SlotChoice::Confirm;
    }
    const uint8_t action = app.PollButtons(screen.buttons);
    if (action >= kSlotButtonFirst && action <= kSlotButtonLast) {
        screen.chosenSlot = action;
    } else if (action == kSlotConfirm && choice == SlotChoice::None) {
        choice = SlotChoice::Confirm;
    } else if (action == kSlotBack && choice == SlotChoice::None) {
        choice = SlotChoice::Back;
    }
    return choice;
}

// What every slot holds, marked in the world's slotEmpty too.
SlotSummaries ProbeSlots(GameApp& app) {
    if (!app.probeBlob) {
        app.probeBlob = std::make_unique<DataBlob>();
    }
    return ProbeSaveSlots(*app.probeBlob, app.world->slotEmpty);
}

}  // namespace

void GameApp::RunNewGameSlotState() {
    OpenFrame();
    if (CreateScreen(saveSlotScreen, device)) {
        saveSlotScreen->Show("Choose a slot for the new game", ProbeSlots(*this),
                             FirstFreeSlot(world->slotEmpty));
    }
    switch (RunSlotInput(*this, *saveSlotScreen)) {
        case SlotChoice::Confirm:
            world->saveSlot = saveSlotScreen->chosenSlot;
            SwitchState(NameEntryStateThunk, kPhaseRunning);
            break;
        case SlotChoice::Back:
            SwitchState(MainMenuStateThunk, kPhaseSwitch);
            break;
        case SlotChoice::None:
            break;
    }
    saveSlotScreen->Draw();
    saveSlotScreen->buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        // Freed on every switch, the name entry's without an entry block too: a slot screen kept
        // would come back to the load screen made but not shown afresh.
        if (Leaving() != Leave::Stay) {
            FreeOwned(saveSlotScreen);
        }
    });
}

void GameApp::RunLoadSlotsState() {
    OpenFrame();
    if (CreateScreen(saveSlotScreen, device)) {
        saveSlotScreen->Show("Choose a saved game to load", ProbeSlots(*this), 1);
    }
    switch (RunSlotInput(*this, *saveSlotScreen)) {
        case SlotChoice::Confirm:
            // An empty slot has nothing to load: OK there is no choice yet.
            if (saveSlotScreen->slots[saveSlotScreen->chosenSlot - 1u].verdict ==
                SlotVerdict::Empty) {
                break;
            }
            if (!loadBlob) {
                loadBlob = std::make_unique<DataBlob>();
            }
            loadSlot = saveSlotScreen->chosenSlot;
            ReadSlotFile(*loadBlob, loadSlot);
            SwitchState(LoadGameStateThunk, kPhaseSwitch);
            break;
        case SlotChoice::Back:
            SwitchState(MainMenuStateThunk, kPhaseSwitch);
            break;
        case SlotChoice::None:
            break;
    }
    saveSlotScreen->Draw();
    saveSlotScreen->buttons.ResetHover();
    CloseFrame(FrameRateRow::None, [&] {
        if (LeavingFrees()) {
            FreeOwned(saveSlotScreen);
        }
    });
}

}  // namespace varn
