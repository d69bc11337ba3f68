#include "characters/ItemDragDrop.h"

#include "engine/InputDevice.h"

namespace varn {

bool MouseButtonDown(const InputDevice& mouse) {
    return (mouse.mouseState.buttons[0] & kDown) != 0 || (mouse.mouseState.buttons[1] & kDown) != 0;
}

bool ItemDragDrop::PickUp(std::span<const ItemHolder> holders, InputDevice& mouse, int32_t x,
                          int32_t y) {
    if (Dragging() || (mouse.ButtonPressed(0) == 0 && mouse.ButtonPressed(1) == 0)) {
        return false;
    }
    const ItemCellRef cell = ItemCellAt(holders, x, y);
    if (cell.IsNone()) {
        return false;
    }
    const ItemId id =
        (*holders[static_cast<size_t>(cell.holder)].items)[static_cast<size_t>(cell.cell)];
    if (id == kNoItem) {
        return false;
    }
    mouse.SetLatch(0, 1);
    mouse.SetLatch(1, 1);
    item = id;
    from = cell;
    const CellPosition& at =
        (*holders[static_cast<size_t>(cell.holder)].positions)[static_cast<size_t>(cell.cell)];
    grabX = x - at.x;
    grabY = y - at.y;
    Follow(x, y);
    return true;
}

void ItemDragDrop::Follow(int32_t x, int32_t y) {
    iconX = x - grabX;
    iconY = y - grabY;
}

ItemDragDrop::Release ItemDragDrop::TakeRelease(std::span<const ItemHolder> holders,
                                                const ItemKindTable& kinds,
                                                const InputDevice& mouse, int32_t x, int32_t y) {
    if (!Dragging() || MouseButtonDown(mouse)) {
        return Release::None;
    }
    const ItemCellRef to = ItemCellAt(holders, x, y);
    if (to.IsNone()) {
        return Release::Outside;
    }
    const bool moved = MoveItem(holders, kinds, from, to);
    item = kNoItem;
    return moved ? Release::Moved : Release::Refused;
}

}  // namespace varn
