#pragma once

#include "characters/CharacterScreen.h"
#include "items/ItemLayout.h"
#include "support/HousePlayer.h"

namespace varn {

// The character screens: drags between item cells and onto the throw-away and disband targets,
// the armies' places.
class CharacterPlayer : public HousePlayer {
  public:
    using HousePlayer::HousePlayer;

    // From the middle of one item cell to the middle of another.
    void DragCell(int from, int to) {
        const CellPosition& a = ItemCatalogue::ItemCellPositions[static_cast<size_t>(from)];
        const CellPosition& b = ItemCatalogue::ItemCellPositions[static_cast<size_t>(to)];
        Drag(a.x + 32, a.y + 32, b.x + 32, b.y + 32);
    }

    void DragCellTo(int from, const ButtonRect& target) {
        const CellPosition& a = ItemCatalogue::ItemCellPositions[static_cast<size_t>(from)];
        Drag(a.x + 32, a.y + 32, target.x + target.w / 2, target.y + target.h / 2);
    }

    void DragArmyTo(int slot, const ButtonRect& target) {
        const ArmyPanelLayout& at = kCharacterArmies;
        Drag(at.x + slot * at.stepX + 20, at.y + slot * at.stepY + 20, target.x + target.w / 2,
             target.y + target.h / 2);
    }

    void SelectArmy(int slot) {
        const ArmyPanelLayout& at = kCharacterArmies;
        ClickAt(at.x + slot * at.stepX + 20, at.y + slot * at.stepY + 20);
    }
};

}  // namespace varn
