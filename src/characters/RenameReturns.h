#pragma once

#include <cstdint>

#include "app/StateThunks.h"

namespace varn {

// The codes of GameApp::renameReturn: the state a rename goes back to.
enum RenameReturn : uint8_t {
    kRenameToVillage = 1,
    kRenameToYou = 2,
    kRenameToHeroes = 3,
    kRenameToTown = 4,
    kRenameToTemple = 5,
    kRenameToPalace = 6,
    kRenameToCastle = 7,
    kRenameToTower = 8,
};

// The state of a return code; a code without a state goes to the heroes screen.
StateThunk RenameReturnState(uint8_t code);

}  // namespace varn
