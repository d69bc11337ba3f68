#pragma once

#include "characters/CharacterScreen.h"
#include "items/ItemLayout.h"
#include "scenarios/MapDriver.h"

namespace varn {

// Plays the character screens: the map's panel, drags between cells and targets, the question.
class CharacterDriver : public MapDriver {
  public:
    using MapDriver::MapDriver;

    // Presses over (fromX, fromY), moves to (toX, toY) with the button held and lets go there.
    void Drag(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
        PointAt(fromX, fromY);
        Frame();
        Backend().SetButton(0, true);
        Frame();
        PointAt(toX, toY);
        Frame();
        Backend().SetButton(0, false);
        Frame();
    }

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

    void Click(std::span<const ButtonRect> buttons, uint8_t id) {
        for (const ButtonRect& button : buttons) {
            if (button.id == id) {
                ClickAt(button.x + button.w / 2, button.y + button.h / 2);
            }
        }
    }

    void SelectArmy(int slot) {
        const ArmyPanelLayout& at = kCharacterArmies;
        ClickAt(at.x + slot * at.stepX + 20, at.y + slot * at.stepY + 20);
    }
};

}  // namespace varn
