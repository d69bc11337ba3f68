#pragma once

#include <string_view>

#include "frontend/MainMenuScreen.h"
#include "frontend/PortraitScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "map/ControlPanel.h"
#include "support/PlayerInput.h"

namespace varn {

// The front end as a player goes through it: the main menu, a new game's slot, name, portrait
// and opening story, the save-and-quit question and the load screen.
class FrontEndPlayer : public PlayerInput {
  public:
    using PlayerInput::PlayerInput;

    // From the main menu to the map's first frame: the slot, the name typed, the portrait and
    // the opening story read to its end.
    void StartNewGame(uint8_t slot, std::string_view name, uint8_t portrait) {
        Click(kMainMenuButtons, kMenuNewGame);
        Click(kSaveSlotButtons, slot);
        Click(kSaveSlotButtons, kSlotConfirm);
        Frame();
        Type(name);
        PressKey(kKeyReturn);
        Frame();
        Click(kPortraitButtons, portrait);
        Click(kPortraitButtons, kPortraitConfirm);
        ReadStoryToItsEnd();
        Frames(2);
    }

    // A story is one page: Enter once it shows.
    void ReadStoryToItsEnd() {
        Frame();
        Read();
        PressKey(kKeyReturn);
    }

    // The map's quit button and Yes: the game is saved into its slot and the main menu shows.
    void SaveAndQuit() {
        Click(kPanelButtons, kQuitButton);
        Click(kSaveQuitButtons, kSaveQuitYes);
        Frame();
    }

    // From the main menu through the load screen; the frame after the load has run.
    void LoadGame(uint8_t slot) {
        Click(kMainMenuButtons, kMenuLoad);
        Click(kSaveSlotButtons, slot);
        Click(kSaveSlotButtons, kSlotConfirm);
        Frame();
    }
};

}  // namespace varn
