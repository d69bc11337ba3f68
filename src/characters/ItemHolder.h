#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "items/ItemKinds.h"
#include "items/ItemLayout.h"
#include "items/PaperDoll.h"
#include "world/CharacterRecords.h"

namespace varn {

// One character's items as a screen holds them while they can be moved: the 31 cells, the owned
// flags and cell numbers by ItemId - 1, the doll's reload flags and where the cells are drawn.
// Every item id lies in one cell of one holder, with its owned flag set and its cell number
// naming that cell; the moves below keep it so.
struct ItemHolder {
    CharacterItems* items = nullptr;
    std::array<uint8_t, kItemTableSize>* owned = nullptr;
    std::array<uint8_t, kItemTableSize>* itemCell = nullptr;
    PaperDollReloadFlags* reload = nullptr;
    const CellPositionTable* positions = &ItemCatalogue::ItemCellPositions;
};

// A cell of one of the holders a screen shows.
struct ItemCellRef {
    int holder = -1;
    int cell = -1;

    bool IsNone() const { return holder < 0; }
    bool IsEquipment() const { return cell >= kFirstEquipCell; }
    bool operator==(const ItemCellRef&) const = default;
};

// The cell whose frame holds the point, else the first whose 64 x 64 icon square does, or none.
ItemCellRef ItemCellAt(std::span<const ItemHolder> holders, int32_t x, int32_t y);

// Moves the item of cell from into cell to by the rules of the bag and the doll: an equipment
// slot takes only its own kind, and an item it held goes to the source cell; a bag cell takes
// anything, and an item it held goes to the source cell, but into an equipment slot only when
// of the same kind. Owned flags and cell numbers follow the items between holders. Putting an
// item down asks every holder's doll to reload: the whole doll for a bag cell, the target slot's
// art for an equipment slot. False, changing nothing, when the move is refused.
bool MoveItem(std::span<const ItemHolder> holders, const ItemKindTable& kinds, ItemCellRef from,
              ItemCellRef to);

// The item of the cell leaves the game: cell emptied, owned flag and cell number cleared.
void DiscardItem(std::span<const ItemHolder> holders, ItemCellRef cell);

}  // namespace varn
