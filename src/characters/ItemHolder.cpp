#include "characters/ItemHolder.h"

#include "characters/SlotFrames.h"
#include "engine/HitTest.h"
#include "items/ItemArt.h"

namespace varn {

namespace {

ItemId& CellItem(std::span<const ItemHolder> holders, ItemCellRef ref) {
    return (*holders[static_cast<size_t>(ref.holder)].items)[static_cast<size_t>(ref.cell)];
}

bool IsValid(std::span<const ItemHolder> holders, ItemCellRef ref) {
    return ref.holder >= 0 && static_cast<size_t>(ref.holder) < holders.size() && ref.cell >= 0 &&
           ref.cell < kItemCellCount;
}

ItemKind KindIn(const ItemKindTable& kinds, ItemId id) {
    return kinds[static_cast<size_t>(id - 1)];
}

bool SlotTakes(const ItemKindTable& kinds, ItemCellRef ref, ItemId id) {
    const EquipSlot slot = static_cast<EquipSlot>(ref.cell - kFirstEquipCell);
    return SlotTakes(slot, KindIn(kinds, id));
}

void Place(const ItemHolder& holder, int cell, ItemId id) {
    (*holder.items)[static_cast<size_t>(cell)] = id;
    if (id == kNoItem) {
        return;
    }
    (*holder.owned)[static_cast<size_t>(id - 1)] = 1;
    (*holder.itemCell)[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
}

void RequestReload(std::span<const ItemHolder> holders, ItemCellRef to) {
    for (const ItemHolder& holder : holders) {
        if (holder.reload == nullptr) {
            continue;
        }
        if (to.IsEquipment()) {
            holder.reload->RequestSlot(static_cast<EquipSlot>(to.cell - kFirstEquipCell));
        } else {
            holder.reload->RequestAll();
        }
    }
}

}  // namespace

ItemCellRef ItemCellAt(std::span<const ItemHolder> holders, int32_t x, int32_t y) {
    // The frames the player sees decide first: icon squares of close slots overlap.
    for (size_t h = 0; h < holders.size(); ++h) {
        const CellFrameTable frames = CellFramesOf(*holders[h].positions);
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            if (frames[static_cast<size_t>(cell)].Holds(x, y)) {
                return {static_cast<int>(h), cell};
            }
        }
    }
    for (size_t h = 0; h < holders.size(); ++h) {
        const CellPositionTable& positions = *holders[h].positions;
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            const CellPosition& at = positions[static_cast<size_t>(cell)];
            if (PointInRect(at.x, at.y, kItemIconSize, kItemIconSize, x, y) != 0) {
                return {static_cast<int>(h), cell};
            }
        }
    }
    return {};
}

bool MoveItem(std::span<const ItemHolder> holders, const ItemKindTable& kinds, ItemCellRef from,
              ItemCellRef to) {
    if (!IsValid(holders, from) || !IsValid(holders, to) || from == to) {
        return false;
    }
    const ItemId moving = CellItem(holders, from);
    const ItemId displaced = CellItem(holders, to);
    if (moving == kNoItem) {
        return false;
    }
    if (to.IsEquipment() && !SlotTakes(kinds, to, moving)) {
        return false;
    }
    if (displaced != kNoItem && from.IsEquipment() && !SlotTakes(kinds, from, displaced)) {
        return false;
    }
    const ItemHolder& source = holders[static_cast<size_t>(from.holder)];
    const ItemHolder& target = holders[static_cast<size_t>(to.holder)];
    if (from.holder != to.holder) {
        (*source.owned)[static_cast<size_t>(moving - 1)] = 0;
        if (displaced != kNoItem) {
            (*target.owned)[static_cast<size_t>(displaced - 1)] = 0;
        }
    }
    Place(target, to.cell, moving);
    Place(source, from.cell, displaced);
    RequestReload(holders, to);
    return true;
}

void DiscardItem(std::span<const ItemHolder> holders, ItemCellRef cell) {
    if (!IsValid(holders, cell)) {
        return;
    }
    const ItemHolder& holder = holders[static_cast<size_t>(cell.holder)];
    ItemId& id = CellItem(holders, cell);
    if (id == kNoItem) {
        return;
    }
    (*holder.owned)[static_cast<size_t>(id - 1)] = 0;
    (*holder.itemCell)[static_cast<size_t>(id - 1)] = 0;
    id = kNoItem;
}

}  // namespace varn
