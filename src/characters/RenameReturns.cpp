#include "characters/RenameReturns.h"

namespace varn {

namespace {

struct RenameReturnRow {
    uint8_t code;
    StateThunk state;
};

// One row per state a rename can come from.
constexpr RenameReturnRow kRenameReturns[] = {
    {kRenameToYou, YouStateThunk},
    {kRenameToHeroes, HeroesStateThunk},
    {kRenameToVillage, VillageStateThunk},
    {kRenameToTown, TownStateThunk},
    {kRenameToTemple, TempleStateThunk},
    {kRenameToPalace, PalaceStateThunk},
    {kRenameToCastle, CastleStateThunk},
    {kRenameToTower, TowerStateThunk},
};

}  // namespace

StateThunk RenameReturnState(uint8_t code) {
    for (const RenameReturnRow& row : kRenameReturns) {
        if (row.code == code) {
            return row.state;
        }
    }
    return HeroesStateThunk;
}

}  // namespace varn
