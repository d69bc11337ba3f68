#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "world/CharacterRecords.h"

namespace varn {

// Top-left corner of an item's icon, in back-buffer pixels.
struct CellPosition {
    int32_t x;
    int32_t y;
};

// Where each of the 31 cells of a CharacterItems shows its icon.
using CellPositionTable = std::array<CellPosition, kItemCellCount>;

namespace ItemCatalogue {

// The heroes screen and the player's own screen: the bag as a 4 x 3 grid of 64-pixel cells and
// the equipment slots around the paper doll.
inline constexpr CellPositionTable ItemCellPositions = {{
    {544, 308}, {608, 308}, {672, 308}, {736, 308},  // bag, row 1
    {544, 372}, {608, 372}, {672, 372}, {736, 372},  // bag, row 2
    {544, 436}, {608, 436}, {672, 436}, {736, 436},  // bag, row 3
    {391, 250}, {436, 250}, {481, 250},              // amulets
    {397, 193},                                      // helmet
    {190, 295},                                      // armor
    {214, 340},                                      // belt
    {370, 430},                                      // pants
    {426, 430},                                      // shoes
    {190, 230},                                      // gloves
    {157, 378}, {191, 378}, {224, 378}, {258, 378},  // rings 1..4
    {351, 378}, {385, 378}, {418, 378}, {451, 378},  // rings 5..8
    {460, 320},                                      // shield
    {413, 320},                                      // sword
}};

// For every item in a cell: its icon at that cell's position and its cell number. Entries of
// ids in no cell keep what they held. The exchange screen passes its own position tables.
void LayoutBagItems(const CharacterItems& items, std::span<int32_t, kItemTableSize> iconX,
                    std::span<int32_t, kItemTableSize> iconY,
                    std::span<uint8_t, kItemTableSize> itemCell,
                    const CellPositionTable& positions = ItemCellPositions);

}  // namespace ItemCatalogue

}  // namespace varn
