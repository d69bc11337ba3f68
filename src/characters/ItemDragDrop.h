#pragma once

#include <cstdint>
#include <span>

#include "characters/ItemHolder.h"

namespace varn {

class InputDevice;

// Dragging one item with the mouse between the cells of a screen's holders. The item stays in
// its cell until it is put down, so an item is never in two cells nor in none: a drop the rules
// refuse, or one outside every cell, leaves it where it was.
class ItemDragDrop {
  public:
    enum class Release : uint8_t {
        None,     // nothing was dragged, or the buttons are still down
        Moved,    // the item went into the cell under the pointer
        Refused,  // the cell under the pointer does not take it: it went back
        Outside,  // dropped on no cell: the screen decides (throw away, or back)
    };

    // A fresh press of either button over an item picks it up (and uses the press): true.
    bool PickUp(std::span<const ItemHolder> holders, InputDevice& mouse, int32_t x, int32_t y);
    // The dragged icon follows the pointer, keeping where it was taken.
    void Follow(int32_t x, int32_t y);
    // Once both buttons are up the item is put down at the pointer.
    Release TakeRelease(std::span<const ItemHolder> holders, const ItemKindTable& kinds,
                        const InputDevice& mouse, int32_t x, int32_t y);

    bool Dragging() const { return item != kNoItem; }
    // Ends a drag without moving anything.
    void Cancel() { item = kNoItem; }

    ItemId item = kNoItem;
    ItemCellRef from;
    // Top-left corner of the dragged icon and the pointer's offset inside it.
    int32_t iconX = 0;
    int32_t iconY = 0;
    int32_t grabX = 0;
    int32_t grabY = 0;
};

// Either mouse button down by the device's last read.
bool MouseButtonDown(const InputDevice& mouse);

}  // namespace varn
